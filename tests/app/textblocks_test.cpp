#include <gtest/gtest.h>

#include "app/language.h"
#include "app/textblocks.h"
#include "testsupport.h"

namespace {

TEST(TextBlocks, FindBlocksByNameAndReadMissingOnesAsEmpty) {
    testsupport::DataFolder folder;
    folder.write("text/activities.csv",
                 "\"English\",\"French\",\"German\",\"Spanish\",\"Italian\",\"Dutch\",\"Welsh\"\r\n"
                 "\"[one]\",,,,,,\r\n"
                 "\"Round %1.\",\"Arrondis %1.\",\"Runde %1.\",\"e\",\"i\",\"n\",\"w\"\r\n"
                 "\"[two]\",,,,,,\r\n"
                 "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"\r\n"
                 "\"cut\",\"short");
    app::LanguageState& l = app::lang();
    ASSERT_TRUE(app::readTextBlocks(folder.path() + "/text/activities.csv", l));
    l.langindex = app::LangIndex::number(2);
    EXPECT_EQ(app::TextBlock("one").format(0, QStringLiteral("12,5")), "Runde 12,5.");
    EXPECT_EQ(app::TextBlock("two")[0], "c");
    EXPECT_EQ(app::TextBlock("two")[1], "");  // the row cut short is not there
    EXPECT_EQ(app::TextBlock("three")[0], "");
    EXPECT_EQ(app::TextBlock("one").format(5, QStringLiteral("x")), "");
    l.langindex = app::LangIndex::text("??");
    EXPECT_EQ(app::TextBlock("one")[0], "");
    // A missing file keeps what was read before.
    EXPECT_FALSE(app::readTextBlocks(folder.path() + "/text/none.csv", l));
    EXPECT_EQ(l.blocks.size(), 2);
    l.langindex = app::LangIndex();
    l.blocks.clear();
}

}  // namespace
