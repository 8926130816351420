#include "activities/angles/angles.h"

#include <QFontMetricsF>

#include "activities/shell/fresh.h"
#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace angles {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("angles"));
// Rows of the block: mode captions, the question of each mode, the kinds' names, a sentence about
// each kind, the protractor's reading, and what the angles of each missing-angle figure add up to.
constexpr int kModeRow = 0;
constexpr int kQuestionRow = 6;
constexpr int kKindRow = 12;
constexpr int kKindSentenceRow = 17;
constexpr int kReadsRow = 22;
constexpr int kTotalRow = 23;  // straight line, around a point, triangle

constexpr float kQuestionHeight = 900;  // two lines where a language needs them
constexpr float kFigureTop = 1100;
constexpr float kFigureWidth = 5900;  // room for a whole protractor and the handle beyond it
constexpr float kSideLeft = look::kBoardLeft + kFigureWidth + 150;  // the column right of the figure
constexpr float kSideWidth = look::kBoardRight - kSideLeft;
constexpr float kSideTop = 1150;
constexpr float kGap = 80;
constexpr int kReadingFrames = 50;  // the reading sweeps round the scale in under a second
constexpr double kMarkRadius = 700;

const QColor kGiven{0x20, 0x60, 0xC0};
const QColor kMissing{0xD0, 0x20, 0x20};
const QColor kArms{0x20, 0x60, 0xC0};
const QColor kKey{0xF4, 0xF4, 0xF4};
const QColor kRightKind{0x6C, 0xD0, 0x6C};

// The opening a "make an angle" arm starts at: well away from the angle asked for.
int startingOpening(int target) { return target > 180 ? 90 : target >= 90 ? 30 : 150; }
}  // namespace

Angles::Angles(app::WindowRegistry& windows)
    : Activity(kAngles, windows), pad(*this), modes(*this, QString::fromLatin1(kAngles.screen), kModes), steps(this) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, look::kBoardRight - look::kBoardLeft, kQuestionHeight);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    figure = add<AngleFigure>(nullptr, "figure", look::kBoardLeft, kFigureTop, kFigureWidth, 6800 - kFigureTop);
    figure->setBackColor(look::kPaper);
    figure->setLabelFont(look::kCaption);
    figure->onArmTurned = [this](double direction) { figure_ArmTurned(direction); };

    for (int k = 0; k < kKinds; ++k) {
        auto* button = add<CommandButton>(nullptr, "cmdkind", kSideLeft, kSideTop, kSideWidth, 640, k);
        button->setFont(look::kCaption);
        button->setBackColor(kKey);
        button->onClick = [this, k] { cmdkind_Click(k); };
        cmdkind.add(button);
    }

    lblstep = add<Label>(nullptr, "lblstep", kSideLeft, kSideTop, kSideWidth, 5600);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);

    // The sum that finds a missing angle, written across the foot of the figure.
    lblsum = add<Label>(nullptr, "lblsum", look::kBoardLeft + 60, 6100, kFigureWidth - 120, 650);
    lblsum->setFont(look::kQuestion);
    lblsum->setForeColor(look::kInk);
    lblsum->setAlignment(Align::Center);

    usePad(&pad);
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Angles::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    for (int k = 0; k < kKinds; ++k) cmdkind[k].setCaption(kTexts[kKindRow + k]);
    stackKinds();
    cmdgo_Click();
}

QString Angles::degreesText(int degrees) const { return shell::numberText(degrees) + QChar(0x00B0); }

void Angles::modes_Choose(int) { cmdgo_Click(); }

void Angles::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Angles::ask() {
    m_question = shell::drawFresh(m_question, [this] { return drawQuestion(modes.mode(), rnd()); });
    const Question& q = *m_question;
    steps.clear();
    lblstep->setCaption(QString());
    lblsum->setCaption(QString());
    // Only the missing angles have a sum; anywhere else the empty label would cover the handle's lowest reach.
    lblsum->setVisible(isMissingMode(q.mode));
    pad.clear();
    pad.setEnabled(true);
    pad.setVisible(q.mode == kEstimate || isMissingMode(q.mode));
    m_chosen.reset();
    showKinds(q.mode == kName);
    // Under the kind buttons in the naming mode; the whole column otherwise.
    const CommandButton& lastKind = cmdkind[kKinds - 1];
    const float under = lastKind.top() + lastKind.height() + kGap;
    if (q.mode == kName) lblstep->move(kSideLeft, under, kSideWidth, 6800 - under);
    else lblstep->move(kSideLeft, kSideTop, kSideWidth, 6800 - kSideTop);
    figure->setProtractor(std::nullopt);
    m_missingMark = -1;
    if (isMissingMode(q.mode)) drawMissing();
    else drawArms();
    const QString question = q.mode == kMake ? kTexts.format(kQuestionRow + q.mode, degreesText(q.degrees)) : kTexts[kQuestionRow + q.mode];
    lblquestion->setCaptionFitted(question, look::kQuestionMinimum);
}

