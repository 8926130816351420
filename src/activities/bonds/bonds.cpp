#include "activities/bonds/bonds.h"

#include <QFontMetricsF>

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace bonds {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("bonds"));
constexpr int kModeRow = 0;  // the mode captions

// The bar model: the whole on top, its two parts under it, drawn to the number line's scale.
constexpr float kWholeTop = 950;
constexpr float kBarHeight = 500;
constexpr float kPartsTop = kWholeTop + kBarHeight;
constexpr float kUnderBar = kPartsTop + kBarHeight + 30;  // where a part too narrow for its number writes it
// The line's arcs rise towards the bar; its scale labels end above the beads.
constexpr float kLineHeight = 2800;  // the arcs' highest labels just clear the bar
constexpr float kLineTop = 3350 - kLineHeight / 2;  // the line itself runs through the middle
constexpr float kLineMargin = 600;
constexpr float kBeadsTop = 4150;
constexpr float kBeadsBottom = 6750;

constexpr int kJumpFrames = 30;  // each arc draws itself in half a second
constexpr int kFillFrames = 36;
const QChar kMinus(0x2212);

const QColor kKnownShade = look::kShades[0];
const QColor kFillShade = look::kShades[1];

float lineHeightOf(const FontSpec& font) { return float(QFontMetricsF(sceneFont(font)).height()); }
}  // namespace

Bonds::Bonds(app::WindowRegistry& windows)
    : Activity(kBonds, windows), pad(*this), modes(*this, QString::fromLatin1(kBonds.screen), kModes), steps(this) {
    const float boardWidth = look::kBoardRight - look::kBoardLeft;
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, boardWidth, 800);
    lblquestion->setFont(look::kBig);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);
    lblworking = add<Label>(nullptr, "lblworking", look::kBoardLeft + boardWidth / 2, look::kQuestionTop, boardWidth / 2, 800);
    lblworking->setFont(look::kBig);
    lblworking->setForeColor(look::kHighlight);
    lblworking->setAlignment(Align::Center);

    const auto bar = [&](const char* name, const QColor& colour) {
        auto* shape = add<Shape>(nullptr, name, 0, 0, 0, kBarHeight);
        shape->setOpaque(true);
        shape->setBackColor(colour);
        shape->setForeColor(look::kInk);
        return shape;
    };
    shpwhole = bar("shpwhole", look::kPaper);
    shpknown = bar("shpknown", kKnownShade);
    shpmissing = bar("shpmissing", look::kPaper);
    shpfill = bar("shpfill", kFillShade);
    for (Label** label : {&lblwhole, &lblknown, &lblmissing}) {
        *label = add<Label>(nullptr, label == &lblwhole ? "lblwhole" : label == &lblknown ? "lblknown" : "lblmissing", 0, 0, 0,
                            lineHeightOf(look::kQuestion));
        (*label)->setFont(look::kQuestion);
        (*label)->setAlignment(Align::Center);
    }

    line = add<NumberLine>(nullptr, "line", look::kBoardLeft, kLineTop, boardWidth, kLineHeight);
    line->setLabelFont(look::kCaption);
    line->setEndMargin(kLineMargin);

    beads = add<Beads>(nullptr, "beads", 0, kBeadsTop, boardWidth, kBeadsBottom - kBeadsTop);

    usePad(&pad);
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Bonds::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    cmdgo_Click();
}

QString Bonds::text(long long units) const {
    return shell::numberText(valueOf(m_question->mode, units), 0, shell::Grouping::Thousands);
}

QString Bonds::equation(bool solved) const {
    const Question& q = *m_question;
    const QString gap = solved ? text(missing(q)) : QStringLiteral("?");
    const QString known = text(q.known), whole = text(wholeOf(q.mode));
    return q.subtraction ? QStringLiteral("%1 %2 %3 = %4").arg(whole, kMinus, known, gap)
                         : QStringLiteral("%1 + %2 = %3").arg(known, gap, whole);
}

void Bonds::modes_Choose(int) { cmdgo_Click(); }

void Bonds::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Bonds::ask() {
    m_question = nextQuestion(modes.mode(), rnd(), m_question);
    steps.clear();
    pad.clear();
    pad.setEnabled(true);
    lblquestion->setWidth(look::kBoardRight - look::kBoardLeft);
    lblquestion->setCaptionFitted(equation(false), look::kQuestionMinimum);
    lblworking->setCaption(QString());
    showLine();
    showBar();
    showBeads();
}

void Bonds::caption(Label& label, const QString& text, float left, float width) {
    const float needed = float(QFontMetricsF(sceneFont(label.font())).horizontalAdvance(text)) + 120;
    label.setCaption(text);
    if (needed <= width) {
        label.move(left, kPartsTop + (kBarHeight - label.height()) / 2, width, label.height());
        label.setForeColor(look::kInk);
        return;
    }
    // Under the bar, centred on the part but kept on the board.
    const float centre = std::clamp(left + width / 2, look::kBoardLeft + needed / 2, look::kBoardRight - needed / 2);
    label.move(centre - needed / 2, kUnderBar, needed, label.height());
    label.setForeColor(look::kText);
}

