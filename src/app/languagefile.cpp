#include "app/languagefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/fields.h"
#include "platform/paths.h"

namespace app {

QString languageFileForReading() {
    const QString inProgram = platform::programFolder() + QLatin1Char('/') + kLanguageFileName;
    if (platform::writableFolder() != platform::programFolder()) {
        const QString perUser = platform::userConfigFolder() + QLatin1Char('/') + kLanguageFileName;
        if (QFileInfo::exists(perUser)) return perUser;
    }
    return inProgram;
}

std::optional<QString> readLanguageField() {
    const auto bytes = platform::readFileBytes(languageFileForReading(), 64 * 1024);
    if (!bytes) return std::nullopt;
    platform::FieldReader reader(platform::decodeText(*bytes));
    return reader.next();
}

bool writeLanguageFile(int index) {
    const QString folder = platform::writableFolder();
    if (!QDir().mkpath(folder)) return false;
    // A save file replaces the old one only once the new one is complete.
    QSaveFile file(folder + QLatin1Char('/') + kLanguageFileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QByteArray::number(index) + "\r\n");
    return file.commit();
}

}  // namespace app
