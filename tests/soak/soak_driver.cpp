#include "soak_driver.h"

#include <QApplication>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QRegularExpression>
#include <fstream>
#include <iostream>
#include <unistd.h>
#include <vector>

#include "activities/directed/directed1.h"
#include "activities/directed/rules.h"
#include "activities/fruit/fruit.h"
#include "activities/ordering/ordernum.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "app/catalogue.h"
#include "app/language.h"
#include "screens/intro0.h"
#include "screens/languages.h"
#include "screens/menu.h"
#include "screens/titlefrm.h"

namespace soak {

using platform::Control;
using platform::Form;
using platform::MouseEvent;

namespace {
constexpr int kMostWindows = 3;         // a menu, an activity over it, the Jotter over both
constexpr float kWidestFeedback = 743;  // the last +8 step may pass 735 once before the timer stops
constexpr int kLongestTimerBurst = 150; // a fruit spin needs 120 ticks to come to rest

// Delivers what the windowing system and the screens queued, and deletes closed windows. Timers
// stay out: the soak ticks them itself, so that a seed replays the same run.
void flush() {
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString where(const Control& c) {
    return c.index() >= 0 ? QStringLiteral("%1(%2)").arg(c.name()).arg(c.index()) : c.name();
}

bool usable(const Control* c) { return c && c->isVisible() && c->enabled(); }

// Form::control finds only the controls made with the form; elements an array loads at run time
// live in the scene alone.
Control* findControl(const Form& form, const QString& name, int index) {
    if (Control* c = form.control(name, index)) return c;
    const auto* view = form.findChild<QGraphicsView*>();
    if (!view || !view->scene()) return nullptr;
    for (QGraphicsItem* item : view->scene()->items()) {
        auto* c = dynamic_cast<Control*>(item);
        if (c && c->name() == name && c->index() == index) return c;
    }
    return nullptr;
}
}  // namespace

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

Soak::Soak(std::uint64_t seed) : m_screens(seed), m_events(seed ^ 0x5DEECE66Dull) {
    m_folder.copyRunFolder();
    start();
}

Soak::~Soak() {
    m_windows.reset();
    flush();
}

void Soak::start() {
    // A fresh start of the program: nothing of the last run's language or modes survives it.
    app::lang() = app::LanguageState{};
    shell::ModeButtons::forgetAll();
    m_windows = std::make_unique<app::WindowRegistry>(m_screens);
    app::defineScreens(*m_windows);
    m_windows->show(QStringLiteral("Titlefrm"));
    flush();
    stubSideEffects();
}

void Soak::restartIfEnded() {
    if (!m_windows->programEnded() && m_windows->openCount() > 0) return;
    note(QStringLiteral("the program ended: start it again"));
    m_windows.reset();
    flush();
    ++m_restarts;
    start();
}

void Soak::focusOn(int menu, int entry) {
    m_focusMenu = menu;
    m_focusEntry = entry;
}

void Soak::reopenFocus() {
    if (m_focusMenu == 0 || (!m_focusScreen.isEmpty() && m_windows->isOpen(m_focusScreen))) return;
    const QString menuName = QStringLiteral("menu%1").arg(m_focusMenu);
    for (const QString& name : m_windows->openNames())
        if (name != menuName) m_windows->close(name);
    flush();
    auto* menu = qobject_cast<screens::Menu*>(m_windows->show(menuName));
    if (!menu) return;
    m_focusScreen = menu->screenFor(m_focusEntry);
    note(QStringLiteral("open %1 from %2").arg(m_focusScreen, menuName));
    menu->Label3_Click(m_focusEntry);
    flush();
}

void Soak::stubSideEffects() {
    // Nothing the user does on a new window can come before this: it runs straight after the event
    // that opened it. No browser starts and no message box waits for a click.
    for (const QString& name : m_windows->openNames()) {
        Form* form = m_windows->find(name);
        if (form->property("soakSeen").toBool()) continue;
        form->setProperty("soakSeen", true);
        ++m_opened;
        m_seen.insert(name);
        if (auto* intro = qobject_cast<screens::Intro0*>(form)) intro->openAddress = [](const QUrl&) {};
        if (auto* chooser = qobject_cast<screens::Languages*>(form))
            chooser->tellNotSaved = [this](const QString&) { ++m_notSavedMessages; };
    }
}

QStringList Soak::reachable() const {
    // A menu under an activity is covered edge to edge: the pointer cannot reach it.
    QStringList names = m_windows->openNames();
    QStringList covered;
    for (const QString& name : names) {
        const Form* below = m_windows->find(name);
        if (!name.startsWith(QLatin1String("menu"))) continue;
        for (const QString& other : names) {
            const auto* above = qobject_cast<const shell::Activity*>(m_windows->find(other));
            if (above && above->left() == below->left() && above->top() == below->top() &&
                above->width() == below->width() && above->height() == below->height())
                covered << name;
        }
    }
    for (const QString& name : covered) names.removeAll(name);
    return names;
}

Form* Soak::pickWindow() {
    QStringList names = reachable();
    if (names.isEmpty()) names = m_windows->openNames();
    // The Jotter is a side trip: the class spends most of its time on the activity under it.
    std::vector<int> weights;
    for (const QString& name : names) weights.push_back(name == QLatin1String("notepad") ? 1 : 3);
    const auto at = std::discrete_distribution<int>(weights.begin(), weights.end())(m_events);
    return m_windows->find(names.at(at));
}

int Soak::uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_events); }
float Soak::uniformReal(float low, float high) {
    return std::floor(std::uniform_real_distribution<float>(low, high)(m_events));
}
bool Soak::chance(double p) { return std::bernoulli_distribution(p)(m_events); }

