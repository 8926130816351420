#pragma once
// Directed Numbers: drag the arrow along a number line of whole numbers, tenths or hundredths to
// add or subtract an amount, then check it against the answer's tick.
#include <algorithm>

#include "activities/shell/activity.h"

namespace directed {

class Directed1 : public shell::Activity {
    Q_OBJECT
public:
    explicit Directed1(app::WindowRegistry& windows);

    platform::Frame* Frame1;
    platform::ControlArray<platform::Line> tickline;
    platform::Line* Line1;
    platform::ControlArray<platform::Label> lbltemp;
    platform::PictureBox* Picture1;
    platform::Line* Line2;
    platform::Label* Label7;
    platform::Label* Label1;
    platform::OptionButton* Option1;
    platform::OptionButton* Option2;
    platform::OptionButton* Option3;
    platform::OptionButton* Option4;

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void calculate();
    void Picture1_MouseDown(const platform::MouseEvent& e);
    void Picture1_MouseMove(const platform::MouseEvent& e);
    void Picture1_MouseUp(const platform::MouseEvent& e);

    // The question on the board, as tests read it.
    int kindlow() const { return m_kindlow; }
    int kindhigh() const { return m_kindhigh; }
    int qkind() const { return m_qkind; }
    float linelow() const { return m_linelow; }
    float linehigh() const { return m_linehigh; }
    double linestep() const { return m_linestep; }
    float startval() const { return m_startval; }
    float amount() const { return m_amount; }
    float opkind() const { return m_opkind; }
    float answer() const { return m_answer; }

protected:
    void Form_Load() override;

private:
    // A tick index from a number that is not on the line stops at the line's end: the arrow shows
    // a wrong place, where a test sees it.
    float tickX(int k) const { return tickline[std::clamp(k, 0, tickline.size() - 1)].x1(); }

    platform::Grip m_grip;

    short m_kindlow = 1, m_kindhigh = 1;
    short m_qkind = 1;
    float m_linelow = 0, m_linehigh = 0;
    double m_linestep = 1;
    float m_startval = 0, m_amount = 0, m_opkind = 0, m_answer = 0;
};

}  // namespace directed
