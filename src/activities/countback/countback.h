#pragma once
// Counting Back: a counter stands on the start number of a line through zero; the class counts back
// aloud, a pupil drags the counter to where they land and Check judges where it stands. The solution
// hops it back one numbered jump at a time and lights the landing number.
#include <optional>

#include "activities/countback/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/steps.h"
#include "platform/numberline.h"

namespace countback {

inline constexpr shell::ActivityKind kCountback{"countback", "menu4", "Counting Back", true, false};

class Countback : public shell::Activity {
    Q_OBJECT
public:
    explicit Countback(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    platform::Label* lblhint;
    platform::NumberLine* line;
    platform::Label* lblcounter;  // where the counter is grabbed: it covers the counter and its number
    platform::Label* lblstep;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);
    void lblcounter_MouseDown(const platform::MouseEvent& e);
    void lblcounter_MouseMove(const platform::MouseEvent& e);
    void lblcounter_MouseUp(const platform::MouseEvent& e);

    const Question& question() const { return *m_question; }
    // Where the counter stands, in the line's units.
    long long counterAt() const { return m_counterAt; }

protected:
    void Form_Load() override;
    bool Form_KeyDown(int qtKey) override;

private:
    void ask();
    // The counter and its handle on a value.
    void placeCounter(long long units);
    // Scale labels for the line, leaving room for the lit numbers of these values.
    void labelAround(const std::vector<long long>& lit);
    void buildSteps();
    QString text(long long units) const;
    int counterIndex() const { return static_cast<int>(line->markers().size()) - 1; }

    Questions m_questions;
    std::optional<Question> m_question;
    long long m_counterAt = 0;
    platform::Grip m_grip;
};

}  // namespace countback
