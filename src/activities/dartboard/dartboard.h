#pragma once
// Three darts land on the board; the class works out their total, a question built on it, or
// their mean. There is no answer entry: the solution button shows the answer.
#include "activities/shell/activity.h"

namespace dartboard {

class Dartboard : public shell::Activity {
    Q_OBJECT
public:
    explicit Dartboard(app::WindowRegistry& windows);

    platform::Label* Label8;
    platform::Image* Image2;
    platform::ControlArray<platform::Image> Image3;
    platform::Frame* Frame1;
    platform::Label* Label2;
    platform::Frame* Frame2;
    platform::Label* Label5;
    platform::Label* Label1;
    platform::Label* Label3;
    platform::Line* Line1;
    platform::Label* Label4;

    void cmdgo_Click() override;
    void cmdsoln_Click() override;
    void calculate();
    void clearup();

    int dartscore = 0;
    int qtype = 1;
    int extra = 2;

protected:
    void Form_Load() override;

private:
    void throwDart(int i, float cx, float cy);
    void showDarts();
};

}  // namespace dartboard
