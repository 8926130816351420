#pragma once
// Area and Perimeter: a rectangle or a shape made of rectangles, shaded on squared paper or drawn
// with its sides' lengths; the class gives its area in cm² or its perimeter in cm on the number pad,
// or shades a shape of a given area and perimeter. The solution counts the squares or splits the
// shape into rectangles, length × width for each, and goes round the outline side by side adding
// the lengths.
#include <optional>

#include "activities/area/drawing.h"
#include "activities/area/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"

namespace area {

inline constexpr shell::ActivityKind kAreaKind{"area", "menu5", "Area and Perimeter", true, false};

class Area : public shell::Activity {
    Q_OBJECT
public:
    explicit Area(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    Drawing drawing;
    platform::Label* lblkey;  // what a square or a length stands for
    platform::Label* lblstep;
    platform::ControlArray<platform::Label> lblpart;  // length × width of each rectangle, in its colour
    platform::Label* lblsum;
    shell::NumberPad pad;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);

    const Question& question() const { return *m_question; }
    // The squares the pupil has shaded on the paper.
    Region shaded() const;

protected:
    void Form_Load() override;

private:
    void ask();
    void buildSteps();
    void addCount(const QString& sentence);
    void addParts();
    void addTrace();
    void say(const QString& sentence);
    void showSum(const QString& sum);
    void layoutPanel();
    QString product(int a, int b) const;

    std::optional<Question> m_question;
    // The count in progress: the squares in counting order and their numbers, made before it runs.
    std::vector<std::pair<int, int>> m_counting;
    std::vector<QString> m_numbers;
    int m_counted = 0;
    QString m_sum;  // the lengths added so far
};

}  // namespace area
