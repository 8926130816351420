#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <random>

#include "activities/fruit/rules.h"
#include "app/language.h"
#include "platform/failure.h"
#include "platform/picture.h"
#include "testsupport.h"
#include "walk.h"

using badfiles::Seen;
using testsupport::DataFolder;

namespace {

const QStringList kEveryScreen{"Titlefrm", "languages", "intro0",    "menu1", "menu2",    "menu3",
                               "menu4",    "ordernum",  "dartboard", "fruit", "directed1"};
const QStringList kActivities{"ordernum", "dartboard", "fruit", "directed1"};
const QStringList kDesignButtons{"OK", "Exit", "Change Language"};
const QStringList kDesignLanguageNames{"English", "French", "German", "Spanish", "Italian", "Dutch", "Welsh"};
const QByteArray kChoiceAfterWalk = QByteArray::number(badfiles::kWalkLanguage) + "\r\n";

// What a walk over a damaged folder must come to; the defaults are those of an intact folder.
struct Expect {
    bool titleFallsBack = false;
    bool chooserFallsBack = false;
    bool returnFallsBack = false;  // the title screen shown again from the introduction
    QStringList emptyPictures;
    QString failingScreen;
    int failureNumber = 0;
    QString failureFile;
    int notSavedMessages = 0;
    bool choiceFileIsFolder = false;
};

QString normalised(QString name) { return name.replace(QLatin1Char('\\'), QLatin1Char('/')); }

QByteArray junk(int bytes, unsigned seed) {
    std::mt19937 engine(seed);
    QByteArray data(bytes, '\0');
    for (char& c : data) c = static_cast<char>(engine() & 0xFF);
    return data;
}

// The first `lines` lines of a file.
QByteArray firstLines(const QByteArray& bytes, int lines) {
    qsizetype at = 0;
    for (int i = 0; i < lines && at >= 0; ++i) at = bytes.indexOf('\n', at) + 1;
    return at > 0 ? bytes.left(at) : bytes;
}

void expectWalk(const Seen& seen, const Expect& e, const DataFolder& folder, const std::string& label) {
    SCOPED_TRACE(label);
    EXPECT_EQ(seen.titleFellBack, e.titleFallsBack);
    if (e.titleFallsBack) {
        EXPECT_EQ(seen.titleButtons, kDesignButtons);
    }
    EXPECT_EQ(seen.chooserFellBack, e.chooserFallsBack);
    if (e.chooserFallsBack) {
        EXPECT_EQ(seen.chooserOptions, kDesignLanguageNames);
    }
    EXPECT_EQ(seen.titleFellBackOnReturn, e.returnFallsBack);

    QStringList empty = seen.emptyPictures, expectedEmpty = e.emptyPictures;
    empty.sort();
    expectedEmpty.sort();
    EXPECT_EQ(empty, expectedEmpty);

    if (e.failingScreen.isEmpty()) {
        for (const badfiles::Failure& f : seen.failures)
            ADD_FAILURE() << f.screen.toStdString() << " failed: " << f.message.toStdString();
    } else if (seen.failures.size() != 1) {
        ADD_FAILURE() << seen.failures.size() << " failures, expected one in " << e.failingScreen.toStdString();
    } else {
        const badfiles::Failure& f = seen.failures.front();
        EXPECT_EQ(f.screen, e.failingScreen);
        EXPECT_EQ(f.number, e.failureNumber);
        EXPECT_TRUE(normalised(f.message).contains(e.failureFile, Qt::CaseInsensitive))
            << "the message does not name " << e.failureFile.toStdString() << ": " << f.message.toStdString();
        EXPECT_TRUE(f.menuStillOpen) << "the menu under " << f.screen.toStdString() << " was lost";
    }
    for (const QString& screen : kEveryScreen) {
        if (screen != e.failingScreen) {
            EXPECT_TRUE(seen.reached.contains(screen)) << "never reached " << screen.toStdString();
        }
    }
    if (e.failingScreen != QLatin1String("fruit")) {
        EXPECT_EQ(seen.fruitPicturesShown, 2 * int(fruit::kFruits.size()));
    }

    EXPECT_EQ(seen.notSavedMessages, e.notSavedMessages);
    if (e.choiceFileIsFolder) {
        EXPECT_TRUE(QFileInfo(folder.path() + "/qorvlang.txt").isDir());
    } else {
        EXPECT_EQ(folder.read("qorvlang.txt"), kChoiceAfterWalk);
    }
}

// Every picture file, and what the screens promise when it cannot be read.
struct PictureUse {
    QString file;
    QStringList leftEmpty;  // pictures that stay empty while the screen works on
    QString neededBy;       // the screen that cannot work without it
};

std::vector<PictureUse> pictureUses() {
    auto onEveryActivity = [](const char* control) {
        QStringList names;
        for (const QString& screen : kActivities) names << screen + "." + control;
        return names;
    };
    std::vector<PictureUse> uses{
        {"opening/splashq00.jpg", {"Titlefrm.Picture1"}, {}},
        {"Images/startqorv.jpg",
         {"intro0.background", "menu1.background", "menu2.background", "menu3.background", "menu4.background"}, {}},
        {"Images/logo2.jpg", {"intro0.Image2"}, {}},
        {"Images/BOARD.WMF", onEveryActivity("Image1"), {}},
        {"Images/tick.jpg", onEveryActivity("imgtick"), {}},
        {"Images/cross.jpg", onEveryActivity("imgcross"), {}},
        {"Images/arrowdn.jpg", {}, "directed1"},
        {"Images/dartboard.jpg", {}, "dartboard"},
        {"Images/dart.ico", {}, "dartboard"},
        {"Images/dart1.ico", {}, "dartboard"},
        {"Images/dart3.ico", {}, "dartboard"},
        {"fruit/fruits.jpg", {}, "fruit"},
    };
    for (const fruit::FruitInfo& f : fruit::kFruits)
        for (const char* picture : {f.spinning, f.stopped}) uses.push_back({normalised(picture), {}, "fruit"});
    return uses;
}

enum class Damage { Missing, Third, Text, Folder, Oversized };

// A real JPEG wider than any picture the program will decode.
QByteArray oversizedJpeg() {
    QImage image(9000, 2, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

TEST(DamagedPictures, EachScreenSkipsOrReportsItsOwnAndLosesNothingElse) {
    for (const PictureUse& use : pictureUses()) {
        for (const Damage damage : {Damage::Missing, Damage::Third, Damage::Text, Damage::Folder, Damage::Oversized}) {
            if (damage == Damage::Oversized && !use.file.endsWith(QLatin1String(".jpg"))) continue;
            DataFolder folder;
            folder.copyRunFolder();
            const QString path = folder.path() + "/" + use.file;
            const QByteArray original = folder.read(use.file);
            ASSERT_FALSE(original.isEmpty()) << use.file.toStdString() << " is not in the run folder: build the pictures";

            const char* how = "missing";
            int number = platform::FileNotFound;
            bool unreadable = true;
            if (damage == Damage::Missing) {
                QFile::remove(path);
            } else if (damage == Damage::Third) {
                how = "cut to a third";
                number = platform::InvalidPicture;
                const QByteArray third = original.left(original.size() / 3);
                folder.write(use.file, third);
                // Whether a third of a file still decodes is the decoder's business (a JPEG shows its
                // top rows); the screens must do what that answer calls for.
                unreadable = !platform::decodePicture(third, use.file);
            } else if (damage == Damage::Text) {
                how = "text";
                number = platform::InvalidPicture;
                folder.write(use.file, "This is not a picture.\r\n");
            } else if (damage == Damage::Folder) {
                how = "a folder";
                number = platform::InvalidPicture;
                QFile::remove(path);
                QDir().mkpath(path);
            } else {
                how = "9000 pixels wide";
                number = platform::InvalidPicture;
                folder.write(use.file, oversizedJpeg());
            }

            Expect e;
            if (unreadable) {
                e.emptyPictures = use.leftEmpty;
                e.failingScreen = use.neededBy;
                if (!use.neededBy.isEmpty()) {
                    e.failureNumber = number;
                    e.failureFile = use.file;
                }
            }
            expectWalk(badfiles::walk(), e, folder, use.file.toStdString() + " " + how);
        }
    }
}

// Damage to the text files, and whether the title screen (which reads text.csv) or the chooser
// (which reads languages.csv) falls back.
struct TextDamage {
    const char* label;
    std::function<void(const DataFolder&)> damage;
    bool titleFallsBack;
    bool chooserFallsBack;
};

TEST(DamagedTexts, TitleAndChooserFallBackAndEveryScreenStillRuns) {
    const auto write = [](const char* file, std::function<QByteArray(const QByteArray&)> make) {
        return [file, make](const DataFolder& f) { f.write(file, make(f.read(file))); };
    };
    const auto remove = [](const char* file) { return [file](const DataFolder& f) { QFile::remove(f.path() + "/" + file); }; };
    const std::vector<TextDamage> cases{
        {"text.csv missing", remove("text/text.csv"), true, false},
        {"text.csv empty", write("text/text.csv", [](const QByteArray&) { return QByteArray(); }), true, false},
        {"text.csv with 100 rows", write("text/text.csv", [](const QByteArray& b) { return firstLines(b, 101); }), true, false},
        {"text.csv one field short", write("text/text.csv", [](const QByteArray& b) {
             return b.left(b.lastIndexOf(',')); }), true, false},
        {"text.csv with a quote never closed", write("text/text.csv", [](const QByteArray& b) {
             return firstLines(b, 60) + "\"An unfinished text, " + b.mid(firstLines(b, 60).size()).replace('"', ' '); }),
         true, false},
        {"text.csv binary junk", write("text/text.csv", [](const QByteArray&) { return junk(4096, 1); }), true, false},
        // Intact rows, then padding the reader would never reach: only the size makes it unreadable.
        {"text.csv of 20 MB", write("text/text.csv", [](const QByteArray& b) {
             return b + QByteArray(20 * 1024 * 1024, ' '); }), true, false},
        {"text.csv a folder", [](const DataFolder& f) {
             QFile::remove(f.path() + "/text/text.csv");
             QDir().mkpath(f.path() + "/text/text.csv"); }, true, false},
        {"languages.csv missing", remove("text/languages.csv"), false, true},
        {"languages.csv with 7 rows", write("text/languages.csv", [](const QByteArray& b) { return firstLines(b, 8); }), false, true},
        {"languages.csv binary junk", write("text/languages.csv", [](const QByteArray&) { return junk(4096, 2); }), false, true},
        {"languages.csv a folder", [](const DataFolder& f) {
             QFile::remove(f.path() + "/text/languages.csv");
             QDir().mkpath(f.path() + "/text/languages.csv"); }, false, true},
        {"languages.csv of 20 MB", write("text/languages.csv", [](const QByteArray& b) {
             return b + QByteArray(20 * 1024 * 1024, ' '); }), false, true},
    };
    for (const TextDamage& c : cases) {
        DataFolder folder;
        folder.copyRunFolder();
        c.damage(folder);
        Expect e;
        e.titleFallsBack = e.returnFallsBack = c.titleFallsBack;
        e.chooserFallsBack = c.chooserFallsBack;
        const Seen seen = badfiles::walk();
        expectWalk(seen, e, folder, c.label);
        // No choice file: English, whatever became of the texts.
        EXPECT_EQ(seen.langnameAtTitle, "English") << c.label;
    }
}

// Windows-1252 for the characters it has; '?' marks one it lacks.
QByteArray toWindows1252(const QString& text, bool* lossless) {
    static const char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                       0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    QByteArray bytes;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += static_cast<char>(u);
            continue;
        }
        const auto* at = std::find(std::begin(kHigh), std::end(kHigh), u);
        if (u != 0 && at != std::end(kHigh)) {
            bytes += static_cast<char>(0x80 + (at - std::begin(kHigh)));
        } else {
            bytes += '?';
            *lossless = false;
        }
    }
    return bytes;
}

// The same table saved by other editors must read as the same texts.
TEST(DamagedTexts, OtherEncodingsAndLineEndsReadAsTheSameTexts) {
    struct Encoding {
        const char* label;
        std::function<QByteArray(const QByteArray& utf8, bool* lossless)> encode;
        bool needsHighBytes;  // the case proves nothing unless the file has bytes above 0x7F
    };
    const std::vector<Encoding> encodings{
        {"Windows-1252", [](const QByteArray& b, bool* lossless) { return toWindows1252(QString::fromUtf8(b), lossless); }, true},
        {"UTF-8 with a byte-order mark", [](const QByteArray& b, bool*) { return "\xEF\xBB\xBF" + b; }, false},
        {"line feeds only", [](const QByteArray& b, bool*) { return QByteArray(b).replace("\r\n", "\n"); }, false},
        {"carriage returns only", [](const QByteArray& b, bool*) { return QByteArray(b).replace("\r\n", "\r"); }, false},
    };
    for (const Encoding& encoding : encodings) {
        SCOPED_TRACE(encoding.label);
        DataFolder folder;
        folder.copyRunFolder();
        app::LanguageState original;
        ASSERT_TRUE(app::readTextTable(folder.path() + "/text/text.csv", original));

        bool lossless = true;
        const QByteArray encoded = encoding.encode(folder.read("text/text.csv"), &lossless);
        if (encoding.needsHighBytes) {
            ASSERT_TRUE(std::any_of(encoded.begin(), encoded.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
                << "the texts have no accented letter, so this case would prove nothing";
        }
        folder.write("text/text.csv", encoded);

        const Seen seen = badfiles::walk();
        expectWalk(seen, Expect{}, folder, encoding.label);
        ASSERT_EQ(seen.tableAtTitle.size(), original.texttable.size());
        int compared = 0;
        for (std::size_t i = 0; i < original.texttable.size(); ++i) {
            bool cellLossless = true;
            toWindows1252(original.texttable[i], &cellLossless);
            // A letter Windows-1252 lacks came through as '?'.
            if (encoding.needsHighBytes && !cellLossless) continue;
            ++compared;
            EXPECT_EQ(seen.tableAtTitle[i], original.texttable[i]) << "cell " << i;
        }
        EXPECT_GT(compared, 1000);
    }
}

// The language choice file, written by hand or broken.
struct ChoiceCase {
    const char* label;
    QByteArray content;  // ignored when the file is a folder
    bool folder;
    bool titleFallsBack;
    bool chooserFallsBack;
    const char* langname;  // nullptr: either reading will do
    int textColumn;  // the column the title's OK caption comes from; -1 for the design caption
};

TEST(DamagedLanguageChoice, TitleReadsWhatItCanAndTheChooserStillStoresTheChoice) {
    const std::vector<ChoiceCase> cases{
        {"junk", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false, true, true, "English", -1},
        {"-5", "-5\r\n", false, true, true, "", -1},
        {"twenty digits", "99999999999999999999\r\n", false, true, true, nullptr, -1},
        {"empty", "", false, false, false, "English", 0},
        {"blanks around 3", "  3  \r\n", false, false, false, "Spanish", 3},
        {"no line end", "1", false, false, false, "French", 1},
        {"13, a language without texts", "13\r\n", false, false, false, "Portuguese", 13},
        {"14, past the languages", "14\r\n", false, false, true, "", 14},
        {"18, the last column", "18\r\n", false, false, true, "", 18},
        {"19, past the table", "19\r\n", false, true, true, "", -1},
        {"a folder", {}, true, false, false, "English", 0},
    };
    for (const ChoiceCase& c : cases) {
        DataFolder folder;
        folder.copyRunFolder();
        app::LanguageState texts;
        ASSERT_TRUE(app::readTextTable(folder.path() + "/text/text.csv", texts));
        if (c.folder)
            QDir().mkpath(folder.path() + "/qorvlang.txt");
        else
            folder.write("qorvlang.txt", c.content);

        Expect e;
        e.titleFallsBack = c.titleFallsBack;
        e.chooserFallsBack = c.chooserFallsBack;
        e.notSavedMessages = c.folder ? 1 : 0;
        e.choiceFileIsFolder = c.folder;
        const Seen seen = badfiles::walk();
        expectWalk(seen, e, folder, std::string("qorvlang.txt ") + c.label);
        // An unreadable choice means English; a number outside the languages leaves the name unset.
        if (c.langname) {
            EXPECT_EQ(seen.langnameAtTitle, c.langname) << c.label;
        }
        if (c.textColumn >= 0) {
            EXPECT_EQ(seen.titleButtons.value(0), texts.cell(c.textColumn, 4)) << c.label;
        }
    }
}

}  // namespace
