#include "activities/rounding/rounding.h"

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace rounding {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("rounding"));
// Rows of the block: the question of each mode, the mode captions, then the solution's sentences.
constexpr int kQuestionRow = 0;
constexpr int kModeRow = 5;
constexpr int kBetweenRow = 10;
constexpr int kBelowRow = 11;
constexpr int kAboveRow = 12;
constexpr int kExactHalfRow = 13;
constexpr int kRoundsToRow = 14;

constexpr int kSlideFrames = 40;   // the answer's arrow slides for about two thirds of a second
const QColor kNumberColour = look::kText;
const QColor kAnswerColour = look::kHighlight;
}  // namespace

Rounding::Rounding(app::WindowRegistry& windows)
    : Activity(kRounding, windows), pad(*this), modes(*this, QString::fromLatin1(kRounding.screen), kModes), steps(this) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, look::kBoardRight - look::kBoardLeft, 1200);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    // The line runs through the middle of its box; the arrows stand in the upper half.
    line = add<NumberLine>(nullptr, "line", look::kBoardLeft, 1300, look::kBoardRight - look::kBoardLeft, 2900);
    line->setLabelFont(look::kCaption);
    line->setEndMargin(600);

    lblstep = add<Label>(nullptr, "lblstep", look::kBoardLeft, 4450, look::kBoardRight - look::kBoardLeft, 2250);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);
    lblstep->setAlignment(Align::Center);

    usePad(&pad);
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Rounding::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    cmdgo_Click();
}

QString Rounding::text(long long units) const {
    return shell::numberText(Decimal::of(units, m_question->places), 0, shell::Grouping::Thousands);
}

void Rounding::modes_Choose(int) { cmdgo_Click(); }

void Rounding::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Rounding::ask() {
    m_question = m_questions.next(modes.mode(), rnd(), m_question);
    const Question& q = *m_question;
    lblquestion->setCaptionFitted(kTexts.format(kQuestionRow + q.mode, text(q.units)), look::kQuestionMinimum);
    lblstep->setCaption(QString());
    pad.clear();
    pad.setEnabled(true);
    steps.clear();
    showLine(false);
    line->setMarkers({{double(q.units), NumberLine::Marker::Kind::Arrow, kNumberColour, text(q.units)}});
}

void Rounding::showLine(bool endsLabelled) {
    const Question& q = *m_question;
    const long long step = stepOf(q);
    // Ten small ticks between the multiples; the numbers at the ends come with the solution.
    line->setRange(lowerMultiple(q), upperMultiple(q), step / 10, step);
    line->setLabeller([this, endsLabelled](long long v) { return endsLabelled ? text(v) : QString(); });
}

void Rounding::cmdcheckit_Click() {
    clearFeedback();
    const auto typed = pad.value();
    judge(typed && *typed == answer(*m_question));
}

void Rounding::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    steps.reveal();
}

void Rounding::say(const QString& sentence) {
    // The working builds up line by line, so the class can read it all at the end.
    const QString shown = lblstep->caption();
    lblstep->setCaption(shown.isEmpty() ? sentence : shown + QLatin1Char('\n') + sentence);
}

void Rounding::buildSteps() {
    const Question q = *m_question;
    const QString number = text(q.units);
    steps.add({[this, q, number] {
        showLine(true);
        say(kTexts.format(kBetweenRow, number, text(lowerMultiple(q)), text(upperMultiple(q))));
    }});
    steps.add({[this, q, number] {
        auto markers = line->markers();
        markers.insert(markers.begin(), {double(halfway(q)), NumberLine::Marker::Kind::Tick, colors::White, text(halfway(q))});
        line->setMarkers(markers);
        const int row = isHalfway(q) ? kExactHalfRow : q.units < halfway(q) ? kBelowRow : kAboveRow;
        say(isHalfway(q) ? kTexts.format(row, number) : kTexts.format(row, text(halfway(q)), number));
    }});
    const double from = double(q.units), to = double(rounded(q));
    // The answer's arrow starts on the number and slides to the multiple it rounds to.
    steps.add({[this, q, number, from] {
                   auto markers = line->markers();
                   markers.push_back({from, NumberLine::Marker::Kind::Arrow, kAnswerColour, QString()});
                   line->setMarkers(markers);
                   say(kTexts.format(kRoundsToRow, number, text(rounded(q))));
               },
               [this, from, to](double t) {
                   line->setMarkerAt(static_cast<int>(line->markers().size()) - 1, from + (to - from) * t);
               },
               kSlideFrames});
}

}  // namespace rounding
