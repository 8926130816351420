#include "activities/bank/bank.h"

#include <cmath>

#include "activities/shell/look.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace bank {

using namespace platform;
namespace look = shell::look;
using shell::MoneyForm;

namespace {
const app::TextBlock kTexts(QStringLiteral("bank"));
// Rows of the block: the question's sentences, the mode captions, the statement, the solution.
constexpr int kBalanceIsRow = 0;
constexpr int kSpendRow = 1;
constexpr int kPayInRow = 2;
constexpr int kWhatNowRow = 3;
constexpr int kWhatBeforeRow = 4;
constexpr int kModeRow = 5;
constexpr int kStatementRow = 8;
constexpr int kHeadingRow = 9;  // details, amount, balance
constexpr int kBalanceBeforeRow = 12;
constexpr int kPaymentOutRow = 13;
constexpr int kPaymentInRow = kPaymentOutRow + kPaymentsOut;
constexpr int kDownToZeroRow = 23;
constexpr int kBelowZeroRow = 24;
constexpr int kUpToZeroRow = 25;
constexpr int kAboveZeroRow = 26;
constexpr int kDownRow = 27;
constexpr int kUpRow = 28;
constexpr int kUndoSpendRow = 29;
constexpr int kUndoPayInRow = 30;
constexpr int kNowRow = 31;
constexpr int kBeforeRow = 32;

constexpr int kMoveFrames = 40;  // the bar moves for about two thirds of a second a part

// The scale stands at the left, its parts' arcs and their amounts to the left of it, its labels
// to the right; the statement at the right. The line runs down the middle of its control, which
// ends where the statement begins: a frame of the moving bar repaints none of the statement.
constexpr float kLineLeft = 240, kLineTop = 1350, kLineHeight = 5350;
constexpr float kAxis = 2300;
constexpr float kLineWidth = 2 * (kAxis - kLineLeft);
constexpr float kScaleRight = 3600;  // past the widest label
constexpr float kBarWidth = 460;
constexpr float kPaperLeft = kLineLeft + kLineWidth, kPaperTop = 1350, kPaperHeight = 3200;
constexpr float kColumnLefts[Bank::kColumns] = {4420, 6760, 8320};
constexpr float kColumnWidths[Bank::kColumns] = {2340, 1440, 1400};
// Arial is narrower than Tahoma at the same size: the statement's amounts and words need it.
const FontSpec kStatement{QStringLiteral("Arial"), 18, true};
constexpr float kRowTops[Bank::kRows] = {1980, 2560, 3480};
constexpr float kRowHeights[Bank::kRows] = {520, 880, 880};

const QColor kRed{0xFF, 0x4D, 0x4D};
const QColor kGreen{0x3C, 0xC8, 0x50};
const QColor kInTheRed{0x9E, 0x2A, 0x3A};
const QColor kArrow = look::kText;
}  // namespace

Bank::Bank(app::WindowRegistry& windows, shell::Edition edition)
    : Activity(kBankKinds.of(edition), windows),
      pad(*this),
      modes(*this, QString::fromLatin1(kBankKinds.of(edition).screen), kModes),
      steps(this),
      m_edition(edition) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, look::kBoardRight - look::kBoardLeft, 1080);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    // Drawn first, so the bar and the scale lie over the red below zero.
    shpred = add<Shape>(nullptr, "shpred", kLineLeft, kLineTop, kLineWidth, 0);
    shpred->setOpaque(true);
    shpred->setBackColor(kInTheRed);
    shpred->setForeColor(kInTheRed);
    shpbar = add<Shape>(nullptr, "shpbar", 0, 0, kBarWidth, 0);
    shpbar->setOpaque(true);
    shpbar->setForeColor(colors::White);
    line = add<NumberLine>(nullptr, "line", kLineLeft, kLineTop, kLineWidth, kLineHeight, NumberLine::Orientation::Vertical);
    line->setLabelFont({QStringLiteral("Tahoma"), 14, true});

    shppaper = add<Shape>(nullptr, "shppaper", kPaperLeft, kPaperTop, look::kBoardRight - kPaperLeft, kPaperHeight);
    shppaper->setOpaque(true);
    shppaper->setBackColor(look::kPaper);
    shppaper->setForeColor(look::kInk);
    lblheading = add<Label>(nullptr, "lblheading", kColumnLefts[0], kPaperTop + 90, look::kBoardRight - kColumnLefts[0] - 120, 520);
    lblheading->setFont(look::kCaption);
    lblheading->setForeColor(look::kInk);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto* cell = add<Label>(nullptr, "lblcell", kColumnLefts[column], kRowTops[row], kColumnWidths[column],
                                    kRowHeights[row], row * kColumns + column);
            cell->setFont(kStatement);
            cell->setForeColor(row == 0 ? QColor(0x24, 0x6C, 0xB8) : look::kInk);
            cell->setAlignment(column == 0 ? Align::Left : Align::Right);
            lblcell.add(cell);
        }
    }

    lblstep = add<Label>(nullptr, "lblstep", kPaperLeft, kPaperTop + kPaperHeight + 120, look::kBoardRight - kPaperLeft, 1900);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);
    lblstep->setAlignment(Align::Left);

    usePad(&pad);
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Bank::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    m_style = shell::MoneyStyle::chosen(m_edition);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    pad.setExtraKeys(shell::moneyKeys(m_style).mid(0, 1));
    lblheading->setCaption(kTexts[kStatementRow]);
    for (int column = 0; column < kColumns; ++column) cell(0, column).setCaption(kTexts[kHeadingRow + column]);
    line->setLabeller([this](long long v) { return shell::moneyText(v, m_style, MoneyForm::Amount); });
    cmdgo_Click();
}

