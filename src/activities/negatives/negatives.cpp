#include "activities/negatives/negatives.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <vector>

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "activities/shell/setupform.h"
#include "activities/shell/tileorder.h"
#include "app/textblocks.h"

namespace negatives {

using namespace platform;
namespace look = shell::look;
namespace tiles = shell::tileorder;

namespace {
const app::TextBlock kTexts(QStringLiteral("negatives"));
// Rows of the block: the instruction, the boxes' captions, the mode captions, how a temperature is
// written, and what the solution's line shows.
constexpr int kInstructionRow = 0;
constexpr int kSmallestRow = 1;
constexpr int kLargestRow = 2;
constexpr int kRangeModeRow = 3;
constexpr int kTenthsModeRow = 4;
constexpr int kTemperaturesModeRow = 5;
constexpr int kDegreesRow = 6;
constexpr int kLeftIsSmallerRow = 7;

constexpr float kTileWidth = 1560;
constexpr float kTileHeight = 660;
constexpr float kColumnStep = 1780;
constexpr float kFirstColumn = look::kBoardLeft + (look::kBoardRight - look::kBoardLeft - 4 * kColumnStep - kTileWidth) / 2;
constexpr float kBoxTop = 2100;
constexpr float kTileTop = 6250;
constexpr float kLineTop = 3350;
constexpr float kLineHeight = 2900;  // the line runs 1450 down; the values' arrows rise above it
constexpr int kSlideFrames = 45;
const FontSpec kTileFont{QStringLiteral("Tahoma"), 24, true};
const FontSpec kScaleFont{QStringLiteral("Tahoma"), 16, true};

constexpr float kCalloutAbove = 1350;  // the values' row, above the line
constexpr float kArrowSize = 0.6f;

// Centres for a row of labels as near as may be above the points they name, in the same order,
// never closer than their half widths and a gap, and kept between left and right.
std::vector<float> spreadApart(const std::vector<float>& wanted, const std::vector<float>& halves, float left, float right) {
    constexpr float kGap = 120;
    std::vector<float> at = wanted;
    const std::size_t n = at.size();
    const auto apart = [&](std::size_t i) { return halves[i - 1] + halves[i] + kGap; };
    if (n == 0) return at;
    at[0] = std::max(at[0], left + halves[0]);
    for (std::size_t i = 1; i < n; ++i) at[i] = std::max(at[i], at[i - 1] + apart(i));
    at[n - 1] = std::min(at[n - 1], right - halves[n - 1]);
    for (std::size_t i = n - 1; i-- > 0;) at[i] = std::min(at[i], at[i + 1] - apart(i + 1));
    return at;
}

tiles::Spot spotOf(const Control& c) { return {c.left(), c.top()}; }
tiles::Zone zoneOf(const Control& c) { return {c.left(), c.top(), c.width(), c.height()}; }
}  // namespace

Negatives::Negatives(app::WindowRegistry& windows)
    : Activity(kNegatives, windows), modes(*this, QString::fromLatin1(kNegatives.screen), kModes), steps(this) {
    const float boardWidth = look::kBoardRight - look::kBoardLeft;
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, boardWidth, 1100);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    // Each end's word starts over the outer edge of its end box, so a long language's word has room inwards.
    const float captionWidth = 3000, overhang = 300;
    lblsmallest = add<Label>(nullptr, "lblsmallest", kFirstColumn - overhang, 1420, captionWidth, 640);
    lbllargest = add<Label>(nullptr, "lbllargest", kFirstColumn + 4 * kColumnStep + kTileWidth + overhang - captionWidth, 1420, captionWidth, 640);
    for (Label* caption : {lblsmallest, lbllargest}) {
        caption->setFont(look::kCaption);
        caption->setForeColor(look::kText);
    }
    lblsmallest->setAlignment(Align::Left);
    lbllargest->setAlignment(Align::Right);

