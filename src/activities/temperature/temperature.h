#pragma once
// Temperature Changes: a tall thermometer whose red column a pupil drags degree by degree, a flag at
// the earlier reading, and questions about a rise or fall or the change between two readings,
// answered by the column or on the number pad. The solution moves the column degree by degree with
// a bracket for the change, in two parts when it passes zero.
#include <optional>

#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"
#include "activities/temperature/rules.h"
#include "platform/thermometer.h"

namespace temperature {

inline constexpr shell::ActivityKind kTemperature{"temperature", "menu4", "Temperature Changes", true, false};

class Temperature : public shell::Activity {
    Q_OBJECT
public:
    explicit Temperature(app::WindowRegistry& windows);

    platform::Thermometer* thermometer;
    platform::Label* lblgrip;  // where the column's top is taken hold of
    platform::Label* lblquestion;
    platform::Label* lblhint;
    platform::Label* lblstep;
    shell::NumberPad pad;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);
    void lblgrip_MouseDown(const platform::MouseEvent& e);
    void lblgrip_MouseMove(const platform::MouseEvent& e);
    void lblgrip_MouseUp(const platform::MouseEvent& e);

    const Question& question() const { return *m_question; }
    // The degree the column's top stands at.
    long long columnAt() const { return m_columnAt; }

protected:
    void Form_Load() override;
    bool Form_KeyDown(int qtKey) override;

private:
    void ask();
    void setColumn(long long degrees);
    void buildSteps();
    void say(const QString& sentence);
    QString degrees(long long value) const;

    Questions m_questions;
    std::optional<Question> m_question;
    long long m_columnAt = 0;
    platform::Grip m_grip;
};

}  // namespace temperature
