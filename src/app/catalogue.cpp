#include "app/catalogue.h"

#include "activities/angles/angles.h"
#include "activities/area/area.h"
#include "activities/bank/bank.h"
#include "activities/bonds/bonds.h"
#include "activities/columns/columns.h"
#include "activities/coordinates/coordinates.h"
#include "activities/countback/countback.h"
#include "activities/dartboard/dartboard.h"
#include "activities/directed/directed1.h"
#include "activities/division/division.h"
#include "activities/doubles/doubles.h"
#include "activities/factors/factors.h"
#include "activities/fruit/fruit.h"
#include "activities/missing/missing.h"
#include "activities/money/money.h"
#include "activities/negatives/negatives.h"
#include "activities/operations/operations.h"
#include "activities/ordering/ordernum.h"
#include "activities/placevalue/placevalue.h"
#include "activities/primes/primes.h"
#include "activities/rounding/rounding.h"
#include "activities/solids/solids.h"
#include "activities/symmetry/symmetry.h"
#include "activities/tables/tables.h"
#include "activities/temperature/temperature.h"
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
    windows.define(QStringLiteral("placevalue"), [](WindowRegistry& w) { return new placevalue::PlaceValue(w); });
    windows.define(QStringLiteral("rounding"), [](WindowRegistry& w) { return new rounding::Rounding(w); });
    windows.define(QStringLiteral("factors"), [](WindowRegistry& w) { return new factors::Factors(w); });
    windows.define(QStringLiteral("primes"), [](WindowRegistry& w) { return new primes::Primes(w); });
    windows.define(QStringLiteral("bonds"), [](WindowRegistry& w) { return new bonds::Bonds(w); });
    windows.define(QStringLiteral("tables"), [](WindowRegistry& w) { return new tables::Tables(w); });
    windows.define(QStringLiteral("doubles"), [](WindowRegistry& w) { return new doubles::Doubles(w); });
    windows.define(QStringLiteral("dartboard"), [](WindowRegistry& w) { return new dartboard::Dartboard(w); });
    windows.define(QStringLiteral("money"), [](WindowRegistry& w) { return new money::Money(w, shell::Edition::English); });
    windows.define(QStringLiteral("money2"), [](WindowRegistry& w) { return new money::Money(w, shell::Edition::Other); });
    windows.define(QStringLiteral("fruit"), [](WindowRegistry& w) { return new fruit::Fruit(w); });
    windows.define(QStringLiteral("missing"), [](WindowRegistry& w) { return new missing::Missing(w); });
    windows.define(QStringLiteral("operations"), [](WindowRegistry& w) { return new operations::Operations(w); });
    windows.define(QStringLiteral("columns"), [](WindowRegistry& w) { return new columns::Columns(w); });
    windows.define(QStringLiteral("division"), [](WindowRegistry& w) { return new division::Division(shell::Edition::English, w); });
    windows.define(QStringLiteral("division2"), [](WindowRegistry& w) { return new division::Division(shell::Edition::Other, w); });
    windows.define(QStringLiteral("countback"), [](WindowRegistry& w) { return new countback::Countback(w); });
    windows.define(QStringLiteral("negatives"), [](WindowRegistry& w) { return new negatives::Negatives(w); });
    windows.define(QStringLiteral("temperature"), [](WindowRegistry& w) { return new temperature::Temperature(w); });
    windows.define(QStringLiteral("directed1"), [](WindowRegistry& w) { return new directed::Directed1(w); });
    windows.define(QStringLiteral("bank"), [](WindowRegistry& w) { return new bank::Bank(w, shell::Edition::English); });
    windows.define(QStringLiteral("bank2"), [](WindowRegistry& w) { return new bank::Bank(w, shell::Edition::Other); });
    windows.define(QStringLiteral("angles"), [](WindowRegistry& w) { return new angles::Angles(w); });
    windows.define(QStringLiteral("symmetry"), [](WindowRegistry& w) { return new symmetry::Symmetry(w); });
    windows.define(QStringLiteral("area"), [](WindowRegistry& w) { return new area::Area(w); });
    windows.define(QStringLiteral("coordinates"), [](WindowRegistry& w) { return new coordinates::Coordinates(w); });
    windows.define(QStringLiteral("solids"), [](WindowRegistry& w) { return new solids::Solids(w); });
    windows.define(QStringLiteral("notepad"), [](WindowRegistry& w) { return new jotter::Notepad(w); });
}

}  // namespace app
