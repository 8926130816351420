#include "activities/countback/countback.h"

#include <QFontMetricsF>

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace countback {

using namespace platform;
namespace look = shell::look;
using Kind = NumberLine::Marker::Kind;

namespace {
const app::TextBlock kTexts(QStringLiteral("countback"));
// Rows of the block: the question of each mode, the mode captions, the hint, the landing.
constexpr int kQuestionRow = 0;
constexpr int kModeRow = 5;
constexpr int kHintRow = 10;
constexpr int kLandRow = 11;

constexpr int kHopFrames = 30;  // half a second a hop, slow enough to count along
constexpr float kLineTop = 2600;
constexpr float kLineHeight = 3400;  // the line runs 1700 down, the hops rise above it
constexpr float kCounterSize = 1.25f;
constexpr float kGrabWidth = 660;
constexpr float kGrabAbove = 600;
constexpr float kGrabBelow = 300;
const FontSpec kScaleFont{QStringLiteral("Tahoma"), 16, true};
const QColor kCounterColour = look::kShades[0];
const QColor kStartColour = look::kText;
const QColor kLandingColour = look::kHighlight;
}  // namespace

Countback::Countback(app::WindowRegistry& windows)
    : Activity(kCountback, windows), modes(*this, QString::fromLatin1(kCountback.screen), kModes), steps(this) {
    const float boardWidth = look::kBoardRight - look::kBoardLeft;
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, boardWidth, 1200);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    lblhint = add<Label>(nullptr, "lblhint", look::kBoardLeft, 1380, boardWidth, 900);
    lblhint->setFont(look::kCaption);
    lblhint->setForeColor(colors::White);
    lblhint->setAlignment(Align::Center);

    line = add<NumberLine>(nullptr, "line", look::kBoardLeft, kLineTop, boardWidth, kLineHeight);
    line->setLabelFont(kScaleFont);
    line->setEndMargin(450);
    line->setLeastJumpRise(420);

    // In front of the line, so a press on the counter reaches it.
    lblcounter = add<Label>(nullptr, "lblcounter", 0, 0, kGrabWidth, kGrabAbove + kGrabBelow);
    lblcounter->onMouseDown = [this](const MouseEvent& e) { lblcounter_MouseDown(e); };
    lblcounter->onMouseMove = [this](const MouseEvent& e) { lblcounter_MouseMove(e); };
    lblcounter->onMouseUp = [this](const MouseEvent& e) { lblcounter_MouseUp(e); };

    lblstep = add<Label>(nullptr, "lblstep", look::kBoardLeft, 5800, boardWidth, 1300);
    lblstep->setFont(look::kQuestion);
    lblstep->setForeColor(colors::White);
    lblstep->setAlignment(Align::Center);

    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Countback::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    lblhint->setCaptionFitted(kTexts[kHintRow], look::kQuestionMinimum);
    cmdgo_Click();
}

QString Countback::text(long long units) const { return shell::numberText(valueOf(m_question->mode, units)); }

void Countback::modes_Choose(int) { cmdgo_Click(); }

void Countback::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Countback::ask() {
    m_question = m_questions.next(modes.mode(), rnd(), m_question);
    const Question& q = *m_question;
    const Scale& s = scaleOf(q.mode);
    lblquestion->setCaptionFitted(kTexts.format(kQuestionRow + q.mode, text(q.start), QString::number(q.jumps)),
                                  look::kQuestionMinimum);
    lblstep->setCaption(QString());
    steps.clear();
    line->setRange(s.low, s.high, s.tickEvery, s.labelEvery);
    line->setJumps({});
    line->setJumpsShown(0);
    // The start keeps its lit number when the counter leaves it; the counter is drawn last, in front.
    line->setMarkers({{double(q.start), Kind::Tick, kStartColour, text(q.start)},
                      {double(q.start), Kind::Dot, kCounterColour, QString(), kCounterSize}});
    labelAround({q.start});
    lblcounter->setEnabled(true);
    placeCounter(q.start);
}