int Soak::someButtons() {
    if (chance(0.85)) return platform::LeftButton;
    static constexpr int kOthers[] = {platform::RightButton, platform::MiddleButton,
                                      platform::LeftButton | platform::RightButton};
    return kOthers[uniform(0, 2)];
}

void Soak::note(const QString& text) {
    m_lastEvent = text.toStdString();
    for (const char c : m_lastEvent) {
        m_hash ^= static_cast<unsigned char>(c);
        m_hash *= 1099511628211ull;
    }
    if (trace) std::cout << "  " << m_lastEvent << std::endl;
}

namespace {
// What each screen offers the pointer, by screen-name prefix.
struct AimAt {
    const char* name;
    int first;  // -1 for a single control, else the first element of the array
    int last;
    Aim kind;
    int weight;  // per element
};
struct ScreenAims {
    const char* prefix;
    std::vector<AimAt> aims;
};
constexpr Aim kClick = Aim::Click, kHover = Aim::Hover, kTileDrag = Aim::TileDrag, kArrowDrag = Aim::ArrowDrag,
              kStroke = Aim::Stroke, kDrag = Aim::Drag;

const std::vector<AimAt> kActivityButtons{
    {"cmdgo", -1, -1, kClick, 4},   {"cmdcheckit", -1, -1, kClick, 4}, {"cmdsoln", -1, -1, kClick, 3},
    {"cmdjotter", -1, -1, kClick, 2}, {"cmdexit", -1, -1, kClick, 1},
};

std::vector<ScreenAims> screenAims() {
    auto withButtons = [](std::vector<AimAt> own) {
        own.insert(own.end(), kActivityButtons.begin(), kActivityButtons.end());
        return own;
    };
    return {
        // Exit ends the run, so it comes up about once in eighty clicks here.
        {"Titlefrm", {{"Command1", -1, -1, kClick, 40}, {"Command3", -1, -1, kClick, 40}, {"Command2", -1, -1, kClick, 1},
                      {"Label4", -1, -1, kHover, 5}, {"Picture1", -1, -1, kHover, 5}}},
        {"languages", {{"Option1", 0, 13, kClick, 2}, {"Command1", -1, -1, kClick, 4}, {"Label4", -1, -1, kHover, 2}}},
        {"intro0", {{"Label2", 0, 5, kClick, 2}, {"Label6", -1, -1, kClick, 1}, {"Command1", -1, -1, kClick, 2},
                    {"Label2", 0, 5, kHover, 2}, {"Label1", -1, -1, kHover, 2}}},
        {"menu", {{"Label2", 0, 5, kClick, 1}, {"Label3", 0, 4, kClick, 8}, {"Command1", -1, -1, kClick, 1},
                  {"Label1", -1, -1, kHover, 3}, {"Label2", 0, 5, kHover, 2}, {"Label3", 0, 4, kHover, 1}}},
        {"ordernum", withButtons({{"Option1", -1, -1, kClick, 2}, {"Option2", -1, -1, kClick, 2},
                                  {"Label2", 0, 4, kTileDrag, 6}, {"Label2", 0, 4, kHover, 1}})},
        {"directed1", withButtons({{"Option1", -1, -1, kClick, 1}, {"Option2", -1, -1, kClick, 1},
                                   {"Option3", -1, -1, kClick, 1}, {"Option4", -1, -1, kClick, 1},
                                   {"Picture1", -1, -1, kArrowDrag, 16}})},
        {"dartboard", withButtons({})},
        {"fruit", withButtons({})},
        {"notepad", {{"Command1", -1, -1, kClick, 1}, {"Command9", -1, -1, kClick, 1}, {"Command2", -1, -1, kClick, 2},
                     {"Command3", -1, -1, kClick, 2}, {"Command4", -1, -1, kClick, 2}, {"Command5", -1, -1, kClick, 2},
                     {"Command6", -1, -1, kClick, 2}, {"Command7", -1, -1, kClick, 2}, {"Command8", -1, -1, kClick, 2},
                     {"Command10", -1, -1, kClick, 2}, {"Label1", 0, 15, kClick, 1}, {"Label11", 0, 15, kClick, 1},
                     {"pad", -1, -1, kStroke, 16}}},
    };
}

const std::vector<ScreenAims>& aimsTable() {
    static const std::vector<ScreenAims> table = screenAims();
    return table;
}

struct Candidate {
    Control* control;
    Aim kind;
    int weight;
};

// An activity without aims of its own: everything that answers a click is clicked, everything that
// answers a press is dragged too (tiles, markers, grids, the pad's keys), the shell's buttons as usual.
std::vector<Candidate> anyActivityAims(const Form& form, std::initializer_list<Aim> kinds) {
    std::vector<Candidate> found;
    const auto wanted = [&](Aim a) { return std::find(kinds.begin(), kinds.end(), a) != kinds.end(); };
    const auto* view = form.findChild<QGraphicsView*>();
    if (!view || !view->scene()) return found;
    for (QGraphicsItem* item : view->scene()->items()) {
        auto* c = dynamic_cast<Control*>(item);
        if (!usable(c)) continue;
        int shellWeight = 0;
        for (const AimAt& aim : kActivityButtons)
            if (c->name() == QLatin1String(aim.name)) shellWeight = aim.weight;
        if (shellWeight > 0) {
            if (wanted(kClick)) found.push_back({c, kClick, shellWeight});
        } else if (c->onMouseDown && wanted(kDrag)) {
            found.push_back({c, kDrag, 2});
        } else if (c->onClick && wanted(kClick)) {
            found.push_back({c, kClick, 2});
        } else if (c->onMouseDown && wanted(kClick)) {
            found.push_back({c, kClick, 1});
        }
    }
    return found;
}

// The usable controls of a screen for the given kinds of aim.
std::vector<Candidate> candidates(const Form& form, std::initializer_list<Aim> kinds) {
    std::vector<Candidate> found;
    const bool known = std::any_of(aimsTable().begin(), aimsTable().end(), [&](const ScreenAims& screen) {
        return form.name().startsWith(QLatin1String(screen.prefix));
    });
    if (!known && qobject_cast<const shell::Activity*>(&form)) return anyActivityAims(form, kinds);
    for (const ScreenAims& screen : aimsTable()) {
        if (!form.name().startsWith(QLatin1String(screen.prefix))) continue;
        for (const auto& [name, first, last, kind, weight] : screen.aims) {
            if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) continue;
            for (int i = first; i <= last; ++i) {
                Control* c = findControl(form, QString::fromLatin1(name), i);
                if (!usable(c)) continue;
                found.push_back({c, kind, weight});
            }
        }
    }
    return found;
}
}  // namespace

