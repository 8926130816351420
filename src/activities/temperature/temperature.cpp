#include "activities/temperature/temperature.h"

#include <cmath>

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace temperature {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("temperature"));
// Rows of the block: the four questions (falls, rises, fell between, rose between), how a temperature
// is written, the mode captions, the hints, the solution's sentences and the pad's captions.
constexpr int kFallsRow = 0;
constexpr int kRisesRow = 1;
constexpr int kFellRow = 2;
constexpr int kRoseRow = 3;
constexpr int kDegreesRow = 4;
constexpr int kRangeModeRow = 5;
constexpr int kDifferenceModeRow = 6;
constexpr int kDragHintRow = 7;
constexpr int kReadHintRow = 8;
constexpr int kDownRow = 9;
constexpr int kUpRow = 10;
constexpr int kNowRow = 11;
constexpr int kFellByRow = 12;
constexpr int kRoseByRow = 13;
constexpr int kDegreesWordRow = 14;

constexpr float kThermometerLeft = 240;
constexpr float kThermometerWidth = 2900;
constexpr float kTextLeft = 3360;
constexpr float kTextWidth = look::kBoardRight - kTextLeft;
constexpr float kGripWidth = 900;
constexpr float kGripHeight = 660;
constexpr int kFramesPerDegree = 4;  // 16 degrees a second, slow enough to count along
const QColor kPartColours[] = {look::kHighlight, look::kShades[1]};
}  // namespace

Temperature::Temperature(app::WindowRegistry& windows)
    : Activity(kTemperature, windows), pad(*this), modes(*this, QString::fromLatin1(kTemperature.screen), kModes), steps(this) {
    thermometer = add<Thermometer>(nullptr, "thermometer", kThermometerLeft, 120, kThermometerWidth, 7680);
    thermometer->setLabelFont(look::kCaption);

    lblgrip = add<Label>(nullptr, "lblgrip", 0, 0, kGripWidth, kGripHeight);
    lblgrip->onMouseDown = [this](const MouseEvent& e) { lblgrip_MouseDown(e); };
    lblgrip->onMouseMove = [this](const MouseEvent& e) { lblgrip_MouseMove(e); };
    lblgrip->onMouseUp = [this](const MouseEvent& e) { lblgrip_MouseUp(e); };

    lblquestion = add<Label>(nullptr, "lblquestion", kTextLeft, look::kQuestionTop, kTextWidth, 2000);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    lblhint = add<Label>(nullptr, "lblhint", kTextLeft, 2250, kTextWidth, 1320);
    lblhint->setFont(look::kCaption);
    lblhint->setForeColor(colors::White);
    lblhint->setAlignment(Align::Center);

    lblstep = add<Label>(nullptr, "lblstep", kTextLeft, 3640, kTextWidth, 3100);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);
    lblstep->setAlignment(Align::Center);

    usePad(&pad);
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Temperature::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) {
        const Scale& s = scaleOf(m);
        captions << (m == kDifference ? kTexts[kDifferenceModeRow]
                                      : kTexts.format(kRangeModeRow, shell::numberText(s.low), shell::numberText(s.high)));
    }
    modes.setCaptions(captions);
    thermometer->setUnit(QStringLiteral("°C"));
    thermometer->setLabeller([](long long v) { return shell::numberText(v); });
    cmdgo_Click();
}

QString Temperature::degrees(long long value) const {
    const QString written = kTexts.format(kDegreesRow, shell::numberText(value));
    return written.isEmpty() ? shell::numberText(value) : written;
}

void Temperature::modes_Choose(int) { cmdgo_Click(); }

void Temperature::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Temperature::ask() {
    m_question = m_questions.next(modes.mode(), rnd(), m_question);
    const Question& q = *m_question;
    const Scale& s = scaleOf(q.mode);
    const QString change = shell::numberText(temperature::change(q));
    const bool difference = q.mode == kDifference;
    const int row = difference ? (rises(q) ? kRoseRow : kFellRow) : (rises(q) ? kRisesRow : kFallsRow);
    lblquestion->setCaptionFitted(difference ? kTexts.format(row, degrees(q.before), degrees(q.after))
                                             : kTexts.format(row, degrees(q.before), change),
                                  look::kQuestionMinimum);
    lblhint->setCaptionFitted(kTexts[difference ? kReadHintRow : kDragHintRow], look::kQuestionMinimum);
    lblstep->setCaption(QString());
    steps.clear();
    pad.clear();
    pad.setEnabled(true);
    pad.setBoxCaptions(0, QString(), difference ? kTexts[kDegreesWordRow] : QStringLiteral("°C"));

    thermometer->setRange(s.low, s.high, s.labelEvery);
    thermometer->setBrackets({});
    // The flag keeps the reading before; the column starts there for the class to move, or shows the
    // reading after, fixed, when the class works out the change between the two.
    thermometer->setKnobShown(!difference);
    thermometer->setFlag(double(q.before));
    lblgrip->setEnabled(!difference);
    setColumn(difference ? q.after : q.before);
}

