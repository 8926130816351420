#include "activities/solids/solids.h"

#include <cmath>

#include "activities/shell/fresh.h"
#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace solids {

using namespace platform;
namespace look = shell::look;

namespace {
const app::TextBlock kTexts(QStringLiteral("solids"));
// Rows of the block: mode captions, the question of each mode, the solids' names, the running
// counts, and the solution's sentences.
constexpr int kModeRow = 0;
constexpr int kQuestionRow = 5;
constexpr int kNameRow = 10;
constexpr int kCountRow = 19;  // faces, edges, vertices
constexpr int kNetFoldsRow = 22;
constexpr int kCurvedFaceRow = 23;

constexpr float kSideLeft = 6750;
constexpr float kSideWidth = 3000;
constexpr float kViewTop = 1100;  // under a question of up to two lines

// Each solid's colour: strong, and never the yellow and orange that light what is counted.
const QColor kColours[kSolids] = {{0xD0, 0x40, 0x5A}, {0x2A, 0xA1, 0x98}, {0x5C, 0xB8, 0x5C}, {0x9B, 0x6C, 0xD8}, {0xE0, 0x60, 0x9A},
                                  {0x20, 0xA0, 0xA0}, {0x6C, 0x7F, 0xC0}, {0x9B, 0x6C, 0xD8}, {0xD0, 0x40, 0x5A}};
const QColor kNetCard{0xFF, 0xFF, 0xFF};
const QColor kNetFill{0xFF, 0xD8, 0x9C};
const QColor kNotTheNet{0xD8, 0xD8, 0xD8};
const QColor kRightNet{0x2E, 0xAA, 0x4A};

constexpr double kStartYaw = -30, kStartPitch = 20;

double smooth(double t) { return t * t * (3 - 2 * t); }
double towards(double from, double to) { return std::fmod(to - from + 540.0, 360.0) - 180.0; }

SolidView::Lit litOf(int mode) {
    return mode == kFaces ? SolidView::Lit::Faces : mode == kEdges ? SolidView::Lit::Edges : SolidView::Lit::Vertices;
}
bool counting(int mode) { return mode == kFaces || mode == kEdges || mode == kVertices; }
}  // namespace

Solids::Solids(app::WindowRegistry& windows)
    : Activity(kSolidShapes, windows), pad(*this), modes(*this, QString::fromLatin1(kSolidShapes.screen), kModes), steps(this) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, look::kBoardRight - look::kBoardLeft, 900);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    solid = add<SolidView>(nullptr, "solid", look::kBoardLeft, kViewTop, kSideLeft - 150 - look::kBoardLeft, 6800 - kViewTop);

    lblcount = add<Label>(nullptr, "lblcount", kSideLeft, 1150, kSideWidth, 1500);
    lblcount->setFont(look::kBig);
    lblcount->setForeColor(look::kText);

    lblstep = add<Label>(nullptr, "lblstep", kSideLeft, 2800, kSideWidth, 3900);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);

    for (int i = 0; i < 3; ++i) {
        auto* card = add<PolygonPicture>(nullptr, "picnet", look::kBoardLeft + i * 3220, 4400, 3070, 3380, i);
        card->setBackColor(kNetCard);
        card->onClick = [this, i] { picnet_Click(i); };
        picnet.add(card);
    }

    tmrturn = new Timer(QStringLiteral("tmrturn"), 1, this);
    tmrturn->onTimer = [this] { tmrturn_Timer(); };
    // The turning belongs to the open screen only.
    connect(this, &Form::unloaded, this, [this] { tmrturn->setEnabled(false); });

    usePad(&pad);
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Solids::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    cmdgo_Click();
    tmrturn->setEnabled(true);
}

QString Solids::countLine(int mode, int count) const {
    // The number stays on the line of its word ("Sommets : 12"); a long word shrinks the line instead.
    QString line = kTexts.format(kCountRow + std::clamp(mode - kFaces, 0, 2), shell::numberText(count));
    return line.replace(QLatin1Char(' '), QChar(0x00A0));
}

void Solids::modes_Choose(int) { cmdgo_Click(); }

void Solids::tmrturn_Timer() { solid->tick(); }

void Solids::cmdgo_Click() {
    clearFeedback();
    ask();
}

