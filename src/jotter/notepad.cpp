#include "jotter/notepad.h"

#include <QFontMetricsF>

#include "app/language.h"
#include "app/windows.h"
#include "jotter/rules.h"

namespace jotter {

using namespace platform;

namespace {
const QColor kExitFace{0xFF, 0xE0, 0xC0};
const QColor kWriteFace{0xFF, 0xFF, 0xC0};
const QColor kEraseFace{0xC0, 0xC0, 0x00};
const QColor kClearFace{0xFF, 0xC0, 0x80};
const QColor kFlipFace{0x80, 0x80, 0xFF};
constexpr int kYellowSwatch = 14;
// Flip sizes are whole-window sizes; a border of 90 twips across and 480 down (title bar) is not client area.
constexpr QSizeF kWindowBorders{90, 480};
constexpr QSizeF kPortraitOuter{4000, 12000};
constexpr QSizeF kLandscapeOuter{10005, 4140};
constexpr double kTwipsPerPixel = 15.0;
// A caption keeps clear of the button's rounded border: the face inside it starts this far in (twips).
constexpr float kCaptionInset = 30;

// Each caption at the normal size where it fits, smaller only where it does not.
void fitCaption(CommandButton& button) {
    const auto widthAt = [&button](float points) {
        button.setFontSize(points);
        return QFontMetricsF(button.qfont()).horizontalAdvance(button.caption());
    };
    button.setFontSize(buttonFontPoints(widthAt, button.width() - 2 * kCaptionInset));
}
}  // namespace

Notepad::Notepad(app::WindowRegistry& windows)
    : Form(QStringLiteral("notepad"), 9915, 3660), m_windows(windows) {
    setFollowsFullScreen(false);
    pad = add<DrawingSurface>(nullptr, "pad", 0, 0, width(), height());
    pad->onMouseDown = [this](const MouseEvent& e) { Form_MouseDown(e); };
    pad->onMouseMove = [this](const MouseEvent& e) { Form_MouseMove(e); };

    Frame_landscape = add<Frame>(nullptr, "Frame_landscape", 0, 2910, 9920, 750);
    Frame_landscape->setCaptionVisible(false);
    Command1 = addButton(Frame_landscape, "Command1", 60, 180, kExitFace);
    Command2 = addButton(Frame_landscape, "Command2", 1020, 180, kWriteFace);
    Command5 = addButton(Frame_landscape, "Command5", 1980, 180, kEraseFace);
    Command6 = addButton(Frame_landscape, "Command6", 2940, 180, kClearFace);
    Command3 = addButton(Frame_landscape, "Command3", 3900, 180, kFlipFace);

    Frame_portrait = add<Frame>(nullptr, "Frame_portrait", 2885, 0, 1035, 5250);
    Frame_portrait->setCaptionVisible(false);
    Frame_portrait->setVisible(false);
    Command9 = addButton(Frame_portrait, "Command9", 60, 180, kExitFace);
    Command10 = addButton(Frame_portrait, "Command10", 60, 705, kWriteFace);
    Command8 = addButton(Frame_portrait, "Command8", 60, 1230, kEraseFace);
    Command7 = addButton(Frame_portrait, "Command7", 60, 1755, kClearFace);
    Command4 = addButton(Frame_portrait, "Command4", 60, 2280, kFlipFace);

    // Every swatch starts on its first one's place; the load spreads them out.
    for (int i = 0; i < kSwatchCount; ++i) {
        Label1.add(add<Label>(Frame_landscape, "Label1", 5010, 285, 240, 240, i));
        Label11.add(add<Label>(Frame_portrait, "Label11", 180, 2820, 240, 240, i));
    }
    for (const auto* strip : {&Label1, &Label11}) {
        for (Label* swatch : *strip) {
            swatch->setOpaque(true);
            swatch->setBorder(true);
        }
    }

    Command1->onClick = [this] { Command1_Click(); };
    Command2->onClick = [this] { Command2_Click(); };
    Command3->onClick = [this] { Command3_Click(); };
    Command4->onClick = [this] { Command4_Click(); };
    Command5->onClick = [this] { Command5_Click(); };
    Command6->onClick = [this] { Command6_Click(); };
    Command7->onClick = [this] { Command7_Click(); };
    Command8->onClick = [this] { Command8_Click(); };
    Command9->onClick = [this] { Command9_Click(); };
    Command10->onClick = [this] { Command10_Click(); };
    for (int i = 0; i < kSwatchCount; ++i) {
        Label1[i].onClick = [this, i] { Label1_Click(i); };
        Label11[i].onClick = [this, i] { Label11_Click(i); };
    }
}

CommandButton* Notepad::addButton(Frame* strip, const char* name, float left, float top, const QColor& face) {
    auto* button = add<CommandButton>(strip, name, left, top, 930, 480);
    button->setBackColor(face);
    button->setFont({QStringLiteral("Tahoma"), 9.75f, true});
    return button;
}

void Notepad::Form_Load() {
    const app::LanguageState& l = app::lang();

    setBackColor(kPageColor);
    pad->setBackColor(kPageColor);
    m_penWidth = kWritingWidth;
    Frame_landscape->setBackColor(kPageColor);
    Frame_portrait->setBackColor(kPageColor);

    setTopmost(true);

    setCaption(l.txtjotter);
    Command1->setCaption(l.txtexit);
    Command9->setCaption(l.txtexit);
    Command2->setCaption(l.txtjotterbuttons[0]);
    Command10->setCaption(l.txtjotterbuttons[0]);
    Command6->setCaption(l.txtjotterbuttons[1]);
    Command7->setCaption(l.txtjotterbuttons[1]);
    Command5->setCaption(l.txtjotterbuttons[2]);
    Command8->setCaption(l.txtjotterbuttons[2]);
    Command3->setCaption(l.txtjotterbuttons[3]);
    Command4->setCaption(l.txtjotterbuttons[3]);
    for (CommandButton* button :
         {Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8, Command9, Command10})
        fitCaption(*button);

    for (int i = 0; i < kSwatchCount; ++i) {
        Label1[i].setBackColor(paletteColor(i));
        Label11[i].setBackColor(paletteColor(i));
    }

    for (int i = 1; i < kSwatchCount; ++i) {
        Label1[i].setWidth(Label1[0].width());
        Label1[i].setHeight(Label1[0].height());
        Label1[i].setTop(285);
        Label1[i].setLeft(Label1[i - 1].left() + 305);
    }

    for (int i = 1; i <= 7; ++i) {
        Label11[i].setWidth(Label11[0].width());
        Label11[i].setHeight(Label11[0].height());
        Label11[i].setLeft(Label11[0].left());
        Label11[i].setTop(Label11[i - 1].top() + Label11[0].height() + 50);
    }
    for (int i = 8; i < kSwatchCount; ++i) {
        Label11[i].setWidth(Label11[0].width());
        Label11[i].setHeight(Label11[0].height());
        Label11[i].setTop(Label11[i - 8].top());
        Label11[i].setLeft(Label11[i - 8].left() + 400);
    }

    m_penColor = paletteColor(kYellowSwatch);
    m_savedpen = m_penColor;

    placeOverBoard();
}

void Notepad::placeOverBoard() {
    // The biggest other open window is the board the class is working on.
    std::optional<QRectF> board;
    for (const QString& name : m_windows.openNames()) {
        const Form* other = name == objectName() ? nullptr : m_windows.find(name);
        if (other && (!board || other->width() * other->height() > board->width() * board->height()))
            board = QRectF(other->left(), other->top(), other->width(), other->height());
    }
    const QPointF place = firstPlace({screenWidthTwips(), screenHeightTwips()}, {width(), height()}, board);
    setLeft(float(place.x()));
    setTop(float(place.y()));
}

void Notepad::fitPadToWindow() {
    pad->move(0, 0, width(), height());
    // A tall pad must not hang off the bottom of the projector's picture; read where the teacher
    // may have dragged the window to, and move it only when it no longer fits.
    const double twipsPerPixel = kTwipsPerPixel / zoom();
    const QPointF now(QWidget::x() * twipsPerPixel, QWidget::y() * twipsPerPixel);
    const QPointF kept = keptOnDesktop(now, {width(), height()}, {screenWidthTwips(), screenHeightTwips()});
    if (kept == now) return;
    setLeft(float(kept.x()));
    setTop(float(kept.y()));
}

// The pointer on the drawing, from its place on the window, whenever the event was measured.
QPointF Notepad::onPad(const MouseEvent& e) const { return pad->pointerInContainer(e) - QPointF(pad->left(), pad->top()); }

void Notepad::Form_MouseDown(const MouseEvent& e) { m_current = onPad(e); }

void Notepad::Form_MouseMove(const MouseEvent& e) {
    if (e.button != LeftButton) return;
    const QPointF to = onPad(e);
    pad->drawLine(float(m_current.x()), float(m_current.y()), float(to.x()), float(to.y()), m_penColor, m_penWidth);
    m_current = to;
}

void Notepad::Label1_Click(int index) {
    m_penWidth = kWritingWidth;
    m_penColor = Label1[index].backColor();
    m_savedpen = m_penColor;
}

void Notepad::Label11_Click(int index) {
    m_penWidth = kWritingWidth;
    m_penColor = Label11[index].backColor();
    m_savedpen = m_penColor;
}

void Notepad::Command1_Click() { unload(); }

void Notepad::Command2_Click() {
    m_penColor = m_savedpen;
    m_penWidth = kWritingWidth;
}

void Notepad::Command5_Click() {
    // A second Erase must not save the eraser as the colour to write with again.
    if (m_penColor != kPageColor) m_savedpen = m_penColor;
    m_penColor = kPageColor;
    m_penWidth = kErasingWidth;
}

void Notepad::Command6_Click() {
    pad->clear();
    setBackColor(kPageColor);
    pad->setBackColor(kPageColor);
    if (m_penColor == kPageColor) m_penColor = paletteColor(kYellowSwatch);
    m_penWidth = kWritingWidth;
}

void Notepad::Command3_Click() {
    pad->clear();
    setSize(kPortraitOuter.width() - kWindowBorders.width(), kPortraitOuter.height() - kWindowBorders.height());
    fitPadToWindow();
    Frame_portrait->setLeft(kPortraitOuter.width() - Frame_portrait->width() - 80);
    Frame_landscape->setVisible(false);
    Frame_portrait->setVisible(true);
    m_layout = Layout::Portrait;
}

void Notepad::Command4_Click() {
    pad->clear();
    setSize(kLandscapeOuter.width() - kWindowBorders.width(), kLandscapeOuter.height() - kWindowBorders.height());
    fitPadToWindow();
    Frame_landscape->setVisible(true);
    Frame_portrait->setVisible(false);
    m_layout = Layout::Landscape;
}

// The portrait strip's buttons do what their landscape twins do.
void Notepad::Command7_Click() { Command6_Click(); }
void Notepad::Command8_Click() { Command5_Click(); }
void Notepad::Command9_Click() { unload(); }
void Notepad::Command10_Click() { Command2_Click(); }

}  // namespace jotter
