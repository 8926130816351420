#pragma once
// Missing Numbers: an equation with one empty box in big type; the class types the number on the
// pad (it appears in the box as it is typed) and checks it. The solution draws the bar model, then
// writes out the inverse operations that find the number, then fills the box.
#include <array>
#include <optional>

#include "activities/missing/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"
#include "platform/barmodel.h"
#include "platform/mathline.h"

namespace missing {

inline constexpr shell::ActivityKind kMissing{"missing", "menu3", "Missing Numbers", true, false};

class Missing : public shell::Activity {
    Q_OBJECT
public:
    explicit Missing(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    platform::MathLine* lblequation;
    platform::Label* lblmodel;
    platform::BarModel* barmodel;
    platform::Label* lblworking;
    std::array<platform::MathLine*, 2> lblinverse;
    shell::NumberPad pad;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);
    void pad_Change();

    const Question& question() const { return *m_question; }

protected:
    void Form_Load() override;

private:
    void ask();
    void showEquation(const QString& inBox);
    void buildSteps();
    QString sign(Op op) const;
    QString number(long long value) const;
    QString firstStepText() const;

    std::optional<Question> m_question;
    int m_boxPiece = 0;  // which piece of the equation is the box
};

}  // namespace missing