void Temperature::setColumn(long long value) {
    m_columnAt = value;
    thermometer->setReading(double(value));
    lblgrip->move(thermometer->left() + thermometer->tubeX() - kGripWidth / 2,
                  thermometer->top() + thermometer->yOf(double(value)) - kGripHeight / 2);
}

void Temperature::lblgrip_MouseDown(const MouseEvent& e) {
    if (e.button != LeftButton) return;
    m_grip.take(*lblgrip, e);
}

void Temperature::lblgrip_MouseMove(const MouseEvent& e) {
    if (!(e.button & LeftButton) || !m_grip.held()) return;
    // The column's top follows the pointer in whole degrees and never leaves the scale.
    const QPointF place = m_grip.place(*lblgrip, e);
    const long long value = thermometer->degreesAt(float(place.y()) + kGripHeight / 2 - thermometer->top());
    if (value != m_columnAt) setColumn(value);
}

void Temperature::lblgrip_MouseUp(const MouseEvent&) { m_grip.letGo(); }

bool Temperature::Form_KeyDown(int qtKey) {
    // A presenter's arrow keys move the column a degree at a time.
    if ((qtKey == Qt::Key_Up || qtKey == Qt::Key_Down) && lblgrip->enabled()) {
        const long long next = m_columnAt + (qtKey == Qt::Key_Up ? 1 : -1);
        if (next >= thermometer->low() && next <= thermometer->high()) setColumn(next);
        return true;
    }
    return Activity::Form_KeyDown(qtKey);
}

void Temperature::cmdcheckit_Click() {
    clearFeedback();
    const Question& q = *m_question;
    // A typed answer is what the class gave; with nothing typed, the column is (never for a difference).
    if (!pad.text().isEmpty() || q.mode == kDifference)
        judge(isRight(q, pad.value()));
    else
        judge(isRight(q, Decimal::of(m_columnAt)));
}

void Temperature::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    lblgrip->setEnabled(false);
    thermometer->setKnobShown(false);
    steps.reveal();
}

void Temperature::say(const QString& sentence) {
    const QString shown = lblstep->caption();
    lblstep->setCaption(shown.isEmpty() ? sentence : shown + QLatin1Char('\n') + sentence);
}

void Temperature::buildSteps() {
    const Question q = *m_question;
    const std::vector<Part> stretches = parts(q);
    std::vector<Thermometer::Bracket> brackets;
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        const Part& p = stretches[i];
        brackets.push_back({double(p.from), double(p.to), shell::numberText(p.degrees()), kPartColours[i], double(p.from)});
    }
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        const Part p = stretches[i];
        const int index = static_cast<int>(i);
        // The column goes back to where it started, then moves one degree at a time.
        steps.add({[this, q, p, index, brackets] {
                       if (index == 0) {
                           thermometer->setBrackets(brackets);
                           setColumn(q.before);
                       }
                       say(kTexts.format(p.to < p.from ? kDownRow : kUpRow, shell::numberText(p.degrees()), degrees(p.to)));
                   },
                   [this, p, index](double t) {
                       const double sign = p.to < p.from ? -1 : 1;
                       const double reached = p.from + sign * std::floor(t * double(p.degrees()) + 1e-9);
                       thermometer->setReading(reached);
                       thermometer->setBracketEnd(index, reached);
                       if (t >= 1) m_columnAt = p.to;
                   },
                   static_cast<int>(p.degrees()) * kFramesPerDegree});
    }
    steps.add({[this, q, stretches] {
        const QString total = shell::numberText(change(q));
        const QString sum = stretches.size() > 1 ? shell::numberText(stretches[0].degrees()) + QStringLiteral(" + ") +
                                                       shell::numberText(stretches[1].degrees()) + QStringLiteral(" = ") + total
                                                 : QString();
        if (!sum.isEmpty()) say(sum);
        say(q.mode == kDifference ? kTexts.format(rises(q) ? kRoseByRow : kFellByRow, total) : kTexts.format(kNowRow, degrees(q.after)));
    }});
}

}  // namespace temperature
