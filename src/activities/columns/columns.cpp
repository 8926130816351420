#include "activities/columns/columns.h"

#include <algorithm>

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/language.h"
#include "app/textblocks.h"

namespace columns {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("columns"));
// Rows of the block: the questions, the mode captions, the working's sentences, the instruction.
constexpr int kAddTwoRow = 0;
constexpr int kAddThreeRow = 1;
constexpr int kSubtractRow = 2;
constexpr int kModeRow = 3;
constexpr int kCarryRow = 9;
constexpr int kWriteRow = 10;
constexpr int kExchangeRow = 11;
constexpr int kTapRow = 12;
constexpr int kDutch = 5;

// Where the paper may stand: the board between the question and the working's sentence.
constexpr float kPaperTop = 960;
constexpr float kPaperBottom = 5880;
constexpr float kStepBottom = 6800;  // the number pad's boxes start just below
constexpr float kLargestCell = 1000;
constexpr float kMargin = 0.5f;  // blank squares round the sum, in cells
constexpr int kSlideFrames = 24;  // a carried figure slides for about 0.4 s

const QColor kSolutionRed{0xC8, 0x10, 0x2E};
const QColor kCarryOrange{0xD9, 0x48, 0x0F};
const QColor kPlaceholderGrey{0x8A, 0x8A, 0x8A};
const QColor kPupilBlue{0x10, 0x40, 0xC0};

const QString kMinus = QStringLiteral("\u2212");
}  // namespace

Columns::Columns(app::WindowRegistry& windows)
    : Activity(kColumns, windows), pad(*this), modes(*this, QString::fromLatin1(kColumns.screen), kModes), steps(this) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, look::kBoardRight - look::kBoardLeft, 720);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    paper = add<SquaredPaper>(nullptr, "paper", look::kBoardLeft, kPaperTop);
    std::vector<QColor> palette(kRoles);
    palette[kNumberInk] = look::kInk;
    palette[kSignInk] = look::kInk;
    palette[kAnswerInk] = kSolutionRed;
    palette[kCarryInk] = kCarryOrange;
    palette[kPlaceholderInk] = kPlaceholderGrey;
    palette[kRuleInk] = look::kInk;
    paper->setPalette(palette);
    paper->setEntryColor(kPupilBlue);
    paper->onCellTapped = [this](int row, int column) { paper_CellTapped(row, column); };

    lblstep = add<Label>(nullptr, "lblstep", look::kBoardLeft, 5940, look::kBoardRight - look::kBoardLeft, 860);
    lblstep->setFont({QStringLiteral("Tahoma"), 20, true});
    lblstep->setForeColor(colors::White);
    lblstep->setAlignment(Align::Center);

    usePad(&pad);
    pad.onKey = [this](const QString& key) { return pad_Key(key); };
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Columns::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    cmdgo_Click();
}

void Columns::modes_Choose(int) { cmdgo_Click(); }

void Columns::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Columns::ask() {
    m_question = m_questions.next(modes.mode(), rnd(), m_question);
    const Question& q = *m_question;
    QStringList numbers;
    for (Decimal n : q.numbers) numbers << shell::numberText(n, 0, shell::Grouping::Thousands);
    const QString text = q.subtracts()            ? kTexts.format(kSubtractRow, numbers.value(0), numbers.value(1))
                         : q.numbers.size() == 3 ? kTexts.format(kAddThreeRow, numbers.value(0), numbers.value(1), numbers.value(2))
                                                  : kTexts.format(kAddTwoRow, numbers.value(0), numbers.value(1));
    lblquestion->setCaptionFitted(text, look::kQuestionMinimum);
    lblstep->setCaptionFitted(kTexts[kTapRow], look::kQuestionMinimum);
    m_layout = columns::layout(q, shell::decimalPoint(), app::lang().langIndexValue() == kDutch);
    placePaper();
    std::vector<std::pair<int, int>> cells;
    for (int column : m_layout.answerColumns) cells.emplace_back(m_layout.answerRow, column);
    paper->setEntryCells(cells);
    paper->setEnabled(true);
    steps.clear();
    pad.clear();
    pad.setEnabled(true);
    // Column sums start at the right.
    select(static_cast<int>(m_layout.answerColumns.size()) - 1);
}

void Columns::placePaper() {
    const Sheet& sheet = m_layout.sheet;
    const float across = look::kBoardRight - look::kBoardLeft, down = kPaperBottom - kPaperTop;
    const float cell = std::min({kLargestCell, across / (float(sheet.columns) + 2 * kMargin), down / (float(sheet.rows) + 2 * kMargin)});
    // Digits fill most of a square; carries stay at the size the back row can read.
    paper->setFonts({QStringLiteral("Arial"), cell * 0.62f / 20, true}, {QStringLiteral("Arial"), std::max(18.0f, cell * 0.4f / 20), true});
    paper->setSheet(sheet, cell, kMargin);
    paper->move(look::kBoardLeft + (across - paper->width()) / 2, kPaperTop + (down - paper->height()) / 2);
    // The working's sentences take whatever the paper leaves above the number pad.
    const float below = paper->top() + paper->height() + 60;
    lblstep->move(look::kBoardLeft, below, across, kStepBottom - below);
}

int Columns::selectedIndex() const {
    const auto& columns = m_layout.answerColumns;
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (paper->selectedRow() == m_layout.answerRow && paper->selectedColumn() == columns[i]) return static_cast<int>(i);
    return -1;
}

