#include <gtest/gtest.h>

#include "activities/shell/numberpad.h"
#include "app/language.h"
#include "platform/form.h"

namespace {
struct PadTest : ::testing::Test {
    void SetUp() override { app::lang() = app::LanguageState{}; }
    platform::Form form{QStringLiteral("pad"), 12000, 9000};
};
}  // namespace

TEST_F(PadTest, AHiddenBoxTakesNoTypingAndTheShownOneStaysCentred) {
    shell::NumberPad pad(form, 2);
    const float twoBoxesLeft = pad.box(0).left();
    pad.setBoxShown(1, false);
    EXPECT_FALSE(pad.box(1).isVisible());
    EXPECT_GT(pad.box(0).left(), twoBoxesLeft);  // one box alone moves to the middle
    pad.setActiveBox(1);
    EXPECT_EQ(pad.activeBox(), 0);
    pad.press(QStringLiteral("7"));
    EXPECT_EQ(pad.text(0), QStringLiteral("7"));
    EXPECT_EQ(pad.text(1), QString());
    // Shown again, it comes back where it was, and the keyboard's Tab reaches it.
    pad.setBoxShown(1, true);
    EXPECT_TRUE(pad.box(1).isVisible());
    EXPECT_EQ(pad.box(0).left(), twoBoxesLeft);
    EXPECT_TRUE(pad.keyDown(Qt::Key_Tab));
    EXPECT_EQ(pad.activeBox(), 1);
    // Hidden while the whole pad is hidden, it stays hidden when the pad shows again.
    pad.setVisible(false);
    pad.setBoxShown(1, false);
    pad.setVisible(true);
    EXPECT_FALSE(pad.box(1).isVisible());
    EXPECT_TRUE(pad.box(0).isVisible());
}

TEST_F(PadTest, AnActivityMayTakeKeysBeforeTheBox) {
    shell::NumberPad pad(form);
    QStringList taken;
    pad.onKey = [&](const QString& key) {
        taken << key;
        return key != QLatin1String("5");  // lets 5 through to the box
    };
    pad.press(QStringLiteral("4"));
    pad.press(QStringLiteral("5"));
    EXPECT_TRUE(pad.keyDown(Qt::Key_Backspace));
    EXPECT_EQ(pad.text(0), QStringLiteral("5"));
    EXPECT_EQ(taken, (QStringList{"4", "5", "del"}));
    // A disabled pad offers nothing.
    pad.setEnabled(false);
    pad.press(QStringLiteral("6"));
    EXPECT_EQ(taken.size(), 3);
}

TEST_F(PadTest, ExtraKeysLeftOutOfALaterListAreHidden) {
    shell::NumberPad pad(form);
    pad.setExtraKeys({"r"});
    ASSERT_NE(pad.key("r"), nullptr);
    EXPECT_TRUE(pad.key("r")->isVisible());
    pad.setExtraKeys({});
    EXPECT_FALSE(pad.key("r")->isVisible());
    EXPECT_FALSE(pad.press("r"));
    pad.setVisible(true);
    EXPECT_FALSE(pad.key("r")->isVisible());
}
