#include "app/catalogue.h"

#include "activities/area/area.h"
#include "activities/coordinates/coordinates.h"
#include "activities/dartboard/dartboard.h"
#include "activities/directed/directed1.h"
#include "activities/factors/factors.h"
#include "activities/fruit/fruit.h"
#include "activities/ordering/ordernum.h"
#include "activities/placevalue/placevalue.h"
#include "activities/primes/primes.h"
#include "activities/rounding/rounding.h"
#include "activities/shell/placeholder.h"
#include "app/windows.h"
#include "jotter/notepad.h"
#include "screens/intro0.h"
#include "screens/languages.h"
#include "screens/menu.h"
#include "screens/titlefrm.h"

namespace app {

void defineScreens(WindowRegistry& windows) {
    windows.define(QStringLiteral("Titlefrm"), [](WindowRegistry& w) { return new screens::Titlefrm(w); });
    windows.define(QStringLiteral("languages"), [](WindowRegistry& w) { return new screens::Languages(w); });
    windows.define(QStringLiteral("intro0"), [](WindowRegistry& w) { return new screens::Intro0(w); });
    screens::defineMenus(windows);
    windows.define(QStringLiteral("ordernum"), [](WindowRegistry& w) { return new ordering::Ordernum(w); });
    windows.define(QStringLiteral("dartboard"), [](WindowRegistry& w) { return new dartboard::Dartboard(w); });
    windows.define(QStringLiteral("fruit"), [](WindowRegistry& w) { return new fruit::Fruit(w); });
    windows.define(QStringLiteral("directed1"), [](WindowRegistry& w) { return new directed::Directed1(w); });
    windows.define(QStringLiteral("placevalue"), [](WindowRegistry& w) { return new placevalue::PlaceValue(w); });
    windows.define(QStringLiteral("factors"), [](WindowRegistry& w) { return new factors::Factors(w); });
    windows.define(QStringLiteral("primes"), [](WindowRegistry& w) { return new primes::Primes(w); });
    windows.define(QStringLiteral("rounding"), [](WindowRegistry& w) { return new rounding::Rounding(w); });
    windows.define(QStringLiteral("area"), [](WindowRegistry& w) { return new area::Area(w); });
    windows.define(QStringLiteral("coordinates"), [](WindowRegistry& w) { return new coordinates::Coordinates(w); });
    shell::definePlaceholders(windows);
    windows.define(QStringLiteral("notepad"), [](WindowRegistry& w) { return new jotter::Notepad(w); });
}

}  // namespace app