void Soak::play(Form& form) {
    const int roll = uniform(0, 999);
    if (roll < 3) return closeBox(form);
    if (roll < 450) return clickSomething(form);
    if (roll < 600) return dragSomething(form);
    if (roll < 700) return hoverSomething(form);
    if (roll < 780) return backgroundPointer(form);
    if (roll < 860) return pressKey(form);
    if (roll < 940) return tickTimers(form);
    return realPointer(form);
}

namespace {
template <class Pick>
const Candidate* weighted(const std::vector<Candidate>& list, Pick&& pick) {
    int total = 0;
    for (const Candidate& c : list) total += c.weight;
    if (total == 0) return nullptr;
    int at = pick(0, total - 1);
    for (const Candidate& c : list) {
        if (at < c.weight) return &c;
        at -= c.weight;
    }
    return nullptr;
}
}  // namespace

void Soak::clickSomething(Form& form) {
    const auto list = candidates(form, {kClick});
    const Candidate* aim = weighted(list, [this](int a, int b) { return uniform(a, b); });
    if (!aim) return backgroundPointer(form);
    Control& c = *aim->control;
    const int button = chance(0.9) ? int(platform::LeftButton) : someButtons();
    const MouseEvent at{button, chance(0.1) ? platform::ShiftKey : 0, uniformReal(0, c.width()),
                        uniformReal(0, c.height())};
    note(QStringLiteral("%1: click %2 with buttons %3 at %4,%5")
             .arg(form.name(), where(c)).arg(button).arg(at.x).arg(at.y));
    c.press(at);
    c.release(at);
}

