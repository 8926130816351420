#pragma once
// Solid Shapes: one solid, large and shaded, turning slowly; a drag turns it and a throw keeps it
// spinning. The class names it, counts its faces, edges or vertices, or finds the net that folds
// to it. Counting, the solution lights each face, edge or vertex in turn and turns it into view.
#include <optional>

#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"
#include "activities/solids/rules.h"
#include "platform/polygonpicture.h"
#include "platform/solidview.h"
#include "platform/timer.h"

namespace solids {

inline constexpr shell::ActivityKind kSolidShapes{"solids", "menu5", "Solid Shapes", true, false};

class Solids : public shell::Activity {
    Q_OBJECT
public:
    explicit Solids(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    platform::SolidView* solid;
    platform::Label* lblcount;
    platform::Label* lblstep;
    platform::ControlArray<platform::PolygonPicture> picnet;
    platform::Timer* tmrturn;
    shell::NumberPad pad;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);
    void picnet_Click(int index);
    void tmrturn_Timer();

    const Question& question() const { return *m_question; }
    std::optional<int> chosenNet() const { return m_chosen; }

    static constexpr int kTurnFrames = 40;  // a turn to the next thing counted: two thirds of a second

protected:
    void Form_Load() override;

private:
    void ask();
    void layOut(bool nets);
    void buildSteps();
    void buildNameSteps();
    void buildCountSteps();
    void buildNetSteps();
    QString countLine(int mode, int count) const;

    std::optional<Question> m_question;
    std::optional<int> m_chosen;
    double m_fromYaw = 0, m_fromPitch = 0;  // where a counting turn set out from
};

}  // namespace solids