QString Bank::text(long long minor) const { return shell::moneyText(minor, m_style, MoneyForm::Amount); }

void Bank::modes_Choose(int) { cmdgo_Click(); }

void Bank::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Bank::ask() {
    m_question = nextQuestion(modes.mode(), rnd(), m_question);
    const Question& q = *m_question;
    const QString payment = kTexts.format(q.paidIn ? kPayInRow : kSpendRow, text(q.amount));
    const QString sentence = q.mode == kBackwards
                                 ? payment + QLatin1Char(' ') + kTexts.format(kWhatBeforeRow, text(q.end()))
                                 : kTexts.format(kBalanceIsRow, text(q.start)) + QLatin1Char(' ') + payment +
                                       QLatin1Char(' ') + kTexts[kWhatNowRow];
    lblquestion->setCaptionFitted(sentence.trimmed(), look::kQuestionMinimum);
    steps.clear();
    lblstep->setCaption(QString());
    pad.clear();
    pad.setEnabled(true);
    fillStatement();
    showScale();
}

void Bank::fillStatement() {
    const Question& q = *m_question;
    const bool backwards = q.mode == kBackwards;
    const QString unknown = QStringLiteral("?");
    cell(1, 0).setCaption(kTexts[kBalanceBeforeRow]);
    cell(1, 1).setCaption(QString());
    cell(1, 2).setCaption(backwards ? unknown : text(q.start));
    cell(2, 0).setCaption(kTexts[q.paidIn ? kPaymentInRow + q.detail : kPaymentOutRow + q.detail]);
    // Money in is written with its plus, money out as the minus it makes.
    cell(2, 1).setCaption(q.paidIn ? QLatin1Char('+') + text(q.amount) : text(-q.amount));
    cell(2, 2).setCaption(backwards ? text(q.end()) : unknown);
    for (int row = 1; row < kRows; ++row) cell(row, 2).setForeColor(look::kInk);
    cell(backwards ? 1 : 2, 2).setForeColor(look::kHighlight);
}

void Bank::showScale() {
    const Question& q = *m_question;
    const Scale scale = scaleOf(q);
    line->setRange(scale.low, scale.high, scale.tick, scale.label);
    line->setJumps({});
    line->setJumpsShown(0);
    const long long known = q.mode == kBackwards ? q.end() : q.start;
    line->setMarkers({{double(known), NumberLine::Marker::Kind::Arrow, kArrow, QString()}});
    // The red runs from zero to the foot of the scale.
    const float zero = line->top() + float(line->pointOf(0).y());
    const float foot = line->top() + line->height();
    shpred->move(kLineLeft, zero, kScaleRight - kLineLeft, foot - zero);
    setBar(double(known));
}

void Bank::setBar(double balance) {
    m_bar = balance;
    const float x = line->left() + float(line->pointOf(0).x()) - kBarWidth / 2;
    const float zero = line->top() + float(line->pointOf(0).y());
    const float at = line->top() + float(line->pointOf(balance).y());
    shpbar->move(x, std::min(zero, at), kBarWidth, std::max(1.0f, std::abs(at - zero)));
    shpbar->setBackColor(balance < 0 ? kRed : kGreen);
    line->setMarkerAt(0, balance);
}

void Bank::cmdcheckit_Click() {
    clearFeedback();
    const auto typed = shell::readMoney(pad.text(), m_style);
    judge(typed && *typed == answer(*m_question));
}

void Bank::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    steps.reveal();
}

void Bank::say(const QString& sentence) { lblstep->setCaption(sentence); }

void Bank::buildSteps() {
    const Question q = *m_question;
    const std::vector<Part> parts = partsOf(q);
    if (q.mode == kBackwards) {
        const int row = q.paidIn ? kUndoPayInRow : kUndoSpendRow;
        steps.add({[this, sentence = kTexts.format(row, text(q.end()), text(q.amount))] { say(sentence); }});
    }
    std::vector<NumberLine::Jump> jumps;
    for (const Part& p : parts) jumps.push_back({p.from, p.to, text(p.size())});
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const Part p = parts[k];
        const bool down = p.to < p.from;
        QString sentence;
        if (parts.size() == 2 && k == 0)
            sentence = kTexts.format(down ? kDownToZeroRow : kUpToZeroRow, text(p.size()));
        else if (parts.size() == 2)
            sentence = kTexts.format(down ? kBelowZeroRow : kAboveZeroRow, text(p.size()), text(p.to));
        else
            sentence = kTexts.format(down ? kDownRow : kUpRow, text(p.size()), text(p.to));
        steps.add({[this, sentence, jumps, first = k == 0] {
                       if (first) line->setJumps(jumps);
                       say(sentence);
                   },
                   [this, p, k](double t) {
                       setBar(double(p.from) + double(p.to - p.from) * t);
                       line->setJumpsShown(double(k) + t);
                   },
                   kMoveFrames});
    }
    // The last step writes the whole sum, in the order it was worked, and the answer in the statement.
    const long long result = answer(q);
    const bool backwards = q.mode == kBackwards;
    const bool adding = q.paidIn != backwards;
    const QString sum = text(backwards ? q.end() : q.start) + (adding ? QStringLiteral(" + ") : QStringLiteral(" \u2212 ")) +
                        text(q.amount) + QStringLiteral(" = ") + text(result);
    const QString last = sum + QLatin1Char('\n') + kTexts.format(backwards ? kBeforeRow : kNowRow, text(result));
    steps.add({[this, last, result, backwards] {
        say(last);
        cell(backwards ? 1 : 2, 2).setCaption(text(result));
    }});
}

}  // namespace bank
