#pragma once
// Factors and Multiples: a 100-square the class shades by tapping, the multiples or the factors of
// a number, or of two numbers in two colours so that the common ones show in a third. Check
// compares the shading with the right cells exactly; the solution counts the right cells in one at
// a time, lists the factor pairs beside the square and rings the cells shaded by mistake.
#include <optional>

#include "activities/factors/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/steps.h"
#include "platform/grid.h"

namespace factors {

inline constexpr shell::ActivityKind kFactorsKind{"factors", "menu1", "Factors and Multiples", true, false};

class Factors : public shell::Activity {
    Q_OBJECT
public:
    explicit Factors(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    platform::Grid* grid;
    platform::ControlArray<platform::OptionButton> optpen;  // the two colours of the common modes
    platform::Label* lblstep;
    platform::ControlArray<platform::Label> lblpairs;
    platform::Label* lblcommon;  // the common ones, in the overlap's green
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);
    void optpen_Click(int index);

    const Question& question() const { return *m_question; }
    // The shade the class has given each cell, by number.
    Shades shaded() const;
    static int rowOf(int number) { return (number - 1) / 10; }
    static int columnOf(int number) { return (number - 1) % 10; }

protected:
    void Form_Load() override;

private:
    void ask();
    void buildSteps();
    void addCount(int layer, int n);
    void showPairs(int column, int n, int layer);
    void showCommon(const QString& sentence);
    QString listOf(const std::vector<int>& numbers) const;

    std::optional<Question> m_question;
    Shades m_marked{};  // the class's shading when the solution began
    std::vector<int> m_counting;
    int m_counted = 0;
};

}  // namespace factors
