#include "activities/tables/tables.h"

#include <QFontMetricsF>

#include "activities/shell/look.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace tables {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("tables"));
// Rows of the block: the mode captions, the teacher's controls, the signs, the solution's sentence.
constexpr int kModeRow = 0;
constexpr int kTableRow = 4;
constexpr int kQuickFireRow = 5;
constexpr int kOffRow = 6;
constexpr int kSecondsRow = 7;
constexpr int kGoOnRow = 8;
constexpr int kTimesRow = 9;
constexpr int kDivideRow = 10;
constexpr int kOneRowRow = 11;
constexpr int kRowsRow = 12;

// The question and the teacher's controls on the left, the array on the right.
constexpr float kColumnWidth = 3900;
constexpr float kArrayLeft = 4380;  // room for "144" after twelve columns
constexpr float kArrayTop = 300;
constexpr float kPitch = 380;
constexpr float kTableTop = 1450;
constexpr float kQuickTop = 3400;
constexpr float kQuickHeight = 2050;
constexpr float kBarLeft = 180;
constexpr float kBarWidth = kColumnWidth - 2 * kBarLeft;

constexpr int kRowFrames = 15;  // a row's dots appear left to right in a quarter of a second
const QColor kRunning = look::kShades[0];
const QColor kHeld{0xB0, 0xB0, 0xB0};

// The chosen table, kept while the program runs as the modes are.
int& rememberedTable() {
    static int table = kSmallestTable;
    return table;
}

QString sign(int row, const char* fallback) {
    const QString s = kTexts[row];
    return s.isEmpty() ? QString::fromUtf8(fallback) : s;
}
}  // namespace

Tables::Tables(app::WindowRegistry& windows)
    : Activity(kTables, windows),
      pad(*this),
      modes(*this, QString::fromLatin1(kTables.screen), kModes),
      steps(this),
      m_quick(kShortestTimerPeriodMs) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, 300, kColumnWidth, 1000);
    lblquestion->setFont(look::kBig);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    dots = add<DotArray>(nullptr, "dots", kArrayLeft, kArrayTop, look::kBoardRight - kArrayLeft, kLargestRows * kPitch, kPitch);
    dots->setLabelFont(look::kCaption);
    lblstep = add<Label>(nullptr, "lblstep", kArrayLeft, kArrayTop + kLargestRows * kPitch + 150, look::kBoardRight - kArrayLeft, 1500);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);
    lblstep->setAlignment(Align::Center);

    // The table: its own frame, so its buttons are an option group apart from the modes.
    constexpr int kPerRow = 4;
    constexpr int kTableRows = (kTableChoices + kPerRow - 1) / kPerRow;
    frametable = add<Frame>(nullptr, "frametable", look::kBoardLeft, kTableTop, kColumnWidth, 380 + kTableRows * 450 + 60);
    frametable->setBackColor(look::kPage);
    frametable->setForeColor(look::kText);
    frametable->setFont(look::kOption);
    const float optionWidth = (kColumnWidth - 240) / kPerRow;
    for (int i = 0; i < kTableChoices; ++i) {
        auto* option = add<OptionButton>(frametable, "opttable", 120 + (i % kPerRow) * optionWidth, 380 + (i / kPerRow) * 450,
                                         optionWidth, 420, i);
        option->setFont({QStringLiteral("Tahoma"), 12, true});
        option->setForeColor(look::kText);
        option->setBackColor(look::kPage);
        option->setCaption(QString::number(kSmallestTable + i));
        opttable.add(option);
    }
    opttable[std::clamp(rememberedTable() - kSmallestTable, 0, kTableChoices - 1)].setValue(true);
    for (int i = 0; i < kTableChoices; ++i) opttable[i].onClick = [this, i] { opttable_Click(i); };

    framequick = add<Frame>(nullptr, "framequick", look::kBoardLeft, kQuickTop, kColumnWidth, kQuickHeight);
    framequick->setBackColor(look::kPage);
    framequick->setForeColor(look::kText);
    framequick->setFont(look::kOption);
    for (int i = 0; i <= static_cast<int>(std::size(QuickFire::kChoices)); ++i) {
        auto* option = add<OptionButton>(framequick, "optquick", 0, 0, 0, 420, i);
        option->setFont(look::kOption);
        option->setForeColor(look::kText);
        option->setBackColor(look::kPage);
        optquick.add(option);
    }
    optquick[0].setValue(true);
    for (int i = 0; i < optquick.size(); ++i) optquick[i].onClick = [this, i] { optquick_Click(i); };
    // The bar shrinks inside its track, so the class sees how much of the time is gone.
    shptrack = add<Shape>(framequick, "shptrack", kBarLeft, 0, kBarWidth, 330);
    shptrack->setForeColor(look::kText);
    shptime = add<Shape>(framequick, "shptime", kBarLeft, 0, kBarWidth, 330);
    shptime->setOpaque(true);
    shptime->setForeColor(look::kInk);
    cmdgoon = add<CommandButton>(framequick, "cmdgoon", kBarLeft, 0, kBarWidth, 495);
    cmdgoon->onClick = [this] { cmdgoon_Click(); };
    tmrquick = new Timer(QStringLiteral("tmrquick"), 1, this);
    tmrquick->onTimer = [this] { tmrquick_Timer(); };
    // Leaving the screen stops the countdown at once, before the window is gone.
    connect(this, &Form::unloaded, this, [this] {
        m_quick.stop();
        tmrquick->setEnabled(false);
    });

    usePad(&pad);
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Tables::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    frametable->setCaption(kTexts[kTableRow]);
    framequick->setCaption(kTexts[kQuickFireRow]);
    optquick[0].setCaption(kTexts[kOffRow]);
    for (int i = 1; i < optquick.size(); ++i) optquick[i].setCaption(kTexts.format(kSecondsRow, QString::number(QuickFire::kChoices[i - 1])));
    cmdgoon->setCaption(kTexts[kGoOnRow]);
    layoutQuickFire();
    showQuickFire();
    cmdgo_Click();
}

