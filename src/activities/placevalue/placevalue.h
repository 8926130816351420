#pragma once
// Place Value: a number in digit cards on a place-value chart. The class says what a red digit is
// worth, writes a partitioned number in digits, or multiplies and divides by 10, 100 and 1000,
// answering on the number pad; the solution lights the column, flies the parts into the chart, or
// slides the digits across the columns while the decimal point stays still.
#include <optional>

#include "activities/placevalue/chart.h"
#include "activities/placevalue/parts.h"
#include "activities/placevalue/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"

namespace placevalue {

inline constexpr shell::ActivityKind kPlaceValue{"placevalue", "menu1", "Place Value", true, false};

class PlaceValue : public shell::Activity {
    Q_OBJECT
public:
    explicit PlaceValue(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    Chart chart;
    Parts parts;
    platform::Label* lblvalue;
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
    void buildSteps();
    void addDigitSteps();
    void addPartSteps();
    void addShiftSteps();
    void say(const QString& sentence);
    QString text(platform::Decimal value) const;
    QString sign(bool times) const;

    Questions m_questions;
    std::optional<Question> m_question;
    int m_chartMode = -1;
};

}  // namespace placevalue
