#include "activities/missing/missing.h"

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace missing {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("missing"));
// Rows of the block: the instruction, the mode captions, the solution's sentences, then the signs
// for × and ÷ as the language's classrooms write them.
constexpr int kInstructionRow = 0;
constexpr int kModeRow = 1;
constexpr int kBarRow = 5;
constexpr int kInverseRow = 6;
constexpr int kWorkItOutRow = 7;
constexpr int kBackwardsRow = 8;
constexpr int kAnswerRow = 9;
constexpr int kTimesRow = 10;
constexpr int kDivideRow = 11;

const QString kUnknown = QStringLiteral("?");
const QChar kMinus(0x2212);

FontSpec sized(const FontSpec& font, float points) {
    FontSpec f = font;
    f.size = points;
    return f;
}
const FontSpec kEquationFont = sized(look::kBig, 44);
const FontSpec kWorkingFont = sized(look::kBig, 30);

const QColor kWholeFill = look::kShades[1];
const QColor kPartFill = look::kShades[0];
const QColor kFirstStepFill = look::kShades[5];
const QColor kUnknownFill = look::kPaper;
}  // namespace

Missing::Missing(app::WindowRegistry& windows)
    : Activity(kMissing, windows), pad(*this), modes(*this, QString::fromLatin1(kMissing.screen), kModes), steps(this) {
    const float boardWidth = look::kBoardRight - look::kBoardLeft;
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, boardWidth, 700);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    lblequation = add<MathLine>(nullptr, "lblequation", look::kBoardLeft, 950, boardWidth, 1300);
    lblequation->setFont(kEquationFont);
    lblequation->setForeColor(look::kText);
    lblequation->setHighlightColor(look::kHighlight);
    lblequation->setBoxColors(look::kAnswerBox, look::kInk);

    lblmodel = add<Label>(nullptr, "lblmodel", look::kBoardLeft, 2350, boardWidth, 450);
    lblmodel->setFont(look::kCaption);
    lblmodel->setForeColor(colors::White);
    lblmodel->setAlignment(Align::Center);

    barmodel = add<BarModel>(nullptr, "barmodel", look::kBoardLeft + 500, 2850, boardWidth - 1000, 1300);
    barmodel->setFont(look::kCaption);
    barmodel->setForeColor(look::kInk);

    lblworking = add<Label>(nullptr, "lblworking", look::kBoardLeft, 4300, boardWidth, 450);
    lblworking->setFont(look::kCaption);
    lblworking->setForeColor(colors::White);
    lblworking->setAlignment(Align::Center);

    for (int i = 0; i < 2; ++i) {
        lblinverse[std::size_t(i)] = add<MathLine>(nullptr, "lblinverse", look::kBoardLeft, 4800 + 750 * i, boardWidth, 720, i);
        lblinverse[std::size_t(i)]->setFont(kWorkingFont);
        lblinverse[std::size_t(i)]->setForeColor(look::kText);
        lblinverse[std::size_t(i)]->setHighlightColor(look::kHighlight);
    }

    usePad(&pad);
    pad.onChange = [this] { pad_Change(); };
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Missing::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    cmdgo_Click();
}

QString Missing::sign(Op op) const {
    switch (op) {
        case Op::Add: return QStringLiteral("+");
        case Op::Subtract: return QString(kMinus);
        case Op::Multiply: {
            const QString times = kTexts[kTimesRow];
            return times.isEmpty() ? QStringLiteral("\u00D7") : times;
        }
        case Op::Divide: {
            const QString divide = kTexts[kDivideRow];
            return divide.isEmpty() ? QStringLiteral("\u00F7") : divide;
        }
    }
    return {};
}

QString Missing::number(long long value) const { return shell::numberText(value, shell::Grouping::Thousands); }

void Missing::modes_Choose(int) { cmdgo_Click(); }

void Missing::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Missing::ask() {
    m_question = nextQuestion(modes.mode(), rnd(), m_question);
    lblquestion->setCaptionFitted(kTexts[kInstructionRow], look::kQuestionMinimum);
    lblmodel->setCaption(QString());
    lblworking->setCaption(QString());
    barmodel->setVisible(false);
    for (MathLine* line : lblinverse) line->setVisible(false);
    steps.clear();
    pad.setEnabled(true);
    pad.clear();
    showEquation(QString());
}

