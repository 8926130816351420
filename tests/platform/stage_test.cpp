#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/stage.h"

using platform::Form;

namespace {
Form* opened(const char* caption, float width = 12000, float height = 9000, bool topmost = false) {
    auto* form = new Form(QString::fromLatin1(caption), width, height);
    form->setCaption(QString::fromLatin1(caption));
    form->setTopmost(topmost);
    form->showForm();
    return form;
}
void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
}  // namespace

TEST(Stage, ScreensOfOneSizeTakeTurnsInOneWindowAndTheOneBehindComesBack) {
    QPointer<Form> menu = opened("Menu");
    QPointer<Form> activity = opened("Activity");
    QPointer<Form> title = opened("Title", 5460, 6810);
    QPointer<Form> jotter = opened("Jotter", 12000, 9000, true);
    QPointer<QWidget> window = menu->window();
    EXPECT_EQ(activity->window(), window);
    EXPECT_NE(title->window(), window);
    EXPECT_NE(jotter->window(), window);
    EXPECT_EQ(window->windowTitle(), "Activity");

    // The window's close button closes the screen in front only, as a window of its own did.
    window->close();
    settle();
    EXPECT_TRUE(activity.isNull());
    ASSERT_FALSE(menu.isNull());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(window->windowTitle(), "Menu");

    menu->setCaption("Menu 2");
    EXPECT_EQ(window->windowTitle(), "Menu 2");
    menu->close();
    settle();
    EXPECT_TRUE(window.isNull());
    delete title.data();
    delete jotter.data();
    settle();
}

TEST(Stage, TheFirstScreenOfTheSizeOpensInTheWindowMadeReady) {
    platform::Stage::prepareSpare(platform::screenPixels());
    QPointer<platform::Stage> spare = platform::Stage::spare();
    ASSERT_FALSE(spare.isNull());
    EXPECT_FALSE(spare->isVisible());
    // One ready window is enough.
    platform::Stage::prepareSpare(platform::screenPixels());
    EXPECT_EQ(platform::Stage::spare(), spare);

    QPointer<Form> intro = opened("Intro");
    EXPECT_EQ(intro->window(), spare.data());
    EXPECT_EQ(platform::Stage::spare(), nullptr);
    EXPECT_TRUE(spare->isVisible());
    intro->close();
    settle();
    EXPECT_TRUE(spare.isNull());
}