// The quick-fire options in a row, each as wide as its caption, wrapping when a language needs it.
void Tables::layoutQuickFire() {
    const float room = kColumnWidth - 240;
    float x = 0, y = 0;
    for (OptionButton* option : optquick) {
        const float width = float(QFontMetricsF(sceneFont(option->font())).horizontalAdvance(option->caption())) + 480;
        if (x > 0 && x + width > room) {
            x = 0;
            y += 450;
        }
        option->move(120 + x, 380 + y, width, 420);
        x += width + 60;
    }
    shptime->setTop(380 + y + 540);
    shptrack->setTop(shptime->top());
    cmdgoon->setTop(shptime->top() + 450);
    framequick->setHeight(cmdgoon->top() + 495 + 150);
}

int Tables::table() const {
    for (int i = 0; i < opttable.size(); ++i)
        if (opttable[i].value()) return kSmallestTable + i;
    return kSmallestTable;
}

QString Tables::equation(bool solved) const {
    const Question& q = *m_question;
    const QString gap = QStringLiteral("?");
    const QString rows = QString::number(q.fact.rows), columns = QString::number(q.fact.columns);
    const QString product = QString::number(q.fact.product());
    const QString times = sign(kTimesRow, "\u00D7"), divide = sign(kDivideRow, "\u00F7");
    switch (q.ask) {
        case Ask::Rows: return QStringLiteral("%1 %2 %3 = %4").arg(solved ? rows : gap, times, columns, product);
        case Ask::Quotient: return QStringLiteral("%1 %2 %3 = %4").arg(product, divide, columns, solved ? rows : gap);
        case Ask::Product: break;
    }
    return QStringLiteral("%1 %2 %3 = %4").arg(rows, times, columns, solved ? product : gap);
}

void Tables::modes_Choose(int) { cmdgo_Click(); }

void Tables::opttable_Click(int index) {
    rememberedTable() = kSmallestTable + index;
    cmdgo_Click();
}

void Tables::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Tables::ask() {
    const int mode = modes.mode();
    frametable->setVisible(mode == kOneTable);
    m_question = m_round.next(mode, table(), rnd(), m_question);
    const Question& q = *m_question;
    steps.clear();
    pad.clear();
    pad.setEnabled(true);
    lblquestion->setCaptionFitted(equation(false), look::kQuestionMinimum);
    lblstep->setCaption(QString());
    // The array's shape is given only when the question gives it; otherwise rows wait to be counted.
    dots->setShape(q.ask == Ask::Product ? q.fact.rows : kLargestRows, q.fact.columns);
    QStringList totals;
    for (int r = 1; r <= kLargestRows; ++r) totals << QString::number(r * q.fact.columns);
    dots->setRowLabels(totals);
    m_quick.restart();
    showQuickFire();
}

void Tables::cmdcheckit_Click() {
    clearFeedback();
    const auto typed = pad.value();
    judge(typed && *typed == Decimal::of(answer(*m_question)));
}

void Tables::cmdsoln_Click() {
    // The class is looking at the working: no question may take its place.
    pause();
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    steps.reveal();
}

void Tables::buildSteps() {
    const Question q = *m_question;
    // One press a row: its dots fill left to right and the running total appears at its end.
    for (int r = 0; r < q.fact.rows; ++r) steps.add({{}, [this, r](double t) { dots->setFilled(r + t); }, kRowFrames});
    const QString solved = equation(true);
    const QString sentence = kTexts.format(q.fact.rows == 1 ? kOneRowRow : kRowsRow, QString::number(q.fact.rows),
                                           QString::number(q.fact.columns), QString::number(q.fact.product()));
    steps.add({[this, solved, sentence] {
        lblquestion->setCaptionFitted(solved, look::kQuestionMinimum);
        lblstep->setCaption(sentence);
    }});
}

// ---- quick-fire

void Tables::optquick_Click(int index) {
    if (index <= 0)
        m_quick.stop();
    else
        m_quick.start(QuickFire::kChoices[std::min<int>(index, std::size(QuickFire::kChoices)) - 1]);
    showQuickFire();
}

void Tables::cmdgoon_Click() {
    m_quick.resume();
    showQuickFire();
}

void Tables::pause() {
    if (!m_quick.running()) return;
    m_quick.pause();
    showQuickFire();
}

void Tables::tmrquick_Timer() {
    // Never a new question while the working is still moving on the board.
    if (steps.animating()) return;
    if (m_quick.tick()) cmdgo_Click();
    shptime->setWidth(float(kBarWidth * m_quick.left()));
}

void Tables::showQuickFire() {
    tmrquick->setEnabled(m_quick.running());
    shptime->setVisible(m_quick.on());
    shptrack->setVisible(m_quick.on());
    shptime->setBackColor(m_quick.paused() ? kHeld : kRunning);
    shptime->setWidth(float(kBarWidth * m_quick.left()));
    cmdgoon->setVisible(m_quick.paused());
}

bool Tables::Form_KeyDown(int qtKey) {
    pause();
    return Activity::Form_KeyDown(qtKey);
}

void Tables::Form_PointerDown() { pause(); }

}  // namespace tables
