#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "platform/failure.h"
#include "platform/paths.h"

namespace testsupport {

DataFolder::DataFolder() {
    platform::setProgramFolder(m_dir.path());
    platform::setUserConfigFolder(m_config.path() + "/brevandel");
}

DataFolder::~DataFolder() {
    platform::setProgramFolder(QString());
    platform::setUserConfigFolder(QString());
}

void DataFolder::write(const QString& relative, const QByteArray& bytes) const {
    const QString path = m_dir.path() + "/" + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write test file");
    file.write(bytes);
}

QByteArray DataFolder::read(const QString& relative) const {
    QFile file(m_dir.path() + "/" + relative);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

bool DataFolder::exists(const QString& relative) const { return QFileInfo::exists(m_dir.path() + "/" + relative); }

void DataFolder::copyRunFolder(const QStringList& subfolders) const {
#ifdef BREVANDEL_RUN_DIR
    const QString run = QStringLiteral(BREVANDEL_RUN_DIR);
#else
    const QString run;
#endif
    for (const QString& sub : subfolders) {
        QDirIterator it(run + "/" + sub, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = m_dir.path() + from.mid(run.size());
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
    }
}

ThrowOnFailure::ThrowOnFailure() {
    platform::setFailureHandler([](int n, const QString& d) { throw UnexpectedFailure(n, d); });
}
ThrowOnFailure::~ThrowOnFailure() { platform::setFailureHandler({}); }

}  // namespace testsupport
