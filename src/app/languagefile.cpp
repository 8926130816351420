#include "app/languagefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/fields.h"
#include "platform/paths.h"

namespace app {
namespace {
std::optional<int>& runLanguage() {
    static std::optional<int> index;
    return index;
}

// The school-wide default a technician puts in a system configuration folder, if there is one.
QString systemLanguageFile() {
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (const QString& folder : folders) {
        if (folder == userFolder) continue;
        const QString path = folder + QStringLiteral("/brevandel/") + kLanguageFileName;
        if (QFileInfo::exists(path)) return path;
    }
    return {};
}
}  // namespace

QString languageFileForReading() {
    const QString inProgram = platform::programFolder() + QLatin1Char('/') + kLanguageFileName;
    if (platform::writableFolder() != platform::programFolder()) {
        const QString perUser = platform::userConfigFolder() + QLatin1Char('/') + kLanguageFileName;
        if (QFileInfo::exists(perUser)) return perUser;
    }
    if (QFileInfo::exists(inProgram)) return inProgram;
    const QString schoolWide = systemLanguageFile();
    return schoolWide.isEmpty() ? inProgram : schoolWide;
}

std::optional<QString> readLanguageField() {
    if (runLanguage()) return QString::number(*runLanguage());
    const auto bytes = platform::readFileBytes(languageFileForReading(), 64 * 1024);
    if (!bytes) return std::nullopt;
    platform::FieldReader reader(platform::decodeText(*bytes));
    return reader.next();
}

bool writeLanguageFile(int index) {
    // The user's own choice takes over from the command line's for the rest of the run.
    runLanguage().reset();
    const QString folder = platform::writableFolder();
    if (!QDir().mkpath(folder)) return false;
    // A save file replaces the old one only once the new one is complete.
    QSaveFile file(folder + QLatin1Char('/') + kLanguageFileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QByteArray::number(index) + "\r\n");
    return file.commit();
}

void setRunLanguage(std::optional<int> index) { runLanguage() = index; }

}  // namespace app
