#include <gtest/gtest.h>

#include "activities/shell/setupform.h"
#include "app/language.h"
#include "platform/form.h"
#include "platform/paths.h"
#include <QFile>
#include "testsupport.h"

namespace {
// A screen with the shared activity controls, as an activity's design has them.
struct ActivityLike : platform::Form {
    ActivityLike() : Form("activity", 12000, 9000) {
        for (const char* name : {"cmdgo", "cmdcheckit", "cmdsoln", "cmdjotter", "cmdexit"})
            add<platform::CommandButton>(nullptr, name, 0, 0, 1000, 300);
        add<platform::Image>(nullptr, "Image1", 0, 0, 1650, 975);
        add<platform::PictureBox>(nullptr, "imgtick", 0, 0, 735, 735);
        add<platform::PictureBox>(nullptr, "imgcross", 0, 0, 735, 735);
        add<platform::Shape>(nullptr, "framestatus", 10200, 30, 1785, 9345);
    }
};

struct SetupformTest : ::testing::Test {
    void SetUp() override {
        app::lang() = app::LanguageState{};
        app::lang().txtcheck = "Check";
        app::lang().txtgo = "Next";
    }
    void TearDown() override { app::lang() = app::LanguageState{}; }
    testsupport::DataFolder folder;
};
}  // namespace

TEST(Placement, CentresUnlessTheScreenIsWiderThanTheWindow) {
    struct Case {
        float screen;
        float left;
    } cases[] = {
        {12000, 0}, {12001, 0.5f - 840}, {15360, 840}, {28800, 7560}, {11520, -240},
    };
    for (const auto& c : cases) EXPECT_EQ(shell::placementLeft(c.screen, 12000), c.left) << c.screen;
    EXPECT_EQ(shell::placementTop(11520, 9000), 1260);
}

TEST_F(SetupformTest, ButtonSizesAndFontsFollowTheLanguage) {
    struct Case {
        int language;
        float checkHeight, checkTop, checkFont, jotterFont;
    } cases[] = {
        {0, 495, 6465, 16, 16}, {4, 495, 6465, 16, 12}, {5, 675, 6285, 12, 16}, {6, 495, 6465, 16, 16},
    };
    for (const auto& c : cases) {
        app::lang().langindex = app::LangIndex::number(c.language);
        ActivityLike screen;
        shell::setupform(screen);
        auto* check = screen.control("cmdcheckit");
        EXPECT_EQ(check->height(), c.checkHeight) << c.language;
        EXPECT_EQ(check->top(), c.checkTop) << c.language;
        EXPECT_EQ(check->font().size, c.checkFont) << c.language;
        EXPECT_EQ(screen.control("cmdjotter")->font().size, c.jotterFont) << c.language;
        EXPECT_EQ(screen.control("cmdgo")->font().size, 16) << c.language;
        EXPECT_EQ(screen.control("cmdjotter")->top(), 7455);
        EXPECT_EQ(screen.control("cmdsoln")->top(), 6960);
        EXPECT_EQ(check->caption(), "Check");
        EXPECT_EQ(screen.control("cmdgo")->caption(), "Next");
        EXPECT_EQ(screen.control("cmdexit")->left(), 60);
        EXPECT_FALSE(screen.control("framestatus")->isVisible());
        EXPECT_FALSE(screen.control("imgtick")->isVisible());
    }
}

TEST_F(SetupformTest, ScreenWithoutActivityControlsOnlyGetsSizeColourAndPlace) {
    platform::Form menu("menu1", 5000, 4000);
    auto* label = menu.add<platform::Label>(nullptr, "Label1", 10, 20, 300, 400);
    shell::setupform(menu);
    EXPECT_EQ(menu.width(), 12000);
    EXPECT_EQ(menu.height(), 9000);
    EXPECT_EQ(menu.backColor(), QColor(0x31, 0x87, 0xD6));
    EXPECT_EQ(menu.left(), shell::placementLeft(platform::screenWidthTwips(), 12000));
    EXPECT_EQ(label->left(), 10);
    EXPECT_EQ(label->caption(), "");
}

TEST_F(SetupformTest, MissingTickPictureLeavesItEmptyAndTheRestRuns) {
    folder.copyRunFolder({"Images"});
    QFile::remove(platform::resolvePath("images\\tick.jpg"));
    ActivityLike screen;
    shell::setupform(screen);
    auto* tick = dynamic_cast<platform::PictureBox*>(screen.control("imgtick"));
    auto* cross = dynamic_cast<platform::PictureBox*>(screen.control("imgcross"));
    EXPECT_FALSE(tick->hasPicture());
    EXPECT_EQ(tick->left(), 10740);
    EXPECT_FALSE(tick->isVisible());
    EXPECT_EQ(cross->hasPicture(), QFile::exists(platform::resolvePath("images\\cross.jpg")));
    EXPECT_EQ(screen.control("cmdexit")->top(), 7950);
}