void Angles::drawArms() {
    const Question& q = *m_question;
    const QPointF corner(kArmsCornerX, kArmsCornerY);
    figure->setLines({QLineF(corner, along(corner, q.fixedDirection, kArmLength))});
    const int opening = q.mode == kMake ? startingOpening(q.degrees) : q.degrees;
    AngleFigure::Mark mark;
    mark.corner = corner;
    mark.from = q.fixedDirection;
    mark.colour = kArms;
    mark.radius = kMarkRadius;
    figure->setMarks({mark});
    figure->setTurningArm(corner, turnedDirection(q, opening), kArmLength, q.mode == kMake);
    setMade(opening);
    // Making an angle is done with the protractor in place, as at the pupil's own desk.
    if (q.mode == kMake) figure->setProtractor(AngleFigure::Protractor{corner, double(q.fixedDirection), q.clockwise, q.degrees > 180});
}

void Angles::setMade(int opening) {
    const Question& q = *m_question;
    m_made = opening;
    figure->setArmDirection(turnedDirection(q, opening));
    figure->setMarkSweep(0, q.clockwise ? -opening : opening);
}

void Angles::drawMissing() {
    const Question& q = *m_question;
    std::vector<QLineF> lines;
    std::vector<AngleFigure::Mark> marks;
    const auto mark = [&](QPointF corner, double from, int i, double radius) {
        const int part = q.parts[static_cast<std::size_t>(i)];
        const bool missing = i == q.missing;
        AngleFigure::Mark m;
        m.corner = corner;
        m.from = from;
        m.sweep = part;
        m.label = missing ? QStringLiteral("?") : degreesText(part);
        m.colour = missing ? kMissing : kGiven;
        m.radius = radius;
        // A given right angle wears its square; a missing one must not give itself away.
        m.square = part == 90 && !missing;
        if (missing) m_missingMark = static_cast<int>(marks.size());
        marks.push_back(m);
    };
    switch (q.mode) {
        case kStraightLine: {
            const QPointF centre(kFigureWidth / 2, 3500);
            lines.emplace_back(centre, along(centre, q.turn, 2900));
            lines.emplace_back(centre, along(centre, q.turn + 180, 2900));
            lines.emplace_back(centre, along(centre, q.turn + q.parts[0], 2600));
            mark(centre, q.turn, 0, kMarkRadius);
            mark(centre, q.turn + q.parts[0], 1, kMarkRadius);
            break;
        }
        case kAroundPoint: {
            const QPointF centre(kFigureWidth / 2, 2600);
            double direction = q.turn;
            for (std::size_t i = 0; i < q.parts.size(); ++i) {
                lines.emplace_back(centre, along(centre, direction, 2350));
                mark(centre, direction, static_cast<int>(i), 600);
                direction += q.parts[i];
            }
            break;
        }
        case kTriangle: {
            const std::array<int, 3> parts{q.parts[0], q.parts[1], q.parts[2]};
            auto corners = triangleCorners(parts, kFigureWidth - 900, 4300);
            for (QPointF& p : corners) p += QPointF(450, 400);
            for (std::size_t i = 0; i < 3; ++i) {
                const QPointF& next = corners[(i + 1) % 3];
                lines.emplace_back(corners[i], next);
                mark(corners[i], directionOf(corners[i], next), static_cast<int>(i), 480);
            }
            break;
        }
        default: break;
    }
    figure->clearTurningArm();
    figure->setLines(std::move(lines));
    figure->setMarks(std::move(marks));
}

void Angles::showKinds(bool shown) {
    for (int k = 0; k < kKinds; ++k) {
        cmdkind[k].setVisible(shown);
        cmdkind[k].setEnabled(true);
        cmdkind[k].setBackColor(kKey);
    }
}

