#pragma once
// Column Addition: a sum written in columns on squared paper, large. A pupil taps an answer square
// and types its digit on the pad, column by column; Check judges the whole answer; the solution
// works one column a press from the right, carrying (or exchanging) as the class is taught.
#include <optional>

#include "activities/columns/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/numberpad.h"
#include "activities/shell/steps.h"
#include "platform/squaredpaper.h"

namespace columns {

inline constexpr shell::ActivityKind kColumns{"columns", "menu3", "Column Addition", true, false};

class Columns : public shell::Activity {
    Q_OBJECT
public:
    explicit Columns(app::WindowRegistry& windows);

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
    void paper_CellTapped(int row, int column);
    // A key of the pad or the keyboard: digits go into the chosen answer square.
    bool pad_Key(const QString& key);

    const Question& question() const { return *m_question; }
    const Layout& sheetLayout() const { return m_layout; }
    // What the pupil has written in the answer squares, left to right.
    std::vector<QString> written() const;

protected:
    void Form_Load() override;

private:
    void ask();
    void placePaper();
    void select(int index);
    int selectedIndex() const;
    void showWritten();
    void buildSteps();
    QString columnSentence(const Column& c, bool last, bool written) const;

    Questions m_questions;
    std::optional<Question> m_question;
    Layout m_layout;
};

}  // namespace columns
