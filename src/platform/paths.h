#pragma once
// Where the program's files are: its own folder, located from the executable, and case-blind names inside it.
#include <QString>

namespace platform {

// The folder that holds the data folders: beside the executable (a build's run folder), or the
// installed share folder when the executable sits in an installed bin folder.
QString programFolder();
// The data folder for an executable in the given folder: its installed share folder when that
// exists, otherwise the executable's own folder.
QString dataFolderFor(const QString& executableFolder);
// Tests and tools point the program at another data folder.
void setProgramFolder(const QString& folder);

// Resolves a relative name like "IMAGES\BOARD.WMF" inside the program folder: '\' is a folder
// separator and every part is matched without regard to case. When nothing matches, the path
// is returned as written (so opening it fails in the usual way).
QString resolvePath(const QString& relativeName);

// The folder the program may write its one settings file to: its own folder when that is
// writable and not an installed copy's, otherwise the per-user configuration folder.
QString writableFolder();
// The per-user configuration folder, ~/.config/brevandel (created on demand by writers, not by this call).
QString userConfigFolder();
// Tests use a throw-away folder in place of the real per-user one.
void setUserConfigFolder(const QString& folder);

}  // namespace platform
