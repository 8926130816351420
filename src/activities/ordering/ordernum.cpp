#include "activities/ordering/ordernum.h"

#include <QGraphicsScene>
#include <algorithm>
#include <vector>

#include "activities/ordering/rules.h"
#include "activities/shell/setupform.h"
#include "app/language.h"
#include "platform/numtext.h"

namespace ordering {

using namespace platform;

namespace {
constexpr float kTileWidth = 1155;
constexpr float kTileHeight = 615;
constexpr float kColumnStep = 1440;  // from one box, tile or slot to the next
constexpr float kFirstColumn = 1560;
constexpr float kBoxTop = 3960;
constexpr float kTileTop = 6960;

Spot spotOf(const Control& c) { return {c.left(), c.top()}; }
Zone zoneOf(const Control& c) { return {c.left(), c.top(), c.width(), c.height()}; }
}  // namespace

Ordernum::Ordernum(app::WindowRegistry& windows) : Activity(shell::kOrdernum, windows) {
    Label8 = add<Label>(nullptr, "Label8", 600, 210, 9360, 2370);
    Label8->setFont({"Tahoma", 24, false});
    Label8->setForeColor(colors::Yellow);
    Label8->setCaption(QStringLiteral("Drag the numbers into the boxes in order, starting with the smallest."));

    Label9 = add<Label>(nullptr, "Label9", 1200, 3345, 2025, 585);
    Label5 = add<Label>(nullptr, "Label5", 6960, 3345, 1935, 585);
    for (Label* caption : {Label9, Label5}) {
        caption->setFont({"Tahoma", 12, true});
        caption->setForeColor(colors::Yellow);
        caption->setAlignment(Align::Center);
    }
    Label9->setCaption(QStringLiteral("Smallest Number"));
    Label5->setCaption(QStringLiteral("Biggest Number"));

    // Boxes and slots come before the tiles so that a tile always stands in front of them.
    for (int k = 0; k < kQuestionSize; ++k) {
        auto* box = add<Label>(nullptr, "Label1", kFirstColumn + kColumnStep * k, kBoxTop, kTileWidth, kTileHeight, k);
        box->setBorder(true);
        box->setAlignment(Align::Center);
        Label1.add(box);
    }
    for (int k = 0; k < kQuestionSize; ++k) {
        // Where a slot stands in the design does not matter: the load lays it under its tile.
        auto* slot = add<Label>(nullptr, "Label4", 240 + 1320 * k, 5880, 975, 495, k);
        slot->setBorder(true);
        Label4.add(slot);
    }
    for (int k = 0; k < kQuestionSize; ++k) {
        auto* tile = add<Label>(nullptr, "Label2", kFirstColumn + kColumnStep * k, kTileTop, kTileWidth, kTileHeight, k);
        tile->setFont({"Tahoma", 20.25f, true});
        tile->setForeColor(colors::Yellow);
        tile->setBackColor(colors::Black);
        tile->setOpaque(true);
        tile->setBorder(true);
        tile->setAlignment(Align::Center);
        Label2.add(tile);
        tile->onMouseDown = [this, k](const MouseEvent& e) { Label2_MouseDown(k, e); };
        tile->onMouseMove = [this, k](const MouseEvent& e) { Label2_MouseMove(k, e); };
        tile->onMouseUp = [this, k](const MouseEvent& e) { Label2_MouseUp(k, e); };
    }

    Option1 = add<OptionButton>(nullptr, "Option1", 9120, 3960, 2985, 330);
    Option2 = add<OptionButton>(nullptr, "Option2", 9120, 4320, 3015, 330);
    for (OptionButton* option : {Option1, Option2}) {
        option->setFont({"Tahoma", 9.75f, true});
        option->setForeColor(colors::Yellow);
    }
    Option1->setCaption(QStringLiteral("Positive whole numbers"));
    Option2->setCaption(QStringLiteral("Integers"));
    Option1->setValue(true);
    Option1->onClick = [this] { Option1_Click(); };
    Option2->onClick = [this] { Option2_Click(); };

    for (const QGraphicsItem* item : Label2[0].scene()->items()) m_frontZ = std::max(m_frontZ, item->zValue());
}

void Ordernum::Form_Load() {
    shell::setupform(*this);

    setBackColor(colors::Page);
    Option1->setBackColor(colors::Page);
    Option2->setBackColor(colors::Page);

    const auto& texts = app::lang().txtordernum;
    Label8->setCaption(texts[0]);
    Label9->setCaption(texts[1]);
    Label5->setCaption(texts[2]);
    Option1->setCaption(texts[3]);
    Option2->setCaption(texts[4]);

    ordermode = kPositiveMode;
    tilecount = kQuestionSize;

    for (int k = 0; k < tilecount; ++k) {
        Label4[k].setWidth(Label2[k].width());
        Label4[k].setHeight(Label2[k].height());
    }
    for (int k = 0; k < tilecount; ++k) {
        Label1[k].setCaption(QString());
        Label1[k].setOpaque(false);
        Label4[k].move(Label2[k].left(), Label2[k].top());
    }
    for (int k = 0; k < tilecount; ++k) {
        Label1[k].setVisible(true);
        Label2[k].setVisible(true);
        Label4[k].setVisible(true);
    }

    cmdgo_Click();
}

void Ordernum::calculate() {
    imgcross->setWidth(0);
    imgtick->setWidth(0);

    for (int k = 0; k < kQuestionSize; ++k) {
        Label2[k].setCaption(QString());
        Label2[k].setVisible(false);
    }

    if (const auto values = drawQuestion(ordermode, rnd())) std::copy(values->begin(), values->end(), drawn.begin());

    const std::span<const float> question(drawn.data(), kQuestionSize);
    for (int i = 0; i < kQuestionSize; ++i) {
        // Equal values would share a rank: a tile left blank is a fault a test sees, not a crash.
        Label* tile = Label2.at(rank(question, i));
        if (!tile) continue;
        tile->setCaption(numText(drawn[static_cast<std::size_t>(i)]));
        tile->move(Label4[0].left() + kColumnStep * static_cast<float>(i), Label4[0].top());
    }

    for (int k = 0; k < kQuestionSize; ++k) {
        homeleft[static_cast<std::size_t>(k)] = Label2[k].left();
        hometop[static_cast<std::size_t>(k)] = Label2[k].top();
        Label2[k].setVisible(true);
    }
}

void Ordernum::cmdgo_Click() {
    cmdcheckit->setVisible(true);
    clearFeedback();
    calculate();
}

void Ordernum::cmdcheckit_Click() {
    imgtick->setVisible(false);
    imgcross->setVisible(false);

    std::vector<Spot> tiles;
    std::vector<Zone> boxes;
    for (int k = 0; k < tilecount; ++k) {
        tiles.push_back(spotOf(Label2[k]));
        boxes.push_back(zoneOf(Label1[k]));
    }
    if (tilesInPlace(tiles, boxes, tilecount) == tilecount)
        showTick();
    else
        showCross();
}

void Ordernum::cmdsoln_Click() {
    for (int k = 0; k < tilecount; ++k) Label2[k].move(Label1[k].left(), Label1[k].top());
    cmdcheckit->setVisible(false);
}

void Ordernum::Option1_Click() {
    ordermode = kPositiveMode;
    clearFeedback();
    calculate();
}

void Ordernum::Option2_Click() {
    ordermode = kIntegerMode;
    clearFeedback();
    calculate();
}

void Ordernum::Label2_MouseDown(int index, const MouseEvent& e) {
    dropped = false;
    Label& tile = Label2[index];
    tile.setZValue(++m_frontZ);
    // The tile's centre jumps under the pointer on the first move and stays there.
    m_grip.takeAt(tile, e, QPointF(tile.width() / 2, tile.height() / 2));
}

void Ordernum::Label2_MouseMove(int index, const MouseEvent& e) {
    if (e.button != LeftButton) return;
    Label& tile = Label2[index];
    if (!m_grip.held()) m_grip.takeAt(tile, e, QPointF(tile.width() / 2, tile.height() / 2));
    const QPointF place = m_grip.place(tile, e);
    tile.move(float(place.x()), float(place.y()));
}

void Ordernum::Label2_MouseUp(int index, const MouseEvent&) {
    m_grip.letGo();

    std::vector<Zone> boxes, homeSlots;
    std::vector<Spot> tiles, homes;
    for (int i = 0; i < tilecount; ++i) {
        boxes.push_back(zoneOf(Label1[i]));
        homeSlots.push_back(zoneOf(Label4[i]));
        tiles.push_back(spotOf(Label2[i]));
        homes.push_back({homeleft[static_cast<std::size_t>(i)], hometop[static_cast<std::size_t>(i)]});
    }
    dropped = releaseTile(index, tiles, boxes, homeSlots, homes);
    for (int j = 0; j < tilecount; ++j) Label2[j].move(tiles[static_cast<std::size_t>(j)].left, tiles[static_cast<std::size_t>(j)].top);

    if (tilesOnBoxes(tiles, boxes, tilecount) == tilecount) cmdcheckit->setVisible(true);
}

}  // namespace ordering
