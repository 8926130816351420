#pragma once
// The one-line file that keeps the chosen language between runs.
#include <QString>
#include <optional>

namespace app {

inline const QString kLanguageFileName = QStringLiteral("qorvlang.txt");

// Where the choice is read from, the first that exists of: the per-user copy (when the program
// folder is not one the program writes to), the program folder's, and the school-wide default in
// the system configuration folders (brevandel/qorvlang.txt under XDG_CONFIG_DIRS, /etc/xdg by
// default). When none exists, the program folder's name.
QString languageFileForReading();
// The first field of the file; nullopt when it is missing, unreadable or empty.
std::optional<QString> readLanguageField();
// Writes the index as digits and CR LF, all or nothing; false when it could not be written.
bool writeLanguageFile(int index);

// A language for this run only (from the command line): read in place of every file, written
// nowhere, until the user chooses a language.
void setRunLanguage(std::optional<int> index);

}  // namespace app