void Columns::select(int index) {
    const auto& columns = m_layout.answerColumns;
    if (index < 0 || index >= static_cast<int>(columns.size())) return;
    paper->setSelected(m_layout.answerRow, columns[static_cast<std::size_t>(index)]);
}

void Columns::paper_CellTapped(int row, int column) {
    if (!steps.empty()) return;
    paper->setSelected(row, column);
}

std::vector<QString> Columns::written() const {
    std::vector<QString> cells;
    for (int column : m_layout.answerColumns) cells.push_back(paper->entry(m_layout.answerRow, column));
    return cells;
}

bool Columns::pad_Key(const QString& key) {
    const int index = selectedIndex();
    const int row = m_layout.answerRow;
    const auto columnAt = [&](int i) { return m_layout.answerColumns[static_cast<std::size_t>(i)]; };
    if (key == QLatin1String("clear")) {
        paper->clearEntries();
        select(static_cast<int>(m_layout.answerColumns.size()) - 1);
    } else if (index < 0) {
        return true;
    } else if (key.size() == 1 && key[0].isDigit()) {
        paper->setEntry(row, columnAt(index), key);
        // The next digit of a column sum goes one square to the left.
        select(index - 1);
    } else if (key == QLatin1String("del")) {
        // Like a backspace going back over the squares just written, right to left.
        if (paper->entry(row, columnAt(index)).isEmpty() && index + 1 < static_cast<int>(m_layout.answerColumns.size())) select(index + 1);
        paper->setEntry(row, paper->selectedColumn(), QString());
    }
    showWritten();
    return true;
}

void Columns::showWritten() {
    // The box under the paper reads the answer squares as one number, for the back of the room.
    const std::vector<QString> cells = written();
    QString text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (m_layout.pointColumn >= 0 && m_layout.answerColumns[i] > m_layout.pointColumn &&
            (i == 0 || m_layout.answerColumns[i - 1] < m_layout.pointColumn) && !text.isEmpty())
            text += shell::decimalPoint();
        if (cells[i].isEmpty() && text.isEmpty()) continue;
        text += cells[i].isEmpty() ? QStringLiteral("_") : cells[i];
    }
    pad.setText(0, text);
}

void Columns::cmdcheckit_Click() {
    clearFeedback();
    judge(answerWritten(*m_question, written()));
}

void Columns::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    steps.reveal();
}

QString Columns::columnSentence(const Column& c, bool last, bool written) const {
    const auto term = [](int digit) { return QString::number(std::max(0, digit)); };
    if (m_question->subtracts()) {
        const int bottom = c.digits.size() > 1 ? std::max(0, c.digits[1]) : 0;
        if (c.exchanged)
            return kTexts.format(kExchangeRow, QString::number(c.top - 10), QString::number(bottom), QString::number(c.top),
                                 QString::number(c.digit));
        const QString difference = term(c.top) + QLatin1Char(' ') + kMinus + QLatin1Char(' ') + term(bottom);
        // A zero in front of the answer is not written, so the sentence does not say to write it.
        if (!written) return difference + QStringLiteral(" = 0");
        return kTexts.format(kWriteRow, difference, QString::number(c.digit));
    }
    QStringList terms;
    for (int d : c.digits) terms << term(d);
    if (c.carryIn > 0) terms << QString::number(c.carryIn);
    const QString sum = terms.join(QStringLiteral(" + "));
    if (c.carryOut > 0 && !last)
        return kTexts.format(kCarryRow, sum, QString::number(c.total), QString::number(c.digit), QString::number(c.carryOut));
    return kTexts.format(kWriteRow, sum, QString::number(c.total));
}

void Columns::buildSteps() {
    const Question q = *m_question;
    paper->clearEntries();
    paper->setSelected(-1, -1);
    paper->setEnabled(false);
    pad.clear();
    const std::vector<Column> work = working(q);
    QStringList numbers;
    for (Decimal n : q.numbers) numbers << shell::numberText(n, 0, shell::Grouping::Thousands);
    const QString whole = numbers.join(q.subtracts() ? QLatin1Char(' ') + kMinus + QLatin1Char(' ') : QStringLiteral(" + ")) +
                          QStringLiteral(" = ") + shell::numberText(answer(q), 0, shell::Grouping::Thousands);
    const Sheet& sheet = m_layout.sheet;
    for (std::size_t i = 0; i < work.size(); ++i) {
        const int step = static_cast<int>(i) + 1;
        const bool last = i + 1 == work.size();
        QString sentence = columnSentence(work[i], last, answerHasDigit(q, static_cast<int>(i)));
        // The whole sum closes the working, where the board has room for it.
        if (last && lblstep->captionFits(sentence + QLatin1Char('\n') + whole, look::kQuestionMinimum)) sentence += QLatin1Char('\n') + whole;
        const bool moves = std::any_of(sheet.inks.begin(), sheet.inks.end(), [step](const Sheet::Ink& k) { return k.slides && k.step == step; });
        steps.add({[this, step, sentence] {
                       paper->setStep(step, 0);
                       lblstep->setCaptionFitted(sentence, look::kQuestionMinimum);
                   },
                   [this, step](double t) { paper->setStep(step, t); }, moves ? kSlideFrames : 0});
    }
}

}  // namespace columns
