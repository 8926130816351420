#include "activities/symmetry/symmetry.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "activities/shell/look.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace symmetry {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("symmetry"));
// Rows of the block: the mode captions, the two questions and the colours' reminder, the pens, then
// the solution's sentences.
constexpr int kModeRow = 0;
constexpr int kQuestionRow = 4;
constexpr int kFourQuartersRow = 5;
constexpr int kSameColoursRow = 6;
constexpr int kPenRow = 7;
constexpr int kTwinRow = 9;
constexpr int kFirstMirrorRow = 10;
constexpr int kSecondMirrorRow = 11;
constexpr int kRingsRow = 12;

constexpr float kCell = Symmetry::kCell;
constexpr float kGridTop = Symmetry::kGridTop;
constexpr float kPaper = kSize * kCell;
constexpr float kPanelLeft = look::kBoardLeft + kPaper + 300;  // clear of the level mirror's end
constexpr float kPanelWidth = look::kBoardRight - kPanelLeft;
constexpr float kPenHeight = 760;
constexpr float kPenGap = 80;
constexpr float kStepTop = kGridTop + 2 * (kPenHeight + kPenGap) + 60;
constexpr float kMirrorOverhang = 120;  // the mirror runs a little past the paper, so it reads as a line
constexpr int kMirrorWidth = 6;         // pixels
const QColor kMirror{0xD0, 0x10, 0x10};
const QColor kSquareLine{0x80, 0x9C, 0xB8};
// The pens' colours: shade 1 and shade 2 of the paper.
const QColor kPens[] = {look::kShades[1], look::kShades[4]};
const FontSpec kPenFont{QStringLiteral("Tahoma"), 18, true};

// Twins come in at about five frames each, never more than the step's second.
int appearFrames(std::size_t twins) { return std::clamp(static_cast<int>(twins) * 5, 12, shell::Steps::kMostFrames); }
}  // namespace

Symmetry::Symmetry(app::WindowRegistry& windows)
    : Activity(kSymmetryKind, windows), modes(*this, QString::fromLatin1(kSymmetryKind.screen), kModes), steps(this) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, look::kBoardRight - look::kBoardLeft,
                             kGridTop - look::kQuestionTop - kMirrorOverhang - 30);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    grid = add<Grid>(nullptr, "grid", look::kBoardLeft, kGridTop, kSize, kSize, kCell);
    grid->setBackColor(look::kPaper);
    grid->setLineColor(kSquareLine);
    grid->setPalette({kPens[0], kPens[1]});

    // Over the paper, letting taps through to the squares under them.
    for (int i = 0; i < 2; ++i) {
        auto* mirror = add<Line>(nullptr, "linmirror", 0, 0, 0, 0, i);
        mirror->setForeColor(kMirror);
        mirror->setBorderWidth(kMirrorWidth);
        linmirror.add(mirror);
    }

    for (int i = 0; i < 2; ++i) {
        auto* pen = add<OptionButton>(nullptr, "optpen", kPanelLeft, kGridTop + i * (kPenHeight + kPenGap), kPanelWidth, kPenHeight, i);
        pen->setFont(kPenFont);
        pen->setForeColor(look::kInk);
        pen->setBackColor(kPens[i]);
        pen->onClick = [this, i] { optpen_Click(i); };
        optpen.add(pen);
    }

    lblstep = add<Label>(nullptr, "lblstep", kPanelLeft, kStepTop, kPanelWidth, kGridTop + kPaper - kStepTop);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);

    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Symmetry::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    for (int i = 0; i < 2; ++i) optpen[i].setCaption(kTexts[kPenRow + i]);
    cmdgo_Click();
}

Shades Symmetry::shaded() const {
    Shades s{};
    for (int r = 0; r < kSize; ++r)
        for (int c = 0; c < kSize; ++c) s[static_cast<std::size_t>(indexOf({r, c}))] = grid->cell(r, c).shade;
    return s;
}

void Symmetry::modes_Choose(int) { cmdgo_Click(); }

