#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QAbstractButton>
#include <QMessageBox>
#include <gtest/gtest.h>

#include "app/language.h"
#include "chain.h"
#include "screens/intro0.h"
#include "screens/languages.h"

using chaintest::Chain;
using chaintest::cellText;
using chaintest::nameText;
using screens::Languages;

namespace {

Languages* openChooser(Chain& chain, int langindex) {
    chaintest::chooseLanguage(langindex);
    auto* chooser = dynamic_cast<Languages*>(chain.windows->show("languages"));
    if (chooser) chooser->tellNotSaved = [](const QString&) { ADD_FAILURE() << "unexpected not-saved message"; };
    return chooser;
}

// Takes write permission off a folder for the life of the object.
class ReadOnly {
public:
    explicit ReadOnly(QString path) : m_path(std::move(path)) {
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    }
    ~ReadOnly() { QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
    // An administrator writes through permissions, so a test that needs them to bind must know.
    bool binds() const { return !QFileInfo(m_path).isWritable(); }

private:
    QString m_path;
};

TEST(Languages, OpensOnTheChosenLanguageWithNamesInIt) {
    struct Case { int langindex; float titlePoints; };
    for (const Case c : {Case{0, 26}, Case{2, 22}, Case{1, 24}, Case{6, 26}}) {
        SCOPED_TRACE(c.langindex);
        Chain chain;
        chain.writeTexts();
        auto* chooser = openChooser(chain, c.langindex);
        ASSERT_NE(chooser, nullptr);
        EXPECT_FALSE(chooser->fellBack());
        for (int i = 0; i < Languages::kOptions; ++i) {
            EXPECT_EQ(chooser->Option1[i].value(), i == c.langindex) << i;
            EXPECT_EQ(chooser->Option1[i].caption(), nameText(i, c.langindex)) << i;
        }
        EXPECT_FLOAT_EQ(chooser->Label4->font().size, c.titlePoints);
        EXPECT_EQ(chooser->Label4->caption(), cellText(0, c.langindex));
        EXPECT_EQ(chooser->Command1->caption(), cellText(4, c.langindex));
    }
}

TEST(Languages, SevenVisibleOptionsInOneCentredColumn) {
    Chain chain;
    chain.writeTexts();
    auto* chooser = openChooser(chain, 0);
    for (int i = 0; i < Languages::kOptions; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(chooser->Option1[i].isVisible(), i < 7);
        if (i >= 7) continue;
        EXPECT_FLOAT_EQ(chooser->Option1[i].left(), (5460.0f - 2295.0f) / 2);
        EXPECT_FLOAT_EQ(chooser->Option1[i].top(), 1920.0f + 480.0f * float(i));
    }
}

TEST(Languages, LanguageWithoutTextsShowsBlankOptionsNoneSelected) {
    for (const int langindex : {7, 13}) {
        SCOPED_TRACE(langindex);
        Chain chain;
        chain.writeTexts();
        auto* chooser = openChooser(chain, langindex);
        EXPECT_FALSE(chooser->fellBack());
        for (int i = 0; i < 7; ++i) {
            EXPECT_FALSE(chooser->Option1[i].value()) << i;
            EXPECT_TRUE(chooser->Option1[i].caption().isEmpty()) << i;
        }
        EXPECT_FLOAT_EQ(chooser->Label4->font().size, 21.75f);
    }
}

TEST(Languages, ClickingAnOptionPreviewsItsLanguageBeforeOk) {
    Chain chain;
    chain.writeTexts();
    auto* chooser = openChooser(chain, 0);
    chooser->Option1[1].click();
    EXPECT_EQ(app::lang().langIndexValue(), 1);
    for (int k = 0; k < Languages::kOptions; ++k) EXPECT_EQ(chooser->Option1[k].caption(), nameText(k, 1)) << k;
    EXPECT_EQ(chooser->Label4->caption(), cellText(0, 1));
    EXPECT_EQ(chooser->Label3->caption(), cellText(1, 1));
    EXPECT_EQ(chooser->Label2->caption(), cellText(3, 1));
    EXPECT_EQ(chooser->Command1->caption(), cellText(4, 1));
    EXPECT_FLOAT_EQ(chooser->Label4->font().size, 24);
    EXPECT_FALSE(chain.folder.exists("qorvlang.txt"));
}

TEST(Languages, OkKeepsFrenchAndOpensTheIntroductionInFrench) {
    Chain chain;
    chain.writeTexts();
    auto* chooser = openChooser(chain, 0);
    chooser->Option1[1].click();
    chooser->Command1->click();
    EXPECT_EQ(chain.folder.read("qorvlang.txt"), QByteArray("1\r\n"));
    EXPECT_EQ(app::lang().langname, "French");
    EXPECT_EQ(chain.open(), QStringList{"intro0"});
    auto* intro = dynamic_cast<screens::Intro0*>(chain.windows->find("intro0"));
    ASSERT_NE(intro, nullptr);
    EXPECT_EQ(intro->Label1->caption(), cellText(0, 1));
}

TEST(Languages, ReadOnlyProgramFolderKeepsTheChoiceInTheUserFolder) {
    Chain chain;
    chain.writeTexts();
    auto* chooser = openChooser(chain, 0);
    chooser->Option1[2].click();
    ReadOnly locked(chain.folder.path());
    if (!locked.binds()) GTEST_SKIP() << "this user writes through folder permissions";
    chooser->Command1->click();
    QFile kept(chain.folder.configPath() + "/brevandel/qorvlang.txt");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("2\r\n"));
    EXPECT_FALSE(chain.folder.exists("qorvlang.txt"));
    EXPECT_EQ(chain.open(), QStringList{"intro0"});
}

TEST(Languages, ChoiceThatCannotBeWrittenIsSaidOnceAndStillApplies) {
    struct Case { const char* name; QString notSavedText; QString expected; };
    const std::vector<Case> cases = {
        {"translated", cellText(43, 1), cellText(43, 1)},
        {"no text for it", QString(), "The language could not be saved. It will be used until Brevandel is closed."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Chain chain;
        chain.writeTexts();
        // A folder where the file should be stops the write whoever runs the test; so does a file
        // where the per-user folder should be.
        QDir(chain.folder.path()).mkdir("qorvlang.txt");
        QFile blocker(chain.folder.configPath() + "/brevandel");
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto* chooser = openChooser(chain, 0);
        app::lang().cell(1, 43) = c.notSavedText;
        QStringList messages;
        QString title, button;
        chooser->tellNotSaved = [&](const QString& text) {
            messages << text;
            const auto box = chooser->notSavedBox(text);
            title = box->windowTitle();
            button = box->buttons().value(0) ? box->buttons().value(0)->text() : QString();
        };
        chooser->Option1[1].click();
        ReadOnly locked(chain.folder.path());
        chooser->Command1->click();
        EXPECT_EQ(messages, QStringList{c.expected});
        // The box speaks the chosen language too: its title and its one button.
        EXPECT_EQ(title, cellText(2, 1));
        EXPECT_EQ(button, cellText(4, 1));
        EXPECT_EQ(app::lang().langIndexValue(), 1);
        EXPECT_EQ(app::lang().txtok, cellText(4, 1));
        EXPECT_EQ(chain.open(), QStringList{"intro0"});
    }
}

TEST(Languages, UnreadableNamesOrChoiceGiveTheFallbackWithDesignNames) {
    struct Case { const char* name; int nameRows; app::LangIndex langindex; };
    const std::vector<Case> cases = {
        {"no names file", -1, app::LangIndex::number(0)},
        {"short names file", 13, app::LangIndex::number(2)},
        {"header only", 0, app::LangIndex::number(0)},
        {"choice beyond the options", 14, app::LangIndex::number(15)},
        {"choice not a number", 14, app::LangIndex::text("x")},
    };
    const QStringList design = {"English", "French", "German", "Spanish", "Italian", "Dutch", "Welsh"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Chain chain;
        chain.writeTexts();
        QFile::remove(chain.folder.path() + "/text/languages.csv");
        if (c.nameRows >= 0) chain.folder.write("text/languages.csv", chaintest::namesTable(c.nameRows));
        chaintest::chooseLanguage(0);
        app::lang().langindex = c.langindex;
        auto* chooser = dynamic_cast<Languages*>(chain.windows->show("languages"));
        ASSERT_NE(chooser, nullptr);
        EXPECT_TRUE(chooser->fellBack());
        EXPECT_EQ(chooser->width(), 12000);
        EXPECT_EQ(chooser->height(), 9000);
        for (int i = 0; i < 7; ++i) EXPECT_EQ(chooser->Option1[i].caption(), design[i]) << i;
        EXPECT_TRUE(chooser->languagename(0, 0).isEmpty());
    }
}

TEST(Languages, FallbackOptionsChooseTheLanguageTheyName) {
    Chain chain;
    chain.writeTexts();
    QFile::remove(chain.folder.path() + "/text/languages.csv");
    auto* chooser = openChooser(chain, 0);
    ASSERT_TRUE(chooser->fellBack());
    int dutch = -1;
    for (int i = 0; i < 7; ++i)
        if (chooser->Option1[i].caption() == "Dutch") dutch = i;
    ASSERT_GE(dutch, 0);
    chooser->Option1[dutch].click();
    EXPECT_EQ(chooser->Option1[0].caption(), "English");
    EXPECT_EQ(chooser->Label4->caption(), cellText(0, 5));
    chooser->Command1->click();
    EXPECT_EQ(app::lang().langname, "Dutch");
    EXPECT_EQ(chain.folder.read("qorvlang.txt"), QByteArray("5\r\n"));
}

}  // namespace
