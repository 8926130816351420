#include "activities/money/money.h"

#include "activities/shell/look.h"
#include "activities/shell/setupform.h"
#include "app/textblocks.h"

namespace money {

using namespace platform;
namespace look = shell::look;
using shell::MoneyForm;

namespace {
const app::TextBlock kTexts(QStringLiteral("money"));
// Rows of the block: the questions, the mode captions, then the solution's words.
constexpr int kAltogetherQuestionRow = 0;
constexpr int kChangeQuestionRow = 1;
constexpr int kFewestQuestionRow = 2;
constexpr int kModeRow = 3;
constexpr int kRunningTotalRow = 7;
constexpr int kStartRow = 8;
constexpr int kCountUpRow = 9;
constexpr int kBiggestFirstRow = 10;
constexpr int kAltogetherRow = 11;
constexpr int kChangeRow = 12;
constexpr int kFewestRow = 13;

constexpr int kSlideFrames = 20;  // a coin slides from the purse to the tray in a third of a second

// The counter, with the things standing on its top and their tags on its front.
constexpr float kCounterTop = 1320;
constexpr float kItemSize = 1320;
constexpr float kItemTop = 1340;
constexpr float kTagTop = 2760;
constexpr float kTagWidth = 1900;
constexpr float kTagHeight = 600;
// Middles of the places on the counter: two (two things, or one and the note paid with) or three.
constexpr float kTwoPlaces[] = {2290, 5140};
constexpr float kThreePlaces[] = {1240, 3500, 5760};

// The purse at the left, the tray at the right, the working under the tray.
constexpr float kPurseLeft = 240, kPurseTop = 3540;
constexpr float kTrayLeft = 4980, kTrayTop = 3540, kTrayEdge = 150;
constexpr float kTrayGap = 40;
constexpr float kCoinSlot = 1080;
constexpr float kCoinRowsMiddle[] = {4330, 5330};
constexpr float kNoteTop = 5850, kNoteWidth = 1290, kNoteHeight = 690;

// Each coin's width across, smallest value first: all wide enough for a finger.
constexpr float kCoinSizes[kCoins] = {820, 860, 800, 850, 830, 900, 880, 940};

// Coin pictures by metal, for each currency; the notes have one picture each.
const char* const kPoundCoins[kCoins] = {"copper", "copper", "silver", "silver",
                                         "silver", "silver", "gold",   "silvergold"};
const char* const kEuroCoins[kCoins] = {"coppercent", "coppercent", "coppercent", "goldcent",
                                        "goldcent",   "goldcent",   "silvergold", "goldsilver"};
const char* const kShopPictures[kShopItems] = {"pencil", "apple", "book", "ball", "drink", "sandwich", "cupcake", "car"};

QString pictureOf(int piece, shell::Currency currency) {
    if (piece >= kCoins) return QStringLiteral("Images\\note%1.png").arg(kPieces[static_cast<std::size_t>(piece)] / 100);
    const char* metal = (currency == shell::Currency::Euro ? kEuroCoins : kPoundCoins)[piece];
    return QStringLiteral("Images\\coin-%1.png").arg(QLatin1String(metal));
}

int pieceIndex(long long value) {
    for (int i = 0; i < static_cast<int>(kPieces.size()); ++i)
        if (kPieces[static_cast<std::size_t>(i)] == value) return i;
    return 0;
}

QSizeF pieceSize(int piece) {
    if (piece >= kCoins) return {kNoteWidth, kNoteHeight};
    return {kCoinSizes[piece], kCoinSizes[piece]};
}

// Where purse piece `piece` lies: coins in two rows of four, the notes along the bottom.
QPointF purseSpot(int piece) {
    if (piece >= kCoins) return {kPurseLeft + 270 + (piece - kCoins) * (kNoteWidth + 120), kNoteTop};
    const QSizeF size = pieceSize(piece);
    const float middleX = kPurseLeft + 660 + (piece % 4) * kCoinSlot;
    const float middleY = kCoinRowsMiddle[piece / 4];
    return {middleX - size.width() / 2, middleY - size.height() / 2};
}

std::span<const float> thingMiddles(const Question& q) {
    return q.count == 3 ? std::span<const float>(kThreePlaces) : std::span<const float>(kTwoPlaces);
}

Box boxOf(const Control& c) { return {c.left(), c.top(), c.width(), c.height()}; }
}  // namespace

Money::Money(app::WindowRegistry& windows, shell::Edition edition)
    : Activity(kMoneyKinds.of(edition), windows),
      pad(*this),
      modes(*this, QString::fromLatin1(kMoneyKinds.of(edition).screen), kModes),
      steps(this),
      m_edition(edition) {
    lblquestion = add<Label>(nullptr, "lblquestion", look::kBoardLeft, look::kQuestionTop, look::kBoardRight - look::kBoardLeft, 1080);
    lblquestion->setFont(look::kQuestion);
    lblquestion->setForeColor(look::kText);
    lblquestion->setAlignment(Align::Center);

    imgcounter = add<Image>(nullptr, "imgcounter", look::kBoardLeft, kCounterTop, 9510, 2100);
    imgcounter->setStretch(true);
    for (int i = 0; i < kMostItems; ++i) {
        auto* item = add<Image>(nullptr, "imgitem", 0, kItemTop, kItemSize, kItemSize, i);
        item->setStretch(true);
        imgitem.add(item);
        auto* tag = add<Label>(nullptr, "lbltag", 0, kTagTop, kTagWidth, kTagHeight, i);
        tag->setFont(look::kQuestion);
        tag->setForeColor(look::kInk);
        tag->setBackColor(look::kPaper);
        tag->setOpaque(true);
        tag->setBorder(true);
        tag->setAlignment(Align::Center);
        lbltag.add(tag);
    }
    imgpaid = add<Image>(nullptr, "imgpaid", 0, kItemTop + 600, kNoteWidth, kNoteHeight);
    imgpaid->setStretch(true);
    imgpaid->setCaptionOver(true);
    imgpaid->setFont(look::kQuestion);
    imgpaid->setForeColor(look::kInk);
    imgpaid->setAlignment(Align::Center);

    shptotal = add<Shape>(nullptr, "shptotal", 7460, kItemTop, look::kBoardRight - 7460, 1720);
    shptotal->setOpaque(true);
    shptotal->setBackColor(QColor(0x15, 0x3A, 0x6B));
    shptotal->setForeColor(colors::White);
    lblrunning = add<Label>(nullptr, "lblrunning", 7520, kItemTop + 60, look::kBoardRight - 7580, 900);
    lblrunning->setFont(look::kCaption);
    lblrunning->setForeColor(colors::White);
    lblrunning->setAlignment(Align::Center);
    lbltotal = add<Label>(nullptr, "lbltotal", 7520, kItemTop + 960, look::kBoardRight - 7580, 700);
    lbltotal->setFont(look::kBig);
    lbltotal->setForeColor(look::kText);
    lbltotal->setAlignment(Align::Center);

    imgpurse = add<Image>(nullptr, "imgpurse", kPurseLeft, kPurseTop, 4560, 3180);
    imgpurse->setStretch(true);
    for (int p = 0; p < static_cast<int>(kPieces.size()); ++p) {
        const QPointF spot = purseSpot(p);
        const QSizeF size = pieceSize(p);
        auto* piece = add<Image>(nullptr, "imgpiece", float(spot.x()), float(spot.y()), float(size.width()),
                                 float(size.height()), p);
        piece->setStretch(true);
        piece->setCaptionOver(true);
        piece->setFont(look::kCaption);
        piece->setForeColor(look::kInk);
        piece->setAlignment(Align::Center);
        piece->onMouseDown = [this, p](const MouseEvent& e) { imgpiece_MouseDown(p, e); };
        piece->onMouseMove = [this, p](const MouseEvent& e) { imgpiece_MouseMove(p, e); };
        piece->onMouseUp = [this, p](const MouseEvent& e) { imgpiece_MouseUp(p, e); };
        imgpiece.add(piece);
    }
    imgtray = add<Image>(nullptr, "imgtray", kTrayLeft, kTrayTop, look::kBoardRight - kTrayLeft, 2100);
    imgtray->setStretch(true);

    lblstep = add<Label>(nullptr, "lblstep", kTrayLeft, 5700, look::kBoardRight - kTrayLeft, 1020);
    lblstep->setFont(look::kCaption);
    lblstep->setForeColor(colors::White);
    lblstep->setAlignment(Align::Center);

    // Loose pieces come last, so they lie over the purse and the tray.
    for (int i = 0; i < kLoosePieces; ++i) {
        auto* loose = add<Image>(nullptr, "imgloose", 0, 0, 0, 0, i);
        loose->setStretch(true);
        loose->setCaptionOver(true);
        loose->setFont(look::kCaption);
        loose->setForeColor(look::kInk);
        loose->setAlignment(Align::Center);
        loose->setVisible(false);
        loose->onMouseDown = [this, i](const MouseEvent& e) { imgloose_MouseDown(i, e); };
        loose->onMouseMove = [this, i](const MouseEvent& e) { imgloose_MouseMove(i, e); };
        loose->onMouseUp = [this, i](const MouseEvent& e) { imgloose_MouseUp(i, e); };
        imgloose.add(loose);
    }
    // A piece taken up goes in front of everything before it.
    m_topZ = imgloose[kLoosePieces - 1].zValue();

    usePad(&pad);
    modes.onChoose = [this](int mode) { modes_Choose(mode); };
}

void Money::Form_Load() {
    shell::setupform(*this);
    setBackColor(look::kPage);
    m_style = shell::MoneyStyle::chosen(m_edition);
    imgcounter->setPicture(requirePicture(QStringLiteral("Images\\counter.png")));
    imgpurse->setPicture(requirePicture(QStringLiteral("Images\\purse.png")));
    imgtray->setPicture(requirePicture(QStringLiteral("Images\\tray.png")));
    for (int p = 0; p < imgpiece.size(); ++p) {
        const long long value = kPieces[static_cast<std::size_t>(p)];
        m_piecePictures.push_back(requirePicture(pictureOf(p, m_style.currency)));
        imgpiece[p].setPicture(m_piecePictures.back());
        // Cent coins carry their word on the picture; the number is written over it.
        const bool cent = m_style.currency == shell::Currency::Euro && value < 100;
        imgpiece[p].setCaption(cent ? QString::number(value) : shell::moneyText(value, m_style, MoneyForm::Coin));
    }
    for (const char* thing : kShopPictures)
        m_thingPictures.push_back(requirePicture(QStringLiteral("Images\\shop-%1.png").arg(QLatin1String(thing))));
    QStringList captions;
    for (int m = 0; m < kModes; ++m) captions << kTexts[kModeRow + m];
    modes.setCaptions(captions);
    pad.setExtraKeys(shell::moneyKeys(m_style));
    lblrunning->setCaption(kTexts[kRunningTotalRow]);
    cmdgo_Click();
}

QString Money::text(long long minor) const { return shell::moneyText(minor, m_style, MoneyForm::Price); }

QString Money::sumText(const std::vector<long long>& parts) const {
    QString sum;
    for (const long long part : parts) {
        if (!sum.isEmpty()) sum += QStringLiteral(" + ");
        sum += shell::moneyText(part, m_style, MoneyForm::Coin);
    }
    return sum;
}

void Money::modes_Choose(int) { cmdgo_Click(); }

void Money::cmdgo_Click() {
    clearFeedback();
    cmdcheckit->setVisible(true);
    ask();
}

void Money::ask() {
    m_question = nextQuestion(modes.mode(), rnd(), m_question);
    const Question& q = *m_question;
    switch (q.mode) {
        case kChange:
            lblquestion->setCaptionFitted(kTexts.format(kChangeQuestionRow, text(q.note)), look::kQuestionMinimum);
            break;
        case kFewest:
            lblquestion->setCaptionFitted(kTexts.format(kFewestQuestionRow, text(total(q))), look::kQuestionMinimum);
            break;
        default: lblquestion->setCaptionFitted(kTexts[kAltogetherQuestionRow], look::kQuestionMinimum); break;
    }
    steps.clear();
    emptyTray();
    showCounter();
    lblstep->setCaption(QString());
    for (Control* c : std::initializer_list<Control*>{shptotal, lblrunning, lbltotal}) c->setVisible(false);
    // Fewest coins is answered in the tray, with coins only.
    const bool typed = q.mode != kFewest;
    pad.clear();
    pad.setVisible(typed);
    pad.setEnabled(true);
    for (int p = kCoins; p < imgpiece.size(); ++p) imgpiece[p].setVisible(typed);
}

void Money::showCounter() {
    const Question& q = *m_question;
    const auto middles = thingMiddles(q);
    for (int i = 0; i < kMostItems; ++i) {
        const bool shown = i < q.count;
        imgitem[i].setVisible(shown);
        lbltag[i].setVisible(shown);
        if (!shown) continue;
        const Item& item = q.items[static_cast<std::size_t>(i)];
        const float middle = middles[static_cast<std::size_t>(i)];
        imgitem[i].setPicture(m_thingPictures[static_cast<std::size_t>(item.kind)]);
        imgitem[i].setLeft(middle - kItemSize / 2);
        lbltag[i].setLeft(middle - kTagWidth / 2);
        lbltag[i].setBackColor(look::kPaper);
        lbltag[i].setCaptionFitted(text(item.price), look::kQuestionMinimum);
    }
    imgpaid->setVisible(q.mode == kChange);
    if (q.mode == kChange) {
        imgpaid->setPicture(m_piecePictures[static_cast<std::size_t>(pieceIndex(q.note))]);
        imgpaid->setCaption(shell::moneyText(q.note, m_style, MoneyForm::Coin));
        imgpaid->setLeft(middles[1] - kNoteWidth / 2);
    }
}

std::vector<long long> Money::trayValues() const {
    std::vector<long long> values;
    for (const int loose : m_tray) values.push_back(m_looseValue[static_cast<std::size_t>(loose)]);
    return values;
}

Box Money::trayInside() const {
    return {imgtray->left() + kTrayEdge, imgtray->top() + kTrayEdge, imgtray->width() - 2 * kTrayEdge,
            imgtray->height() - 2 * kTrayEdge};
}

void Money::emptyTray() {
    for (Image* loose : imgloose) loose->setVisible(false);
    m_tray.clear();
    m_held = -1;
    m_grip.letGo();
}

int Money::takeOut(int piece) {
    for (int i = 0; i < imgloose.size(); ++i) {
        Image& loose = imgloose[i];
        if (loose.isVisible()) continue;
        const Image& from = imgpiece[piece];
        loose.move(from.left(), from.top(), from.width(), from.height());
        loose.setPicture(m_piecePictures[static_cast<std::size_t>(piece)]);
        loose.setCaption(from.caption());
        m_looseValue[static_cast<std::size_t>(i)] = kPieces[static_cast<std::size_t>(piece)];
        loose.setZValue(++m_topZ);
        loose.setVisible(true);
        return i;
    }
    return -1;
}

void Money::layTray() {
    std::vector<Box> sizes;
    for (const int loose : m_tray) sizes.push_back(boxOf(imgloose[loose]));
    const auto places = trayPlaces(sizes, trayInside(), kTrayGap);
    for (std::size_t i = 0; i < m_tray.size(); ++i) imgloose[m_tray[i]].move(places[i].left, places[i].top);
}

void Money::drop(int loose) {
    const auto at = std::find(m_tray.begin(), m_tray.end(), loose);
    const bool inTray = at != m_tray.end();
    if (dropsIn(boxOf(imgloose[loose]), trayInside()) && (inTray || static_cast<int>(m_tray.size()) < kTrayMost)) {
        if (!inTray) m_tray.push_back(loose);
    } else {
        // Anywhere else it goes back into the purse.
        if (inTray) m_tray.erase(at);
        imgloose[loose].setVisible(false);
    }
    layTray();
}

void Money::imgpiece_MouseDown(int index, const MouseEvent& e) {
    if (e.button != LeftButton || steps.shown() > 0 || !imgpiece.at(index)) return;
    m_held = takeOut(index);
    if (m_held < 0) return;
    m_grip.take(imgloose[m_held], e);
}

void Money::imgpiece_MouseMove(int, const MouseEvent& e) { moveHeld(e); }
void Money::imgpiece_MouseUp(int, const MouseEvent&) { dropHeld(); }

void Money::imgloose_MouseDown(int index, const MouseEvent& e) {
    if (e.button != LeftButton || steps.shown() > 0 || !imgloose.at(index)) return;
    m_held = index;
    imgloose[index].setZValue(++m_topZ);
    m_grip.take(imgloose[index], e);
}

void Money::imgloose_MouseMove(int, const MouseEvent& e) { moveHeld(e); }
void Money::imgloose_MouseUp(int, const MouseEvent&) { dropHeld(); }

void Money::moveHeld(const MouseEvent& e) {
    if (m_held < 0 || !m_grip.held() || !(e.button & LeftButton)) return;
    Image& loose = imgloose[m_held];
    const QPointF at = m_grip.place(loose, e);
    loose.move(float(at.x()), float(at.y()));
}

void Money::dropHeld() {
    if (m_held < 0) return;
    const int loose = m_held;
    m_held = -1;
    m_grip.letGo();
    drop(loose);
}

void Money::cmdcheckit_Click() {
    clearFeedback();
    const Question& q = *m_question;
    if (q.mode == kFewest) {
        const auto values = trayValues();
        return judge(isFewestCoins(values, answer(q)));
    }
    const auto typed = shell::readMoney(pad.text(), m_style);
    judge(typed && *typed == answer(q));
}

void Money::cmdsoln_Click() {
    if (steps.empty()) buildSteps();
    cmdcheckit->setVisible(false);
    pad.setEnabled(false);
    steps.reveal();
}

void Money::say(const QString& sentence) { lblstep->setCaption(sentence); }

void Money::buildSteps() {
    const Question q = *m_question;
    const Working working = workingOf(q);

    // Every piece's place in the tray is known at the start, so each slides straight to it.
    std::vector<Box> sizes;
    for (const Count& c : working.counts) {
        const QSizeF size = pieceSize(pieceIndex(c.piece));
        sizes.push_back({0, 0, float(size.width()), float(size.height())});
    }
    const auto places = trayPlaces(sizes, trayInside(), kTrayGap);

    QString opening;
    if (q.mode == kChange) opening = kTexts.format(kCountUpRow, text(total(q)), text(q.note));
    else if (q.mode == kFewest) opening = kTexts[kBiggestFirstRow];
    else opening = kTexts.format(kStartRow, text(working.start));
    steps.add({[this, opening, start = text(working.start)] {
        emptyTray();
        for (Control* c : std::initializer_list<Control*>{shptotal, lblrunning, lbltotal}) c->setVisible(true);
        lbltotal->setCaptionFitted(start, look::kQuestionMinimum);
        if (m_question->mode != kFewest && m_question->mode != kChange) lbltag[0].setBackColor(look::kHighlight);
        say(opening);
    }});

    // In the totals, each further thing's tag lights up as its first coin goes down.
    std::vector<int> thingOf(working.counts.size(), -1);
    if (q.mode == kTotalTwo || q.mode == kTotalThree) {
        std::size_t c = 0;
        for (int i = 1; i < q.count; ++i) {
            const auto coins = fewestPieces(q.items[static_cast<std::size_t>(i)].price).size();
            if (c < thingOf.size()) thingOf[c] = i;
            c += coins;
        }
    }
    for (std::size_t k = 0; k < working.counts.size(); ++k) {
        const Count count = working.counts[k];
        const Box to = places[k];
        const QString reached = text(count.runningTotal);
        const int thing = thingOf[k];
        steps.add({[this, count, thing] {
                       const int loose = takeOut(pieceIndex(count.piece));
                       if (loose >= 0) m_tray.push_back(loose);
                       if (thing >= 0) lbltag[thing].setBackColor(look::kHighlight);
                   },
                   [this, k, to, reached](double t) {
                       if (k >= m_tray.size()) return;
                       Image& loose = imgloose[m_tray[k]];
                       const QPointF from = purseSpot(pieceIndex(m_looseValue[static_cast<std::size_t>(m_tray[k])]));
                       loose.move(float(from.x() + (to.left - from.x()) * t), float(from.y() + (to.top - from.y()) * t));
                       if (t >= 1) lbltotal->setCaptionFitted(reached, look::kQuestionMinimum);
                   },
                   kSlideFrames});
    }

    std::vector<long long> pieces;
    for (const Count& c : working.counts) pieces.push_back(c.piece);
    QString last;
    if (q.mode == kChange) {
        last = kTexts.format(kChangeRow, sumText(pieces), text(answer(q)));
    } else if (q.mode == kFewest) {
        last = kTexts.format(kFewestRow, QString::number(pieces.size()), sumText(pieces), text(answer(q)));
    } else {
        QString prices;
        for (int i = 0; i < q.count; ++i)
            prices += (i > 0 ? QStringLiteral(" + ") : QString()) + text(q.items[static_cast<std::size_t>(i)].price);
        last = kTexts.format(kAltogetherRow, prices, text(answer(q)));
    }
    // The running total has reached the answer, or for change the note; the sentence says the rest.
    steps.add({[this, last] { say(last); }});
}

}  // namespace money
