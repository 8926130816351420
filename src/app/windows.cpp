#include "app/windows.h"

#include <QCoreApplication>

namespace app {

WindowRegistry::WindowRegistry(platform::RandomSource& random) : m_random(random) {}

WindowRegistry::~WindowRegistry() {
    for (const auto& form : std::as_const(m_open))
        if (form) delete form.data();
}

void WindowRegistry::define(const QString& name, Factory factory) { m_factories.insert(name, std::move(factory)); }

platform::Form* WindowRegistry::find(const QString& name) const {
    const auto it = m_open.constFind(name);
    return it == m_open.cend() ? nullptr : it->data();
}

QStringList WindowRegistry::openNames() const {
    QStringList names;
    for (auto it = m_open.cbegin(); it != m_open.cend(); ++it)
        if (it.value()) names << it.key();
    names.sort();
    return names;
}

platform::Form* WindowRegistry::load(const QString& name) {
    if (m_ended) return nullptr;
    if (auto* open = find(name)) return open;
    const auto factory = m_factories.constFind(name);
    if (factory == m_factories.cend()) return nullptr;
    platform::Form* form = (*factory)(*this);
    m_open.insert(name, form);
    connect(form, &platform::Form::unloaded, this, [this, name, form] {
        if (find(name) == form) m_open.remove(name);
    });
    form->load();
    return form;
}

platform::Form* WindowRegistry::show(const QString& name) {
    platform::Form* form = load(name);
    if (form) form->showForm();
    return form;
}

void WindowRegistry::close(const QString& name) {
    if (auto* form = find(name)) form->unload();
}

void WindowRegistry::endProgram() {
    m_ended = true;
    const QStringList names = openNames();
    for (const QString& name : names) close(name);
    QCoreApplication::quit();
}

}  // namespace app
