#include "activities/division/division.h"

#include <algorithm>

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/language.h"
#include "app/textblocks.h"

namespace division {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("division"));
// Rows of the block, shared by both editions.
constexpr int kQuestionRow = 0;
constexpr int kDecimalQuestionRow = 1;
constexpr int kModeRow = 2;
constexpr int kMarkRow = 6;           // written before a remainder on the board
constexpr int kRemainderWordRow = 7;  // the remainder box's caption and the word in sentences
constexpr int kCarryRow = 8;
constexpr int kExactRow = 9;
constexpr int kNoGoRow = 10;
constexpr int kLastRemainderRow = 11;
constexpr int kPointRow = 12;
constexpr int kLongRow = 13;
constexpr int kLongPointRow = 14;
constexpr int kTypeRemainderRow = 15;
constexpr int kTypeTwoBoxesRow = 16;
constexpr int kTypeDecimalRow = 17;
constexpr int kSignRow = 18;

constexpr float kPaperTop = 960;
constexpr float kPaperBottom = 5880;
constexpr float kStepBottom = 6800;  // the number pad's boxes start just below
constexpr float kLargestCell = 1000;
constexpr float kMargin = 0.3f;  // the long forms need every row the board has
constexpr int kSlideFrames = 24;  // a carried remainder slides for about 0.4 s

const QString kRemainderKey = QStringLiteral("r");
const QString kRemainderTyped = QStringLiteral(" r ");

QString text(long long v) { return QString::number(v); }
}  // namespace

Division::Division(shell::Edition edition, app::WindowRegistry& windows)
    : Activity(kDivision.of(edition), windows),
      pad(*this, edition == shell::Edition::English ? 1 : 2),
      modes(*this, QString::fromLatin1(kDivision.of(edition).screen), kModes),
      steps(this),
      m_edition(edition),
      m_style(Style::BusStop) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, look::kBoardRight - look::kBoardLeft, 720);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    paper = add<SquaredPaper>(nullptr, "paper", look::kBoardLeft, kPaperTop);
    std::vector<QColor> palette(kRoles);
    palette[kNumberInk] = look::kInk;
    palette[kQuotientInk] = QColor(0xC8, 0x10, 0x2E);
    palette[kCarryInk] = QColor(0xD9, 0x48, 0x0F);
    palette[kWorkingInk] = QColor(0x1D, 0x4E, 0x9E);
    palette[kAddedInk] = QColor(0x8A, 0x8A, 0x8A);
    palette[kRuleInk] = look::kInk;
    palette[kWorkingRule] = QColor(0x1D, 0x4E, 0x9E);
    paper->setPalette(palette);
    paper->setEnabled(false);

    lblstep = add<Label>(nullptr, "lblstep", look::kBoardLeft, 5940, look::kBoardRight - look::kBoardLeft, 860);
    lblstep->setFont({QStringLiteral("Tahoma"), 20, true});
    lblstep->setForeColor(colors::White);
    lblstep->setAlignment(Align::Center);

    usePad(&pad);
    pad.onKey = [this](const QString& key) { return pad_Key(key); };
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Division::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    // The English edition is the bus stop whatever the language; the other follows the language.
    m_style = m_edition == shell::Edition::English ? Style::BusStop : styleForLanguage(app::lang().langIndexValue());
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    if (remainderBox()) pad.setBoxCaptions(1, kTexts[kRemainderWordRow], QString());
    cmdgo_Click();
}

void Division::modes_Choose(int) { cmdgo_Click(); }

void Division::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Division::ask() {
    m_question = m_questions.next(modes.mode(), rnd(), m_question);
    const Question& q = *m_question;
    const QString dividend = shell::numberText(q.dividend), divisor = shell::numberText(q.divisor);
    lblquestion->setCaptionFitted(kTexts.format(q.decimal() ? kDecimalQuestionRow : kQuestionRow, dividend, divisor), look::kQuestionMinimum);
    // A remainder can be typed in every mode but the decimal one, so its key never gives the answer away.
    if (remainderBox())
        pad.setBoxShown(1, !q.decimal());
    else
        pad.setExtraKeys(q.decimal() ? QStringList() : QStringList{kRemainderKey});
    const int hint = q.decimal() ? kTypeDecimalRow : remainderBox() ? kTypeTwoBoxesRow : kTypeRemainderRow;
    lblstep->setCaptionFitted(kTexts[hint], look::kQuestionMinimum);
    m_layout = division::layout(m_style, q, shell::decimalPoint(), kTexts[kMarkRow]);
    placePaper();
    steps.clear();
    pad.clear();
    pad.setEnabled(true);
}

