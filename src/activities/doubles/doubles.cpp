#include "activities/doubles/doubles.h"

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace doubles {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("doubles"));
// Rows of the block: mode captions, the two questions, the two signs, the two answers.
constexpr int kModeRow = 0;
constexpr int kDoubleRow = 5;
constexpr int kHalfRow = 6;
constexpr int kTimesTwoRow = 7;
constexpr int kHalveRow = 8;
constexpr int kDoubleIsRow = 9;
constexpr int kHalfIsRow = 10;

// The diagram's four rows of boxes: the number, its parts, the parts worked, the answer.
constexpr float kBoxWidth = 1800;
constexpr float kBoxHeight = 620;
constexpr float kNumberTop = 1150;
constexpr float kPartsTop = 2450;
constexpr float kDoneTop = 3750;
constexpr float kResultTop = 5050;
constexpr float kMiddle = (look::kBoardLeft + look::kBoardRight) / 2;
constexpr int kSlideFrames = 30;  // half a second

const FontSpec kBoxFont{QStringLiteral("Arial"), 26, true};

// Where the parts stand across the board.
float columnOf(int part, int parts) {
    constexpr float kSpread = 2800;
    return kMiddle + (float(part) - float(parts - 1) / 2) * kSpread;
}
}  // namespace

Doubles::Doubles(app::WindowRegistry& windows)
    : Activity(kDoubles, windows), pad(*this), modes(*this, QString::fromLatin1(kDoubles.screen), kModes), steps(this) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, look::kBoardRight - look::kBoardLeft, 850);
    lblquestion->setFont(look::kBig);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    const auto box = [&](const char* name, int index) {
        auto* label = add<Label>(nullptr, name, 0, 0, kBoxWidth, kBoxHeight, index);
        label->setFont(kBoxFont);
        label->setForeColor(look::kInk);
        label->setBackColor(look::kPaper);
        label->setOpaque(true);
        label->setBorder(true);
        label->setAlignment(Align::Center);
        return label;
    };
    const auto line = [&](const char* name, int index) {
        auto* l = add<Line>(nullptr, name, 0, 0, 0, 0, index);
        l->setForeColor(colors::White);
        l->setBorderWidth(3);
        l->setVisible(false);
        return l;
    };
    // Lines first, so the boxes stand over their ends.
    for (int i = 0; i < kMostParts; ++i) {
        linesplit.add(line("linesplit", i));
        linework.add(line("linework", i));
        linejoin.add(line("linejoin", i));
    }
    lblnumber = box("lblnumber", -1);
    for (int i = 0; i < kMostParts; ++i) {
        lblpart.add(box("lblpart", i));
        auto* done = box("lbldone", i);
        done->setBackColor(look::kShades[1]);
        lbldone.add(done);
        auto* op = add<Label>(nullptr, "lblop", 0, 0, 1000, 500, i);
        op->setFont(look::kCaption);
        op->setForeColor(look::kHighlight);
        lblop.add(op);
        if (i + 1 < kMostParts) {
            auto* plus = add<Label>(nullptr, "lblplus", 0, kDoneTop + 40, 600, kBoxHeight, i);
            plus->setFont(look::kBig);
            plus->setForeColor(look::kText);
            plus->setAlignment(Align::Center);
            plus->setCaption(QStringLiteral("+"));
            lblplus.add(plus);
        }
    }
    lblresult = box("lblresult", -1);
    lblresult->setBackColor(look::kShades[2]);

    lblstep = add<Label>(nullptr, "lblstep", look::kBoardLeft, kResultTop + kBoxHeight + 150, look::kBoardRight - look::kBoardLeft, 800);
    lblstep->setFont(look::kQuestion);
    lblstep->setForeColor(colors::White);
    lblstep->setAlignment(Align::Center);

    usePad(&pad);
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Doubles::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    cmdgo_Click();
}

QString Doubles::text(Decimal value) const { return shell::numberText(value, 0, shell::Grouping::Thousands); }

void Doubles::modes_Choose(int) { cmdgo_Click(); }

void Doubles::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Doubles::ask() {
    m_question = nextQuestion(modes.mode(), rnd(), m_question);
    const Question& q = *m_question;
    steps.clear();
    pad.clear();
    pad.setEnabled(true);
    lblquestion->setCaptionFitted(kTexts.format(q.half ? kHalfRow : kDoubleRow, text(Decimal::of(q.number))), look::kQuestionMinimum);
    clearDiagram();
}