void Countback::labelAround(const std::vector<long long>& lit) {
    // A scale number too close to a lit one gives way to it, so the lit number reads clearly.
    const int mode = m_question->mode;
    const float unitTwips = line->along(1) - line->along(0);
    const QFontMetricsF metrics(sceneFont(kScaleFont));
    std::vector<std::pair<long long, float>> halves;  // each lit value and half its width, with a margin
    for (long long l : lit) halves.emplace_back(l, float(metrics.horizontalAdvance(shell::numberText(valueOf(mode, l)))) / 2 + 150);
    line->setLabeller([mode, halves = std::move(halves), unitTwips, metrics](long long v) {
        const QString own = shell::numberText(valueOf(mode, v));
        const float half = float(metrics.horizontalAdvance(own)) / 2;
        for (const auto& [l, room] : halves)
            if (float(std::llabs(v - l)) * unitTwips < room + half) return QString();
        return own;
    });
}

void Countback::placeCounter(long long units) {
    m_counterAt = units;
    line->setMarkerAt(counterIndex(), double(units));
    const QPointF at = line->pointOf(double(units));
    lblcounter->move(line->left() + float(at.x()) - kGrabWidth / 2, line->top() + float(at.y()) - kGrabAbove);
}

void Countback::lblcounter_MouseDown(const MouseEvent& e) {
    if (e.button != LeftButton) return;
    m_grip.take(*lblcounter, e);
}

void Countback::lblcounter_MouseMove(const MouseEvent& e) {
    if (!(e.button & LeftButton) || !m_grip.held()) return;
    // The counter goes to the step nearest the pointer, never off the line.
    const QPointF place = m_grip.place(*lblcounter, e);
    const float centre = float(place.x()) + kGrabWidth / 2 - line->left();
    const long long units = line->snap(centre, scaleOf(m_question->mode).step);
    if (units != m_counterAt) placeCounter(units);
}

void Countback::lblcounter_MouseUp(const MouseEvent&) { m_grip.letGo(); }

bool Countback::Form_KeyDown(int qtKey) {
    // A presenter's arrow keys step the counter along the line.
    if ((qtKey == Qt::Key_Left || qtKey == Qt::Key_Right) && lblcounter->enabled()) {
        const Scale& s = scaleOf(m_question->mode);
        const long long next = m_counterAt + (qtKey == Qt::Key_Left ? -s.step : s.step);
        if (next >= s.low && next <= s.high) placeCounter(next);
        return true;
    }
    return Activity::Form_KeyDown(qtKey);
}

void Countback::cmdcheckit_Click() {
    clearFeedback();
    judge(m_counterAt == landing(*m_question));
}

void Countback::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    lblcounter->setEnabled(false);
    steps.reveal();
}

void Countback::buildSteps() {
    const Question q = *m_question;
    const long long step = scaleOf(q.mode).step;
    std::vector<NumberLine::Jump> jumps;
    for (int i = 0; i < q.jumps; ++i)
        jumps.push_back({q.start - i * step, q.start - (i + 1) * step, QString::number(i + 1), kLandingColour});
    // The counter goes back to the start, loses its number while it hops, and the numbered arcs wait.
    steps.add({[this, q, jumps] {
                   placeCounter(q.start);
                   line->setJumps(jumps);
               },
               [this](double t) {
                   line->setJumpsShown(t);
                   line->setMarkerOnJump(counterIndex(), 0, t);
               },
               kHopFrames});
    for (int i = 1; i < q.jumps; ++i) {
        steps.add({{},
                   [this, i](double t) {
                       line->setJumpsShown(i + t);
                       line->setMarkerOnJump(counterIndex(), i, t);
                   },
                   kHopFrames});
    }
    // The last press lights the landing number and says it.
    steps.add({[this, q] {
        const long long land = landing(q);
        placeCounter(land);
        auto markers = line->markers();
        markers.insert(markers.end() - 1, {double(land), Kind::Tick, kLandingColour, text(land)});
        line->setMarkers(std::move(markers));
        labelAround({q.start, land});
        lblstep->setCaptionFitted(kTexts.format(kLandRow, text(land)), look::kQuestionMinimum);
    }});
}

}  // namespace countback
