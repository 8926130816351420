#include "activities/placevalue/placevalue.h"

#include <algorithm>

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace placevalue {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("placevalue"));
// Rows of the block: the mode captions, the questions, the column headings and the sentence for a
// digit in each column (highest place first), then the solution's sentences and the two signs.
constexpr int kModeRow = 0;
constexpr int kRedDigitRow = 5;
constexpr int kInDigitsRow = 6;
constexpr int kMultiplyRow = 7;
constexpr int kDivideRow = 8;
constexpr int kHeadingRow = 9;
constexpr int kInColumnRow = 17;
constexpr int kWorthRow = 25;
constexpr int kMovesLeftRow = 26;   // by 10, 100, 1000
constexpr int kMovesRightRow = 29;  // by 10, 100, 1000
constexpr int kPointStaysRow = 32;
constexpr int kPlaceHoldersRow = 33;
constexpr int kTimesSignRow = 34;
constexpr int kDivideSignRow = 35;

constexpr float kBoardWidth = look::kBoardRight - look::kBoardLeft;
constexpr float kPartsTop = Chart::kBottom + 240;
constexpr float kStepBottom = 6780;  // the number pad's box starts below
constexpr int kFlightFrames = 36;    // a part's digits fly for about 0.6 s
constexpr int kSlideFrames = 30;     // one column in half a second

int rowOf(int firstRow, int place) { return firstRow + (kHighestPlace - place); }

Decimal powerOfTen(int shift) { return Decimal::of(1).shifted(shift); }

// Zeros written only to hold a place: 3740's last zero, both zeros of 0.05.
bool hasPlaceHolders(Decimal value) {
    const Span written = writtenSpan(value);
    return written.highest != highestDigit(value).value_or(0) || written.lowest != lowestDigit(value).value_or(0);
}

double ease(double t) { return t * t * (3 - 2 * t); }
}  // namespace

PlaceValue::PlaceValue(app::WindowRegistry& windows)
    : Activity(kPlaceValue, windows),
      chart(*this),
      parts(*this, kPartsTop),
      pad(*this),
      modes(*this, QString::fromLatin1(kPlaceValue.screen), kModes),
      steps(this) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, kBoardWidth, 1200);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    lblvalue = add<Label>(nullptr, "lblvalue", look::kBoardLeft, Chart::kBottom + 90, 3000, 720);
    lblvalue->setFont(look::kBig);
    lblvalue->setForeColor(look::kText);
    lblvalue->setAlignment(Align::Center);

    lblstep = add<Label>(nullptr, "lblstep", look::kBoardLeft, kPartsTop, kBoardWidth, kStepBottom - kPartsTop);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);
    lblstep->setAlignment(Align::Center);

    usePad(&pad);
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void PlaceValue::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    cmdgo_Click();
}

QString PlaceValue::text(Decimal value) const { return shell::numberText(value, 0, shell::Grouping::Thousands); }

QString PlaceValue::sign(bool times) const {
    // Each language's school signs (· and : in German); the usual ones if the row is missing.
    const QString s = kTexts[times ? kTimesSignRow : kDivideSignRow];
    return s.isEmpty() ? QString(times ? QChar(0x00D7) : QChar(0x00F7)) : s;
}

void PlaceValue::modes_Choose(int) { cmdgo_Click(); }

void PlaceValue::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void PlaceValue::ask() {
    m_question = m_questions.next(modes.mode(), rnd(), m_question);
    const Question& q = *m_question;
    steps.clear();
    if (m_chartMode != q.mode) {
        chart.setColumns(columnsOf(q.mode), [](int place) { return kTexts[rowOf(kHeadingRow, place)]; });
        m_chartMode = q.mode;
    }
    chart.light(std::nullopt);
    parts.clear();
    lblvalue->setVisible(false);
    lblstep->setCaption(QString());
    switch (q.kind) {
        case Kind::RedDigit:
            chart.write(q.number, q.redPlace);
            lblquestion->setCaptionFitted(kTexts[kRedDigitRow], look::kQuestionMinimum);
            break;
        case Kind::Partition:
            chart.write(std::nullopt);
            parts.show(q.parts);
            lblquestion->setCaptionFitted(kTexts[kInDigitsRow], look::kQuestionMinimum);
            break;
        case Kind::Multiply:
        case Kind::Divide:
            chart.write(q.number);
            lblquestion->setCaptionFitted(
                kTexts.format(q.kind == Kind::Multiply ? kMultiplyRow : kDivideRow, text(q.number), text(powerOfTen(q.shift))),
                look::kQuestionMinimum);
            break;
    }
    // The working goes under whatever the question put below the chart.
    const float stepTop = q.kind == Kind::Partition ? parts.bottom() + 120
                          : q.kind == Kind::RedDigit ? lblvalue->top() + lblvalue->height() + 120
                                                     : kPartsTop;
    lblstep->move(look::kBoardLeft, stepTop, kBoardWidth, kStepBottom - stepTop);
    pad.clear();
    pad.setEnabled(true);
}

