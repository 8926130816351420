#include "app/catalogue.h"

#include "activities/bank/bank.h"
#include "activities/dartboard/dartboard.h"
#include "activities/directed/directed1.h"
#include "activities/fruit/fruit.h"
#include "activities/money/money.h"
#include "activities/ordering/ordernum.h"
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
    windows.define(QStringLiteral("rounding"), [](WindowRegistry& w) { return new rounding::Rounding(w); });
    windows.define(QStringLiteral("money"), [](WindowRegistry& w) { return new money::Money(w, shell::Edition::English); });
    windows.define(QStringLiteral("money2"), [](WindowRegistry& w) { return new money::Money(w, shell::Edition::Other); });
    windows.define(QStringLiteral("bank"), [](WindowRegistry& w) { return new bank::Bank(w, shell::Edition::English); });
    windows.define(QStringLiteral("bank2"), [](WindowRegistry& w) { return new bank::Bank(w, shell::Edition::Other); });
    shell::definePlaceholders(windows);
    windows.define(QStringLiteral("notepad"), [](WindowRegistry& w) { return new jotter::Notepad(w); });
}

}  // namespace app
