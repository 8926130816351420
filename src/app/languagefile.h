#pragma once
// The one-line file that keeps the chosen language between runs.
#include <QString>
#include <optional>

namespace app {

inline const QString kLanguageFileName = QStringLiteral("qorvlang.txt");

// Where the choice is read from: the per-user copy when the program folder is read-only and one
// exists, otherwise the program folder.
QString languageFileForReading();
// The first field of the file; nullopt when it is missing, unreadable or empty.
std::optional<QString> readLanguageField();
// Writes the index as digits and CR LF, all or nothing; false when it could not be written.
bool writeLanguageFile(int index);

}  // namespace app