void Solids::ask() {
    m_question = shell::drawFresh(m_question, [this] { return drawQuestion(modes.mode(), rnd()); });
    const Question& q = *m_question;
    steps.clear();
    // Named aloud: nothing to check.
    cmdcheckit->setVisible(q.mode != kName);
    lblcount->setCaption(QString());
    lblstep->setCaption(QString());
    pad.clear();
    pad.setEnabled(true);
    pad.setVisible(counting(q.mode));
    m_chosen.reset();
    layOut(q.mode == kNets);
    solid->setMesh(modelOf(q.solid));
    solid->setColour(kColours[q.solid]);
    solid->setTurn(kStartYaw, kStartPitch);
    solid->setSpinning(true);
    for (int i = 0; i < picnet.size(); ++i) {
        picnet[i].setPolygons(q.mode == kNets ? netFaces(q.nets[static_cast<std::size_t>(i)]) : std::vector<std::vector<QPointF>>{});
        picnet[i].setFill(kNetFill);
        picnet[i].setRing(QColor());
    }
    lblquestion->setCaptionFitted(kTexts[kQuestionRow + q.mode], look::kQuestionMinimum);
}

void Solids::layOut(bool nets) {
    // With nets to choose from, the solid stands smaller above them.
    if (nets) {
        solid->move(look::kBoardLeft, kViewTop, 3600, 4350 - kViewTop);
        lblstep->move(4000, 1150, look::kBoardRight - 4000, 3150);
    } else {
        solid->move(look::kBoardLeft, kViewTop, kSideLeft - 150 - look::kBoardLeft, 6800 - kViewTop);
        lblstep->move(kSideLeft, 2800, kSideWidth, 3900);
    }
    lblcount->setVisible(!nets);
    for (int i = 0; i < picnet.size(); ++i) picnet[i].setVisible(nets);
}

void Solids::picnet_Click(int index) {
    if (!m_question || m_question->mode != kNets || steps.shown() > 0) return;
    clearFeedback();
    m_chosen = index;
    for (int i = 0; i < picnet.size(); ++i) picnet[i].setRing(i == index ? look::kHighlight : QColor());
}

void Solids::cmdcheckit_Click() {
    clearFeedback();
    const Question& q = *m_question;
    if (q.mode == kNets) return judge(m_chosen && *m_chosen == q.rightNet);
    const auto typed = pad.value();
    judge(typed && *typed == Decimal::of(countAsked(q.solid, q.mode)));
}

void Solids::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    steps.reveal();
}

void Solids::buildSteps() {
    switch (m_question->mode) {
        case kName: return buildNameSteps();
        case kNets: return buildNetSteps();
        default: return buildCountSteps();
    }
}

void Solids::buildNameSteps() {
    const Question q = *m_question;
    steps.add({[this, q] { lblcount->setCaptionFitted(kTexts[kNameRow + q.solid], look::kQuestionMinimum); }});
    steps.add({[this, q] {
        QStringList lines;
        for (int mode : {kFaces, kEdges, kVertices}) lines << countLine(mode, countAsked(q.solid, mode));
        lblstep->setCaption(lines.join(QLatin1Char('\n')));
    }});
}

void Solids::buildCountSteps() {
    const Question q = *m_question;
    const Mesh& mesh = modelOf(q.solid);
    const int total = countAsked(q.solid, q.mode);
    if (total == 0) {
        steps.add({[this, q] { lblcount->setCaptionFitted(countLine(q.mode, 0), look::kQuestionMinimum); }});
        return;
    }
    for (int i = 0; i < total; ++i) {
        int pieces = 0;
        for (const auto& facet : mesh.facets) pieces += q.mode == kFaces && facet.face == i;
        const bool curved = pieces > 1 && !isPolyhedron(q.solid);
        const Point3 direction = directionOf(mesh, q.mode, i);
        // Each press lights the next one and turns it round to the class; the count goes up by one.
        steps.add({[this, q, i, curved] {
                       solid->setSpinning(false);
                       solid->setLit(litOf(q.mode), i + 1);
                       lblcount->setCaptionFitted(countLine(q.mode, i + 1), look::kQuestionMinimum);
                       lblstep->setCaption(curved ? kTexts[kCurvedFaceRow] : QString());
                   },
                   [this, direction](double t) {
                       if (t == 0) {
                           m_fromYaw = solid->yaw();
                           m_fromPitch = solid->pitch();
                       }
                       const auto [yaw, pitch] = SolidView::turnShowing(direction, m_fromYaw);
                       const double e = smooth(t);
                       solid->setTurn(m_fromYaw + towards(m_fromYaw, yaw) * e, m_fromPitch + (pitch - m_fromPitch) * e);
                   },
                   kTurnFrames});
    }
}

void Solids::buildNetSteps() {
    const Question q = *m_question;
    steps.add({[this, q] {
        for (int i = 0; i < picnet.size(); ++i) {
            const bool right = i == q.rightNet;
            picnet[i].setRing(right ? kRightNet : QColor());
            picnet[i].setFill(right ? kNetFill : kNotTheNet);
        }
        lblstep->setCaption(kTexts[kNetFoldsRow]);
    }});
}

}  // namespace solids
