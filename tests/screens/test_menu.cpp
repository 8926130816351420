#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/language.h"
#include "chain.h"
#include "screens/menu.h"

using chaintest::Chain;
using chaintest::cellText;
using platform::MouseEvent;
using screens::Menu;

namespace {

Menu* openMenu(Chain& chain, int number, int langindex = 0) {
    chaintest::chooseLanguage(langindex);
    return dynamic_cast<Menu*>(chain.windows->show(QString("menu%1").arg(number)));
}

std::vector<bool> listBoxes(const Menu& menu) {
    std::vector<bool> opaque{menu.Label1->opaque()};
    for (int i = 0; i < menu.Label2.size(); ++i) opaque.push_back(menu.Label2[i].opaque());
    return opaque;
}

TEST(Menu, EachMenuLaysOutItsOwnTextsAndWidth) {
    const float widths[] = {5175, 5175, 4695, 6375, 4695};
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        Chain chain;
        auto* menu = openMenu(chain, n, 2);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->caption(), "Quillmark");
        EXPECT_EQ(menu->backColor(), QColor(0x31, 0x87, 0xD7));
        EXPECT_EQ(menu->Label1->caption(), cellText(7 + n - 1, 2));
        EXPECT_FLOAT_EQ(menu->Label1->left(), 3285);
        EXPECT_EQ(menu->Command1->caption(), cellText(5, 2));
        ASSERT_EQ(menu->Label3.size(), 5);
        ASSERT_EQ(menu->Label2.size(), 6);
        for (int i = 0; i < 5; ++i) {
            const auto& entry = menu->Label3[i];
            EXPECT_EQ(entry.caption(), cellText(13 + 5 * (n - 1) + i, 2)) << i;
            EXPECT_FLOAT_EQ(entry.width(), widths[n - 1]) << i;
            EXPECT_FLOAT_EQ(entry.left(), (12000 - widths[n - 1]) / 2) << i;
            EXPECT_FLOAT_EQ(entry.top(), 2400.0f + 750.0f * float(i)) << i;
            EXPECT_TRUE(entry.isVisible() && entry.enabled() && entry.opaque()) << i;
            EXPECT_EQ(menu->Label2[i].caption(), cellText(7 + i, 2)) << i;
            EXPECT_FLOAT_EQ(menu->Label2[i].top(), 2400.0f + 750.0f * float(i)) << i;
            EXPECT_TRUE(menu->Label2[i].isVisible()) << i;
        }
    }
}

TEST(Menu, SixthListEntryOnlyInTheFirstLanguage) {
    for (const int langindex : {0, 1, 6}) {
        SCOPED_TRACE(langindex);
        Chain chain;
        auto* menu = openMenu(chain, 3, langindex);
        const auto& sixth = menu->Label2[5];
        EXPECT_EQ(sixth.isVisible(), langindex == 0);
        EXPECT_FALSE(sixth.enabled());
        EXPECT_EQ(sixth.caption(), cellText(12, langindex));
        EXPECT_FLOAT_EQ(sixth.top(), 6900);
        EXPECT_FLOAT_EQ(sixth.left(), 7835);
        EXPECT_FLOAT_EQ(sixth.width(), 4000);
    }
}

TEST(Menu, OwnEntryAndSixthEntryDoNothing) {
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        Chain chain;
        auto* menu = openMenu(chain, n);
        menu->Label2[n - 1].click();
        menu->Label2[5].click();
        menu->Label2_Click(5);
        EXPECT_EQ(chain.open(), QStringList{QString("menu%1").arg(n)});
        EXPECT_EQ(menu->Label1->caption(), cellText(7 + n - 1, 0));
    }
}

