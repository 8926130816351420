#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <clocale>
#include <cstdlib>

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

namespace {
bool commaLocaleSet() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point[0] == ',') return true;
    }
    return false;
}
}  // namespace

CommaLocale::CommaLocale() : m_before(std::setlocale(LC_ALL, nullptr)) {
    if (commaLocaleSet()) {
        m_available = true;
        return;
    }
    // No German locale installed: compile one where only this test run looks for it.
    const QString folder = QDir::tempPath() + QStringLiteral("/brevandel-test-locales");
    const QString localedef = QStandardPaths::findExecutable(QStringLiteral("localedef"));
    if (!localedef.isEmpty() && !QFileInfo::exists(folder + QStringLiteral("/de_DE.UTF-8"))) {
        QDir().mkpath(folder);
        QProcess::execute(localedef, {"-i", "de_DE", "-f", "UTF-8", folder + QStringLiteral("/de_DE.UTF-8")});
    }
    setenv("LOCPATH", folder.toLocal8Bit().constData(), 1);
    m_available = commaLocaleSet();
}

CommaLocale::~CommaLocale() { std::setlocale(LC_ALL, m_before.constData()); }

}  // namespace testsupport
