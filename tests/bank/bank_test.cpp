#include "activities/bank/bank.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"
#include "testsupport.h"

using namespace bank;

namespace {
enum Language { English = 0, French = 1, Italian = 4, Dutch = 5, Welsh = 6 };

// The draws that put this question on the board.
std::vector<float> drawsFor(const Question& q) {
    const auto pick = [](long long v, long long lo, long long hi) { return (float(v - lo) + 0.5f) / float(hi - lo + 1); };
    const bool pence = q.mode == kPence;
    const auto pounds = [&](long long v, long long lo, long long hi) {
        return pence ? pick(v, lo * 100, hi * 100) : pick(v / 100, lo, hi);
    };
    const bool cross = crossesZero(q);
    std::vector<float> r{q.paidIn ? 0.1f : 0.9f, cross ? 0.1f : 0.9f, pick(q.detail, 0, (q.paidIn ? kPaymentsIn : kPaymentsOut) - 1)};
    if (!q.paidIn && cross) {
        r.push_back(pounds(q.start, 1, 40));
        r.push_back(pounds(q.amount - q.start, 1, 30));
    } else if (!q.paidIn && q.end() > 0) {
        r.insert(r.end(), {0.25f, pounds(q.start, 15, 50), pounds(q.amount, 5, 14)});
    } else if (!q.paidIn) {
        r.insert(r.end(), {0.75f, pounds(-q.start, 1, 20), pounds(q.amount, 5, 20)});
    } else if (cross) {
        r.push_back(pounds(-q.start, 1, 30));
        r.push_back(pounds(q.amount + q.start, 1, 40));
    } else {
        r.push_back(pounds(-q.start, 10, 40));
        r.push_back(pounds(q.amount, 5, 9));
    }
    return r;
}

// £12, a £20 ticket: -£8.
const Question kTwelveLessTwenty{kWhole, 1200, 2000, false, 0};

class BankScreen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        shell::ModeButtons::forgetAll();
        windows.define("bank", [](app::WindowRegistry& w) { return new Bank(w, shell::Edition::English); });
        windows.define("bank2", [](app::WindowRegistry& w) { return new Bank(w, shell::Edition::Other); });
        for (const char* stub : {"menu4", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().langindex = app::LangIndex::number(English);
    }

    Bank& open(const char* screen, int language, const Question& q) {
        app::lang().langindex = app::LangIndex::number(language);
        for (const float r : drawsFor(kTwelveLessTwenty)) rnd.push(r);
        auto* bank = dynamic_cast<Bank*>(windows.load(screen));
        if (!bank) throw std::runtime_error("the bank screen did not open");
        EXPECT_EQ(bank->question(), kTwelveLessTwenty);
        if (!(q == kTwelveLessTwenty)) ask(*bank, q);
        return *bank;
    }
    void ask(Bank& s, const Question& q) {
        for (const float r : drawsFor(q)) rnd.push(r);
        if (s.modes.mode() == q.mode)
            s.cmdgo_Click();
        else
            s.modes.option(q.mode).click();
        EXPECT_EQ(s.question(), q);
    }
    static bool typedRight(Bank& s, const QString& typed) {
        s.pad.setText(0, typed);
        s.cmdcheckit_Click();
        return s.imgtick->isVisible();
    }
    // Every step of the solution, each animation run to its end frame by frame.
    static void solve(Bank& s) {
        do {
            s.cmdsoln_Click();
            while (s.steps.animating()) s.steps.frame();
        } while (!s.steps.finished());
    }

    testsupport::DataFolder folder;
    testsupport::ThrowOnFailure failures;
    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
};
}  // namespace

TEST_F(BankScreen, ANegativeAnswerChecksWithEitherMinusSignAndToThePenny) {
    Bank& s = open("bank", English, kTwelveLessTwenty);
    EXPECT_EQ(s.lblquestion->caption(), "Your balance is £12. You spend £20. What is your balance now?");
    for (const char* right : {"-8", "−8", "-£8", "£-8", "-8.00"}) EXPECT_TRUE(typedRight(s, QString::fromUtf8(right))) << right;
    for (const char* wrong : {"8", "£8", "-80", "", "-"}) EXPECT_FALSE(typedRight(s, QString::fromUtf8(wrong))) << wrong;
    // £12.45 less £20.80.
    ask(s, {kPence, 1245, 2080, false, 2});
    EXPECT_EQ(s.cell(2, 1).caption(), "-£20.80");
    for (const char* right : {"-8.35", "-8,35", "-£8.35"}) EXPECT_TRUE(typedRight(s, right)) << right;
    for (const char* wrong : {"-8.36", "-8.3", "8.35", "-835"}) EXPECT_FALSE(typedRight(s, wrong)) << wrong;
}

