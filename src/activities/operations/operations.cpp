#include "activities/operations/operations.h"

#include <QFontMetricsF>
#include <memory>

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace operations {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("operations"));
// Rows of the block: the instruction, the mode captions, the rule's name and its four parts, the
// signs for × and ÷ as the language's classrooms write them, and the answer's sentence.
constexpr int kInstructionRow = 0;
constexpr int kModeRow = 1;
constexpr int kRuleRow = 5;
constexpr int kPartRow = 6;
constexpr int kTimesRow = 10;
constexpr int kDivideRow = 11;
constexpr int kAnswerRow = 12;

FontSpec sized(const FontSpec& font, float points) {
    FontSpec f = font;
    f.size = points;
    return f;
}
const FontSpec kExpressionFont = sized(look::kBig, 44);
const FontSpec kWorkingFont = sized(look::kBig, 36);

constexpr float kPartTop = 2700;
constexpr float kPartHeight = 480;
constexpr float kPartGap = 150;
constexpr float kPartPadding = 300;
const QColor kPartFace{0xF4, 0xF4, 0xF4};

int partOf(Rule rule) {
    switch (rule) {
        case Rule::Brackets: return 0;
        case Rule::Squares: return 1;
        case Rule::TimesDivide: return 2;
        case Rule::PlusMinus: return 3;
    }
    return 3;
}
}  // namespace

Operations::Operations(app::WindowRegistry& windows)
    : Activity(kOperations, windows), pad(*this), modes(*this, QString::fromLatin1(kOperations.screen), kModes), steps(this) {
    const float boardWidth = look::kBoardRight - look::kBoardLeft;
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, boardWidth, 700);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    lblexpression = add<MathLine>(nullptr, "lblexpression", look::kBoardLeft, 900, boardWidth, 1250);
    lblexpression->setFont(kExpressionFont);
    lblexpression->setForeColor(look::kText);
    lblexpression->setHighlightColor(look::kHighlight);

    lblrule = add<Label>(nullptr, "lblrule", look::kBoardLeft, 2200, boardWidth, 450);
    lblrule->setFont(look::kCaption);
    lblrule->setForeColor(colors::White);
    lblrule->setAlignment(Align::Center);

    for (int i = 0; i < 4; ++i) {
        Label* part = add<Label>(nullptr, "lblpart", look::kBoardLeft, kPartTop, 1500, kPartHeight, i);
        part->setFont(look::kCaption);
        part->setForeColor(look::kInk);
        part->setBackColor(kPartFace);
        part->setOpaque(true);
        part->setBorder(true);
        part->setAlignment(Align::Center);
        lblpart[std::size_t(i)] = part;
    }

    for (int i = 0; i < kLines; ++i) {
        MathLine* line = add<MathLine>(nullptr, "lblworking", look::kBoardLeft, 3350 + 1100 * i, boardWidth, 1000, i);
        line->setFont(kWorkingFont);
        line->setForeColor(look::kText);
        line->setHighlightColor(look::kHighlight);
        lblworking[std::size_t(i)] = line;
    }

    usePad(&pad);
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Operations::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    if (!kTexts[kTimesRow].isEmpty()) m_signs.times = kTexts[kTimesRow];
    if (!kTexts[kDivideRow].isEmpty()) m_signs.divide = kTexts[kDivideRow];
    lblrule->setCaption(kTexts[kRuleRow]);
    placeRuleParts();
    cmdgo_Click();
}

void Operations::placeRuleParts() {
    // The four parts of the rule side by side, each as wide as its words, centred under its name.
    const QFontMetricsF metrics(sceneFont(look::kCaption));
    float total = 0;
    for (int i = 0; i < 4; ++i) {
        Label* part = lblpart[std::size_t(i)];
        part->setCaption(kTexts[kPartRow + i]);
        part->setWidth(float(metrics.horizontalAdvance(part->caption())) + kPartPadding);
        total += part->width() + (i > 0 ? kPartGap : 0);
    }
    float left = (look::kBoardLeft + look::kBoardRight - total) / 2;
    for (Label* part : lblpart) {
        part->setLeft(left);
        left += part->width() + kPartGap;
    }
}

