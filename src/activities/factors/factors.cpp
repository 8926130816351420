#include "activities/factors/factors.h"

#include <QFontMetricsF>
#include <cmath>

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace factors {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("factors"));
// Rows of the block: the mode captions, the question of each mode, the pens, then the solution's
// sentences and the times sign.
constexpr int kModeRow = 0;
constexpr int kQuestionRow = 4;
constexpr int kPenMultiplesRow = 8;
constexpr int kPenFactorsRow = 9;
constexpr int kCountRow = 10;
constexpr int kPairsRow = 11;
constexpr int kRingsRow = 12;
constexpr int kCommonMultiplesRow = 13;
constexpr int kCommonFactorsRow = 14;
constexpr int kTimesSignRow = 15;

constexpr float kCell = 640;
constexpr float kGridTop = 1380;
constexpr float kPanelLeft = look::kBoardLeft + 10 * kCell + 180;
constexpr float kPanelWidth = look::kBoardRight - kPanelLeft;
constexpr float kPenHeight = 760;
constexpr float kPenGap = 80;
constexpr float kPanelBottom = kGridTop + 10 * kCell;
// The working is written under the square, between the Exit button and the right-hand column.
constexpr float kStepLeft = 1980;
constexpr float kStepTop = kPanelBottom + 60;
const FontSpec kPenFont{QStringLiteral("Tahoma"), 14, true};
const FontSpec kGridFont{QStringLiteral("Tahoma"), 14, true};

// Counting in: about four frames a cell, never more than the step's second.
int countFrames(std::size_t cells) { return std::clamp(static_cast<int>(cells) * 4, 12, shell::Steps::kMostFrames); }
}  // namespace

Factors::Factors(app::WindowRegistry& windows)
    : Activity(kFactorsKind, windows), modes(*this, QString::fromLatin1(kFactorsKind.screen), kModes), steps(this) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop,
                             look::kBoardRight - look::kBoardLeft, kGridTop - look::kQuestionTop - 90);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    grid = add<Grid>(nullptr, "grid", look::kBoardLeft, kGridTop, 10, 10, kCell);
    grid->setTextFont(kGridFont);
    grid->setForeColor(look::kInk);
    grid->setBackColor(look::kPaper);
    grid->setPalette({look::kShades[0], look::kShades[1], look::kShades[2]});
    for (int n = 1; n <= kCells; ++n) grid->setText(rowOf(n), columnOf(n), QString::number(n));

    for (int i = 0; i < 2; ++i) {
        auto* pen = add<OptionButton>(nullptr, "optpen", kPanelLeft, kGridTop + i * (kPenHeight + kPenGap), kPanelWidth, kPenHeight, i);
        pen->setFont(kPenFont);
        pen->setForeColor(look::kInk);
        pen->setBackColor(look::kShades[i]);
        pen->onClick = [this, i] { optpen_Click(i); };
        optpen.add(pen);
    }

    lblstep = add<Label>(nullptr, "lblstep", kStepLeft, kStepTop, look::kBoardRight - kStepLeft, 9000 - kStepTop);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);
    lblstep->setAlignment(Align::Center);

    for (int i = 0; i < 2; ++i) {
        auto* pairs = add<Label>(nullptr, "lblpairs", kPanelLeft, kGridTop, kPanelWidth, 0, i);
        pairs->setFont(look::kCaption);
        pairs->setForeColor(look::kInk);
        pairs->setBackColor(look::kShades[i]);
        pairs->setOpaque(true);
        pairs->setBorder(true);
        pairs->setAlignment(Align::Center);
        lblpairs.add(pairs);
    }
    lblcommon = add<Label>(nullptr, "lblcommon", kPanelLeft, kGridTop, kPanelWidth, 0);
    lblcommon->setFont(look::kCaption);
    lblcommon->setForeColor(look::kInk);
    lblcommon->setBackColor(look::kShades[2]);
    lblcommon->setOpaque(true);
    lblcommon->setBorder(true);
    lblcommon->setAlignment(Align::Center);

    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Factors::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    cmdgo_Click();
}

Shades Factors::shaded() const {
    Shades s{};
    for (int n = 1; n <= kCells; ++n) s[static_cast<std::size_t>(n)] = grid->cell(rowOf(n), columnOf(n)).shade;
    return s;
}

void Factors::modes_Choose(int) { cmdgo_Click(); }

void Factors::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Factors::ask() {
    m_question = nextQuestion(modes.mode(), rnd(), m_question);
    const Question& q = *m_question;
    steps.clear();
    grid->clearMarks();
    grid->setTappable(true);
    const bool two = twoNumbers(q.mode);
    grid->setLayered(two);
    const QString a = QString::number(q.a);
    const QString question = two ? kTexts.format(kQuestionRow + q.mode, a, QString::number(q.b)) : kTexts.format(kQuestionRow + q.mode, a);
    lblquestion->setCaptionFitted(question, look::kQuestionMinimum);
    const int penRow = aboutMultiples(q.mode) ? kPenMultiplesRow : kPenFactorsRow;
    for (int i = 0; i < 2; ++i) {
        optpen[i].setVisible(two);
        optpen[i].setCaption(kTexts.format(penRow, QString::number(i == 0 ? q.a : q.b)));
    }
    optpen[0].setValue(true);
    optpen_Click(0);
    lblstep->setCaption(QString());
    for (Label* pairs : lblpairs) pairs->setVisible(false);
    lblcommon->setVisible(false);
}