void Division::placePaper() {
    const Sheet& sheet = m_layout.sheet;
    const float across = look::kBoardRight - look::kBoardLeft, down = kPaperBottom - kPaperTop;
    const float cell = std::min({kLargestCell, across / (float(sheet.columns) + 2 * kMargin), down / (float(sheet.rows) + 2 * kMargin)});
    paper->setFonts({QStringLiteral("Arial"), cell * 0.62f / 20, true}, {QStringLiteral("Arial"), std::max(18.0f, cell * 0.4f / 20), true});
    paper->setSheet(sheet, cell, kMargin);
    paper->move(look::kBoardLeft + (across - paper->width()) / 2, kPaperTop + (down - paper->height()) / 2);
    // The working's sentences take whatever the paper leaves above the number pad.
    const float below = paper->top() + paper->height() + 60;
    lblstep->move(look::kBoardLeft, below, across, kStepBottom - below);
}

bool Division::pad_Key(const QString& key) {
    if (remainderBox()) return false;
    QString typed = pad.text(0);
    if (key == kRemainderKey) {
        // One remainder, after a quotient.
        if (typed.isEmpty() || typed.contains(QLatin1Char('r'))) return true;
        pad.setText(0, typed.trimmed() + kRemainderTyped);
        return true;
    }
    if (key == QLatin1String("del") && typed.endsWith(kRemainderTyped)) {
        typed.chop(kRemainderTyped.size());
        pad.setText(0, typed);
        return true;
    }
    return false;
}

void Division::cmdcheckit_Click() {
    clearFeedback();
    const QString remainderText = remainderBox() && pad.boxShown(1) ? pad.text(1) : QString();
    judge(isRight(*m_question, readAnswer(pad.text(0), remainderText)));
}

void Division::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    steps.reveal();
}

QString Division::wholeDivision() const {
    const Question& q = *m_question;
    QString whole = shell::numberText(q.dividend) + QLatin1Char(' ') + kTexts[kSignRow] + QLatin1Char(' ') + shell::numberText(q.divisor) +
                    QStringLiteral(" = ") + shell::numberText(answer(q));
    if (remainder(q) != 0) whole += QLatin1Char(' ') + kTexts[kRemainderWordRow] + QLatin1Char(' ') + text(remainder(q));
    return whole;
}

QString Division::shortSentence(const std::vector<Digit>& digits, std::size_t i) const {
    const Digit& d = digits[i];
    const bool more = i + 1 < digits.size();
    const bool leading = std::all_of(digits.begin(), digits.begin() + static_cast<long>(i) + 1, [](const Digit& e) { return e.quotient == 0; }) &&
                         d.position < dividendDigits(*m_question) - 1;
    const QString partial = text(d.partial), divisor = text(m_question->divisor), quotient = text(d.quotient), left = text(d.remainder);
    QString sentence = leading              ? kTexts.format(kNoGoRow, partial, divisor)
                       : d.remainder == 0   ? kTexts.format(kExactRow, partial, divisor, quotient)
                       : more               ? kTexts.format(kCarryRow, partial, divisor, quotient, left)
                                            : kTexts.format(kLastRemainderRow, partial, divisor, quotient, left);
    if (more && digits[i + 1].pastPoint && !d.pastPoint) sentence += QLatin1Char('\n') + kTexts[kPointRow];
    return sentence;
}

QString Division::longSentence(const std::vector<LongStep>& steps, std::size_t k) const {
    const LongStep& s = steps[k];
    QString sentence = kTexts.format(kLongRow, text(s.partial), text(m_question->divisor), text(s.quotient), text(s.product), text(s.remainder));
    if (k + 1 < steps.size() && steps[k + 1].pastPoint && !s.pastPoint) sentence += QLatin1Char('\n') + kTexts[kLongPointRow];
    return sentence;
}

void Division::buildSteps() {
    std::vector<QString> sentences;
    if (m_style == Style::BusStop) {
        const auto digits = shortWorking(*m_question);
        for (std::size_t i = 0; i < digits.size(); ++i) sentences.push_back(shortSentence(digits, i));
    } else {
        const auto working = longWorking(*m_question);
        for (std::size_t k = 0; k < working.size(); ++k) sentences.push_back(longSentence(working, k));
    }
    // The whole division closes the working, where the board has room for it.
    if (!sentences.empty() && lblstep->captionFits(sentences.back() + QLatin1Char('\n') + wholeDivision(), look::kQuestionMinimum))
        sentences.back() += QLatin1Char('\n') + wholeDivision();
    const Sheet& sheet = m_layout.sheet;
    for (std::size_t i = 0; i < sentences.size(); ++i) {
        const int step = static_cast<int>(i) + 1;
        const bool moves = std::any_of(sheet.inks.begin(), sheet.inks.end(), [step](const Sheet::Ink& k) { return k.slides && k.step == step; });
        steps.add({[this, step, sentence = sentences[i]] {
                       paper->setStep(step, 0);
                       lblstep->setCaptionFitted(sentence, look::kQuestionMinimum);
                   },
                   [this, step](double t) { paper->setStep(step, t); }, moves ? kSlideFrames : 0});
    }
}

}  // namespace division
