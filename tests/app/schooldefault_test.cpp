#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/languagefile.h"
#include "platform/paths.h"
#include "testsupport.h"

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Two system configuration folders in place of /etc/xdg, the first the more important.
struct SchoolDefaultTest : ::testing::Test {
    void SetUp() override {
        saved = qgetenv("XDG_CONFIG_DIRS");
        qputenv("XDG_CONFIG_DIRS", (first.path() + ":" + second.path()).toUtf8());
    }
    void TearDown() override {
        qputenv("XDG_CONFIG_DIRS", saved);
        app::setRunLanguage(std::nullopt);
    }
    QByteArray saved;
    QTemporaryDir first, second;
};
}  // namespace

TEST_F(SchoolDefaultTest, TheUsersOwnChoiceWinsOverTheSchoolDefault) {
    struct Case {
        const char* name;
        bool programFolderWritable;  // a build's run folder; otherwise an installed copy's
        const char* programFile;
        const char* userFile;
        const char* firstSystemFile;
        const char* secondSystemFile;
        std::optional<QString> expected;
    } cases[] = {
        {"nothing anywhere", true, nullptr, nullptr, nullptr, nullptr, std::nullopt},
        {"school default only, written by echo", false, nullptr, nullptr, "3\n", nullptr, "3"},
        {"school default in a later folder", false, nullptr, nullptr, nullptr, "5\r\n", "5"},
        {"the first system folder wins", false, nullptr, nullptr, "3\r\n", "5\r\n", "3"},
        {"the user's file wins", false, nullptr, "1\r\n", "3\r\n", nullptr, "1"},
        {"a run folder's choice wins", true, "2\r\n", nullptr, "3\r\n", nullptr, "2"},
        {"a run folder without a choice takes the default", true, nullptr, nullptr, "4\r\n", nullptr, "4"},
    };
    for (const auto& c : cases) {
        testsupport::DataFolder data;
        // A program folder that is not a folder one can write to stands for an installed copy's.
        if (!c.programFolderWritable) platform::setProgramFolder(data.path() + "/not-writable");
        for (QTemporaryDir* system : {&first, &second}) QFile::remove(system->path() + "/brevandel/qorvlang.txt");
        if (c.programFile) writeFile(platform::programFolder() + "/qorvlang.txt", c.programFile);
        if (c.userFile) writeFile(platform::userConfigFolder() + "/qorvlang.txt", c.userFile);
        if (c.firstSystemFile) writeFile(first.path() + "/brevandel/qorvlang.txt", c.firstSystemFile);
        if (c.secondSystemFile) writeFile(second.path() + "/brevandel/qorvlang.txt", c.secondSystemFile);
        EXPECT_EQ(app::readLanguageField(), c.expected) << c.name;
    }
}

TEST_F(SchoolDefaultTest, AnInstalledCopysChoiceIsWrittenForTheUserNeverToTheSchoolDefault) {
    testsupport::DataFolder data;
    platform::setProgramFolder(data.path() + "/not-writable");
    writeFile(first.path() + "/brevandel/qorvlang.txt", "3\r\n");
    ASSERT_TRUE(app::writeLanguageFile(1));
    EXPECT_EQ(app::readLanguageField(), QString("1"));
    EXPECT_EQ(app::languageFileForReading(), platform::userConfigFolder() + "/qorvlang.txt");
    QFile school(first.path() + "/brevandel/qorvlang.txt");
    ASSERT_TRUE(school.open(QIODevice::ReadOnly));
    EXPECT_EQ(school.readAll(), "3\r\n");
}

TEST_F(SchoolDefaultTest, TheCommandLinesLanguageHoldsUntilTheUserChooses) {
    testsupport::DataFolder folder;
    folder.write("qorvlang.txt", "2\r\n");
    app::setRunLanguage(5);
    EXPECT_EQ(app::readLanguageField(), QString("5"));
    EXPECT_EQ(folder.read("qorvlang.txt"), "2\r\n");
    ASSERT_TRUE(app::writeLanguageFile(1));
    EXPECT_EQ(app::readLanguageField(), QString("1"));
}

TEST(DataFolderTest, AnInstalledExecutableFindsItsShareFolder) {
    QTemporaryDir root;
    QDir(root.path()).mkpath("usr/bin");
    QDir(root.path()).mkpath("run");
    QDir(root.path()).mkpath("usr/share/brevandel");
    QDir(root.path()).mkpath("opt/bin");
    writeFile(root.path() + "/opt/share/brevandel", "a file, not a folder");
    EXPECT_EQ(platform::dataFolderFor(root.path() + "/usr/bin"), root.path() + "/usr/share/brevandel");
    EXPECT_EQ(platform::dataFolderFor(root.path() + "/run"), root.path() + "/run");
    EXPECT_EQ(platform::dataFolderFor(root.path() + "/opt/bin"), root.path() + "/opt/bin");
}