void Soak::hoverSomething(Form& form) {
    auto list = candidates(form, {kHover, kClick});
    if (list.empty()) return backgroundPointer(form);
    Control& c = *list[std::size_t(uniform(0, int(list.size()) - 1))].control;
    const MouseEvent at{0, 0, uniformReal(0, c.width()), uniformReal(0, c.height())};
    note(QStringLiteral("%1: hover over %2 at %3,%4").arg(form.name(), where(c)).arg(at.x).arg(at.y));
    c.moveMouse(at);
    // Off the control again: the pointer crosses the background.
    if (chance(0.5)) form.backgroundMouseMove({0, 0, uniformReal(0, form.width()), uniformReal(0, form.height())});
}

void Soak::dragSomething(Form& form) {
    const auto list = candidates(form, {kTileDrag, kArrowDrag, kStroke, kDrag});
    if (const Candidate* aim = weighted(list, [this](int a, int b) { return uniform(a, b); }))
        return drag(form, *aim->control, aim->kind);
    const auto clickable = candidates(form, {kClick});
    if (clickable.empty()) return backgroundPointer(form);
    drag(form, *clickable[std::size_t(uniform(0, int(clickable.size()) - 1))].control, Aim::Click);
}

void Soak::drag(Form& form, Control& c, Aim kind) {
    // `button` is what the moves hold; with two held, the left one went down first.
    const int button = someButtons();
    const int pressed = button & platform::LeftButton ? int(platform::LeftButton) : button;
    // The left edge and top the dragged control should end at, in its container's twips.
    float endLeft = uniformReal(-2000, 13000), endTop = uniformReal(-2000, 10000);
    if (kind == Aim::TileDrag) {
        auto* screen = qobject_cast<ordering::Ordernum*>(&form);
        const bool toBox = chance(0.45), toSlot = !toBox && chance(0.5);
        if (screen && (toBox || toSlot)) {
            const Control& zone = toBox ? screen->Label1[uniform(0, 4)] : screen->Label4[uniform(0, 4)];
            if (chance(0.3)) {
                // On or next to a snap boundary: half a zone left or above, a whole zone right or below.
                const float edgesX[] = {zone.left() - zone.width() / 2, zone.left() + zone.width()};
                const float edgesY[] = {zone.top() - zone.height() / 2, zone.top() + zone.height()};
                endLeft = edgesX[uniform(0, 1)] + float(uniform(-1, 1));
                endTop = chance(0.5) ? edgesY[uniform(0, 1)] + float(uniform(-1, 1)) : zone.top();
            } else {
                endLeft = zone.left() + uniformReal(-zone.width(), 1.5f * zone.width());
                endTop = zone.top() + uniformReal(-zone.height(), 1.5f * zone.height());
            }
        }
    } else if (kind == Aim::ArrowDrag) {
        auto* screen = qobject_cast<directed::Directed1*>(&form);
        if (screen && chance(0.6)) {
            const float tick = screen->tickline[uniform(0, directed::kTicks - 1)].x1();
            const float offsets[] = {directed::kSnapBoundary, directed::kSnapBoundary + 1, -directed::kSnapBoundary,
                                     -directed::kSnapBoundary - 1, 0};
            const float offset = chance(0.4) ? offsets[uniform(0, 4)] : uniformReal(-300, 300);
            endLeft = tick + offset - c.width() / 2;
        }
        endTop = c.top();
    }
    const int moves = uniform(1, 6);
    note(QStringLiteral("%1: drag %2 with buttons %3 in %4 moves to %5,%6")
             .arg(form.name(), where(c)).arg(button).arg(moves).arg(endLeft).arg(endTop));

    const float grabX = uniformReal(0, c.width()), grabY = uniformReal(0, c.height());
    c.press({pressed, 0, grabX, grabY});
    const float startLeft = c.left(), startTop = c.top();
    for (int m = 1; m <= moves; ++m) {
        const bool last = m == moves;
        const float left = last ? endLeft : uniformReal(std::min(startLeft, endLeft), std::max(startLeft, endLeft) + 1);
        const float top = last ? endTop : uniformReal(std::min(startTop, endTop), std::max(startTop, endTop) + 1);
        // The screens centre a dragged control on the pointer; aim so its left edge lands on `left`.
        const MouseEvent move{button, 0, left - c.left() + c.width() / 2, top - c.top() + c.height() / 2};
        c.moveMouse(move);
    }
    const MouseEvent up{pressed, 0, endLeft - c.left() + c.width() / 2, endTop - c.top() + c.height() / 2};
    c.release(up);
    if (kind == Aim::TileDrag) m_releasedTileOn = form.name();
    if (kind == Aim::ArrowDrag) m_releasedArrowOn = form.name();
}

