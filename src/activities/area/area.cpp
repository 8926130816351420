#include "activities/area/area.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "activities/shell/fresh.h"
#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace area {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("area"));
// Rows of the block: the mode captions, the questions, the keys to the drawing, then the solution's
// sentences.
constexpr int kModeRow = 0;
constexpr int kRectangleAreaRow = 6;
constexpr int kRectanglePerimeterRow = 7;
constexpr int kShapeAreaRow = 8;
constexpr int kShapePerimeterRow = 9;
constexpr int kMakeRow = 10;
constexpr int kSquaresKeyRow = 11;
constexpr int kLengthsKeyRow = 12;
constexpr int kCountRow = 13;
constexpr int kProductRow = 14;
constexpr int kMultiplyRow = 15;
constexpr int kSplitRow = 16;
constexpr int kAreaIsRow = 17;
constexpr int kGoRoundRow = 18;
constexpr int kPerimeterIsRow = 19;
constexpr int kOneShapeRow = 20;
constexpr int kOppositeRow = 21;

// The working is written beside the drawing, each part under the one before.
constexpr float kPanelLeft = Drawing::kRight + 200;
constexpr float kPanelWidth = look::kBoardRight - kPanelLeft;
constexpr float kPartHeight = 540;
constexpr float kGap = 60;
constexpr float kPanelBottom = 6780;
constexpr int kTraceFrames = 24;  // a side gone round in about 0.4 s

// Counting in: two frames a square, never more than the step's second.
int countFrames(std::size_t squares) { return std::clamp(static_cast<int>(squares) * 2, 12, shell::Steps::kMostFrames); }

QString n(long long value) { return shell::numberText(value); }

// A number keeps its unit on the same line: "14 cm²" never breaks before the unit.
QString glued(QString text) {
    text.replace(QStringLiteral(" cm"), QStringLiteral("\u00A0cm"));
    return text;
}
}  // namespace

Area::Area(app::WindowRegistry& windows)
    : Activity(kAreaKind, windows), drawing(*this), pad(*this), modes(*this, QString::fromLatin1(kAreaKind.screen), kModes), steps(this) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, look::kBoardRight - look::kBoardLeft,
                             Drawing::kTop - look::kQuestionTop - kGap);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    lblkey = add<Label>(nullptr, "lblkey", Drawing::kLeft, Drawing::kBottom + kGap, Drawing::kRight - Drawing::kLeft,
                        kPanelBottom - Drawing::kBottom - kGap);
    lblkey->setFont(look::kCaption);
    lblkey->setForeColor(colors::White);

    lblstep = add<Label>(nullptr, "lblstep", kPanelLeft, Drawing::kTop, kPanelWidth, 0);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);

    for (int k = 0; k < Drawing::kMostParts; ++k) {
        auto* part = add<Label>(nullptr, "lblpart", kPanelLeft, Drawing::kTop, kPanelWidth, kPartHeight, k);
        part->setFont(look::kCaption);
        part->setForeColor(look::kInk);
        part->setBackColor(Drawing::partColour(k));
        part->setOpaque(true);
        part->setBorder(true);
        part->setAlignment(Align::Center);
        part->setVisible(false);
        lblpart.add(part);
    }

    lblsum = add<Label>(nullptr, "lblsum", kPanelLeft, Drawing::kTop, kPanelWidth, kPanelBottom - Drawing::kTop);
    lblsum->setFont(look::kQuestion);
    lblsum->setForeColor(look::kText);

    drawing.grid->onCellChanged = [this](int, int) { clearFeedback(); };
    usePad(&pad);
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Area::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    cmdgo_Click();
}

Region Area::shaded() const {
    Region region(drawing.grid->rows(), drawing.grid->columns());
    for (int r = 0; r < region.rows(); ++r)
        for (int c = 0; c < region.columns(); ++c) region.set(r, c, drawing.grid->cell(r, c).shade != 0);
    return region;
}

void Area::modes_Choose(int) { cmdgo_Click(); }

void Area::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Area::ask() {
    m_question = nextQuestion(modes.mode(), rnd(), m_question);
    const Question& q = *m_question;
    steps.clear();
    lblstep->setCaption(QString());
    lblsum->setCaption(QString());
    for (Label* part : lblpart) part->setVisible(false);
    layoutPanel();
    m_sum.clear();

    const bool rectangle = split(q.shape).size() == 1;
    QString question, key = kTexts[kSquaresKeyRow];
    switch (q.mode) {
        case kMakeShape:
            drawing.showPaper(true);
            question = kTexts.format(kMakeRow, n(q.targetArea), n(q.targetPerimeter));
            break;
        case kSidesOnly:
            drawing.showToScale(q.shape, !rectangle);
            key = kTexts[kLengthsKeyRow];
            [[fallthrough]];
        default:
            if (q.mode != kSidesOnly) drawing.showOnPaper(q.shape);
            question = kTexts[q.asksArea ? (rectangle ? kRectangleAreaRow : kShapeAreaRow)
                                         : (rectangle ? kRectanglePerimeterRow : kShapePerimeterRow)];
    }
    lblquestion->setCaptionFitted(question, look::kQuestionMinimum);
    lblkey->setCaption(key);

    pad.clear();
    pad.setEnabled(true);
    pad.setVisible(q.mode != kMakeShape);
    pad.setBoxCaptions(0, QString(), q.asksArea ? QStringLiteral("cm²") : QStringLiteral("cm"));
}

void Area::cmdcheckit_Click() {
    clearFeedback();
    const Question& q = *m_question;
    if (q.mode == kMakeShape) return judge(makesShape(shaded(), q.targetArea, q.targetPerimeter));
    const auto typed = pad.value();
    judge(typed && *typed == Decimal::of(answer(q)));
}

