#include <gtest/gtest.h>

#include <limits>

#include "app/language.h"
#include "app/languagefile.h"
#include "testsupport.h"

namespace {
// A text table whose every cell names itself: "r<row>c<column>".
QByteArray tableText(int rows = app::kFileRows, int columns = app::kFileColumns) {
    QByteArray text = "\"English\",\"French\",\"German\",\"Spanish\",\"Italian\",\"Dutch\",\"Welsh\"\r\n";
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (c) text += ',';
            text += "\"r" + QByteArray::number(r) + "c" + QByteArray::number(c) + "\"";
        }
        text += "\r\n";
    }
    return text;
}

struct LanguageTest : ::testing::Test {
    void SetUp() override { app::lang() = app::LanguageState{}; }
    void TearDown() override { app::lang() = app::LanguageState{}; }
    testsupport::DataFolder folder;
};
}  // namespace

TEST_F(LanguageTest, ApplyCopiesTheRowMapOfTheChosenColumn) {
    folder.write("text/text.csv", tableText());
    ASSERT_TRUE(app::readTextTable(folder.path() + "/text/text.csv", app::lang()));
    auto& l = app::lang();
    l.langindex = app::LangIndex::number(3);
    ASSERT_TRUE(app::applylanguage());
    struct Case {
        const QString& global;
        const char* cell;
    } cases[] = {
        {l.txttitle, "r0c3"},          {l.txtexit, "r5c3"},          {l.txtokreturn, "r6c3"},
        {l.txtsections[0], "r7c3"},    {l.txtsections[5], "r12c3"},  {l.txtmenu1items[1], "r14c3"},
        {l.txtmenu2items[3], "r21c3"}, {l.txtmenu3items[0], "r23c3"}, {l.txtmenu4items[3], "r31c3"},
        {l.txtmenu5items[4], "r37c3"}, {l.txtcheck, "r38c3"},        {l.txtgo, "r41c3"},
        {l.txtordernum[4], "r50c3"},   {l.txtdirectedopts[3], "r66c3"}, {l.txtdartboard[0], "r111c3"},
        {l.txtdartboard[6], "r117c3"}, {l.txtfruit, "r118c3"},       {l.txtdirectedmsgs[3], "r152c3"},
        {l.txtdirectedopt2, "r153c3"}, {l.txtdirectedopt3, "r154c3"}, {l.txtjotterbuttons[0], "r196c3"},
        {l.txtjotterbuttons[3], "r199c3"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.global, c.cell);
    EXPECT_EQ(l.cell(6, 201), "r201c6");  // read, never copied
    EXPECT_EQ(l.cell(7, 0), "");
}

TEST_F(LanguageTest, LanguagesWithoutTextsEmptyEveryGlobalAndBadIndexesFail) {
    folder.write("text/text.csv", tableText());
    ASSERT_TRUE(app::readTextTable(folder.path() + "/text/text.csv", app::lang()));
    auto& l = app::lang();
    ASSERT_TRUE(app::applylanguage());
    EXPECT_EQ(l.txtexit, "r5c0");  // nothing chosen counts as English
    l.langindex = app::LangIndex::number(9);
    ASSERT_TRUE(app::applylanguage());
    EXPECT_EQ(l.txtexit, "");
    EXPECT_EQ(l.txtsections[2], "");
    l.langindex = app::LangIndex::number(2);
    ASSERT_TRUE(app::applylanguage());
    for (const auto& bad : {app::LangIndex::number(19), app::LangIndex::number(-1), app::LangIndex::text("abc")}) {
        l.langindex = bad;
        EXPECT_FALSE(app::applylanguage());
        EXPECT_EQ(l.txtexit, "r5c2");  // a failed apply changes nothing
    }
}

TEST_F(LanguageTest, ShortOrMissingFilesChangeNothing) {
    folder.write("text/text.csv", tableText());
    ASSERT_TRUE(app::readTextTable(folder.path() + "/text/text.csv", app::lang()));
    const struct {
        const char* name;
        QByteArray bytes;
    } bad[] = {
        {"201 rows", tableText(201)},
        {"one field short", tableText().left(tableText().lastIndexOf(",\""))},
        {"empty", ""},
        {"header only", tableText(0)},
    };
    for (const auto& b : bad) {
        folder.write("text/short.csv", b.bytes);
        app::LanguageState state;
        state.cell(0, 0) = "kept";
        EXPECT_FALSE(app::readTextTable(folder.path() + "/text/short.csv", state)) << b.name;
        EXPECT_EQ(state.cell(0, 0), "kept") << b.name;
    }
    EXPECT_FALSE(app::readTextTable(folder.path() + "/text/none.csv", app::lang()));
}

TEST_F(LanguageTest, QuotedCommasAndWindows1252FilesLoad) {
    QByteArray text = tableText();
    text.replace("\"r5c0\"", "\"Exit, now\"");
    text.replace("\"r5c1\"", "\"Quitter \xE9t\xE9\"");  // Windows-1252 é: the whole file is read as 1252
    folder.write("text/text.csv", text);
    ASSERT_TRUE(app::readTextTable(folder.path() + "/text/text.csv", app::lang()));
    EXPECT_EQ(app::lang().cell(0, 5), "Exit, now");
    EXPECT_EQ(app::lang().cell(1, 5), QString::fromUtf8("Quitter été"));
    EXPECT_EQ(app::lang().cell(2, 5), "r5c2");
}

TEST_F(LanguageTest, LanguageIndexIsReadAsNumberOrText) {
    struct Case {
        const char* field;
        bool number;
        long long value;
        const char* name;
    } cases[] = {
        {"2", true, 2, "German"}, {" 13 ", true, 13, "Portuguese"}, {"99", true, 99, nullptr},
        {"-1", true, -1, nullptr}, {"abc", false, 0, nullptr},     {"2x", false, 0, nullptr},
        {"99999999999999999999", true, std::numeric_limits<long long>::max(), nullptr},
    };
    for (const auto& c : cases) {
        const auto index = app::LangIndex::fromField(c.field);
        EXPECT_EQ(index.isNumber(), c.number) << c.field;
        if (c.number) {
            EXPECT_EQ(*index.value(), c.value) << c.field;
        }
        const auto name = app::languageName(index);
        EXPECT_EQ(name.has_value(), c.name != nullptr) << c.field;
        if (name && c.name) {
            EXPECT_EQ(*name, c.name);
        }
    }
}

TEST_F(LanguageTest, LanguageFileIsWrittenWholeAsDigitsAndCrLf) {
    ASSERT_TRUE(app::writeLanguageFile(1));
    EXPECT_EQ(folder.read("qorvlang.txt"), "1\r\n");
    EXPECT_EQ(app::readLanguageField(), QString("1"));
    ASSERT_TRUE(app::writeLanguageFile(12));
    EXPECT_EQ(folder.read("qorvlang.txt"), "12\r\n");
    folder.write("qorvlang.txt", "");
    EXPECT_FALSE(app::readLanguageField());
}