void Soak::backgroundPointer(Form& form) {
    const int button = someButtons();
    const MouseEvent at{button, 0, uniformReal(0, form.width()), uniformReal(0, form.height())};
    const int what = uniform(0, 2);
    note(QStringLiteral("%1: background %2 with buttons %3 at %4,%5")
             .arg(form.name(), what == 0 ? QStringLiteral("hover") : QStringLiteral("press"))
             .arg(button).arg(at.x).arg(at.y));
    if (what == 0) return form.backgroundMouseMove({0, 0, at.x, at.y});
    form.backgroundMouseDown(at);
    for (int m = uniform(0, 4); m > 0; --m)
        form.backgroundMouseMove({button, 0, uniformReal(0, form.width()), uniformReal(0, form.height())});
    form.backgroundMouseUp(at);
}

void Soak::pressKey(Form& form) {
    // F11 stays out: full screen changes nothing a rule here looks at, and toggles every later window.
    static constexpr int kKeys[] = {Qt::Key_Space,  Qt::Key_Return,    Qt::Key_Enter, Qt::Key_S,      Qt::Key_J,
                                    Qt::Key_Escape, Qt::Key_PageDown, Qt::Key_A,     Qt::Key_Tab,    Qt::Key_Up,
                                    Qt::Key_0,      Qt::Key_7,        Qt::Key_Minus, Qt::Key_Period, Qt::Key_Comma,
                                    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_R,    Qt::Key_P};
    const int key = kKeys[uniform(0, int(std::size(kKeys)) - 1)];
    note(QStringLiteral("%1: key %2").arg(form.name()).arg(key, 0, 16));
    form.keyDown(key);
}

