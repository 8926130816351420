#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "buildinfo.h"

namespace platform {
namespace {
QString& folderOverride() {
    static QString folder;
    return folder;
}
QString& configOverride() {
    static QString folder;
    return folder;
}

// An installed copy's data folder belongs to the package: never written to, even by root.
bool installedCopy() {
    return folderOverride().isEmpty() && QCoreApplication::instance() &&
           programFolder() != QCoreApplication::applicationDirPath();
}
}  // namespace

QString dataFolderFor(const QString& executableFolder) {
    const QString installed = QDir::cleanPath(executableFolder + QStringLiteral("/" BREVANDEL_DATA_FROM_BIN));
    return QFileInfo(installed).isDir() ? installed : executableFolder;
}

QString programFolder() {
    if (!folderOverride().isEmpty()) return folderOverride();
    if (!QCoreApplication::instance()) return QDir::currentPath();
    static const QString folder = dataFolderFor(QCoreApplication::applicationDirPath());
    return folder;
}

void setProgramFolder(const QString& folder) { folderOverride() = folder; }

QString resolvePath(const QString& relativeName) {
    QString name = relativeName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = programFolder();
    bool found = true;
    for (const QString& part : parts) {
        const QString exact = current + QLatin1Char('/') + part;
        if (found && QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        QString match;
        if (found) {
            const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    match = entry;
                    break;
                }
            }
        }
        if (match.isEmpty()) {
            found = false;
            current += QLatin1Char('/') + part;
        } else {
            current += QLatin1Char('/') + match;
        }
    }
    return current;
}

QString userConfigFolder() {
    if (!configOverride().isEmpty()) return configOverride();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/brevandel");
}

void setUserConfigFolder(const QString& folder) { configOverride() = folder; }

QString writableFolder() {
    const QFileInfo info(programFolder());
    if (!installedCopy() && info.isDir() && info.isWritable()) return programFolder();
    return userConfigFolder();
}

}  // namespace platform