    // The line first, then boxes and slots, then the tiles, so that a tile stands in front of them all.
    line = add<NumberLine>(nullptr, "line", look::kBoardLeft, kLineTop, boardWidth, kLineHeight);
    line->setLabelFont(kScaleFont);
    line->setEndMargin(600);
    line->setVisible(false);
    for (int k = 0; k < kTiles; ++k) {
        auto* callout = add<Label>(nullptr, "lblvalue", 0, 0, 0, 0, k);
        callout->setFont(look::kCaption);
        callout->setForeColor(look::kText);
        callout->setAlignment(Align::Center);
        callout->setAutoSize(true);
        callout->setVisible(false);
        lblvalue.add(callout);
        auto* leader = add<Line>(nullptr, "linvalue", 0, 0, 0, 0, k);
        leader->setForeColor(look::kText);
        leader->setBorderWidth(2);
        leader->setVisible(false);
        linvalue.add(leader);
    }
    for (int k = 0; k < kTiles; ++k) {
        auto* box = add<Label>(nullptr, "lblbox", kFirstColumn + kColumnStep * k, kBoxTop, kTileWidth, kTileHeight, k);
        box->setBorder(true);
        box->setBackColor(QColor(0x25, 0x6C, 0xB0));
        box->setOpaque(true);
        lblbox.add(box);
    }
    for (int k = 0; k < kTiles; ++k) {
        auto* slot = add<Label>(nullptr, "lblslot", kFirstColumn + kColumnStep * k, kTileTop, kTileWidth, kTileHeight, k);
        slot->setBorder(true);
        lblslot.add(slot);
    }
    for (int k = 0; k < kTiles; ++k) {
        auto* tile = add<Label>(nullptr, "lbltile", kFirstColumn + kColumnStep * k, kTileTop, kTileWidth, kTileHeight, k);
        tile->setFont(kTileFont);
        tile->setForeColor(look::kText);
        tile->setBackColor(colors::Black);
        tile->setOpaque(true);
        tile->setBorder(true);
        tile->setAlignment(Align::Center);
        tile->onMouseDown = [this, k](const MouseEvent& e) { lbltile_MouseDown(k, e); };
        tile->onMouseMove = [this, k](const MouseEvent& e) { lbltile_MouseMove(k, e); };
        tile->onMouseUp = [this, k](const MouseEvent& e) { lbltile_MouseUp(k, e); };
        lbltile.add(tile);
    }

    lblstep = add<Label>(nullptr, "lblstep", 1980, 7020, look::kBoardRight - 1980, 900);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);
    lblstep->setAlignment(Align::Center);

    for (const QGraphicsItem* item : lbltile[0].scene()->items()) m_frontZ = std::max(m_frontZ, item->zValue());
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Negatives::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    lblquestion->setCaptionFitted(kTexts[kInstructionRow], look::kQuestionMinimum);
    lblsmallest->setCaptionFitted(kTexts[kSmallestRow], look::kQuestionMinimum);
    lbllargest->setCaptionFitted(kTexts[kLargestRow], look::kQuestionMinimum);
    const auto range = [](long long low, long long high) {
        return kTexts.format(kRangeModeRow, shell::numberText(low), shell::numberText(high));
    };
    modes.setCaptions({range(-10, 10), range(-100, 100),
                       kTexts.format(kTenthsModeRow, shell::numberText(-10), shell::numberText(10)), kTexts[kTemperaturesModeRow]});
    cmdgo_Click();
}

QString Negatives::text(int i) const {
    const QString number = shell::numberText(valueOf(*m_question, i));
    if (m_question->mode != kTemperatures) return number;
    const QString degrees = kTexts.format(kDegreesRow, number);
    return degrees.isEmpty() ? number : degrees;
}

void Negatives::modes_Choose(int) { cmdgo_Click(); }

void Negatives::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Negatives::ask() {
    m_question = nextQuestion(modes.mode(), rnd(), m_question);
    steps.clear();
    line->setVisible(false);
    for (int k = 0; k < kTiles; ++k) {
        lblvalue[k].setVisible(false);
        linvalue[k].setVisible(false);
    }
    lblstep->setCaption(QString());
    // Tile k shows the k-th smallest and stands on the slot of its place in the draw.
    for (int i = 0; i < kTiles; ++i) {
        Label& tile = lbltile[rank(*m_question, i)];
        tile.setCaptionFitted(text(i), 18);
        tile.move(lblslot[i].left(), lblslot[i].top());
    }
    for (int k = 0; k < kTiles; ++k) m_homes[static_cast<std::size_t>(k)] = QPointF(lbltile[k].left(), lbltile[k].top());
}

void Negatives::cmdcheckit_Click() {
    clearFeedback();
    std::vector<tiles::Spot> spots;
    std::vector<tiles::Zone> boxes;
    for (int k = 0; k < kTiles; ++k) {
        spots.push_back(spotOf(lbltile[k]));
        boxes.push_back(zoneOf(lblbox[k]));
    }
    judge(tiles::tilesInPlace(spots, boxes, kTiles) == kTiles);
}

void Negatives::lbltile_MouseDown(int index, const MouseEvent& e) {
    Label& tile = lbltile[index];
    tile.setZValue(++m_frontZ);
    // The tile's centre jumps under the pointer on the first move and stays there.
    m_grip.takeAt(tile, e, QPointF(tile.width() / 2, tile.height() / 2));
}

