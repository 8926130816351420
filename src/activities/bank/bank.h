#pragma once
// Bank Balance: a bank statement with one payment in or out, and a balance bar on a vertical scale
// that goes below zero into the red. The class works out the balance after the payment, or before
// it; the solution moves the bar to zero and on beyond it, each part labelled. The English edition
// counts in pounds, the other in euros (Welsh in pounds), written as the chosen language writes them.
#include <optional>

#include "activities/bank/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/edition.h"
#include "activities/shell/modes.h"
#include "activities/shell/money.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"
#include "platform/numberline.h"

namespace bank {

inline constexpr shell::EditionKinds kBankKinds{{"bank", "menu4", "Bank Balance", true, false},
                                                {"bank2", "menu4", "Bank Balance", true, false}};

class Bank : public shell::Activity {
    Q_OBJECT
public:
    // The statement's cells: a row of headings, the balance before, the payment.
    static constexpr int kColumns = 3;
    static constexpr int kRows = 3;

    Bank(app::WindowRegistry& windows, shell::Edition edition);

    platform::Label* lblquestion;
    platform::Shape* shpred;  // the scale below zero
    platform::Shape* shpbar;  // the balance, from zero to where it stands
    platform::NumberLine* line;
    platform::Shape* shppaper;
    platform::Label* lblheading;
    platform::ControlArray<platform::Label> lblcell;  // row by row
    platform::Label* lblstep;
    shell::NumberPad pad;
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);

    shell::Edition edition() const { return m_edition; }
    const shell::MoneyStyle& style() const { return m_style; }
    const Question& question() const { return *m_question; }
    // The balance the bar stands at (between two pence while it moves).
    double barBalance() const { return m_bar; }
    platform::Label& cell(int row, int column) const { return lblcell[row * kColumns + column]; }

protected:
    void Form_Load() override;

private:
    void ask();
    void fillStatement();
    void showScale();
    void setBar(double balance);
    void buildSteps();
    void say(const QString& sentence);
    QString text(long long minor) const;

    shell::Edition m_edition;
    shell::MoneyStyle m_style;
    std::optional<Question> m_question;
    double m_bar = 0;
};

}  // namespace bank
