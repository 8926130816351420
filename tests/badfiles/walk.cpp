#include "walk.h"

#include <QCoreApplication>
#include <QSet>

#include "activities/fruit/fruit.h"
#include "activities/fruit/rules.h"
#include "activities/shell/activity.h"
#include "app/catalogue.h"
#include "app/language.h"
#include "app/windows.h"
#include "screens/intro0.h"
#include "screens/languages.h"
#include "screens/menu.h"
#include "screens/titlefrm.h"
#include "testsupport.h"

namespace badfiles {

float SteadyRandom::next() {
    m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<float>(m_state >> 40) * (1.0f / 16777216.0f);
}

void SteadyRandom::reseed() {
    m_state ^= 0x9E3779B97F4A7C15ull;
    next();
}

namespace {
constexpr int kMostSpins = 60;

void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

struct ActivityVisit {
    int menu;
    const char* screen;
};
constexpr ActivityVisit kVisits[] = {{1, "ordernum"}, {2, "dartboard"}, {3, "fruit"}, {4, "directed1"}};

class Walker {
public:
    Walker() : m_windows(m_random) { app::defineScreens(m_windows); }
    ~Walker() {
        for (const QString& name : m_windows.openNames()) m_windows.close(name);
        flush();
    }

    Seen run();

private:
    template <class T>
    T* open(const QString& name) {
        flush();
        if (!m_seen.reached.contains(name) && m_windows.isOpen(name)) m_seen.reached << name;
        return qobject_cast<T*>(m_windows.find(name));
    }
    void noteEmpty(bool empty, const QString& what) {
        if (empty) m_seen.emptyPictures << what;
    }
    void visit(const ActivityVisit& visit);
    void spinUntilEveryFruitShows(fruit::Fruit& machine);

    SteadyRandom m_random;
    app::WindowRegistry m_windows;
    Seen m_seen;
};

Seen Walker::run() {
    testsupport::ThrowOnFailure throwing;
    auto* title = qobject_cast<screens::Titlefrm*>(m_windows.show(QStringLiteral("Titlefrm")));
    m_seen.reached << title->name();
    m_seen.titleFellBack = title->fellBack();
    m_seen.titleButtons = {title->Command1->caption(), title->Command2->caption(), title->Command3->caption()};
    m_seen.langnameAtTitle = app::lang().langname;
    m_seen.tableAtTitle = app::lang().texttable;
    noteEmpty(!title->Picture1->hasPicture(), QStringLiteral("Titlefrm.Picture1"));
    title->Command3->click();

    auto* chooser = open<screens::Languages>(QStringLiteral("languages"));
    chooser->tellNotSaved = [this](const QString&) { ++m_seen.notSavedMessages; };
    m_seen.chooserFellBack = chooser->fellBack();
    for (int i = 0; i < 7; ++i) m_seen.chooserOptions << chooser->Option1[i].caption();
    chooser->Option1[kWalkLanguage].click();
    chooser->Command1->click();

    auto* intro = open<screens::Intro0>(QStringLiteral("intro0"));
    intro->openAddress = [](const QUrl&) {};
    noteEmpty(!intro->hasPicture(), QStringLiteral("intro0.background"));
    noteEmpty(!intro->Image2->hasPicture(), QStringLiteral("intro0.Image2"));

    for (const ActivityVisit& v : kVisits) visit(v);

    open<screens::Intro0>(QStringLiteral("intro0"))->Command1->click();
    m_seen.titleFellBackOnReturn = open<screens::Titlefrm>(QStringLiteral("Titlefrm"))->fellBack();
    return m_seen;
}

void Walker::visit(const ActivityVisit& v) {
    const QString menuName = QStringLiteral("menu%1").arg(v.menu);
    const QString screen = QString::fromLatin1(v.screen);
    open<screens::Intro0>(QStringLiteral("intro0"))->Label2[v.menu - 1].click();
    auto* menu = open<screens::Menu>(menuName);
    noteEmpty(!menu->hasPicture(), menuName + QStringLiteral(".background"));
    int entry = 0;
    while (menu->screenFor(entry) != screen) ++entry;

    try {
        menu->Label3[entry].click();
        auto* activity = open<shell::Activity>(screen);
        for (const platform::Image* picture : {activity->Image1, static_cast<platform::Image*>(activity->imgtick),
                                               static_cast<platform::Image*>(activity->imgcross)})
            noteEmpty(!picture->hasPicture(), screen + QLatin1Char('.') + picture->name());
        if (auto* machine = qobject_cast<fruit::Fruit*>(activity)) spinUntilEveryFruitShows(*machine);
        activity->cmdexit->click();
    } catch (const testsupport::UnexpectedFailure& failure) {
        flush();
        const auto* still = qobject_cast<screens::Menu*>(m_windows.find(menuName));
        bool laidOut = still && still->isVisible();
        for (int i = 0; laidOut && i < 5; ++i) laidOut = still->Label3[i].isVisible();
        m_seen.failures.push_back({screen, failure.number, QString::fromStdString(failure.what()), laidOut});
        // The program would end here; the walk closes the broken screen and goes on, to see the rest.
        m_windows.close(screen);
    }
    open<screens::Menu>(menuName)->Command1->click();
}

void Walker::spinUntilEveryFruitShows(fruit::Fruit& machine) {
    QSet<QString> shown;
    const int pictures = 2 * static_cast<int>(fruit::kFruits.size());
    for (int spin = 0; spin < kMostSpins && shown.size() < pictures; ++spin) {
        if (spin > 0) machine.cmdgo->click();
        while (machine.Timer1->isEnabled()) {
            machine.Timer1_Timer();
            for (int i = 0; i < 3; ++i)
                if (!machine.shownPicture(i).isEmpty()) shown.insert(machine.shownPicture(i));
        }
    }
    m_seen.fruitPicturesShown = static_cast<int>(shown.size());
}
}  // namespace

Seen walk() {
    // Every walk is a fresh start of the program.
    app::lang() = app::LanguageState{};
    Walker walker;
    return walker.run();
}

}  // namespace badfiles
