#include <QFileInfo>
#include <gtest/gtest.h>

#include "app/language.h"
#include "chain.h"
#include "screens/titlefrm.h"

using chaintest::Chain;
using chaintest::cellText;

namespace {

screens::Titlefrm* openTitle(Chain& chain) {
    return dynamic_cast<screens::Titlefrm*>(chain.windows->show("Titlefrm"));
}

struct LanguageFileCase {
    const char* name;
    const char* file;  // nullptr: no language file at all
    QString langname;
    bool fellBack;
    float titlePoints;
    int okColumn;      // the column the OK caption comes from; -1: the design text
};

TEST(Titlefrm, LanguageFileDecidesLanguageTitleSizeAndFallback) {
    const std::vector<LanguageFileCase> cases = {
        {"no file", nullptr, "English", false, 26, 0},
        {"German", "2\r\n", "German", false, 22, 2},
        {"French", "1\r\n", "French", false, 24, 1},
        {"Welsh", "6\r\n", "Welsh", false, 26, 6},
        {"empty file", "", "English", false, 26, 0},
        {"Hungarian has no texts", "9\r\n", "Hungarian", false, 21.75f, -2},
        {"beyond the names", "15\r\n", "", false, 21.75f, -2},
        {"not a number", "abc\r\n", "English", true, 21.75f, -1},
        {"beyond the table", "99\r\n", "", true, 21.75f, -1},
        {"negative", "-1\r\n", "", true, 21.75f, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Chain chain;
        chain.writeTexts();
        if (c.file) chain.folder.write("qorvlang.txt", c.file);
        auto* title = openTitle(chain);
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(app::lang().langname, c.langname);
        EXPECT_EQ(title->fellBack(), c.fellBack);
        EXPECT_FLOAT_EQ(title->Label4->font().size, c.titlePoints);
        const QString ok = c.okColumn >= 0 ? cellText(4, c.okColumn) : c.okColumn == -1 ? QString("OK") : QString();
        EXPECT_EQ(title->Command1->caption(), ok);
        if (c.okColumn >= 0) {
            EXPECT_EQ(title->Label4->caption(), cellText(0, c.okColumn));
        }
        EXPECT_EQ(title->width(), c.fellBack ? 12000 : 5460);
    }
}

TEST(Titlefrm, NoLanguageFileCreatesNone) {
    Chain chain;
    chain.writeTexts();
    openTitle(chain);
    EXPECT_FALSE(chain.folder.exists("qorvlang.txt"));
    EXPECT_FALSE(QFileInfo::exists(chain.folder.configPath() + "/brevandel/qorvlang.txt"));
}

TEST(Titlefrm, EmptyFileOnALaterVisitKeepsTheChosenIndex) {
    Chain chain;
    chain.writeTexts();
    chaintest::chooseLanguage(2);
    chain.folder.write("qorvlang.txt", "");
    auto* title = openTitle(chain);
    EXPECT_EQ(app::lang().langname, "English");
    EXPECT_EQ(app::lang().langIndexValue(), 2);
    EXPECT_EQ(title->Command1->caption(), cellText(4, 2));
}

TEST(Titlefrm, MissingOrShortTextFileFallsBackToDesignTexts) {
    for (const int rows : {-1, 201, 0}) {
        SCOPED_TRACE(rows);
        Chain chain;
        if (rows >= 0) chain.folder.write("text/text.csv", chaintest::textTable(rows));
        auto* title = openTitle(chain);
        EXPECT_TRUE(title->fellBack());
        EXPECT_EQ(title->width(), 12000);
        EXPECT_EQ(title->height(), 9000);
        EXPECT_EQ(title->Command1->caption(), "OK");
        EXPECT_EQ(title->Command2->caption(), "Exit");
        EXPECT_EQ(title->Command3->caption(), "Change Language");
        EXPECT_TRUE(app::lang().txtok.isEmpty());
    }
}

TEST(Titlefrm, OkThenExitFromIntroductionComesBackWithReturnCaption) {
    Chain chain;
    chain.writeTexts();
    openTitle(chain)->Command1_Click();
    EXPECT_EQ(chain.open(), QStringList{"intro0"});

    auto* intro = chain.windows->find("intro0");
    ASSERT_NE(intro, nullptr);
    intro->control("Command1")->click();
    EXPECT_EQ(chain.open(), QStringList{"Titlefrm"});
    auto* again = dynamic_cast<screens::Titlefrm*>(chain.windows->find("Titlefrm"));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Command1->caption(), cellText(6, 0));
    EXPECT_EQ(again->Label4->caption(), cellText(0, 0));
}

TEST(Titlefrm, ChangeLanguageLeadsToChooserAndExitEndsAtOnce) {
    Chain chain;
    chain.writeTexts();
    openTitle(chain)->Command3_Click();
    EXPECT_EQ(chain.open(), QStringList{"languages"});

    Chain ending;
    ending.writeTexts();
    openTitle(ending)->Command2_Click();
    EXPECT_TRUE(ending.windows->programEnded());
    EXPECT_TRUE(ending.open().isEmpty());
}

}  // namespace
