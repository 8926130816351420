#pragma once
// Ordering Whole Numbers: five number tiles dragged into five boxes, smallest to biggest.
#include <array>

#include "activities/shell/activity.h"

namespace ordering {

class Ordernum : public shell::Activity {
    Q_OBJECT
public:
    explicit Ordernum(app::WindowRegistry& windows);

    platform::Label* Label8;
    platform::Label* Label9;
    platform::Label* Label5;
    platform::ControlArray<platform::Label> Label1;  // the boxes
    platform::ControlArray<platform::Label> Label4;  // the home slots
    platform::ControlArray<platform::Label> Label2;  // the tiles
    platform::OptionButton* Option1;
    platform::OptionButton* Option2;

    int tilecount = 0;
    int ordermode = 0;
    std::array<float, 6> homeleft{};
    std::array<float, 6> hometop{};
    bool dropped = false;
    std::array<float, 11> drawn{};

    void calculate();
    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void Option1_Click();
    void Option2_Click();
    void Label2_MouseDown(int index, const platform::MouseEvent& e);
    void Label2_MouseMove(int index, const platform::MouseEvent& e);
    void Label2_MouseUp(int index, const platform::MouseEvent& e);

protected:
    void Form_Load() override;

private:
    qreal m_frontZ = 0;  // the z value that puts a picked-up tile in front of everything
    platform::Grip m_grip;
};

}  // namespace ordering
