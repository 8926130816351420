#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsView>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>

#include "app/language.h"
#include "app/windows.h"
#include "jotter/notepad.h"
#include "jotter/rules.h"

using namespace jotter;

namespace {
const QColor kYellow{0xFF, 0xFF, 0x00};

class NotepadTest : public ::testing::Test {
protected:
    void SetUp() override {
        app::LanguageState& l = app::lang();
        l.langindex = app::LangIndex::number(0);
        l.txtjotter = "Pad";
        l.txtexit = "Leave";
        l.txtjotterbuttons = {"Write", "Clear", "Erase", "Flip"};
        windows.define("notepad", [](app::WindowRegistry& w) { return new Notepad(w); });
        pad = static_cast<Notepad*>(windows.load("notepad"));
    }
    void drag(int buttons, QPointF from, QPointF to) {
        pad->pad->press({buttons, 0, float(from.x()), float(from.y())});
        pad->pad->moveMouse({buttons, 0, float(to.x()), float(to.y())});
    }
    QColor at(QPointF p) const { return pad->pad->colorAt(float(p.x()), float(p.y())); }
    platform::ScriptedRandom random;
    app::WindowRegistry windows{random};
    Notepad* pad = nullptr;
};
}  // namespace

TEST_F(NotepadTest, OpensLandscapeTopmostWithEachRowOnItsButtons) {
    pad->showForm();
    EXPECT_TRUE(pad->window()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(pad->caption(), "Pad");
    EXPECT_EQ(pad->penColor(), kYellow);
    EXPECT_EQ(pad->savedpen(), kYellow);
    const std::vector<std::pair<platform::CommandButton*, QString>> captions{
        {pad->Command1, "Leave"}, {pad->Command9, "Leave"}, {pad->Command2, "Write"}, {pad->Command10, "Write"},
        {pad->Command6, "Clear"}, {pad->Command7, "Clear"}, {pad->Command5, "Erase"}, {pad->Command8, "Erase"},
        {pad->Command3, "Flip"},  {pad->Command4, "Flip"}};
    for (const auto& [button, caption] : captions) EXPECT_EQ(button->caption(), caption) << button->name().toStdString();
}

// Every caption of the real texts at the normal size where it fits, smaller only where it does not.
TEST_F(NotepadTest, ButtonsKeepTheNormalSizeWhereverTheirCaptionFits) {
    ASSERT_TRUE(app::readTextTable(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/text.csv"), app::lang()));
    int shrunk = 0;
    for (int language = 0; language < 7; ++language) {
        app::lang().langindex = app::LangIndex::number(language);
        ASSERT_TRUE(app::applylanguage());
        Notepad fresh(windows);
        fresh.load();
        for (platform::CommandButton* b : {fresh.Command1, fresh.Command2, fresh.Command3, fresh.Command4, fresh.Command5,
                                           fresh.Command6, fresh.Command7, fresh.Command8, fresh.Command9, fresh.Command10}) {
            SCOPED_TRACE(testing::Message() << "language " << language << ": " << b->caption().toStdString());
            const float points = b->font().size;
            const qreal room = b->width() - 60;  // the face inside the rounded border
            EXPECT_LE(QFontMetricsF(b->qfont()).horizontalAdvance(b->caption()), room);
            if (points == kButtonPoints.front()) continue;
            ++shrunk;
            const auto larger = std::find(kButtonPoints.begin(), kButtonPoints.end(), points) - 1;
            b->setFontSize(*larger);
            EXPECT_GT(QFontMetricsF(b->qfont()).horizontalAdvance(b->caption()), room) << "fits at " << *larger;
        }
    }
    EXPECT_LE(shrunk, 4) << "only the longest captions (German Exit, Welsh Write, in both strips) may shrink";
}

TEST_F(NotepadTest, SwatchesRowInLandscapeAndTwoColumnsInPortrait) {
    for (int i = 0; i < kSwatchCount; ++i) {
        EXPECT_EQ(QRectF(pad->Label1[i].left(), pad->Label1[i].top(), pad->Label1[i].width(), pad->Label1[i].height()),
                  QRectF(5010 + 305 * i, 285, 240, 240)) << i;
        EXPECT_EQ(QPointF(pad->Label11[i].left(), pad->Label11[i].top()), QPointF(i < 8 ? 180 : 580, 2820 + 290 * (i % 8))) << i;
        EXPECT_EQ(pad->Label11[i].backColor(), paletteColor(i));
    }
}

// Landscape and portrait controls: L<i>/P<i> swatch, W/E/C and w/e/c the two strips' buttons.
TEST_F(NotepadTest, PenFollowsWriteEraseClearAndSwatches) {
    struct Case { const char* steps; QColor pen; int width; QColor saved; };
    const QColor red{0xFF, 0, 0}, green{0, 0x80, 0}, blue{0, 0, 0xFF};
    const std::vector<Case> cases{
        {"L12 E", kPageColor, 30, red},  {"L12 E W", red, 3, red},    {"L12 e w", red, 3, red},
        {"L12 E E W", red, 3, red},      {"E L2", green, 3, green},   {"e P9", blue, 3, blue},
        {"L12 E C", kYellow, 3, red},    {"L12 E c W", red, 3, red},  {"L12 C", red, 3, red}};
    for (const Case& c : cases) {
        Notepad fresh(windows);
        fresh.load();
        const std::map<char, platform::CommandButton*> buttons{{'W', fresh.Command2}, {'E', fresh.Command5},
            {'C', fresh.Command6}, {'w', fresh.Command10}, {'e', fresh.Command8}, {'c', fresh.Command7}};
        for (const QString& step : QString(c.steps).split(' ')) {
            const char kind = step[0].toLatin1();
            if (kind == 'L') fresh.Label1[step.mid(1).toInt()].click();
            else if (kind == 'P') fresh.Label11[step.mid(1).toInt()].click();
            else buttons.at(kind)->click();
        }
        EXPECT_EQ(fresh.penColor(), c.pen) << c.steps;
        EXPECT_EQ(fresh.penWidth(), c.width) << c.steps;
        EXPECT_EQ(fresh.savedpen(), c.saved) << c.steps;
    }
}

TEST_F(NotepadTest, OnlyAMoveWithTheLeftButtonAloneDraws) {
    for (const int buttons : {0, 2, 4, 3}) {  // none, right, middle, left with right
        drag(buttons, {1000, 1000}, {3000, 1000});
        EXPECT_EQ(at({2000, 1000}), kPageColor) << "buttons " << buttons;
    }
    drag(platform::LeftButton, {1000, 1000}, {3000, 1000});
    EXPECT_EQ(at({2000, 1000}), kYellow);
    EXPECT_EQ(pad->currentPoint(), QPointF(3000, 1000));
}

TEST_F(NotepadTest, RightPressMovesTheStartOfTheNextStroke) {
    pad->pad->press({platform::LeftButton, 0, 500, 2500});
    pad->pad->press({platform::RightButton, 0, 1000, 500});
    pad->pad->moveMouse({platform::LeftButton | platform::RightButton, 0, 5000, 500});
    pad->pad->moveMouse({platform::LeftButton, 0, 3000, 2500});
    EXPECT_EQ(at({2000, 1500}), kYellow);      // on the stroke from the right press
    EXPECT_EQ(at({3000, 500}), kPageColor);    // the two-button move drew nothing
    EXPECT_EQ(at({1750, 2500}), kPageColor);   // nor did the stroke start at the left press
}

TEST_F(NotepadTest, EraserIsWideAndPaintsThePage) {
    drag(platform::LeftButton, {1000, 1000}, {3000, 1000});
    drag(platform::LeftButton, {1000, 1150}, {3000, 1150});
    pad->Command5_Click();
    drag(platform::LeftButton, {1000, 1000}, {3000, 1000});
    EXPECT_EQ(at({2000, 1000}), kPageColor);
    EXPECT_EQ(at({2000, 1150}), kPageColor);  // 10 pixels off the eraser's path
}

TEST_F(NotepadTest, ClearAndBothFlipsWipeAndFlipsResize) {
    struct Step { platform::CommandButton* button; QSizeF size; bool portrait; };
    const std::vector<Step> steps{{pad->Command6, {9915, 3660}, false}, {pad->Command3, {3910, 11520}, true},
                                  {pad->Command7, {3910, 11520}, true}, {pad->Command4, {9915, 3660}, false}};
    for (const Step& s : steps) {
        const QPointF corner(pad->width() - 30, pad->height() - 30);
        drag(platform::LeftButton, {100, 100}, corner);
        ASSERT_EQ(at(corner), kYellow) << "the pad must reach the window's corner";
        s.button->click();
        EXPECT_EQ(at({100, 100}), kPageColor) << s.button->name().toStdString();
        EXPECT_EQ(at(corner), kPageColor) << s.button->name().toStdString();
        EXPECT_EQ(QSizeF(pad->width(), pad->height()), s.size);
        EXPECT_EQ(QSizeF(pad->pad->width(), pad->pad->height()), s.size);
        EXPECT_EQ(pad->Frame_portrait->isVisible(), s.portrait);
        EXPECT_EQ(pad->Frame_landscape->isVisible(), !s.portrait);
        EXPECT_EQ(pad->layout(), s.portrait ? Layout::Portrait : Layout::Landscape);
        if (s.portrait) {
            EXPECT_EQ(pad->Frame_portrait->left(), 2885);
        }
    }
}

TEST_F(NotepadTest, EitherExitClosesThePad) {
    for (const bool portrait : {false, true}) {
        auto* open = static_cast<Notepad*>(windows.load("notepad"));
        (portrait ? open->Command9 : open->Command1)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(windows.isOpen("notepad")) << portrait;
    }
}

// Through the real view: the strip takes the click, and the pad beside it takes a mouse or finger stroke.
TEST_F(NotepadTest, PointerOverTheStripPicksAColourAndOverThePadDraws) {
    static QPointingDevice* finger = QTest::createTouchDevice();
    pad->showForm();
    QGraphicsView* view = pad->pad->scene()->views().first();
    QWidget* screen = view->viewport();
    const auto toView = [&](QPointF twips) { return view->mapFromScene(twips); };
    QTest::mouseClick(screen, Qt::LeftButton, {}, toView({5010 + 305 * 12 + 120, 2910 + 285 + 120}));
    EXPECT_EQ(pad->penColor(), QColor(0xFF, 0, 0));
    QTest::mousePress(screen, Qt::LeftButton, {}, toView({1000, 1000}));
    QTest::mouseMove(screen, toView({3000, 1000}));
    QTest::mouseRelease(screen, Qt::LeftButton, {}, toView({3000, 1000}));
    EXPECT_EQ(at({2000, 1000}), QColor(0xFF, 0, 0));
    QTest::touchEvent(screen, finger).press(0, toView({1000, 2000}));
    QTest::touchEvent(screen, finger).move(0, toView({3000, 2000}));
    QTest::touchEvent(screen, finger).release(0, toView({3000, 2000}));
    EXPECT_EQ(at({2000, 2000}), QColor(0xFF, 0, 0));
}

TEST_F(NotepadTest, OpensOverTheBoardClearOfItsButtons) {
    windows.close("notepad");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    windows.define("menu1", [](app::WindowRegistry&) { return new platform::Form("menu1", 5000, 3000); });
    windows.define("board", [](app::WindowRegistry&) { return new platform::Form("board", 12000, 9000); });
    windows.load("menu1")->setLeft(6000);
    windows.load("board")->setTop(300);
    auto* opened = windows.load("notepad");
    EXPECT_EQ(QPointF(opened->left(), opened->top()), QPointF(0, 300 + 7890 - 3660));
}

// Moves that arrive back to back, with no repaint between them, still draw where the pointer went.
TEST_F(NotepadTest, BurstOfMovesDrawsAlongThePointersPath) {
    const std::vector<QPointF> path{{1000, 1000}, {3000, 1000}, {3000, 2500}, {6000, 2500}};
    for (bool throughView : {false, true}) {
        SCOPED_TRACE(throughView ? "through the view" : "to the handlers");
        pad->Command6_Click();
        if (!throughView) {
            // x and y as a pad standing 500 twips further on would have measured them: only the form's place counts.
            const auto event = [](int buttons, QPointF p) {
                return platform::MouseEvent{buttons, 0, float(p.x()) - 500, float(p.y()) - 500, float(p.x()), float(p.y())};
            };
            pad->pad->press(event(platform::LeftButton, path.front()));
            for (std::size_t i = 1; i < path.size(); ++i) pad->pad->moveMouse(event(platform::LeftButton, path[i]));
        } else {
            pad->showForm();
            QGraphicsView* view = pad->pad->scene()->views().first();
            QTest::mousePress(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(path.front()));
            for (std::size_t i = 1; i < path.size(); ++i) QTest::mouseMove(view->viewport(), view->mapFromScene(path[i]));
            QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(path.back()));
        }
        for (std::size_t i = 1; i < path.size(); ++i) EXPECT_EQ(at((path[i - 1] + path[i]) / 2), kYellow) << "segment " << i;
        EXPECT_EQ(at({500, 500}), kPageColor);
    }
}