void Soak::tickTimers(Form& form) {
    auto* activity = qobject_cast<shell::Activity*>(&form);
    if (!activity) return hoverSomething(form);
    auto* machine = qobject_cast<fruit::Fruit*>(&form);
    const int ticks = uniform(1, kLongestTimerBurst);
    note(QStringLiteral("%1: up to %2 timer ticks").arg(form.name()).arg(ticks));
    // The newer activities' own timers (solution steps, quick-fire) tick through their handlers.
    const QList<platform::Timer*> timers = activity->findChildren<platform::Timer*>();
    for (int t = 0; t < ticks; ++t) {
        // Only running timers deliver ticks, as the event loop would.
        const bool tick = activity->tmrtick->isEnabled(), cross = activity->tmrcross->isEnabled();
        const bool spin = machine && machine->Timer1->isEnabled();
        bool others = false;
        for (platform::Timer* timer : timers) {
            if (timer == activity->tmrtick || timer == activity->tmrcross || (machine && timer == machine->Timer1)) continue;
            if (!timer->isEnabled() || !timer->onTimer) continue;
            others = true;
            timer->onTimer();
            // A tick may close the screen (a quick-fire round that ends, say).
            if (!m_windows->isOpen(form.name())) return;
        }
        if (!tick && !cross && !spin && !others) break;
        if (tick) activity->tmrtick_Timer();
        if (cross) activity->tmrcross_Timer();
        if (spin) machine->Timer1_Timer();
    }
}

