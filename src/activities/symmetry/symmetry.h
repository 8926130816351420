#pragma once
// Symmetry: squared paper with a thick mirror line (upright, level, diagonal, or an upright and a
// level one) and a pattern of shaded squares on one side. The class shades the squares that complete
// it; Check compares the whole page with the reflection exactly. The solution brings each twin in
// one by one in its square's colour, nearest the mirror first, then rings the squares shaded by mistake.
#include <QHash>
#include <optional>

#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/steps.h"
#include "activities/symmetry/rules.h"
#include "platform/grid.h"

namespace symmetry {

inline constexpr shell::ActivityKind kSymmetryKind{"symmetry", "menu5", "Symmetry", true, false};

class Symmetry : public shell::Activity {
    Q_OBJECT
public:
    explicit Symmetry(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    platform::Grid* grid;
    platform::ControlArray<platform::Line> linmirror;
    platform::ControlArray<platform::OptionButton> optpen;  // the two colours of a two-colour pattern
    platform::Label* lblstep;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);
    void optpen_Click(int index);

    const Question& question() const { return *m_question; }
    // The shade of every square on the page now.
    Shades shaded() const;

    static constexpr float kCell = 640;
    static constexpr float kGridTop = 1440;

protected:
    void Form_Load() override;

private:
    void ask();
    void showMirror(int index, const Mirror& m);
    void buildSteps();
    void addReflection(const std::vector<Twin>& twins, int sentenceRow, bool first);

    std::optional<Question> m_question;
    QHash<QString, float> m_questionSizes;  // the size each question text fitted at
    Shades m_marked{};  // the page when the solution began
    std::vector<Twin> m_appearing;
    int m_appeared = 0;
};

}  // namespace symmetry