void Operations::modes_Choose(int) { cmdgo_Click(); }

void Operations::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Operations::ask() {
    m_question = nextQuestion(modes.mode(), rnd(), m_question);
    const auto worked = work(m_question->expression, kLargestValue);
    m_answer = worked && !worked->empty() ? worked->back().value : m_question->expression.front().value;
    lblquestion->setCaptionFitted(kTexts[kInstructionRow], look::kQuestionMinimum);
    lblexpression->setPieces(pieces(m_question->expression, 0, 0, -1));
    lblrule->setVisible(false);
    for (Label* part : lblpart) part->setVisible(false);
    for (MathLine* line : lblworking) line->setVisible(false);
    steps.clear();
    pad.setEnabled(true);
    pad.clear();
}

std::vector<MathLine::Piece> Operations::pieces(const Expression& e, int from, int to, int at) const {
    std::vector<int> starts, ends;
    const QString text = written(e, m_signs, &starts, &ends);
    const auto styleOf = [&](int token) {
        return (token >= from && token < to ? MathLine::Underlined : 0) | (token == at ? MathLine::Highlighted : 0);
    };
    // Runs of text in one style: each token, and the space after it underlined only inside the range.
    std::vector<MathLine::Piece> result;
    const auto append = [&result](const QString& part, int style) {
        if (part.isEmpty()) return;
        if (!result.empty() && result.back().style == style)
            result.back().text += part;
        else
            result.push_back({part, style});
    };
    const int n = static_cast<int>(e.size());
    for (int i = 0; i < n; ++i) {
        append(text.mid(starts[std::size_t(i)], ends[std::size_t(i)] - starts[std::size_t(i)]), styleOf(i));
        if (i + 1 < n) {
            const int gapStyle = i >= from && i + 1 < to ? MathLine::Underlined : 0;
            append(text.mid(ends[std::size_t(i)], starts[std::size_t(i + 1)] - ends[std::size_t(i)]), gapStyle);
        }
    }
    return result;
}

void Operations::cmdcheckit_Click() {
    clearFeedback();
    const auto typed = pad.value();
    judge(typed && *typed == Decimal::of(m_answer));
}

void Operations::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    steps.reveal();
}

void Operations::light(Rule rule) {
    for (int i = 0; i < 4; ++i) lblpart[std::size_t(i)]->setBackColor(i == partOf(rule) ? look::kHighlight : kPartFace);
}

void Operations::buildSteps() {
    auto worked = work(m_question->expression, kLargestValue);
    if (!worked) return;
    const auto shared = std::make_shared<const std::vector<Step>>(std::move(*worked));
    for (std::size_t k = 0; k < shared->size() && k < std::size_t(kLines); ++k) {
        steps.add({[this, shared, k] {
            const std::vector<Step>& all = *shared;
            const Step& step = all[k];
            if (k == 0) {
                lblrule->setVisible(true);
                for (Label* part : lblpart) part->setVisible(true);
            }
            // Underline what is done next on the line above, then write the line with it worked out.
            MathLine* above = k == 0 ? lblexpression : lblworking[k - 1];
            const Expression& before = k == 0 ? m_question->expression : all[k - 1].after;
            above->setPieces(pieces(before, step.from, step.to, k == 0 ? -1 : all[k - 1].at));
            light(step.rule);
            MathLine* line = lblworking[k];
            line->setPieces(pieces(step.after, 0, 0, step.at));
            line->setVisible(true);
            if (step.after.size() == 1)
                lblquestion->setCaptionFitted(kTexts.format(kAnswerRow, shell::numberText(step.value)), look::kQuestionMinimum);
        }});
    }
}

}  // namespace operations