TEST(Menu, JumpLeavesExactlyTheNewMenuOpen) {
    Chain chain;
    auto* menu2 = openMenu(chain, 2);
    menu2->Label2[3].click();
    EXPECT_EQ(chain.open(), QStringList{"menu4"});
    auto* menu4 = dynamic_cast<Menu*>(chain.windows->find("menu4"));
    ASSERT_NE(menu4, nullptr);
    EXPECT_TRUE(menu4->isVisible());
    EXPECT_EQ(menu4->Label1->caption(), cellText(10, 0));
    EXPECT_EQ(menu4->Label3[3].caption(), cellText(31, 0));
}

TEST(Menu, ActivityEntryOpensItsScreenTitledByTheEntry) {
    struct Case { int menu; int entry; const char* screen; };
    const std::vector<Case> cases = {
        {1, 1, "ordernum"}, {3, 0, "fruit"}, {4, 3, "directed1"},
        {1, 0, "placevalue"}, {2, 4, "money2"}, {5, 2, "area"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        Chain chain;
        auto* menu = openMenu(chain, c.menu, 1);
        menu->Label3[c.entry].click();
        QStringList expected{QString("menu%1").arg(c.menu), c.screen};
        expected.sort();
        EXPECT_EQ(chain.open(), expected);
        auto* activity = chain.windows->find(c.screen);
        ASSERT_NE(activity, nullptr);
        EXPECT_TRUE(activity->isVisible());
        EXPECT_EQ(activity->caption(), cellText(13 + 5 * (c.menu - 1) + c.entry, 1));
        EXPECT_TRUE(menu->isVisible());
    }
}

TEST(Menu, ClicksBehindARunningActivityGoBackToIt) {
    Chain chain;
    auto* menu = openMenu(chain, 1);
    menu->Label3[0].click();
    const QStringList running = chain.open();
    menu->Label3[2].click();  // a second activity would leave windows behind
    menu->Label2[3].click();  // so would a jump
    menu->Command1->click();
    EXPECT_EQ(chain.open(), running);
    chain.windows->close("placevalue");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    menu->Label2[3].click();  // once the activity has gone the menu works again
    EXPECT_EQ(chain.open(), QStringList{"menu4"});
}

TEST(Menu, EntryWhoseScreenIsNotInThisBuildOpensNothing) {
    Chain chain;
    auto* menu = openMenu(chain, 2);
    ASSERT_FALSE(chain.windows->defines("dartboard"));
    EXPECT_EQ(menu->screenFor(3), "dartboard");
    menu->Label3[3].click();
    EXPECT_EQ(chain.open(), QStringList{"menu2"});
}

TEST(Menu, TitleAndListLightUpOnlyUnderThePointer) {
    Chain chain;
    auto* menu = openMenu(chain, 1);
    const MouseEvent hover{0, 0, 100, 100};
    using Boxes = std::vector<bool>;
    EXPECT_EQ(listBoxes(*menu), (Boxes{true, false, false, false, false, false, false}));

    menu->backgroundMouseMove(hover);
    EXPECT_EQ(listBoxes(*menu), Boxes(7, false));

    menu->Label1->moveMouse(hover);
    menu->Label2[1].moveMouse(hover);
    EXPECT_EQ(listBoxes(*menu), (Boxes{true, false, true, false, false, false, false}));

    // Across the gap between two entries the pointer is over the background.
    menu->backgroundMouseMove({0, 0, 9700, 2400 + 750 + 495 + 100});
    EXPECT_EQ(listBoxes(*menu), Boxes(7, false));
    menu->Label2[2].moveMouse(hover);
    EXPECT_EQ(listBoxes(*menu), (Boxes{false, false, false, true, false, false, false}));

    // The greyed sixth entry is background too, and the activity boxes never change.
    menu->Label2[5].moveMouse(hover);
    EXPECT_EQ(listBoxes(*menu), Boxes(7, false));
    menu->Label3[0].moveMouse(hover);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(menu->Label3[i].opaque()) << i;
}

TEST(Menu, BackButtonReturnsToTheIntroduction) {
    Chain chain;
    auto* menu = openMenu(chain, 5);
    menu->Command1->click();
    EXPECT_EQ(chain.open(), QStringList{"intro0"});
}

}  // namespace