void Negatives::lbltile_MouseMove(int index, const MouseEvent& e) {
    if (e.button != LeftButton || steps.animating()) return;
    Label& tile = lbltile[index];
    if (!m_grip.held()) m_grip.takeAt(tile, e, QPointF(tile.width() / 2, tile.height() / 2));
    const QPointF place = m_grip.place(tile, e);
    tile.move(float(place.x()), float(place.y()));
}

void Negatives::lbltile_MouseUp(int index, const MouseEvent&) {
    m_grip.letGo();
    if (steps.animating()) return;
    std::vector<tiles::Zone> boxes, homeSlots;
    std::vector<tiles::Spot> spots, homes;
    for (int k = 0; k < kTiles; ++k) {
        boxes.push_back(zoneOf(lblbox[k]));
        homeSlots.push_back(zoneOf(lblslot[k]));
        spots.push_back(spotOf(lbltile[k]));
        homes.push_back({float(m_homes[static_cast<std::size_t>(k)].x()), float(m_homes[static_cast<std::size_t>(k)].y())});
    }
    tiles::releaseTile(index, spots, boxes, homeSlots, homes);
    for (int k = 0; k < kTiles; ++k) lbltile[k].move(spots[static_cast<std::size_t>(k)].left, spots[static_cast<std::size_t>(k)].top);
    // After a solution, the check comes back once every tile stands on a box again.
    if (tiles::tilesOnBoxes(spots, boxes, kTiles) == kTiles) cmdcheckit->setVisible(true);
}

void Negatives::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    steps.reveal();
}

void Negatives::showOnLine(const Question& q) {
    const Span span = lineFor(q);
    line->setRange(span.low, span.high, span.tickEvery, span.labelEvery);
    line->setLabeller([mode = q.mode](long long v) { return shell::numberText(platform::Decimal::of(v, placesOf(mode))); });
    std::array<int, kTiles> order{};
    for (int i = 0; i < kTiles; ++i) order[static_cast<std::size_t>(rank(q, i))] = i;
    std::vector<NumberLine::Marker> markers;
    std::vector<float> wanted, halves;
    for (int k = 0; k < kTiles; ++k) {
        const double at = double(q.units[static_cast<std::size_t>(order[static_cast<std::size_t>(k)])]);
        markers.push_back({at, NumberLine::Marker::Kind::Arrow, look::kText, QString(), kArrowSize});
        Label& callout = lblvalue[k];
        callout.setCaption(text(order[static_cast<std::size_t>(k)]));
        wanted.push_back(line->left() + float(line->pointOf(at).x()));
        halves.push_back(callout.width() / 2);
    }
    line->setMarkers(std::move(markers));
    // Values close together on the line keep their order in the row above it, joined by a leader.
    const float axis = line->top() + line->height() / 2;
    const std::vector<float> centres = spreadApart(wanted, halves, look::kBoardLeft, look::kBoardRight);
    for (int k = 0; k < kTiles; ++k) {
        Label& callout = lblvalue[k];
        const auto i = static_cast<std::size_t>(k);
        callout.move(centres[i] - callout.width() / 2, axis - kCalloutAbove - callout.height());
        Line& leader = linvalue[k];
        leader.setX1(centres[i]);
        leader.setY1(axis - kCalloutAbove);
        leader.setX2(wanted[i]);
        leader.setY2(axis - 60 - 720 * kArrowSize);
        callout.setVisible(true);
        leader.setVisible(true);
    }
    line->setVisible(true);
    lblstep->setCaptionFitted(kTexts[kLeftIsSmallerRow], look::kQuestionMinimum);
}

void Negatives::buildSteps() {
    const Question q = *m_question;
    // Step 1: the line under the boxes, each value marked on it and written above it in order.
    steps.add({[this, q] { showOnLine(q); }});
    // Step 2: the tiles slide from wherever they stand into their boxes.
    steps.add({[this] {
                   for (int k = 0; k < kTiles; ++k) {
                       m_slideFrom[static_cast<std::size_t>(k)] = QPointF(lbltile[k].left(), lbltile[k].top());
                       lbltile[k].setZValue(++m_frontZ);
                   }
               },
               [this](double t) {
                   for (int k = 0; k < kTiles; ++k) {
                       const QPointF from = m_slideFrom[static_cast<std::size_t>(k)];
                       const QPointF to(lblbox[k].left(), lblbox[k].top());
                       const QPointF at = t >= 1 ? to : from + (to - from) * t;
                       lbltile[k].move(float(at.x()), float(at.y()));
                   }
               },
               kSlideFrames});
}

}  // namespace negatives
