#include "activities/fruit/fruit.h"

#include <QTimer>

#include "activities/fruit/rules.h"
#include "activities/shell/setupform.h"
#include "app/language.h"
#include "app/windows.h"
#include "platform/picture.h"
#include "platform/random.h"

namespace fruit {

using namespace platform;

namespace {
constexpr std::array<float, 3> kReelLefts{1485, 4845, 8205};
constexpr std::array<float, 2> kSignLefts{4155, 7515};
struct ValueCaption {
    const char* text;
    float left, top;
};
// Beside the key's fruits: plum to orange, melon to cherries, then bell and bar.
constexpr std::array<ValueCaption, 10> kValueCaptions{{
    {"= 1", 4005, 3795}, {"= 2", 4005, 4515}, {"= 3", 4005, 5235}, {"= 4", 4005, 5955},
    {"= 5", 6165, 3795}, {"= 6", 6165, 4515}, {"= 7", 6165, 5235}, {"= 8", 6165, 5955},
    {"= 9", 8205, 4395}, {"= 10", 8205, 5355},
}};

void yellowText(Label* label, const FontSpec& font, Align align) {
    label->setFont(font);
    label->setForeColor(colors::Yellow);
    label->setAlignment(align);
    label->setOpaque(false);
}
}  // namespace

Fruit::Fruit(app::WindowRegistry& windows) : Activity(shell::kFruit, windows) {
    Label1 = add<Label>(nullptr, "Label1", 0, 0, 12000, 735);
    yellowText(Label1, {"Tahoma", 24, false}, Align::Center);

    for (int i = 0; i < 3; ++i) {
        auto* box = add<Image>(nullptr, "Image2", kReelLefts[std::size_t(i)], 675, 2460, 2460, i);
        box->setStretch(true);
        Image2.add(box);
    }
    for (int i = 0; i < 2; ++i) {
        auto* sign = add<Label>(nullptr, "Label3", kSignLefts[std::size_t(i)], 1155, 495, 1155, i);
        yellowText(sign, {"Tahoma", 48, false}, Align::Center);
        sign->setAutoSize(true);
        Label3.add(sign);
    }

    Image3 = add<Image>(nullptr, "Image3", 3000, 3675, 6150, 3000);
    Image3->setStretch(true);
    for (int i = 0; i < 10; ++i) {
        const ValueCaption& v = kValueCaptions[std::size_t(i)];
        auto* value = add<Label>(nullptr, "Label4", v.left, v.top, 735, 375, i);
        yellowText(value, {"Tahoma", 15.75f, true}, Align::Left);
        value->setCaption(QString::fromLatin1(v.text));
        value->setAutoSize(true);
        Label4.add(value);
    }

    Frame2 = add<Frame>(nullptr, "Frame2", 2438, 6825, 7275, 1485);
    Frame2->setForeColor(colors::White);
    Frame2->setFont({"Tahoma", 9.75f, false});
    Frame2->setVisible(false);
    Label5 = add<Label>(Frame2, "Label5", 120, 360, 6975, 885);
    yellowText(Label5, {"Tahoma", 36, false}, Align::Center);

    Timer1 = new Timer(QStringLiteral("Timer1"), 1, this);
    Timer1->onTimer = [this] { Timer1_Timer(); };
    // Only once the screen is on view, so reading ahead never delays it.
    connect(this, &Form::firstPainted, this, [this] { QTimer::singleShot(0, this, &Fruit::readNextPicture); });
}

void Fruit::Form_Load() {
    const app::LanguageState& l = app::lang();
    shell::setupform(*this);
    setBackColor(colors::Page);
    Frame2->setBackColor(colors::Page);
    Label1->setCaption(l.txtfruit);
    Frame2->setCaption(l.txtsolution);
    Image3->setPicture(requirePicture(QStringLiteral("fruit\\fruits.jpg")));
    spincount = 0;
    cmdgo_Click();
}

void Fruit::cmdgo_Click() {
    imgcross->setVisible(false);
    imgtick->setVisible(false);
    calculate();
}

void Fruit::calculate() {
    Frame2->setVisible(false);
    cmdsoln->setVisible(false);
    rnd().reseed();
    sumform = drawSumForm(rnd().next());
    const SumSigns& signs = kSumSigns[std::size_t(sumform)];
    Label3[0].setCaption(QString::fromLatin1(signs.first));
    Label3[1].setCaption(QString::fromLatin1(signs.second));
    // A spin already under way runs on to its end.
    Timer1->setEnabled(true);
}

void Fruit::Timer1_Timer() {
    ++spincount;
    rnd().reseed();
    for (int i = 0; i < 3; ++i) {
        if (!reelTurns(i, spincount)) continue;
        int& r = reel[std::size_t(i)];
        r = drawReel(rnd().next());
        showFruit(i, kFruits[std::size_t(r)].spinning);
        if (!isStopTick(spincount)) continue;
        if (spincount == kSpinEnds) reel[2] = stoppedRightReel(sumform, reel[0], reel[1], reel[2]);
        showFruit(i, kFruits[std::size_t(r)].stopped);
    }
    if (spincount == kSpinEnds) {
        spincount = 0;
        Timer1->setEnabled(false);
        const int a = fruitValue(reel[0]), b = fruitValue(reel[1]), c = fruitValue(reel[2]);
        fruitscore = fruitScore(sumform, a, b, c);
        Label5->setCaption(workedSum(sumform, a, b, c));
        cmdsoln->setVisible(true);
    }
}

void Fruit::cmdsoln_Click() { Frame2->setVisible(true); }

const Picture& Fruit::fruitPicture(const char* picture) {
    const QString name = QString::fromLatin1(picture);
    auto it = m_pictures.find(name);
    if (it == m_pictures.end()) it = m_pictures.insert(name, requirePicture(name));
    return *it;
}

void Fruit::showFruit(int i, const char* picture) {
    Image2[i].setPicture(fruitPicture(picture));
    m_shown[std::size_t(i)] = QString::fromLatin1(picture);
}

void Fruit::readNextPicture() {
    // One picture per turn of the event loop: no reel tick ever waits for the disk, and no turn is long.
    for (const FruitInfo& f : kFruits) {
        for (const char* picture : {f.spinning, f.stopped}) {
            if (m_pictures.contains(QString::fromLatin1(picture))) continue;
            fruitPicture(picture);
            QTimer::singleShot(0, this, &Fruit::readNextPicture);
            return;
        }
    }
}

}  // namespace fruit