void Area::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    drawing.grid->setTappable(false);
    steps.reveal();
}

void Area::say(const QString& sentence) {
    const QString shown = lblstep->caption();
    lblstep->setCaption(shown.isEmpty() ? sentence : shown + QLatin1Char('\n') + sentence);
    layoutPanel();
}

void Area::showSum(const QString& sum) {
    layoutPanel();
    lblsum->setCaptionFitted(glued(sum), look::kQuestionMinimum);
}

void Area::layoutPanel() {
    // The sentences take the lines they need; the parts and the sum follow on below.
    const QRectF needed = QFontMetricsF(lblstep->qfont()).boundingRect(QRectF(0, 0, kPanelWidth, 1e6), Qt::TextWordWrap, lblstep->caption());
    lblstep->setHeight(lblstep->caption().isEmpty() ? 0 : float(std::ceil(needed.height())));
    float top = lblstep->top() + lblstep->height() + kGap;
    for (Label* part : lblpart) {
        if (!part->isVisible()) continue;
        part->setTop(top);
        top += kPartHeight + kGap;
    }
    lblsum->move(kPanelLeft, top, kPanelWidth, std::max(0.0f, kPanelBottom - top));
}

QString Area::product(int a, int b) const { return glued(kTexts.format(kProductRow, n(a), n(b), n(a * b))); }

void Area::buildSteps() {
    const Question& q = *m_question;
    const bool rectangle = split(q.shape).size() == 1;
    if (q.mode == kMakeShape) {
        addCount(kTexts[kOneShapeRow]);
        addTrace();
    } else if (!q.asksArea) {
        addTrace();
    } else if (rectangle) {
        const Rect r = split(q.shape).front();
        if (!drawing.toScale()) addCount(kTexts.format(kCountRow, n(q.shape.area())));
        steps.add({[this, r] {
            say(kTexts[kMultiplyRow]);
            showSum(product(r.width, r.height) + QLatin1Char('\n') + kTexts.format(kAreaIsRow, n(r.area())));
        }});
    } else {
        addParts();
    }
}

void Area::addCount(const QString& sentence) {
    const Question& q = *m_question;
    steps.add({[this, q, sentence] {
                   // A shape the pupil shaded gives way to the one counted in.
                   if (q.mode == kMakeShape) {
                       drawing.showPaper(false);
                       drawing.drawOutline(q.shape);
                   }
                   m_counting.clear();
                   m_numbers.clear();
                   for (int r = 0; r < q.shape.rows(); ++r)
                       for (int c = 0; c < q.shape.columns(); ++c)
                           if (q.shape.at(r, c)) {
                               m_counting.emplace_back(r, c);
                               m_numbers.push_back(n(static_cast<long long>(m_counting.size())));
                           }
                   m_counted = 0;
                   say(sentence);
               },
               [this](double t) {
                   const int upTo = static_cast<int>(std::ceil(t * static_cast<double>(m_counting.size())));
                   for (; m_counted < upTo; ++m_counted) {
                       const auto [r, c] = m_counting[static_cast<std::size_t>(m_counted)];
                       drawing.grid->setShade(r, c, Drawing::kShapeShade);
                       drawing.number(r, c, m_numbers[static_cast<std::size_t>(m_counted)]);
                   }
               },
               countFrames(static_cast<std::size_t>(q.shape.area()))});
}

void Area::addParts() {
    const std::vector<Rect> parts = split(m_question->shape);
    const int count = std::min<int>(static_cast<int>(parts.size()), Drawing::kMostParts);
    QStringList areas;
    for (int k = 0; k < count; ++k) areas << n(parts[static_cast<std::size_t>(k)].area());
    const QString total = areas.join(QStringLiteral(" + ")) + QStringLiteral(" = ") + n(m_question->shape.area());
    for (int k = 0; k < count; ++k) {
        const Rect r = parts[static_cast<std::size_t>(k)];
        steps.add({[this, k, r] {
            if (k == 0) say(kTexts[kSplitRow]);
            drawing.colourPart(k);
            lblpart[k].setCaptionFitted(product(r.width, r.height), look::kQuestionMinimum);
            lblpart[k].setVisible(true);
            layoutPanel();
        }});
    }
    steps.add({[this, total] { showSum(kTexts.format(kAreaIsRow, total)); }});
}

void Area::addTrace() {
    const Question& q = *m_question;
    const std::vector<Side> sides = outline(q.shape);
    const int count = std::min<int>(static_cast<int>(sides.size()), Drawing::kMostSides);
    const bool rectangleToScale = q.mode == kSidesOnly && split(q.shape).size() == 1;
    const QString perimeterText = n(perimeter(q.shape));
    for (int k = 0; k < count; ++k) {
        const int length = sides[static_cast<std::size_t>(k)].length();
        const bool last = k == count - 1;
        steps.add({[this, k, length, last, rectangleToScale, perimeterText, q] {
                       if (k == 0) {
                           say(kTexts[kGoRoundRow]);
                           if (rectangleToScale) say(kTexts[kOppositeRow]);
                       }
                       drawing.showLength(k);
                       m_sum = m_sum.isEmpty() ? n(length) : m_sum + QStringLiteral(" + ") + n(length);
                       QString shown = m_sum;
                       if (last) {
                           shown += QStringLiteral(" = ") + perimeterText + QLatin1Char('\n') + kTexts.format(kPerimeterIsRow, perimeterText);
                           if (q.mode == kMakeShape) shown += QLatin1Char('\n') + kTexts.format(kAreaIsRow, n(q.shape.area()));
                       }
                       showSum(shown);
                   },
                   [this, k](double t) { drawing.trace(k, t); }, kTraceFrames});
    }
}

}  // namespace area