void Missing::showEquation(const QString& inBox) {
    const Question& q = *m_question;
    // The equation as written, item by item: numbers and signs, the result on its side of "=".
    QStringList items;
    std::vector<int> numberAt;  // which item each number is
    for (int i = 0; i < q.steps + 1; ++i) {
        if (i > 0) items << sign(q.ops[std::size_t(i - 1)]);
        numberAt.push_back(static_cast<int>(items.size()));
        items << number(q.numbers[std::size_t(i)]);
    }
    const QStringList equals{QStringLiteral("=")};
    const QStringList result{number(q.result())};
    numberAt.push_back(q.resultFirst ? 0 : static_cast<int>(items.size()) + 1);
    if (q.resultFirst) {
        for (std::size_t i = 0; i + 1 < numberAt.size(); ++i) numberAt[i] += 2;
        items = result + equals + items;
    } else {
        items = items + equals + result;
    }
    const int box = numberAt[std::size_t(q.missing)];

    // Plain items run together in one piece; the box is a piece of its own.
    std::vector<MathLine::Piece> pieces;
    QString plain;
    for (int i = 0; i < items.size(); ++i) {
        if (i == box) {
            if (!plain.isEmpty()) pieces.push_back({plain + QLatin1Char(' ')});
            m_boxPiece = static_cast<int>(pieces.size());
            pieces.push_back({inBox, MathLine::Boxed});
            plain = QString();
            continue;
        }
        plain += (i > 0 ? QStringLiteral(" ") : QString()) + items[i];
    }
    if (!plain.isEmpty()) pieces.push_back({plain});
    lblequation->setPieces(std::move(pieces));
}

void Missing::pad_Change() {
    if (!m_question || steps.shown() > 0) return;
    // What is typed shows in the box, with a proper minus sign.
    lblequation->setPieceText(m_boxPiece, pad.text().replace(QLatin1Char('-'), kMinus));
}

void Missing::cmdcheckit_Click() {
    clearFeedback();
    const auto typed = pad.value();
    judge(typed && *typed == Decimal::of(m_question->answer()));
}

void Missing::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    steps.reveal();
}

QString Missing::firstStepText() const {
    const Question& q = *m_question;
    const auto term = [&](int i) { return i == q.missing ? kUnknown : number(q.numbers[std::size_t(i)]); };
    return term(0) + QLatin1Char(' ') + sign(q.ops[0]) + QLatin1Char(' ') + term(1);
}

void Missing::buildSteps() {
    const Question q = *m_question;
    steps.add({[this, q] {
        const auto row = [this](const std::vector<BarCell>& cells, const QColor& fill) {
            BarModel::Row cellsShown;
            for (const BarCell& cell : cells) {
                switch (cell.kind) {
                    case BarCell::Kind::Number: cellsShown.push_back({double(cell.size), number(cell.size), fill}); break;
                    case BarCell::Kind::Unknown: cellsShown.push_back({double(cell.size), kUnknown, kUnknownFill}); break;
                    case BarCell::Kind::FirstStep: cellsShown.push_back({double(cell.size), firstStepText(), kFirstStepFill}); break;
                }
            }
            return cellsShown;
        };
        const Bar bar = barModel(q);
        barmodel->setRows({row(bar.whole, kWholeFill), row(bar.parts, kPartFill)});
        barmodel->setVisible(true);
        lblmodel->setCaption(kTexts[kBarRow]);
    }});
    const std::vector<Working> lines = workings(q);
    for (std::size_t i = 0; i < lines.size() && i < lblinverse.size(); ++i) {
        const Working w = lines[i];
        steps.add({[this, q, w, i] {
            if (i == 0) lblworking->setCaption(kTexts[q.steps == 2 ? kBackwardsRow : q.missing == 2 ? kWorkItOutRow : kInverseRow]);
            MathLine* line = lblinverse[i];
            line->setPieces({{number(w.a) + QLatin1Char(' ') + sign(w.op) + QLatin1Char(' ') + number(w.b) + QStringLiteral(" = ")},
                             {number(w.result), MathLine::Highlighted}});
            line->setVisible(true);
        }});
    }
    steps.add({[this, q] {
        lblequation->setPieceText(m_boxPiece, number(q.answer()));
        lblquestion->setCaptionFitted(kTexts.format(kAnswerRow, number(q.answer())), look::kQuestionMinimum);
    }});
}

}  // namespace missing