void PlaceValue::cmdcheckit_Click() {
    clearFeedback();
    const auto typed = pad.value();
    judge(typed && *typed == answer(*m_question));
}

void PlaceValue::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    steps.reveal();
}

void PlaceValue::say(const QString& sentence) {
    const QString shown = lblstep->caption();
    lblstep->setCaption(shown.isEmpty() ? sentence : shown + QLatin1Char('\n') + sentence);
}

void PlaceValue::buildSteps() {
    switch (m_question->kind) {
        case Kind::RedDigit: addDigitSteps(); break;
        case Kind::Partition: addPartSteps(); break;
        case Kind::Multiply:
        case Kind::Divide: addShiftSteps(); break;
    }
}

void PlaceValue::addDigitSteps() {
    const Question q = *m_question;
    const int digit = digitAt(q.number, q.redPlace);
    steps.add({[this, q, digit] {
        chart.light(q.redPlace);
        say(kTexts.format(rowOf(kInColumnRow, q.redPlace), QString::number(digit)));
    }});
    steps.add({[this, q, digit] {
        const QString value = text(worth(digit, q.redPlace));
        // Under its column, kept on the board.
        const float left = std::clamp(chart.centre(q.redPlace) - lblvalue->width() / 2, look::kBoardLeft,
                                      look::kBoardRight - lblvalue->width());
        lblvalue->setLeft(left);
        lblvalue->setCaption(value);
        lblvalue->setVisible(true);
        say(kTexts.format(kWorthRow, value));
    }});
}

void PlaceValue::addPartSteps() {
    const Question q = *m_question;
    Decimal sum;
    for (int k = 0; k < static_cast<int>(q.parts.size()); ++k) {
        sum = sum + q.parts[static_cast<std::size_t>(k)];
        // Each part's digits fly to their columns; the chart then shows the parts placed so far.
        steps.add({[this, k] { parts.launch(k, chart); },
                   [this, sum](double t) {
                       parts.fly(t);
                       if (t < 1) return;
                       parts.land();
                       chart.write(sum);
                   },
                   kFlightFrames});
    }
    QStringList terms;
    for (const Decimal& part : q.parts) terms << text(part);
    const QString sumText = terms.join(QStringLiteral(" + ")) + QStringLiteral(" = ") + text(q.number);
    steps.add({[this, sumText] { say(sumText); }});
}

void PlaceValue::addShiftSteps() {
    const Question q = *m_question;
    const bool times = q.kind == Kind::Multiply;
    const int direction = times ? 1 : -1;
    for (int j = 1; j <= q.shift; ++j) {
        const Decimal from = q.number.shifted(direction * (j - 1)), to = q.number.shifted(direction * j);
        steps.add({[this, q, j, times, from] {
                       if (j == 1) {
                           say(kTexts[(times ? kMovesLeftRow : kMovesRightRow) + q.shift - 1]);
                           say(kTexts[kPointStaysRow]);
                       }
                       chart.write(from);
                       chart.startSlide();
                   },
                   [this, direction, to](double t) {
                       chart.slide(direction * ease(t));
                       if (t >= 1) chart.write(to);
                   },
                   kSlideFrames});
    }
    const Decimal result = answer(q);
    const QString sum = text(q.number) + QLatin1Char(' ') + sign(times) + QLatin1Char(' ') + text(powerOfTen(q.shift)) +
                        QStringLiteral(" = ") + text(result);
    steps.add({[this, result, sum] {
        if (hasPlaceHolders(result)) say(kTexts[kPlaceHoldersRow]);
        say(sum);
    }});
}

}  // namespace placevalue
