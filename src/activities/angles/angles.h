#pragma once
// Angles: two arms from a corner to name or estimate, an arm the pupil turns to make an angle, and
// missing angles on a straight line, around a point and in a triangle. The solution lays a
// protractor over the angle and reads it, or writes out the sum that finds the missing angle.
#include <optional>

#include "activities/angles/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"
#include "platform/anglefigure.h"

namespace angles {

inline constexpr shell::ActivityKind kAngles{"angles", "menu5", "Angles", true, false};

class Angles : public shell::Activity {
    Q_OBJECT
public:
    explicit Angles(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    platform::AngleFigure* figure;
    platform::ControlArray<platform::CommandButton> cmdkind;
    platform::Label* lblstep;
    platform::Label* lblsum;
    shell::NumberPad pad;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);
    void cmdkind_Click(int kind);
    void figure_ArmTurned(double direction);

    const Question& question() const { return *m_question; }
    // The angle the pupil has made so far (make an angle).
    int made() const { return m_made; }
    // The kind chosen on the buttons, if any.
    std::optional<Kind> chosenKind() const { return m_chosen; }

    // Where the figure puts the corner of two arms, and how long the arms are.
    static constexpr double kArmsCornerX = 2950;
    static constexpr double kArmsCornerY = 2850;
    static constexpr double kArmLength = 2530;

protected:
    void Form_Load() override;

private:
    void ask();
    void drawArms();
    void drawMissing();
    void showKinds(bool shown);
    void stackKinds();
    void buildSteps();
    void buildProtractorSteps();
    void buildMissingSteps();
    void say(const QString& sentence);
    void setMade(int opening);
    QString degreesText(int degrees) const;

    std::optional<Question> m_question;
    int m_made = 0;
    std::optional<Kind> m_chosen;
    int m_missingMark = -1;  // the figure's mark that holds the missing angle
};

}  // namespace angles
