#include <gtest/gtest.h>

#include "activities/shell/money.h"

using shell::Currency;
using shell::Edition;
using shell::MoneyForm;
using shell::MoneyStyle;
using shell::moneyText;
using shell::readMoney;

namespace {
enum Language { English, French, German, Spanish, Italian, Dutch, Welsh };

MoneyStyle style(int language) { return MoneyStyle::of(Edition::Other, language); }
const MoneyStyle kEnglish = MoneyStyle::of(Edition::English, English);
const QString kNbsp(QChar(0x00A0));
}  // namespace

TEST(Money, EachEditionAndLanguageCountsInItsOwnCurrency) {
    // The English edition keeps pounds whatever the language; the other counts in euros but in Welsh
    // (and in a language without texts of its own).
    EXPECT_EQ(MoneyStyle::of(Edition::English, French), (MoneyStyle{Currency::Pound, English}));
    EXPECT_EQ(MoneyStyle::of(Edition::Other, Welsh), (MoneyStyle{Currency::Pound, Welsh}));
    EXPECT_EQ(MoneyStyle::of(Edition::Other, English), (MoneyStyle{Currency::Pound, English}));
    EXPECT_EQ(MoneyStyle::of(Edition::Other, Dutch), (MoneyStyle{Currency::Euro, Dutch}));
    EXPECT_EQ(MoneyStyle::of(Edition::Other, 9), (MoneyStyle{Currency::Euro, 9}));
}

TEST(Money, AmountsAreWrittenAsEachLanguageWritesThem) {
    struct Case {
        long long minor;
        int language;
        MoneyForm form;
        QString expected;
    };
    const Case cases[] = {
        {135, English, MoneyForm::Price, "£1.35"},
        {80, English, MoneyForm::Price, "80p"},
        {80, English, MoneyForm::Amount, "£0.80"},
        {150, English, MoneyForm::Price, "£1.50"},
        {500, English, MoneyForm::Price, "£5"},
        {-835, English, MoneyForm::Amount, "-£8.35"},
        {-80, English, MoneyForm::Price, "-80p"},
        {80, Welsh, MoneyForm::Price, "80c"},
        {135, French, MoneyForm::Price, "1,35" + kNbsp + "€"},
        {80, German, MoneyForm::Price, "0,80" + kNbsp + "€"},
        {-835, Spanish, MoneyForm::Amount, "-8,35" + kNbsp + "€"},
        {135, Italian, MoneyForm::Price, "€" + kNbsp + "1,35"},
        {-835, Italian, MoneyForm::Amount, "-€" + kNbsp + "8,35"},
        {135, Dutch, MoneyForm::Price, "€" + kNbsp + "1,35"},
        {-835, Dutch, MoneyForm::Amount, "€" + kNbsp + "-8,35"},
        {-2000, French, MoneyForm::Amount, "-20" + kNbsp + "€"},
        {50, English, MoneyForm::Coin, "50p"},
        {50, Welsh, MoneyForm::Coin, "50c"},
        {50, French, MoneyForm::Coin, "50" + kNbsp + "c"},
        {50, German, MoneyForm::Coin, "50" + kNbsp + "ct"},
        {200, English, MoneyForm::Coin, "£2"},
        {200, Italian, MoneyForm::Coin, "€" + kNbsp + "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        const MoneyStyle s = c.language == English ? kEnglish : style(c.language);
        EXPECT_EQ(moneyText(c.minor, s, c.form), c.expected);
    }
}

TEST(Money, TypedAmountsAreReadInWholePenceOrCents) {
    struct Case {
        int language;
        const char* typed;
        std::optional<long long> expected;
    };
    const Case cases[] = {
        {English, "£1.35", 135},    {English, "1.35", 135},     {English, "135p", 135},
        {English, "135P", 135},     {English, " £ 1.35 ", 135}, {English, "1,35", 135},
        {English, "£0.8", 80},      {English, "0.29", 29},      {English, "£1.15", 115},
        {English, "4.35", 435},     {English, "£10", 1000},     {English, "-5", -500},
        {English, "−5", -500},      {English, "-£5", -500},     {English, "£-5", -500},
        {English, "-80p", -80},     {English, "£1.355", {}},    {English, "1.35p", {}},
        {English, "£135p", {}},     {English, "135c", {}},      {English, "€1.35", {}},
        {English, "", {}},          {English, "£", {}},         {English, "p", {}},
        {English, "-", {}},         {English, "--5", {}},       {English, "-£-5", {}},
        {English, "1-5", {}},       {English, "1.3.5", {}},     {English, "£1.35£", {}},
        {Welsh, "135c", 135},       {Welsh, "135p", 135},       {Welsh, "£1.35", 135},
        {French, "1,35", 135},      {French, "1,35 €", 135},    {French, "1,35€", 135},
        {French, "€1,35", 135},     {French, "1.35", 135},      {French, "-8,35 €", -835},
        {French, "£1,35", {}},      {French, "135p", {}},       {French, "135c", {}},
        {Dutch, "€ -8,35", -835},   {Dutch, "-€ 8,35", -835},   {Italian, "-€8,35", -835},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " in language " + std::to_string(c.language));
        const MoneyStyle s = c.language == English ? kEnglish : style(c.language);
        EXPECT_EQ(readMoney(QString::fromUtf8(c.typed), s), c.expected);
    }
}

TEST(Money, EveryWrittenAmountReadsBackExactly) {
    const long long amounts[] = {0, 1, 9, 10, 80, 99, 100, 101, 135, 1000, 1999, -1, -80, -835, -5000};
    for (int language = English; language <= Welsh; ++language) {
        for (const Edition edition : {Edition::English, Edition::Other}) {
            const MoneyStyle s = MoneyStyle::of(edition, language);
            for (const long long minor : amounts) {
                for (const MoneyForm form : {MoneyForm::Price, MoneyForm::Amount}) {
                    const QString text = moneyText(minor, s, form);
                    SCOPED_TRACE(text.toStdString());
                    EXPECT_EQ(readMoney(text, s), minor);
                }
            }
        }
    }
}