void Soak::realPointer(Form& form) {
    // Through the window itself: the scene picks the control under the pointer and grabs it.
    auto* view = form.findChild<QGraphicsView*>();
    if (!view) return backgroundPointer(form);
    QWidget* port = view->viewport();
    auto point = [&] {
        const int x = uniform(0, port->width() - 1);
        return QPointF(x, uniform(0, port->height() - 1));
    };
    auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, port->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(port, &event);
    };
    const QPointF from = point();
    const int what = uniform(0, 2);
    note(QStringLiteral("%1: pointer %2 at %3,%4 px")
             .arg(form.name(), what == 0 ? QStringLiteral("hover") : what == 1 ? QStringLiteral("click") : QStringLiteral("drag"))
             .arg(from.x()).arg(from.y()));
    if (what == 0) return send(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    const Qt::MouseButton button = chance(0.85) ? Qt::LeftButton : Qt::RightButton;
    send(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, from, button, button);
    QPointF to = from;
    if (what == 2) {
        for (int m = uniform(1, 5); m > 0; --m) {
            to = point();
            send(QEvent::MouseMove, to, Qt::NoButton, button);
            // The window may have closed under the pointer.
            if (!m_windows->isOpen(form.name())) return;
        }
    }
    send(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
}

void Soak::closeBox(Form& form) {
    note(QStringLiteral("%1: close box").arg(form.name()));
    form.close();
}

std::optional<std::string> Soak::step() {
    m_releasedTileOn.clear();
    m_releasedArrowOn.clear();
    try {
        restartIfEnded();
        reopenFocus();
        stubSideEffects();
        Form* form = pickWindow();
        play(*form);
        flush();
        stubSideEffects();
    } catch (const testsupport::UnexpectedFailure& failure) {
        return "unexpected failure " + std::to_string(failure.number) + ": " + failure.what();
    } catch (const std::exception& error) {
        return std::string("a handler threw: ") + error.what();
    }
    return check();
}

std::optional<std::string> Soak::check() {
    const QStringList open = m_windows->openNames();
    const std::string names = open.join(QLatin1Char(' ')).toStdString();
    // Nothing of a screen survives its closing, and Exit leaves nothing behind.
    int forms = 0;
    for (QWidget* widget : QApplication::allWidgets())
        if (qobject_cast<Form*>(widget)) ++forms;
    if (forms != open.size()) return std::to_string(forms) + " windows alive, but open are: " + names;
    if (m_windows->programEnded()) {
        if (!open.isEmpty()) return "Exit left open: " + names;
        return std::nullopt;
    }

    if (open.size() > kMostWindows) return std::to_string(open.size()) + " windows open: " + names;
    if (open.filter(QRegularExpression(QStringLiteral("^menu"))).size() > 1) return "more than one menu open: " + names;
    // The program folder is writable, so every choice must be stored.
    if (m_notSavedMessages > 0) return "the chooser said the language choice was not saved";

    for (const QString& name : open) {
        Form* form = m_windows->find(name);
        if (!form->isVisible()) return name.toStdString() + " is open but not shown";
        if (auto* title = qobject_cast<screens::Titlefrm*>(form); title && title->fellBack())
            return "the title screen fell back with every file in place";
        if (auto* activity = qobject_cast<shell::Activity*>(form)) {
            for (const Control* feedback : {static_cast<Control*>(activity->imgtick), static_cast<Control*>(activity->imgcross)})
                if (feedback->width() < 0 || feedback->width() > kWidestFeedback)
                    return name.toStdString() + ": " + feedback->name().toStdString() + " is " +
                           std::to_string(feedback->width()) + " wide";
        }
        if (auto* machine = qobject_cast<fruit::Fruit*>(form)) {
            const bool spinning = machine->Timer1->isEnabled();
            if (machine->cmdsoln->isVisible() == spinning)
                return std::string("fruit: the solution button is ") + (spinning ? "shown during" : "hidden after") + " a spin";
            if (spinning && machine->Frame2->isVisible()) return "fruit: the worked sum shows while the reels spin";
        }
        if (auto problem = checkTiles(*form)) return problem;
        if (auto problem = checkArrow(*form)) return problem;
    }
    return std::nullopt;
}

std::optional<std::string> Soak::checkTiles(Form& form) const {
    auto* screen = qobject_cast<ordering::Ordernum*>(&form);
    if (!screen) return std::nullopt;
    const bool released = m_releasedTileOn == form.name();
    for (int k = 0; k < screen->tilecount; ++k) {
        const Control& tile = screen->Label2[k];
        auto on = [&](const Control& zone) { return tile.left() == zone.left() && tile.top() == zone.top(); };
        bool placed = tile.left() == screen->homeleft[std::size_t(k)] && tile.top() == screen->hometop[std::size_t(k)];
        for (int j = 0; j < screen->tilecount; ++j) placed = placed || on(screen->Label1[j]) || on(screen->Label4[j]);
        if (!placed)
            return std::string("ordernum: ") + (released ? "after a release " : "") + "tile " + std::to_string(k) +
                   " stands at " + std::to_string(tile.left()) + "," + std::to_string(tile.top()) +
                   ", on no box, slot or home place";
    }
    return std::nullopt;
}

std::optional<std::string> Soak::checkArrow(Form& form) const {
    auto* screen = qobject_cast<directed::Directed1*>(&form);
    if (!screen) return std::nullopt;
    const float x = screen->Line2->x1();
    bool onTick = false;
    for (int k = 0; k < screen->tickline.size(); ++k) onTick = onTick || screen->tickline[k].x1() == x;
    const std::string when = m_releasedArrowOn == form.name() ? "after a release " : "";
    if (!onTick) return "directed1: " + when + "the bar ends at " + std::to_string(x) + ", on no tick";
    const float centre = screen->Picture1->left() + screen->Picture1->width() / 2;
    if (centre != x)
        return "directed1: " + when + "the arrow's centre " + std::to_string(centre) + " is off the bar's end " +
               std::to_string(x);
    return std::nullopt;
}

}  // namespace soak
