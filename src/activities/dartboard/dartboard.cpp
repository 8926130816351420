#include "activities/dartboard/dartboard.h"

#include "activities/dartboard/rules.h"
#include "activities/shell/setupform.h"
#include "app/language.h"
#include "app/windows.h"
#include "platform/picture.h"
#include "platform/random.h"

namespace dartboard {

using namespace platform;

namespace {
const std::array<const char*, 3> kDartPictures{"images\\dart.ico", "images\\dart1.ico", "images\\dart3.ico"};
struct Place {
    float left, top;
};
const std::array<Place, 3> kDartDesign{{{240, 3000}, {240, 3840}, {360, 4680}}};
// Between the question and the picture at the top right (twips).
constexpr float kGapBeforePicture = 90;

Label* styledLabel(Label* label, const FontSpec& font, const QColor& color, Align align) {
    label->setFont(font);
    label->setForeColor(color);
    label->setAlignment(align);
    label->setOpaque(false);
    return label;
}

void styleFrame(Frame* frame) {
    frame->setForeColor(colors::White);
    frame->setFont({QStringLiteral("Tahoma"), 9.75f, false});
}
}  // namespace

Dartboard::Dartboard(app::WindowRegistry& windows) : Activity(shell::kDartboard, windows) {
    Label8 = styledLabel(add<Label>(nullptr, "Label8", 90, 105, 11175, 780), {"Tahoma", 15.75f, false},
                         colors::Yellow, Align::Left);
    // A question too long for one line wraps to a second rather than running under the picture.
    Label8->setWidth(Image1->left() - kGapBeforePicture - Label8->left());
    Image2 = add<Image>(nullptr, "Image2", 1440, 660, 7200, 7200);
    Image2->setStretch(true);
    // A wrapped question's second line reaches the board picture's top edge: it stands in front.
    Label8->setZValue(Image2->zValue() + 1);
    // The darts take their pictures' own size, which their offsets are measured for.
    for (int i = 0; i < 3; ++i) {
        auto* dart = add<Image>(nullptr, "Image3", kDartDesign[i].left, kDartDesign[i].top, 495, 495, i);
        dart->setVisible(false);
        Image3.add(dart);
    }

    Frame1 = add<Frame>(nullptr, "Frame1", 2160, 7680, 6915, 795);
    styleFrame(Frame1);
    Label2 = styledLabel(add<Label>(Frame1, "Label2", 135, 150, 6600, 630), {"Tahoma", 24, false}, colors::White,
                         Align::Center);

    Frame2 = add<Frame>(nullptr, "Frame2", 2280, 7680, 6915, 795);
    styleFrame(Frame2);
    Label5 = styledLabel(add<Label>(Frame2, "Label5", 135, 240, 5160, 525), {"Tahoma", 18, false}, colors::White,
                         Align::Right);
    Label1 = styledLabel(add<Label>(Frame2, "Label1", 5145, 90, 870, 765), {"Tahoma", 27.75f, false}, colors::White,
                         Align::Right);
    Label3 = styledLabel(add<Label>(Frame2, "Label3", 6030, 105, 450, 435), {"Tahoma", 14.25f, false}, colors::White,
                         Align::Center);
    Line1 = add<Line>(Frame2, "Line1", 6060, 450, 6435, 450);
    Line1->setForeColor(colors::White);
    Line1->setBorderWidth(2);
    Label4 = styledLabel(add<Label>(Frame2, "Label4", 6030, 435, 450, 435), {"Tahoma", 14.25f, false}, colors::White,
                         Align::Center);
    Label4->setCaption(QStringLiteral("3"));
}

void Dartboard::Form_Load() {
    const app::LanguageState& l = app::lang();
    shell::setupform(*this);
    setBackColor(colors::Page);
    Frame1->setBackColor(colors::Page);
    Frame2->setBackColor(colors::Page);
    Label5->setCaption(l.txtdartboard[5]);
    Frame1->setCaption(l.txtsolution);
    Frame2->setCaption(l.txtsolution);
    Image2->setPicture(requirePicture(QStringLiteral("images\\dartboard.jpg")));
    for (int i = 0; i < 3; ++i) Image3[i].setPicture(requirePicture(QString::fromLatin1(kDartPictures[i])));
    cmdgo_Click();
}

void Dartboard::cmdgo_Click() {
    imgcross->setVisible(false);
    imgtick->setVisible(false);
    for (int i = 0; i < 3; ++i) Image3[i].setVisible(false);
    calculate();
}

void Dartboard::clearup() {
    Frame1->setVisible(false);
    Frame2->setVisible(false);
    Label3->setVisible(true);
    Label4->setVisible(true);
    Line1->setVisible(true);
    Label8->setCaption(QString());
    Label1->setCaption(QString());
    Label3->setCaption(QString());
}

void Dartboard::calculate() {
    const app::LanguageState& l = app::lang();
    clearup();
    dartscore = 0;
    const float cx = Image2->width() / 2 + Image2->left();
    const float cy = Image2->height() / 2 + Image2->top();
    imgcross->setWidth(0);
    imgtick->setWidth(0);
    // The kind comes from the generator as the last question left it; the reseed is for the darts.
    qtype = drawQuestionKind(rnd().next());
    switch (qtype) {
        case 1:
            Label8->setCaption(l.txtdartboard[0]);
            rnd().reseed();
            for (int i = 0; i < 3; ++i) throwDart(i, cx, cy);
            showDarts();
            break;
        case 2:
            rnd().reseed();
            for (int i = 0; i < 3; ++i) throwDart(i, cx, cy);
            showDarts();
            extra = 2 * drawHalfExtra(rnd().next());
            Label8->setCaption(extraQuestion(l.txtdartboard[2], dartscore + extra, l.txtdartboard[3], l.txtdartboard[4]));
            break;
        default:
            Label8->setCaption(l.txtdartboard[1]);
            rnd().reseed();
            for (int i = 0; i < 3; ++i) throwDart(i, cx, cy);
            showDarts();
            break;
    }
}

void Dartboard::throwDart(int i, float cx, float cy) {
    const int s = drawSegment(rnd().next());
    const int ring = ringForP(drawP(rnd().next()));
    const Spot spot = dartSpot(cx, cy, s, ringRadius(ring, Image2->height()), i);
    Image3[i].setLeft(spot.left);
    Image3[i].setTop(spot.top);
    dartscore += ringScore(ring, s);
}

void Dartboard::showDarts() {
    for (int i = 0; i < 3; ++i) Image3[i].setVisible(true);
}

void Dartboard::cmdsoln_Click() {
    switch (qtype) {
        case 1:
            Label2->setCaption(QString::number(dartscore));
            Frame1->setVisible(true);
            break;
        case 2:
            Label2->setCaption(extraAnswer(app::lang().txtdartboard[6], extra));
            Frame1->setVisible(true);
            break;
        default: {
            const Mean mean = meanOfThree(dartscore);
            if (mean.numerator == 0) {
                Label3->setVisible(false);
                Label4->setVisible(false);
                Line1->setVisible(false);
            } else {
                Label3->setCaption(QString::number(mean.numerator));
            }
            Label1->setCaption(QString::number(mean.whole));
            Frame2->setVisible(true);
            break;
        }
    }
}

}  // namespace dartboard