TEST_F(BankScreen, EachLanguageWritesANegativeBalanceItsOwnWay) {
    struct Case {
        const char* screen;
        int language;
        const char* start;
        const char* answer;
        const char* key;
    };
    const Case cases[] = {
        {"bank", English, "£12", "-£8", "£"},
        {"bank2", Welsh, "£12", "-£8", "£"},
        {"bank2", French, "12\u00a0€", "-8\u00a0€", "€"},
        {"bank2", Italian, "€\u00a012", "-€\u00a08", "€"},
        {"bank2", Dutch, "€\u00a012", "€\u00a0-8", "€"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        Bank& s = open(c.screen, c.language, kTwelveLessTwenty);
        EXPECT_EQ(s.cell(1, 2).caption(), QString::fromUtf8(c.start));
        EXPECT_TRUE(s.pad.key(QString::fromUtf8(c.key))->isVisible());
        EXPECT_TRUE(typedRight(s, QString::fromUtf8(c.answer)));
        solve(s);
        EXPECT_EQ(s.cell(2, 2).caption(), QString::fromUtf8(c.answer));
        // The sum, then the sentence that gives the answer.
        EXPECT_TRUE(s.lblstep->caption().section('\n', 0, 0).endsWith("= " + QString::fromUtf8(c.answer)));
        EXPECT_TRUE(s.lblstep->caption().section('\n', 1).contains(QString::fromUtf8(c.answer)));
        s.cmdexit_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(BankScreen, SolutionMovesTheBarDownToZeroThenIntoTheRed) {
    Bank& s = open("bank", English, kTwelveLessTwenty);
    EXPECT_EQ(s.barBalance(), 1200);
    EXPECT_EQ(s.shpbar->backColor(), QColor(0x3C, 0xC8, 0x50));
    s.cmdsoln_Click();
    EXPECT_EQ(s.lblstep->caption(), "£12 takes the balance down to zero.");
    ASSERT_EQ(s.line->jumps().size(), 2u);
    EXPECT_EQ(s.line->jumps()[0].label, "£12");
    EXPECT_EQ(s.line->jumps()[1].label, "£8");
    // All through the first part the bar stays between the balance and zero.
    for (int i = 0; i < shell::Steps::kMostFrames && s.steps.animating(); ++i) {
        s.steps.frame();
        EXPECT_GE(s.barBalance(), 0);
        EXPECT_LE(s.barBalance(), 1200);
    }
    EXPECT_EQ(s.barBalance(), 0);
    s.cmdsoln_Click();
    EXPECT_EQ(s.lblstep->caption(), "The other £8 takes it below zero, to -£8.");
    s.steps.finishAnimation();
    EXPECT_EQ(s.barBalance(), -800);
    EXPECT_EQ(s.line->jumpsShown(), 2);
    EXPECT_EQ(s.shpbar->backColor(), QColor(0xFF, 0x4D, 0x4D));
    // The bar runs from the zero line down to the balance.
    const float zero = s.line->top() + float(s.line->pointOf(0).y());
    EXPECT_EQ(s.shpbar->top(), zero);
    EXPECT_FLOAT_EQ(s.shpbar->top() + s.shpbar->height(), s.line->top() + float(s.line->pointOf(-800).y()));
    s.cmdsoln_Click();
    EXPECT_EQ(s.lblstep->caption(), QString::fromUtf8("£12 \u2212 £20 = -£8\nYour balance is now -£8."));
}

TEST_F(BankScreen, WorkingBackwardsUndoesThePayment) {
    Bank& s = open("bank", English, {kBackwards, -800, 1500, true, 1});
    EXPECT_EQ(s.lblquestion->caption(), "You pay in £15. Now your balance is £7. What was it before?");
    EXPECT_EQ(s.cell(1, 2).caption(), "?");
    EXPECT_EQ(s.cell(2, 1).caption(), "+£15");
    EXPECT_EQ(s.barBalance(), 700);
    EXPECT_TRUE(typedRight(s, "-8"));
    EXPECT_FALSE(typedRight(s, "8"));
    solve(s);
    EXPECT_EQ(s.barBalance(), -800);
    EXPECT_EQ(s.cell(1, 2).caption(), "-£8");
    EXPECT_EQ(s.lblstep->caption(), QString::fromUtf8("£7 \u2212 £15 = -£8\nYour balance was -£8 before."));
}

TEST_F(BankScreen, EveryLanguagesStatementWordsFitTheirColumn) {
    // Long compound words cannot wrap: each must fit its column whole, at the statement's size.
    for (int language = English; language <= Welsh; ++language) {
        Bank& s = open(language == English ? "bank" : "bank2", language, kTwelveLessTwenty);
        for (int detail = 0; detail < kPaymentsOut + kPaymentsIn; ++detail) {
            const bool in = detail >= kPaymentsOut;
            ask(s, {kWhole, in ? -1200 : 1200, 2100, in, in ? detail - kPaymentsOut : detail});
            for (int row = 0; row < Bank::kRows; ++row)
                for (int column = 0; column < Bank::kColumns; ++column) {
                    const platform::Label& cell = s.cell(row, column);
                    for (const QString& word : cell.caption().split(QLatin1Char(' ')))
                        EXPECT_TRUE(cell.captionFits(word, cell.font().size)) << language << ": " << word.toStdString();
                }
        }
        s.cmdexit_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