void Doubles::clearDiagram() {
    const Question& q = *m_question;
    place(*lblnumber, kMiddle, kNumberTop);
    lblnumber->setCaption(text(Decimal::of(q.number)));
    for (int i = 0; i < kMostParts; ++i) {
        for (Control* c : std::initializer_list<Control*>{&lblpart[i], &lbldone[i], &lblop[i], &linesplit[i], &linework[i], &linejoin[i]})
            c->setVisible(false);
        if (i + 1 < kMostParts) lblplus[i].setVisible(false);
    }
    lblresult->setVisible(false);
    lblstep->setCaption(QString());
}

void Doubles::place(Label& box, float x, float y) { box.move(x - kBoxWidth / 2, y, kBoxWidth, kBoxHeight); }

void Doubles::join(Line& line, const Label& above, const Label& below) {
    line.setX1(above.left() + above.width() / 2);
    line.setY1(above.top() + above.height());
    line.setX2(below.left() + below.width() / 2);
    line.setY2(below.top());
}

void Doubles::cmdcheckit_Click() {
    clearFeedback();
    const auto typed = pad.value();
    judge(typed && *typed == answer(*m_question));
}

void Doubles::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    steps.reveal();
}

void Doubles::buildSteps() {
    const Question q = *m_question;
    const std::vector<int> parts = partsOf(q.number);
    const int n = std::min<int>(static_cast<int>(parts.size()), kMostParts);
    const QString op = kTexts[q.half ? kHalveRow : kTimesTwoRow];

    // A number of one part is worked as it stands; otherwise it first splits into its parts.
    const bool split = n > 1;
    if (split) {
        QStringList captions;
        for (int i = 0; i < n; ++i) captions << text(Decimal::of(parts[static_cast<std::size_t>(i)]));
        steps.add({[this, n, captions] {
                       for (int i = 0; i < n; ++i) {
                           lblpart[i].setCaption(captions[i]);
                           lblpart[i].setVisible(true);
                           linesplit[i].setVisible(true);
                       }
                   },
                   [this, n](double t) {
                       // The parts slide out of the number to their places.
                       for (int i = 0; i < n; ++i) {
                           place(lblpart[i], float(kMiddle + (columnOf(i, n) - kMiddle) * t), float(kNumberTop + (kPartsTop - kNumberTop) * t));
                           join(linesplit[i], *lblnumber, lblpart[i]);
                       }
                   },
                   kSlideFrames});
    }

    // Each part doubled or halved, sliding down from the part it comes from.
    QStringList done;
    for (int i = 0; i < n; ++i) done << text(worked(q.half, parts[static_cast<std::size_t>(i)]));
    const float from = split ? kPartsTop : kNumberTop;
    const QString result = text(answer(q));
    const QString sentence = kTexts.format(q.half ? kHalfIsRow : kDoubleIsRow, text(Decimal::of(q.number)), result);
    steps.add({[this, n, done, op, split, sentence] {
                   // A number worked whole is its own answer: the sentence comes with it.
                   if (!split) lblstep->setCaption(sentence);
                   for (int i = 0; i < n; ++i) {
                       lbldone[i].setCaption(done[i]);
                       lbldone[i].setVisible(true);
                       linework[i].setVisible(true);
                       lblop[i].setCaption(op);
                       lblop[i].setVisible(true);
                   }
               },
               [this, n, from, split](double t) {
                   for (int i = 0; i < n; ++i) {
                       const float x = columnOf(i, n);
                       place(lbldone[i], x, float(from + (kDoneTop - from) * t));
                       join(linework[i], split ? lblpart[i] : *lblnumber, lbldone[i]);
                       lblop[i].move(x + 120, float((from + kBoxHeight + lbldone[i].top()) / 2 - 250), 1000, 500);
                   }
               },
               kSlideFrames});

    if (!split) return;
    // The results join into the answer.
    steps.add({[this, n, result, sentence] {
                   for (int i = 0; i + 1 < n; ++i) {
                       lblplus[i].move((columnOf(i, n) + columnOf(i + 1, n)) / 2 - 300, kDoneTop, 600, kBoxHeight);
                       lblplus[i].setVisible(true);
                   }
                   for (int i = 0; i < n; ++i) linejoin[i].setVisible(true);
                   lblresult->setCaption(result);
                   lblresult->setVisible(true);
                   lblstep->setCaption(sentence);
               },
               [this, n](double t) {
                   place(*lblresult, kMiddle, float(kDoneTop + (kResultTop - kDoneTop) * t));
                   for (int i = 0; i < n; ++i) join(linejoin[i], lbldone[i], *lblresult);
               },
               kSlideFrames});
}

}  // namespace doubles
