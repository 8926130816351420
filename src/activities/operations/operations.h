#pragma once
// Order of Operations: an expression in big type; the class works it out and answers on the pad.
// The solution does one operation a press: the operation done next is underlined, the part of the
// rule that chose it lights up, and the expression is written again below with it worked out,
// until one number is left.
#include <array>
#include <optional>

#include "activities/operations/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"
#include "platform/mathline.h"

namespace operations {

inline constexpr shell::ActivityKind kOperations{"operations", "menu3", "Order of Operations", true, false};

class Operations : public shell::Activity {
    Q_OBJECT
public:
    // Working lines below the expression: one per operation, and no question has more.
    static constexpr int kLines = 3;

    explicit Operations(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    platform::MathLine* lblexpression;
    platform::Label* lblrule;
    std::array<platform::Label*, 4> lblpart;  // brackets, squares, × and ÷, + and −
    std::array<platform::MathLine*, kLines> lblworking;
    shell::NumberPad pad;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);

    const Question& question() const { return *m_question; }
    long long answer() const { return m_answer; }

protected:
    void Form_Load() override;

private:
    void ask();
    void placeRuleParts();
    void buildSteps();
    void light(Rule rule);
    // The expression as pieces: tokens [from, to) underlined, the token `at` in the highlight colour.
    std::vector<platform::MathLine::Piece> pieces(const Expression& e, int from, int to, int at) const;

    Signs m_signs;
    std::optional<Question> m_question;
    long long m_answer = 0;
};

}  // namespace operations
