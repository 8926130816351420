#pragma once
// Shared test helpers: a throw-away data folder, and failures that throw instead of ending the run.
#include <QString>
#include <QTemporaryDir>
#include <stdexcept>

namespace testsupport {

struct UnexpectedFailure : std::runtime_error {
    UnexpectedFailure(int n, const QString& d) : std::runtime_error(d.toStdString()), number(n) {}
    int number;
};

// A fresh program folder (and per-user folder) for one test; restored when it goes out of scope.
class DataFolder {
public:
    DataFolder();
    ~DataFolder();
    QString path() const { return m_dir.path(); }
    QString configPath() const { return m_config.path(); }
    // Writes a file (creating folders) inside the program folder.
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;
    // Copies the real texts and pictures from the built run folder.
    void copyRunFolder(const QStringList& subfolders = {"text", "Images", "opening", "fruit"}) const;

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_config;
};

// Makes unexpected failures throw UnexpectedFailure for the life of the object.
class ThrowOnFailure {
public:
    ThrowOnFailure();
    ~ThrowOnFailure();
};

// Switches the C library's numbers to a decimal-comma locale (German) for the life of the object,
// as a desktop with German regional settings does. Made with localedef in a private folder when
// the machine has no such locale; available() is false only when that is impossible too.
class CommaLocale {
public:
    CommaLocale();
    ~CommaLocale();
    bool available() const { return m_available; }

private:
    QByteArray m_before;
    bool m_available = false;
};

}  // namespace testsupport
