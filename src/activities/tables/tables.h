#pragma once
// Times Tables: a fact asked three ways beside an array of dots that the solution fills row by row,
// counting in the table's steps. The teacher picks the table, and quick-fire asks the next fact by
// itself every few seconds until a key or a click on the page pauses it.
#include <optional>

#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"
#include "activities/tables/rules.h"
#include "platform/dotarray.h"

namespace tables {

inline constexpr shell::ActivityKind kTables{"tables", "menu2", "Times Tables", true, false};

class Tables : public shell::Activity {
    Q_OBJECT
public:
    explicit Tables(app::WindowRegistry& windows);

    static constexpr int kTableChoices = kLargestTable - kSmallestTable + 1;

    platform::Label* lblquestion;
    platform::DotArray* dots;
    platform::Label* lblstep;
    platform::Frame* frametable;
    platform::ControlArray<platform::OptionButton> opttable;
    platform::Frame* framequick;
    platform::ControlArray<platform::OptionButton> optquick;  // off, then each time
    platform::Shape* shptrack;
    platform::Shape* shptime;
    platform::CommandButton* cmdgoon;
    platform::Timer* tmrquick;
    shell::NumberPad pad;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);
    void opttable_Click(int index);
    void optquick_Click(int index);
    void cmdgoon_Click();
    void tmrquick_Timer();

    const Question& question() const { return *m_question; }
    const QuickFire& quickFire() const { return m_quick; }
    int table() const;

protected:
    void Form_Load() override;
    bool Form_KeyDown(int qtKey) override;
    void Form_PointerDown() override;

private:
    void ask();
    void pause();
    void showQuickFire();
    void layoutQuickFire();
    void buildSteps();
    QString equation(bool solved) const;

    Round m_round;
    QuickFire m_quick;
    std::optional<Question> m_question;
};

}  // namespace tables
