#pragma once
// Coordinates: points on squared paper to read (answered as x and y on the number pad) or to plot
// (dragged to a crossing), in the first quadrant or all four, and the missing corner of a square or
// rectangle. The solution walks along the x axis and then up or down to the point.
#include <optional>

#include "activities/coordinates/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"
#include "platform/axes.h"

namespace coordinates {

inline constexpr shell::ActivityKind kCoordinates{"coordinates", "menu5", "Coordinates", true, false};

class Coordinates : public shell::Activity {
    Q_OBJECT
public:
    explicit Coordinates(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    platform::Axes* axes;
    platform::Label* lblstep;
    shell::NumberPad pad;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);
    void axes_PointDropped(int index, QPoint crossing);

    const Question& question() const { return *m_question; }
    // Where the pupil's point stands now (plotting questions).
    QPoint plotted() const { return m_plotted; }

protected:
    void Form_Load() override;

private:
    void ask();
    void buildSteps();
    void say(const QString& sentence);
    QString pair(QPoint p) const;

    std::optional<Question> m_question;
    QPoint m_plotted;
    int m_pupilsPoint = -1;  // the index of the draggable point among the axes' points
};

}  // namespace coordinates
