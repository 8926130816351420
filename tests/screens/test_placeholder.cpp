#include <gtest/gtest.h>

#include "activities/shell/placeholder.h"
#include "app/language.h"
#include "chain.h"
#include "screens/menu.h"

using chaintest::Chain;
using chaintest::cellText;

namespace {

TEST(Placeholder, NamesTheEntryItStandsForAndHidesTheQuestionButtons) {
    struct Case { int menu; int entry; };
    for (const Case c : {Case{1, 0}, Case{2, 1}, Case{3, 4}, Case{4, 2}, Case{5, 3}}) {
        SCOPED_TRACE(c.menu);
        Chain chain;
        chaintest::chooseLanguage(3);
        auto* menu = dynamic_cast<screens::Menu*>(chain.windows->show(QString("menu%1").arg(c.menu)));
        ASSERT_NE(menu, nullptr);
        menu->Label3[c.entry].click();
        auto* stand = dynamic_cast<shell::Placeholder*>(chain.windows->find(QString("placeholder%1").arg(c.menu)));
        ASSERT_NE(stand, nullptr);
        EXPECT_EQ(stand->lbltitle->caption(), cellText(13 + 5 * (c.menu - 1) + c.entry, 3));
        EXPECT_EQ(stand->lblnote->caption(), cellText(42, 3));
        EXPECT_FALSE(stand->cmdgo->isVisible());
        EXPECT_FALSE(stand->cmdsoln->isVisible());
        EXPECT_FALSE(stand->cmdcheckit->isVisible());
        EXPECT_TRUE(stand->cmdjotter->isVisible());
        EXPECT_TRUE(stand->cmdexit->isVisible());
        EXPECT_EQ(stand->cmdexit->caption(), cellText(5, 3));
        EXPECT_FALSE(stand->tmrtick->isEnabled());
        EXPECT_EQ(stand->backColor(), QColor(0x31, 0x87, 0xD7));
        EXPECT_EQ(stand->width(), 12000);
    }
}

TEST(Placeholder, ExitClosesTheJotterAndBringsBackTheSameMenu) {
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        Chain chain;
        chaintest::chooseLanguage(0);
        auto* menu = dynamic_cast<screens::Menu*>(chain.windows->show(QString("menu%1").arg(n)));
        ASSERT_NE(menu, nullptr);
        menu->Label1->setCaption("not laid out again");
        menu->Label3[2].click();
        auto* stand = dynamic_cast<shell::Placeholder*>(chain.windows->find(QString("placeholder%1").arg(n)));
        ASSERT_NE(stand, nullptr);
        stand->cmdjotter->click();
        EXPECT_TRUE(chain.windows->isOpen("notepad"));
        stand->cmdexit->click();
        EXPECT_EQ(chain.open(), QStringList{QString("menu%1").arg(n)});
        EXPECT_EQ(chain.windows->find(QString("menu%1").arg(n)), menu);
        EXPECT_EQ(menu->Label1->caption(), "not laid out again");
    }
}

}  // namespace
