#pragma once
// The window registry: shows and closes screens by name and knows which are open.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

#include "platform/form.h"
#include "platform/random.h"

namespace app {

class WindowRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<platform::Form*(WindowRegistry&)>;

    explicit WindowRegistry(platform::RandomSource& random);
    ~WindowRegistry() override;

    void define(const QString& name, Factory factory);
    bool defines(const QString& name) const { return m_factories.contains(name); }

    // Creates the screen and runs its load handler, unless it is open already; nullptr for an unknown name.
    platform::Form* load(const QString& name);
    // Loads the screen if needed and shows it in front.
    platform::Form* show(const QString& name);
    // Closes (unloads) the screen if it is open.
    void close(const QString& name);
    platform::Form* find(const QString& name) const;
    bool isOpen(const QString& name) const { return find(name) != nullptr; }
    QStringList openNames() const;
    int openCount() const { return static_cast<int>(openNames().size()); }

    // Ends the program at once: every window closes.
    void endProgram();
    bool programEnded() const { return m_ended; }

    platform::RandomSource& random() { return m_random; }

private:
    platform::RandomSource& m_random;
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<platform::Form>> m_open;
    bool m_ended = false;
};

}  // namespace app