void Angles::stackKinds() {
    // Each button as tall as its name needs: two lines where a language's name is long.
    const QFontMetricsF metrics(sceneFont(look::kCaption));
    float top = kSideTop;
    for (int k = 0; k < kKinds; ++k) {
        CommandButton& button = cmdkind[k];
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, kSideWidth - 120, 1e6), Qt::TextWordWrap, button.caption());
        const float height = std::max(640.0f, float(needed.height()) + 200);
        button.move(kSideLeft, top, kSideWidth, height);
        top += height + kGap;
    }
}

void Angles::cmdkind_Click(int kind) {
    if (steps.shown() > 0 || kind < 0 || kind >= kKinds) return;
    clearFeedback();
    m_chosen = static_cast<Kind>(kind);
    for (int k = 0; k < kKinds; ++k) cmdkind[k].setBackColor(k == kind ? look::kHighlight : kKey);
}

void Angles::figure_ArmTurned(double direction) {
    if (!m_question || m_question->mode != kMake || steps.shown() > 0) return;
    // A verdict belongs to the angle it judged; the arm has moved on.
    clearFeedback();
    setMade(openingOf(*m_question, direction));
}

void Angles::cmdcheckit_Click() {
    clearFeedback();
    const Question& q = *m_question;
    switch (q.mode) {
        case kName: return judge(m_chosen && *m_chosen == kindOf(q.degrees));
        case kEstimate: {
            const auto typed = pad.value();
            return judge(typed && estimateAccepted(q, *typed));
        }
        case kMake: return judge(madeAccepted(q, m_made));
        default: {
            const auto typed = pad.value();
            return judge(typed && *typed == Decimal::of(missingAngle(q)));
        }
    }
}

void Angles::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    figure->setArmDraggable(false);
    steps.reveal();
}

void Angles::say(const QString& sentence) {
    const QString shown = lblstep->caption();
    lblstep->setCaption(shown.isEmpty() ? sentence : shown + QStringLiteral("\n\n") + sentence);
}

void Angles::buildSteps() {
    if (isMissingMode(m_question->mode)) buildMissingSteps();
    else buildProtractorSteps();
}

void Angles::buildProtractorSteps() {
    const Question q = *m_question;
    const QPointF corner(kArmsCornerX, kArmsCornerY);
    const AngleFigure::Protractor protractor{corner, double(q.fixedDirection), q.clockwise, q.degrees > 180};
    const QString reading = degreesText(q.degrees);
    const int from = q.mode == kMake ? m_made : 0;
    // The protractor goes down on the fixed arm and the reading sweeps round to the other arm;
    // a made angle's arm turns to where it belongs as the reading goes.
    steps.add({[this, protractor] { figure->setProtractor(protractor); },
               [this, q, from, reading](double t) {
                   const double at = from + (q.degrees - from) * t;
                   figure->setReading(at, reading);
                   if (q.mode == kMake) {
                       figure->setArmDirection(turnedDirection(q, at));
                       figure->setMarkSweep(0, q.clockwise ? -at : at);
                   }
               },
               kReadingFrames});
    steps.add({[this, q, reading] {
        if (q.mode != kName) return say(kTexts.format(kReadsRow, reading));
        // The reading stands on the protractor already: the kind is what is left to say.
        const Kind kind = kindOf(q.degrees);
        say(kTexts[kKindSentenceRow + kind]);
        cmdkind[kind].setBackColor(kRightKind);
    }});
}

void Angles::buildMissingSteps() {
    const Question q = *m_question;
    const int row = kTotalRow + (q.mode == kStraightLine ? 0 : q.mode == kAroundPoint ? 1 : 2);
    QString sum = degreesText(totalOf(q.mode));
    for (int given : givenAngles(q)) sum += QStringLiteral(" \u2212 ") + degreesText(given);
    sum += QStringLiteral(" = ") + degreesText(missingAngle(q));
    steps.add({[this, row] { say(kTexts[row]); }});
    steps.add({[this, sum] { lblsum->setCaptionFitted(sum, look::kQuestionMinimum); }});
    steps.add({[this, q] { figure->setMarkLabel(m_missingMark, degreesText(missingAngle(q)), look::kHighlight); }});
}

}  // namespace angles