void Bonds::showBar() {
    const Question& q = *m_question;
    const float left = line->left() + line->along(0);
    const float right = line->left() + line->along(double(wholeOf(q.mode)));
    const float split = line->left() + line->along(double(q.known));
    shpwhole->move(left, kWholeTop, right - left, kBarHeight);
    shpknown->move(left, kPartsTop, split - left, kBarHeight);
    shpmissing->move(split, kPartsTop, right - split, kBarHeight);
    shpfill->move(split, kPartsTop, 0, kBarHeight);
    shpfill->setVisible(false);
    lblwhole->setCaption(text(wholeOf(q.mode)));
    lblwhole->move(left, kWholeTop + (kBarHeight - lblwhole->height()) / 2, right - left, lblwhole->height());
    lblwhole->setForeColor(look::kInk);
    caption(*lblknown, text(q.known), left, split - left);
    caption(*lblmissing, QStringLiteral("?"), split, right - split);
}

void Bonds::showLine() {
    const Question& q = *m_question;
    const long long whole = wholeOf(q.mode);
    // A labelled tick every unit to 10, every five to 20, every tenth of the whole beyond; four-digit
    // labels need every other tick to stand clear of each other.
    const long long tick = q.mode == kTen || q.mode == kTwenty ? 1 : whole / 10;
    const long long label = q.mode == kTwenty ? 5 : q.mode == kThousand ? 2 * tick : tick;
    line->setRange(0, whole, tick, label);
    line->setLabeller([this](long long v) { return text(v); });
    // Where the count starts: a dot, which leaves the arcs' labels clear.
    line->setMarkers({{double(q.known), NumberLine::Marker::Kind::Dot, look::kHighlight, QString()}});
    std::vector<NumberLine::Jump> arcs;
    for (const Jump& j : countingUp(q))
        arcs.push_back({j.from, j.to, QStringLiteral("+") + text(j.to - j.from), look::kHighlight});
    line->setJumps(std::move(arcs));
    line->setJumpsShown(0);
}

void Bonds::showBeads() {
    const Question& q = *m_question;
    const float middle = (look::kBoardLeft + look::kBoardRight) / 2;
    const float stringTop = (kBeadsTop + kBeadsBottom) / 2 - 280;
    switch (q.mode) {
        case kTen:
            beads->move(line->left() + kLineMargin, stringTop, line->width() - 2 * kLineMargin, 560);
            beads->setWires(1, 10);
            break;
        case kTwenty:
            beads->move(line->left() + kLineMargin, stringTop, line->width() - 2 * kLineMargin, 560);
            beads->setWires(1, 20);
            break;
        case kHundred:
            beads->move(middle - 3500, kBeadsTop, 7000, kBeadsBottom - kBeadsTop);
            beads->setWires(10, 10);
            break;
        default: beads->setVisible(false); return;
    }
    beads->setPushedLeft(int(q.known));
    beads->setVisible(true);
}

void Bonds::cmdcheckit_Click() {
    clearFeedback();
    const auto typed = pad.value();
    judge(typed && *typed == answer(*m_question));
}

void Bonds::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    steps.reveal();
}

void Bonds::buildSteps() {
    const Question q = *m_question;
    const std::vector<Jump> jumps = countingUp(q);
    // One press per jump: its arc draws itself from where the count stands.
    for (int i = 0; i < static_cast<int>(jumps.size()); ++i)
        steps.add({{}, [this, i](double t) { line->setJumpsShown(i + t); }, kJumpFrames});

    // Then the jumps are added up and the empty part fills with what they make.
    QStringList sizes;
    for (const Jump& j : jumps) sizes << text(j.to - j.from);
    const QString working = sizes.size() > 1 ? sizes.join(QStringLiteral(" + ")) + QStringLiteral(" = ") + text(missing(q)) : QString();
    const QString solved = equation(true), gap = text(missing(q));
    const float width = shpmissing->width();
    steps.add({[this, working, solved, gap] {
                   if (!working.isEmpty()) {
                       lblquestion->setWidth((look::kBoardRight - look::kBoardLeft) / 2);
                       lblworking->setCaptionFitted(working, look::kQuestionMinimum);
                   }
                   lblquestion->setCaptionFitted(solved, look::kQuestionMinimum);
                   shpfill->setWidth(0);
                   shpfill->setVisible(true);
                   caption(*lblmissing, gap, shpmissing->left(), shpmissing->width());
                   lblmissing->setVisible(false);
               },
               [this, width](double t) {
                   shpfill->setWidth(float(width * t));
                   lblmissing->setVisible(t >= 1);
               },
               kFillFrames});
}

}  // namespace bonds
