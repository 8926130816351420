#include "activities/coordinates/coordinates.h"

#include "activities/shell/fresh.h"
#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace coordinates {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("coordinates"));
// Rows of the block: the questions, how the language writes a pair, the mode captions, the solution.
constexpr int kReadRow = 0;
constexpr int kPlotRow = 1;
constexpr int kSquareRow = 2;
constexpr int kRectangleRow = 3;
constexpr int kPairRow = 4;
constexpr int kModeRow = 5;
constexpr int kAlongRow = 9;
constexpr int kUpRow = 10;
constexpr int kDownRow = 11;
constexpr int kPointIsRow = 12;
constexpr int kSidesRow = 13;

constexpr int kWalkFrames = 30;  // each leg of the walk takes half a second
const QColor kGiven{0x20, 0x60, 0xC0};
const QColor kPupil{0xE0, 0x20, 0x20};
const QString kLetters[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
}  // namespace

Coordinates::Coordinates(app::WindowRegistry& windows)
    : Activity(kCoordinates, windows), pad(*this, 2), modes(*this, QString::fromLatin1(kCoordinates.screen), kModes), steps(this) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, look::kBoardRight - look::kBoardLeft, 1000);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    axes = add<Axes>(nullptr, "axes", look::kBoardLeft, 1150, 5650);
    axes->setLabelFont(look::kScale);
    axes->onPointDropped = [this](int index, QPoint crossing) { axes_PointDropped(index, crossing); };

    lblstep = add<Label>(nullptr, "lblstep", 6000, 1500, look::kBoardRight - 6000, 5100);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);

    pad.setBoxCaptions(0, QStringLiteral("x ="), QString());
    pad.setBoxCaptions(1, QStringLiteral("y ="), QString());
    usePad(&pad);
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Coordinates::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    cmdgo_Click();
}

QString Coordinates::pair(QPoint p) const {
    const QString written = kTexts.format(kPairRow, shell::numberText(p.x()), shell::numberText(p.y()));
    // Without the texts a pair still reads as one.
    return written.isEmpty() ? QStringLiteral("(%1, %2)").arg(shell::numberText(p.x()), shell::numberText(p.y())) : written;
}

void Coordinates::modes_Choose(int) { cmdgo_Click(); }

void Coordinates::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Coordinates::ask() {
    m_question = shell::drawFresh(m_question, [this] { return drawQuestion(modes.mode(), rnd()); });
    const Question& q = *m_question;
    const bool four = lowOf(q.mode) < 0;
    axes->setRange(lowOf(q.mode), highOf(q.mode), four ? 2 : 1);
    axes->setShape({}, false);
    axes->clearGuide();
    axes->setDragging(true);
    lblstep->setCaption(QString());
    steps.clear();
    pad.clear();
    pad.setEnabled(true);
    pad.setVisible(!q.plotting);

    std::vector<Axes::Point> points;
    QString question;
    if (q.mode == kMissingCorner) {
        for (int k = 0; k < 3; ++k) points.push_back({QPointF(q.given[static_cast<std::size_t>(k)]), kLetters[k], kGiven, false});
        question = kTexts.format(q.square ? kSquareRow : kRectangleRow, kLetters[3]);
    } else if (q.plotting) {
        question = kTexts.format(kPlotRow, pair(q.target));
    } else {
        points.push_back({QPointF(q.target), kLetters[0], kGiven, false});
        question = kTexts.format(kReadRow, kLetters[0]);
    }
    m_pupilsPoint = -1;
    if (q.plotting) {
        // The pupil's point waits on the origin (never itself an answer) until it is dragged.
        m_plotted = QPoint(0, 0);
        m_pupilsPoint = static_cast<int>(points.size());
        points.push_back({QPointF(m_plotted), q.mode == kMissingCorner ? kLetters[3] : QString(), kPupil, true});
    }
    axes->setPoints(points);
    lblquestion->setCaptionFitted(question, look::kQuestionMinimum);
}

void Coordinates::axes_PointDropped(int index, QPoint crossing) {
    if (index == m_pupilsPoint) m_plotted = crossing;
}

void Coordinates::cmdcheckit_Click() {
    clearFeedback();
    const Question& q = *m_question;
    if (q.plotting) return judge(m_plotted == q.target);
    const auto x = pad.value(0), y = pad.value(1);
    judge(x && y && *x == platform::Decimal::of(q.target.x()) && *y == platform::Decimal::of(q.target.y()));
}

void Coordinates::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    axes->setDragging(false);
    steps.reveal();
}

void Coordinates::say(const QString& sentence) {
    const QString shown = lblstep->caption();
    lblstep->setCaption(shown.isEmpty() ? sentence : shown + QStringLiteral("\n\n") + sentence);
}

void Coordinates::buildSteps() {
    const Question q = *m_question;
    if (q.mode == kMissingCorner) {
        steps.add({[this, q] {
            std::vector<QPointF> corners;
            for (QPoint p : q.given) corners.push_back(QPointF(p));
            corners.push_back(QPointF(q.target));
            axes->setShape(corners, true);
            say(kTexts[kSidesRow]);
        }});
    }
    const QPointF target(q.target);
    steps.add({[this, q] { say(kTexts.format(kAlongRow, shell::numberText(q.target.x()))); },
               [this, target](double t) { axes->setGuide(target, t); }, kWalkFrames});
    steps.add({[this, q] { say(kTexts.format(q.target.y() >= 0 ? kUpRow : kDownRow, shell::numberText(q.target.y()))); },
               [this, target](double t) { axes->setGuide(target, 1 + t); }, kWalkFrames});
    const QPointF from(m_plotted);
    steps.add({[this, q] { say(kTexts.format(kPointIsRow, pair(q.target))); },
               [this, q, from, target](double t) {
                   // The pupil's point slides to where it belongs.
                   if (q.plotting) axes->setPointAt(m_pupilsPoint, from + (target - from) * t);
               },
               q.plotting ? kWalkFrames : 0});
}

}  // namespace coordinates
