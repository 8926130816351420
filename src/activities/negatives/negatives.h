#pragma once
// Ordering Negatives: five number tiles dragged into five boxes from the smallest to the largest,
// dragging, snapping and checking as Ordering Whole Numbers does. The solution first shows the five
// on a number line kept hidden under the boxes, then moves the tiles into place.
#include <array>
#include <optional>

#include "activities/negatives/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/steps.h"
#include "platform/numberline.h"

namespace negatives {

inline constexpr shell::ActivityKind kNegatives{"negatives", "menu4", "Ordering Negatives", true, false};

class Negatives : public shell::Activity {
    Q_OBJECT
public:
    explicit Negatives(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    platform::Label* lblsmallest;
    platform::Label* lbllargest;
    platform::ControlArray<platform::Label> lblbox;   // the boxes, smallest first
    platform::ControlArray<platform::Label> lblslot;  // the home slots, under the tiles as drawn
    platform::ControlArray<platform::Label> lbltile;  // tile k belongs in box k
    platform::NumberLine* line;
    platform::ControlArray<platform::Label> lblvalue;  // the values over the line, smallest first
    platform::ControlArray<platform::Line> linvalue;   // from each value down to its place on the line
    platform::Label* lblstep;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);
    void lbltile_MouseDown(int index, const platform::MouseEvent& e);
    void lbltile_MouseMove(int index, const platform::MouseEvent& e);
    void lbltile_MouseUp(int index, const platform::MouseEvent& e);

    const Question& question() const { return *m_question; }
    // Where tile k stood when the question was asked.
    QPointF home(int k) const { return m_homes[static_cast<std::size_t>(k)]; }

protected:
    void Form_Load() override;

private:
    void ask();
    void buildSteps();
    void showOnLine(const Question& q);
    QString text(int i) const;

    std::optional<Question> m_question;
    std::array<QPointF, kTiles> m_homes{};
    std::array<QPointF, kTiles> m_slideFrom{};
    qreal m_frontZ = 0;  // the z value that puts a picked-up tile in front of everything
    platform::Grip m_grip;
};

}  // namespace negatives
