#pragma once
// Number Bonds: a bar model of the whole above its two parts, the known part shaded and the other
// marked "?", a bead string or rack under it, and a number line on which the solution counts up.
#include <optional>

#include "activities/bonds/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"
#include "platform/beads.h"
#include "platform/numberline.h"

namespace bonds {

inline constexpr shell::ActivityKind kBonds{"bonds", "menu2", "Number Bonds", true, false};

class Bonds : public shell::Activity {
    Q_OBJECT
public:
    explicit Bonds(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    platform::Label* lblworking;
    platform::Shape* shpwhole;
    platform::Shape* shpknown;
    platform::Shape* shpmissing;
    platform::Shape* shpfill;
    platform::Label* lblwhole;
    platform::Label* lblknown;
    platform::Label* lblmissing;
    platform::NumberLine* line;
    platform::Beads* beads;
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
    void showBar();
    void showLine();
    void showBeads();
    void buildSteps();
    // Writes a part's number inside it when it fits, else just under the bar.
    void caption(platform::Label& label, const QString& text, float left, float width);
    QString text(long long units) const;
    QString equation(bool solved) const;

    std::optional<Question> m_question;
};

}  // namespace bonds
