#include "app/catalogue.h"

#include "app/windows.h"
#include "screens/titlefrm.h"

// Screens still being built join the catalogue as soon as their header exists.
#if __has_include("screens/languages.h")
#include "screens/languages.h"
#define HAVE_LANGUAGES 1
#endif
#if __has_include("screens/intro0.h")
#include "screens/intro0.h"
#define HAVE_INTRO0 1
#endif
#if __has_include("screens/menu.h")
#include "screens/menu.h"
#define HAVE_MENU 1
#endif
#if __has_include("activities/shell/placeholder.h")
#include "activities/shell/placeholder.h"
#define HAVE_PLACEHOLDER 1
#endif
#if __has_include("jotter/notepad.h")
#include "jotter/notepad.h"
#define HAVE_NOTEPAD 1
#endif
#if __has_include("activities/ordering/ordernum.h")
#include "activities/ordering/ordernum.h"
#define HAVE_ORDERNUM 1
#endif
#if __has_include("activities/directed/directed1.h")
#include "activities/directed/directed1.h"
#define HAVE_DIRECTED1 1
#endif
#if __has_include("activities/dartboard/dartboard.h")
#include "activities/dartboard/dartboard.h"
#define HAVE_DARTBOARD 1
#endif
#if __has_include("activities/fruit/fruit.h")
#include "activities/fruit/fruit.h"
#define HAVE_FRUIT 1
#endif

namespace app {

void defineScreens(WindowRegistry& windows) {
    windows.define(QStringLiteral("Titlefrm"), [](WindowRegistry& w) { return new screens::Titlefrm(w); });
#ifdef HAVE_LANGUAGES
    windows.define(QStringLiteral("languages"), [](WindowRegistry& w) { return new screens::Languages(w); });
#endif
#ifdef HAVE_INTRO0
    windows.define(QStringLiteral("intro0"), [](WindowRegistry& w) { return new screens::Intro0(w); });
#endif
#ifdef HAVE_MENU
    screens::defineMenus(windows);
#endif
#ifdef HAVE_PLACEHOLDER
    shell::definePlaceholders(windows);
#endif
#ifdef HAVE_NOTEPAD
    windows.define(QStringLiteral("notepad"), [](WindowRegistry& w) { return new jotter::Notepad(w); });
#endif
#ifdef HAVE_ORDERNUM
    windows.define(QStringLiteral("ordernum"), [](WindowRegistry& w) { return new ordering::Ordernum(w); });
#endif
#ifdef HAVE_DIRECTED1
    windows.define(QStringLiteral("directed1"), [](WindowRegistry& w) { return new directed::Directed1(w); });
#endif
#ifdef HAVE_DARTBOARD
    windows.define(QStringLiteral("dartboard"), [](WindowRegistry& w) { return new dartboard::Dartboard(w); });
#endif
#ifdef HAVE_FRUIT
    windows.define(QStringLiteral("fruit"), [](WindowRegistry& w) { return new fruit::Fruit(w); });
#endif
}

}  // namespace app
