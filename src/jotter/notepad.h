#pragma once
// The jotter: a pad that floats over an activity for working-out with the pointer.
#include <QPointF>

#include "platform/form.h"

namespace app {
class WindowRegistry;
}

namespace jotter {

enum class Layout { Landscape, Portrait };

class Notepad : public platform::Form {
    Q_OBJECT
public:
    explicit Notepad(app::WindowRegistry& windows);

    // Behind the strips and as large as the window: the drawing lives here.
    platform::DrawingSurface* pad;

    platform::Frame* Frame_landscape;
    platform::CommandButton* Command1;  // Exit
    platform::CommandButton* Command2;  // Write
    platform::CommandButton* Command5;  // Erase
    platform::CommandButton* Command6;  // Clear
    platform::CommandButton* Command3;  // Flip
    platform::ControlArray<platform::Label> Label1;

    platform::Frame* Frame_portrait;
    platform::CommandButton* Command9;   // Exit
    platform::CommandButton* Command10;  // Write
    platform::CommandButton* Command8;   // Erase
    platform::CommandButton* Command7;   // Clear
    platform::CommandButton* Command4;   // Flip
    platform::ControlArray<platform::Label> Label11;

    QColor penColor() const { return m_penColor; }
    int penWidth() const { return m_penWidth; }
    QColor savedpen() const { return m_savedpen; }
    QPointF currentPoint() const { return m_current; }
    Layout layout() const { return m_layout; }

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Label1_Click(int index);
    void Label11_Click(int index);
    void Form_MouseDown(const platform::MouseEvent& e) override;
    void Form_MouseMove(const platform::MouseEvent& e) override;

protected:
    void Form_Load() override;

private:
    platform::CommandButton* addButton(platform::Frame* strip, const char* name, float left, float top,
                                       const QColor& face);
    void fitPadToWindow();
    QPointF onPad(const platform::MouseEvent& e) const;
    void placeOverBoard();

    app::WindowRegistry& m_windows;
    QColor m_penColor;
    int m_penWidth = 0;
    QColor m_savedpen;
    QPointF m_current;
    Layout m_layout = Layout::Landscape;
};

}  // namespace jotter