void Factors::optpen_Click(int index) { grid->setTool(Grid::Tool::Shade, index == 0 ? kFirst : kSecond); }

void Factors::cmdcheckit_Click() {
    clearFeedback();
    judge(shaded() == rightShades(*m_question));
}

void Factors::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    grid->setTappable(false);
    steps.reveal();
}

QString Factors::listOf(const std::vector<int>& numbers) const {
    QStringList texts;
    for (int n : numbers) texts << QString::number(n);
    return texts.join(QStringLiteral(", "));
}

void Factors::buildSteps() {
    const Question q = *m_question;
    m_marked = shaded();
    const Shades right = rightShades(q);
    addCount(kFirst, q.a);
    if (twoNumbers(q.mode)) addCount(kSecond, q.b);
    bool mistakes = false;
    for (int n = 1; n <= kCells; ++n) mistakes |= (m_marked[static_cast<std::size_t>(n)] & ~right[static_cast<std::size_t>(n)]) != 0;
    if (!mistakes && !twoNumbers(q.mode)) return;
    const QString common = twoNumbers(q.mode) ? kTexts.format(aboutMultiples(q.mode) ? kCommonMultiplesRow : kCommonFactorsRow,
                                                              listOf(commonOf(q)))
                                              : QString();
    steps.add({[this, right, mistakes, common] {
        lblstep->setCaption(mistakes ? kTexts[kRingsRow] : QString());
        if (mistakes)
            for (int n = 1; n <= kCells; ++n)
                if (m_marked[static_cast<std::size_t>(n)] & ~right[static_cast<std::size_t>(n)]) grid->setRinged(rowOf(n), columnOf(n), true);
        if (!common.isEmpty()) showCommon(common);
    }});
}

void Factors::showCommon(const QString& sentence) {
    // Under the pens, or under the longer list of pairs.
    float top = kGridTop + 2 * (kPenHeight + kPenGap) + 60;
    for (const Label* pairs : lblpairs)
        if (pairs->isVisible()) top = std::max(top, pairs->top() + pairs->height() + 120);
    const QRectF needed = QFontMetricsF(sceneFont(look::kCaption))
                              .boundingRect(QRectF(0, 0, kPanelWidth - 60, 1e6), Qt::TextWordWrap, sentence);
    lblcommon->move(kPanelLeft, top, kPanelWidth, std::min(kPanelBottom - top, float(needed.height()) + 60));
    lblcommon->setCaption(sentence);
    lblcommon->setVisible(true);
}

void Factors::addCount(int layer, int n) {
    const Question q = *m_question;
    const std::vector<int> cells = setOf(q, n);
    const QString sentence = kTexts.format(aboutMultiples(q.mode) ? kCountRow : kPairsRow, QString::number(n));
    steps.add({[this, q, layer, n, cells, sentence] {
                   // The class's shading gives way to the right cells, counted in one by one.
                   if (layer == kFirst) grid->clearMarks();
                   m_counting = cells;
                   m_counted = 0;
                   lblstep->setCaptionFitted(sentence, look::kCaption.size);
                   if (!aboutMultiples(q.mode)) showPairs(layer == kFirst ? 0 : 1, n, layer);
               },
               [this, layer](double t) {
                   const int upTo = static_cast<int>(std::ceil(t * static_cast<double>(m_counting.size())));
                   for (; m_counted < upTo; ++m_counted) {
                       const int number = m_counting[static_cast<std::size_t>(m_counted)];
                       grid->setShade(rowOf(number), columnOf(number), grid->cell(rowOf(number), columnOf(number)).shade | layer);
                   }
               },
               countFrames(cells.size())});
}

void Factors::showPairs(int column, int n, int layer) {
    const QString sign = kTexts[kTimesSignRow].isEmpty() ? QString(QChar(0x00D7)) : kTexts[kTimesSignRow];
    // With two numbers the box's colour is its pen's, which names the number.
    const bool two = twoNumbers(m_question->mode);
    QStringList lines;
    if (!two) lines << QString::number(n);
    for (const auto& [small, large] : factorPairs(n))
        lines << QString::number(small) + QLatin1Char(' ') + sign + QLatin1Char(' ') + QString::number(large);
    Label& label = lblpairs[column];
    const float width = two ? (kPanelWidth - 90) / 2 : kPanelWidth * 0.6f;
    const float left = two ? kPanelLeft + column * (width + 90) : kPanelLeft + (kPanelWidth - width) / 2;
    const float top = two ? kGridTop + 2 * (kPenHeight + kPenGap) + 60 : kGridTop;
    const float lineHeight = float(QFontMetricsF(sceneFont(look::kCaption)).lineSpacing());
    label.move(left, top, width, std::min(kPanelBottom - top, lines.size() * lineHeight + 60));
    label.setBackColor(look::kShades[layer == kFirst ? 0 : 1]);
    label.setCaption(lines.join(QLatin1Char('\n')));
    label.setVisible(true);
}

}  // namespace factors
