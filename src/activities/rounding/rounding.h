#pragma once
// Rounding: a number marked by an arrow on the line between the two multiples it lies between;
// the class rounds it, answers on the number pad, and the solution shows why step by step.
#include <optional>

#include "activities/rounding/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"
#include "platform/numberline.h"

namespace rounding {

inline constexpr shell::ActivityKind kRounding{"rounding", "menu1", "Rounding", true, false};

class Rounding : public shell::Activity {
    Q_OBJECT
public:
    explicit Rounding(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    platform::NumberLine* line;
    platform::Label* lblstep;
    shell::NumberPad pad;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);

    const Question& question() const { return *m_question; }

protected:
    void Form_Load() override;

private:
    void ask();
    void showLine(bool endsLabelled);
    void buildSteps();
    void say(const QString& sentence);
    QString text(long long units) const;

    Questions m_questions;
    std::optional<Question> m_question;
};

}  // namespace rounding
