#include <gtest/gtest.h>

#include <QStringList>

#include "platform/fields.h"

using platform::FieldReader;

namespace {
QStringList readAll(const QString& text, int limit = 100) {
    FieldReader reader(text);
    QStringList fields;
    while (fields.size() < limit) {
        auto field = reader.next();
        if (!field) break;
        fields << *field;
    }
    return fields;
}
}  // namespace

TEST(FieldReader, SplitsFieldsTheWayTheTextFilesAreWritten) {
    struct Case {
        const char* name;
        QString text;
        QStringList expected;
    } cases[] = {
        {"quoted field keeps its commas", "\"a, b\",c\r\n", {"a, b", "c"}},
        {"quotes are not part of the text", "\"Exit\"\r\n", {"Exit"}},
        {"empty fields at the end of a line", ",,\r\n\"x\",,\r\n", {"", "", "", "x", "", ""}},
        {"leading blanks and blank lines skipped", "  a,  b\r\n\r\n\r\n   c", {"a", "b", "c"}},
        {"bare LF ends a line too", "a,b\nc\n", {"a", "b", "c"}},
        {"unquoted trailing blanks trimmed", "a  ,b\t\r\n", {"a", "b"}},
        {"junk after a closing quote dropped", "\"a\" junk,b", {"a", "b"}},
        {"unterminated quote runs to the end", "\"abc, def", {"abc, def"}},
        {"quoted field may span lines", "\"one\r\ntwo\",x", {"one\r\ntwo", "x"}},
        {"comma at the very end gives one empty field", "a,", {"a", ""}},
        {"nothing at all", "", {}},
        {"only line breaks", "\r\n\r\n  \n", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(readAll(c.text), c.expected) << c.name;
}

TEST(FieldReader, ExtraFieldsShiftLaterRows) {
    // A row with an eighth field pushes every later row one field along.
    const QStringList fields = readAll("a,b\r\nc,d,EXTRA\r\ne,f\r\n");
    ASSERT_EQ(fields.size(), 7);
    EXPECT_EQ(fields[4], "EXTRA");
    EXPECT_EQ(fields[5], "e");
}

TEST(DecodeText, ReadsUtf8WithOrWithoutMarkAndFallsBackToWindows1252) {
    EXPECT_EQ(platform::decodeText("\xEF\xBB\xBF" "Caf\xC3\xA9"), QString::fromUtf8("Café"));
    EXPECT_EQ(platform::decodeText("Caf\xC3\xA9"), QString::fromUtf8("Café"));
    EXPECT_EQ(platform::decodeText("\xC5\xB5\xC5\xB7"), QString::fromUtf8("ŵŷ"));
    // Not valid UTF-8: the bytes are Windows-1252, where 0x80 is the euro sign.
    EXPECT_EQ(platform::decodeText("Caf\xE9 \x80"), QString::fromUtf8("Café €"));
    EXPECT_EQ(platform::decodeText("\x93quoted\x94"), QString::fromUtf8("“quoted”"));
}

TEST(FieldReader, SurvivesArbitraryBytes) {
    // Every byte value, in awkward runs, must give a finite sequence of fields without crashing.
    QByteArray junk;
    for (int i = 0; i < 4096; ++i) junk.append(char((i * 131 + i / 7) & 0xFF));
    junk.append("\"\",\"\r\n,\"");
    FieldReader reader(platform::decodeText(junk));
    int count = 0;
    while (reader.next()) ASSERT_LT(++count, 10000);
    EXPECT_GT(count, 0);
}
