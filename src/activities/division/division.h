#pragma once
// Short Division: a division laid out on squared paper the way the chosen language's schools write
// it, answered on the number pad with its remainder, and worked one quotient digit a press. The
// English edition writes the bus stop and takes a remainder after an "r"; the other edition lays
// the division out as the language's classrooms do and has a second box for the remainder.
#include <optional>

#include "activities/division/layout.h"
#include "activities/division/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/edition.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"
#include "platform/squaredpaper.h"

namespace division {

inline constexpr shell::EditionKinds kDivision{
    {"division", "menu3", "Short Division", true, false},
    {"division2", "menu3", "Short Division", true, false},
};

class Division : public shell::Activity {
    Q_OBJECT
public:
    Division(shell::Edition edition, app::WindowRegistry& windows);

    platform::Label* lblquestion;
    platform::SquaredPaper* paper;
    platform::Label* lblstep;
    shell::NumberPad pad;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);
    // The English edition writes a remainder after " r " in the one box.
    bool pad_Key(const QString& key);

    shell::Edition edition() const { return m_edition; }
    Style style() const { return m_style; }
    const Question& question() const { return *m_question; }
    const Layout& sheetLayout() const { return m_layout; }

protected:
    void Form_Load() override;

private:
    bool remainderBox() const { return m_edition == shell::Edition::Other; }
    void ask();
    void placePaper();
    void buildSteps();
    QString shortSentence(const std::vector<Digit>& digits, std::size_t i) const;
    QString longSentence(const std::vector<LongStep>& steps, std::size_t k) const;
    QString wholeDivision() const;

    shell::Edition m_edition;
    Style m_style;
    Questions m_questions;
    std::optional<Question> m_question;
    Layout m_layout;
};

}  // namespace division
