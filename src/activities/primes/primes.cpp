#include "activities/primes/primes.h"

#include <QFontMetricsF>
#include <cmath>

#include "activities/shell/look.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace primes {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("primes"));
// Rows of the block: the mode captions, the two questions, the answer buttons, then the
// solution's sentences and the legend.
constexpr int kModeRow = 0;
constexpr int kSieveQuestionRow = 3;
constexpr int kPrimeQuestionRow = 4;
constexpr int kPrimeRow = 5;
constexpr int kNotPrimeRow = 6;
constexpr int kStrikeOneRow = 7;
constexpr int kRingRow = 8;
constexpr int kLeftRow = 9;
constexpr int kPairRow = 10;
constexpr int kOnlyTwoRow = 11;
constexpr int kMultiplesRow = 12;

constexpr float kCell = 640;
constexpr float kGridTop = 1380;
constexpr float kPanelLeft = look::kBoardLeft + 10 * kCell + 180;
constexpr float kPanelWidth = look::kBoardRight - kPanelLeft;
constexpr float kLegendHeight = 480;
constexpr float kLegendGap = 80;
constexpr float kSieveStepLeft = 1980;  // under the square, right of the Exit button
constexpr float kSieveStepTop = kGridTop + 10 * kCell + 60;
constexpr float kButtonWidth = 4000;
constexpr float kButtonGap = 600;
constexpr float kButtonTop = 4560;
constexpr float kAnswerTop = kButtonTop + 1300;
constexpr float kBoardWidth = look::kBoardRight - look::kBoardLeft;

const FontSpec kNumberFont{QStringLiteral("Arial"), 120, true};
const FontSpec kButtonFont{QStringLiteral("Arial"), 24, true};
const FontSpec kLegendFont{QStringLiteral("Tahoma"), 16, true};
const QColor kButtonFace{0xF4, 0xF4, 0xF4};

// A colour for each pass of the sieve: 1, then the multiples of 2, 3, 5 and 7.
const std::vector<QColor> kPassColours{{0xC8, 0xC8, 0xC8}, look::kShades[3], look::kShades[1], look::kShades[4], look::kShades[5]};

// A sweep takes about two frames a cell, at least a fifth of a second and at most the step's second.
int sweepFrames(std::size_t cells) { return std::clamp(static_cast<int>(cells) * 2, 12, shell::Steps::kMostFrames); }
}  // namespace

Primes::Primes(app::WindowRegistry& windows)
    : Activity(kPrimesKind, windows), modes(*this, QString::fromLatin1(kPrimesKind.screen), kModes), steps(this) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, kBoardWidth,
                             kGridTop - look::kQuestionTop - 90);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    grid = add<Grid>(nullptr, "grid", look::kBoardLeft, kGridTop, 10, 10, kCell);
    grid->setTextFont({QStringLiteral("Tahoma"), 14, true});
    grid->setForeColor(look::kInk);
    grid->setBackColor(look::kPaper);
    grid->setPalette(kPassColours);
    grid->setTool(Grid::Tool::Strike);
    for (int n = 1; n <= kCells; ++n) grid->setText(rowOf(n), columnOf(n), QString::number(n));

    for (int i = 0; i < static_cast<int>(kPassColours.size()); ++i) {
        auto* legend = add<Label>(nullptr, "lbllegend", kPanelLeft, kGridTop + i * (kLegendHeight + kLegendGap), kPanelWidth,
                                  kLegendHeight, i);
        legend->setFont(kLegendFont);
        legend->setForeColor(look::kInk);
        legend->setBackColor(kPassColours[static_cast<std::size_t>(i)]);
        legend->setOpaque(true);
        legend->setBorder(true);
        legend->setAlignment(Align::Center);
        lbllegend.add(legend);
    }

    lblnumber = add<Label>(nullptr, "lblnumber", look::kBoardLeft, kGridTop + 300, kBoardWidth, 2700);
    lblnumber->setFont(kNumberFont);
    lblnumber->setForeColor(look::kText);
    lblnumber->setAlignment(Align::Center);

    const float buttonsLeft = look::kBoardLeft + (kBoardWidth - 2 * kButtonWidth - kButtonGap) / 2;
    cmdprime = add<CommandButton>(nullptr, "cmdprime", buttonsLeft, kButtonTop, kButtonWidth, 1000);
    cmdnotprime = add<CommandButton>(nullptr, "cmdnotprime", buttonsLeft + kButtonWidth + kButtonGap, kButtonTop, kButtonWidth, 1000);
    for (CommandButton* b : {cmdprime, cmdnotprime}) {
        b->setFont(kButtonFont);
        b->setTabStop(false);
    }
    cmdprime->onClick = [this] { cmdprime_Click(); };
    cmdnotprime->onClick = [this] { cmdnotprime_Click(); };

    lblstep = add<Label>(nullptr, "lblstep", kSieveStepLeft, kSieveStepTop, look::kBoardRight - kSieveStepLeft, 9000 - kSieveStepTop);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);
    lblstep->setAlignment(Align::Center);

    lblanswer = add<Label>(nullptr, "lblanswer", look::kBoardLeft, kAnswerTop, kBoardWidth, 7900 - kAnswerTop);
    lblanswer->setFont(look::kQuestion);
    lblanswer->setForeColor(colors::White);
    lblanswer->setAlignment(Align::Center);

    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Primes::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    cmdprime->setCaption(kTexts[kPrimeRow]);
    cmdnotprime->setCaption(kTexts[kNotPrimeRow]);
    // Both answers on one line at one size: smaller for a long language, never below 18 points.
    FontSpec font = kButtonFont;
    const auto fits = [&](const CommandButton* b) {
        return QFontMetricsF(sceneFont(font)).horizontalAdvance(b->caption()) <= b->width() - 240;
    };
    while (font.size > look::kQuestionMinimum && !(fits(cmdprime) && fits(cmdnotprime))) font.size -= 1;
    cmdprime->setFont(font);
    cmdnotprime->setFont(font);
    cmdgo_Click();
}

