#pragma once
// Doubles and Halves: "Double 36" or "Half of 74", answered on the number pad; the solution draws the
// partitioning diagram one step a press: the number splits into parts, each part is doubled or
// halved, and the results join into the answer.
#include <optional>

#include "activities/doubles/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"

namespace doubles {

inline constexpr shell::ActivityKind kDoubles{"doubles", "menu2", "Doubles and Halves", true, false};

class Doubles : public shell::Activity {
    Q_OBJECT
public:
    explicit Doubles(app::WindowRegistry& windows);

    static constexpr int kMostParts = 3;

    platform::Label* lblquestion;
    platform::Label* lblnumber;                       // the number at the top of the diagram
    platform::ControlArray<platform::Label> lblpart;  // its parts
    platform::ControlArray<platform::Label> lbldone;  // each part doubled or halved
    platform::ControlArray<platform::Label> lblop;    // "× 2" or "÷ 2" beside each
    platform::ControlArray<platform::Label> lblplus;  // between the results
    platform::Label* lblresult;
    platform::ControlArray<platform::Line> linesplit;
    platform::ControlArray<platform::Line> linework;
    platform::ControlArray<platform::Line> linejoin;
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
    void clearDiagram();
    void buildSteps();
    // Puts a box with its centre at x and its top at y, and the line joining it to the box above.
    void place(platform::Label& box, float x, float y);
    static void join(platform::Line& line, const platform::Label& above, const platform::Label& below);
    QString text(platform::Decimal value) const;

    std::optional<Question> m_question;
};

}  // namespace doubles