void Symmetry::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Symmetry::ask() {
    m_question = nextQuestion(modes.mode(), rnd(), m_question);
    const Question& q = *m_question;
    steps.clear();
    grid->clearMarks();
    grid->setTappable(true);
    // The given part is the pattern's own: taps there change nothing, so only the twins are the class's.
    for (int r = 0; r < kSize; ++r)
        for (int c = 0; c < kSize; ++c) {
            grid->setLocked(r, c, givenPart(q, {r, c}));
            grid->setShade(r, c, q.given[static_cast<std::size_t>(indexOf({r, c}))]);
        }
    for (int i = 0; i < linmirror.size(); ++i) {
        linmirror[i].setVisible(i < static_cast<int>(q.mirrors.size()));
        if (i < static_cast<int>(q.mirrors.size())) showMirror(i, q.mirrors[static_cast<std::size_t>(i)]);
    }
    QString question = kTexts[q.mode == kBoth ? kFourQuartersRow : kQuestionRow];
    if (q.colours > 1 && !kTexts[kSameColoursRow].isEmpty()) question += QLatin1Char(' ') + kTexts[kSameColoursRow];
    // Fitting measures the words at one size after another: once per text is enough.
    if (const auto fitted = m_questionSizes.constFind(question); fitted != m_questionSizes.cend()) {
        lblquestion->setFontSize(*fitted);
        lblquestion->setCaption(question);
    } else {
        m_questionSizes.insert(question, lblquestion->setCaptionFitted(question, look::kQuestionMinimum));
    }
    for (OptionButton* pen : optpen) pen->setVisible(q.colours > 1);
    optpen[0].setValue(true);
    optpen_Click(0);
    lblstep->setCaption(QString());
}

void Symmetry::showMirror(int index, const Mirror& m) {
    const float left = look::kBoardLeft, top = kGridTop, right = left + kPaper, bottom = top + kPaper;
    const float over = kMirrorOverhang;
    Line& line = linmirror[index];
    // A diagonal runs corner to corner: past the bottom left corner it would meet the Exit button.
    float x1 = left, y1 = top, x2 = right, y2 = bottom;
    switch (m.kind) {
        case Mirror::Vertical:
            x1 = x2 = left + m.at * kCell;
            y1 = top - over;
            y2 = bottom + over;
            break;
        case Mirror::Horizontal:
            y1 = y2 = top + m.at * kCell;
            x1 = left - over;
            x2 = right + over;
            break;
        case Mirror::Falling: break;
        case Mirror::Rising: std::swap(y1, y2); break;
    }
    line.setX1(x1);
    line.setY1(y1);
    line.setX2(x2);
    line.setY2(y2);
}

void Symmetry::optpen_Click(int index) { grid->setTool(Grid::Tool::Shade, index + 1); }

void Symmetry::cmdcheckit_Click() {
    clearFeedback();
    judge(shaded() == completed(*m_question));
}

void Symmetry::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    grid->setTappable(false);
    steps.reveal();
}

void Symmetry::buildSteps() {
    const Question& q = *m_question;
    m_marked = shaded();
    Shades page = q.given;
    for (std::size_t i = 0; i < q.mirrors.size(); ++i) {
        const std::vector<Twin> twins = reflectionsIn(page, q.mirrors[i]);
        for (const Twin& twin : twins) page[static_cast<std::size_t>(indexOf(twin.square))] = twin.shade;
        const int sentence = q.mirrors.size() == 1 ? kTwinRow : i == 0 ? kFirstMirrorRow : kSecondMirrorRow;
        addReflection(twins, sentence, i == 0);
    }
    // Squares shaded where the finished page has none, or in the other colour.
    const auto wrong = [this, page](std::size_t k) { return m_marked[k] != 0 && m_marked[k] != page[k]; };
    bool mistakes = false;
    for (std::size_t k = 0; k < kCells; ++k) mistakes |= wrong(k);
    if (!mistakes) return;
    steps.add({[this, wrong] {
        lblstep->setCaption(kTexts[kRingsRow]);
        for (int r = 0; r < kSize; ++r)
            for (int c = 0; c < kSize; ++c)
                if (wrong(static_cast<std::size_t>(indexOf({r, c})))) grid->setRinged(r, c, true);
    }});
}

void Symmetry::addReflection(const std::vector<Twin>& twins, int sentenceRow, bool first) {
    steps.add({[this, twins, sentenceRow, first] {
                   // The class's shading gives way to the twins, brought in one by one.
                   if (first)
                       for (int r = 0; r < kSize; ++r)
                           for (int c = 0; c < kSize; ++c)
                               if (!grid->cell(r, c).locked) grid->setShade(r, c, 0);
                   m_appearing = twins;
                   m_appeared = 0;
                   lblstep->setCaption(kTexts[sentenceRow]);
               },
               [this](double t) {
                   const int upTo = static_cast<int>(std::ceil(t * static_cast<double>(m_appearing.size())));
                   for (; m_appeared < upTo; ++m_appeared) {
                       const Twin& twin = m_appearing[static_cast<std::size_t>(m_appeared)];
                       grid->setShade(twin.square.row, twin.square.column, twin.shade);
                   }
               },
               appearFrames(twins.size())});
}

}  // namespace symmetry