void Primes::modes_Choose(int) { cmdgo_Click(); }

void Primes::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Primes::ask() {
    m_question = nextQuestion(modes.mode(), rnd(), m_question);
    const Question& q = *m_question;
    steps.clear();
    const bool sieve = q.mode == kSieve;
    grid->setVisible(sieve);
    grid->clearMarks();
    grid->setTappable(true);
    for (Label* legend : lbllegend) legend->setVisible(false);
    lblnumber->setVisible(!sieve);
    // Each working label only where it belongs: an empty one would still take the square's taps.
    lblstep->setVisible(sieve);
    lblanswer->setVisible(!sieve);
    cmdprime->setVisible(!sieve);
    cmdnotprime->setVisible(!sieve);
    choose(std::nullopt);
    if (sieve) {
        lblquestion->setCaptionFitted(kTexts[kSieveQuestionRow], look::kQuestionMinimum);
    } else {
        lblquestion->setCaptionFitted(kTexts.format(kPrimeQuestionRow, QString::number(q.number)), look::kQuestionMinimum);
        lblnumber->setCaption(QString::number(q.number));
    }
    lblstep->setCaption(QString());
    lblanswer->setCaption(QString());
}

void Primes::choose(std::optional<bool> prime) {
    m_choice = prime;
    cmdprime->setBackColor(prime && *prime ? look::kHighlight : kButtonFace);
    cmdnotprime->setBackColor(prime && !*prime ? look::kHighlight : kButtonFace);
}

void Primes::cmdprime_Click() {
    if (steps.empty()) choose(true);
}

void Primes::cmdnotprime_Click() {
    if (steps.empty()) choose(false);
}

void Primes::cmdcheckit_Click() {
    clearFeedback();
    const Question& q = *m_question;
    if (q.mode != kSieve) {
        judge(m_choice && *m_choice == isPrime(q.number));
        return;
    }
    // Right when exactly the numbers that are not prime are struck out.
    bool right = true;
    for (int n = 1; n <= kCells; ++n) right &= grid->cell(rowOf(n), columnOf(n)).struck == !isPrime(n);
    judge(right);
}

void Primes::cmdsoln_Click() {
    if (steps.empty()) m_question->mode == kSieve ? buildSieveSteps() : buildPairStep();
    cmdcheckit->setVisible(false);
    grid->setTappable(false);
    steps.reveal();
}

void Primes::buildSieveSteps() {
    m_passes = sievePasses();
    for (int k = 0; k < static_cast<int>(m_passes.size()); ++k) {
        const int prime = m_passes[static_cast<std::size_t>(k)].prime;
        steps.add({[this, k, prime] {
                       // The class's strokes give way to the sieve's own.
                       if (k == 0) grid->clearMarks();
                       if (prime > 0) grid->setRinged(rowOf(prime), columnOf(prime), true);
                       Label& legend = lbllegend[std::min(k, lbllegend.size() - 1)];
                       legend.setCaption(prime > 0 ? kTexts.format(kMultiplesRow, QString::number(prime)) : QStringLiteral("1"));
                       legend.setVisible(true);
                       lblstep->setCaptionFitted(prime > 0 ? kTexts.format(kRingRow, QString::number(prime)) : kTexts[kStrikeOneRow],
                                                 look::kCaption.size);
                       m_sweeping = &m_passes[static_cast<std::size_t>(k)].struck;
                       m_swept = 0;
                       m_sweepShade = std::min(k, static_cast<int>(kPassColours.size()) - 1) + 1;
                   },
                   [this](double t) {
                       const int upTo = static_cast<int>(std::ceil(t * static_cast<double>(m_sweeping->size())));
                       for (; m_swept < upTo; ++m_swept) {
                           const int n = (*m_sweeping)[static_cast<std::size_t>(m_swept)];
                           grid->setShade(rowOf(n), columnOf(n), m_sweepShade);
                           grid->setStruck(rowOf(n), columnOf(n), true);
                       }
                   },
                   sweepFrames(m_passes[static_cast<std::size_t>(k)].struck.size())});
    }
    steps.add({[this] {
        const std::vector<int> left = leftBySieve();
        for (int n : left) grid->setRinged(rowOf(n), columnOf(n), true);
        lblstep->setCaptionFitted(kTexts.format(kLeftRow, QString::number(left.size())), look::kCaption.size);
    }});
}

void Primes::buildPairStep() {
    const int n = m_question->number;
    const auto [small, large] = smallestPair(n);
    const QString sentence = small > 1 ? kTexts.format(kPairRow, QString::number(n), QString::number(small), QString::number(large))
                                       : kTexts.format(kOnlyTwoRow, QString::number(n));
    steps.add({[this, sentence] { lblanswer->setCaptionFitted(sentence, look::kQuestionMinimum); }});
}

}  // namespace primes
