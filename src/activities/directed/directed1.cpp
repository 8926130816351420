#include "activities/directed/directed1.h"

#include "activities/directed/rules.h"
#include "activities/shell/setupform.h"
#include "app/language.h"
#include "platform/numtext.h"
#include "platform/picture.h"
#include "platform/random.h"

namespace directed {

using namespace platform;

namespace {
const QString kTahoma = QStringLiteral("Tahoma");
constexpr float kBarY = 780;

void styleOption(OptionButton& option) {
    option.setFont({kTahoma, 9.75f, true});
    option.setForeColor(colors::Yellow);
}
void styleSentence(Label& label) {
    label.setFont({kTahoma, 24, false});
    label.setForeColor(colors::Yellow);
}
}  // namespace

Directed1::Directed1(app::WindowRegistry& windows) : Activity(shell::kDirected1, windows) {
    Frame1 = add<Frame>(nullptr, "Frame1", 90, 3285, 9915, 2100);
    Frame1->setCaptionVisible(false);

    auto* tick0 = add<Line>(Frame1, "tickline", 285, 1000, 285, 1200, 0);
    tick0->setForeColor(colors::White);
    tick0->setBorderWidth(2);
    tickline = ControlArray<Line>(tick0);

    Line1 = add<Line>(Frame1, "Line1", 285, 1200, 285, 1200);
    Line1->setForeColor(colors::White);

    auto* label0 = add<Label>(Frame1, "lbltemp", 150, 1485, 400, 270, 0);
    label0->setAlignment(Align::Center);
    label0->setOpaque(false);
    label0->setFont({kTahoma, 8.25f, true});
    label0->setForeColor(colors::White);  // the desktop's highlight-text colour
    lbltemp = ControlArray<Label>(label0);

    Picture1 = add<PictureBox>(Frame1, "Picture1", 240, -15, 120, 720);
    Line2 = add<Line>(Frame1, "Line2", 285, kBarY, 285, kBarY);
    Line2->setForeColor(colors::White);
    Line2->setBorderWidth(5);

    Label7 = add<Label>(nullptr, "Label7", 240, 390, 9450, 675);
    Label7->setCaption(QStringLiteral("The starting value is "));
    styleSentence(*Label7);
    Label1 = add<Label>(nullptr, "Label1", 240, 1125, 9450, 1215);
    Label1->setCaption(QStringLiteral("The starting value is "));
    styleSentence(*Label1);

    Option1 = add<OptionButton>(nullptr, "Option1", 3360, 6360, 3900, 375);
    Option2 = add<OptionButton>(nullptr, "Option2", 3360, 6720, 3900, 375);
    Option3 = add<OptionButton>(nullptr, "Option3", 3360, 7080, 3900, 375);
    Option4 = add<OptionButton>(nullptr, "Option4", 3360, 7440, 3900, 375);
    Option1->setCaption(QStringLiteral("Integers"));
    Option2->setCaption(QStringLiteral("Tenths"));
    Option3->setCaption(QStringLiteral("Hundredths"));
    Option4->setCaption(QStringLiteral("Mixed"));
    for (OptionButton* option : {Option1, Option2, Option3, Option4}) styleOption(*option);
    // Selected before the handlers are bound, so the design's choice asks no question.
    Option1->setValue(true);

    Option1->onClick = [this] { Option1_Click(); };
    Option2->onClick = [this] { Option2_Click(); };
    Option3->onClick = [this] { Option3_Click(); };
    Option4->onClick = [this] { Option4_Click(); };
    Picture1->onMouseDown = [this](const MouseEvent& e) { Picture1_MouseDown(e); };
    Picture1->onMouseMove = [this](const MouseEvent& e) { Picture1_MouseMove(e); };
    Picture1->onMouseUp = [this](const MouseEvent& e) { Picture1_MouseUp(e); };
}

void Directed1::Form_Load() {
    const app::LanguageState& l = app::lang();

    shell::setupform(*this);
    Picture1->setPicture(requirePicture(QStringLiteral("Images\\arrowdn.jpg")));

    setBackColor(colors::Page);
    Option1->setBackColor(colors::Page);
    Frame1->setBackColor(colors::Page);
    Option2->setBackColor(colors::Page);
    Option3->setBackColor(colors::Page);
    Option4->setBackColor(colors::Page);

    Option1->setCaption(l.txtordernum[4]);
    Option2->setCaption(l.txtdirectedopt2);
    Option3->setCaption(l.txtdirectedopt3);
    Option4->setCaption(l.txtdirectedopts[3]);

    for (int i = 1; i < kTicks; ++i) {
        Label& label = lbltemp.load(i);
        label.setFont({lbltemp[0].font().name, lbltemp[0].font().size, label.font().bold});
        label.setLeft(lbltemp[i - 1].left() + 468);
        label.setTop(lbltemp[0].top());
        label.setVisible(true);
    }

    for (int i = 1; i < kTicks; ++i) {
        Line& tick = tickline.load(i);
        tick.setY1(tickline[0].y1());
        tick.setY2(tickline[0].y2());
        tick.setX1(tickline[i - 1].x1() + 471);
        tick.setX2(tick.x1());
        tick.setForeColor(tickline[0].foreColor());
        tick.setBorderWidth(2);
        tick.setVisible(true);
    }

    Line1->setY1(tickline[0].y2());
    Line1->setY2(tickline[0].y2());
    Line1->setX1(tickline[0].x1());
    Line1->setX2(tickline[20].x1());
    Line1->setBorderWidth(2);

    m_kindlow = 1;
    m_kindhigh = 1;
    cmdgo_Click();
}

void Directed1::Option1_Click() {
    m_kindlow = 1;
    m_kindhigh = 1;
    cmdgo_Click();
}
void Directed1::Option2_Click() {
    m_kindlow = 2;
    m_kindhigh = 2;
    cmdgo_Click();
}
void Directed1::Option3_Click() {
    m_kindlow = 3;
    m_kindhigh = 3;
    cmdgo_Click();
}
void Directed1::Option4_Click() {
    m_kindlow = 1;
    m_kindhigh = 3;
    cmdgo_Click();
}

void Directed1::cmdgo_Click() {
    imgcross->setVisible(false);
    imgtick->setVisible(false);
    cmdcheckit->setVisible(true);
    calculate();
}

void Directed1::calculate() {
    const app::LanguageState& l = app::lang();
    const int language = l.langIndexValue();

    imgtick->setWidth(0);
    imgcross->setWidth(0);

    rnd().reseed();

    m_qkind = static_cast<short>(drawKind(rnd(), m_kindlow, m_kindhigh));

    m_linelow = drawLineLow(rnd(), m_qkind);
    m_linestep = lineStep(m_qkind);
    const LabelTexts labels = lineLabels(m_qkind, m_linelow);
    for (int i = 0; i < kTicks; ++i) lbltemp[i].setCaption(labels[i]);
    m_linehigh = static_cast<float>(numValue(lbltemp[20].caption()));

    const StartAndAmount question = drawStartAndAmount(rnd(), m_qkind, m_linelow, m_linehigh);
    m_startval = question.startval;
    m_amount = question.amount;

    if (usesDecimalComma(language, m_qkind)) {
        LabelTexts shown;
        for (int i = 0; i < kTicks; ++i) shown[i] = lbltemp[i].caption();
        rewriteWithComma(shown, m_qkind);
        for (int i = 0; i < kTicks; ++i) lbltemp[i].setCaption(shown[i]);
    }

    const int k = tickIndex(m_startval, m_linelow, m_linestep);
    Picture1->setLeft(tickX(k) - Picture1->width() / 2);
    Line2->setX1(tickX(k));
    Line2->setX2(tickX(k));
    Line2->setY1(kBarY);
    Line2->setY2(kBarY);

    const SentenceNumbers s = sentenceNumbers(m_startval, m_amount, language, m_qkind);

    m_opkind = drawOpkind(rnd());

    const SentenceRows rows{l.txtdirectedmsgs[0], l.txtdirectedmsgs[1], l.txtdirectedmsgs[2], l.txtdirectedmsgs[3]};
    Label7->setCaption(startSentence(rows, s.s1));
    Label1->setCaption(instructionSentence(rows, language, m_opkind, s.s2));
    m_answer = answerOf(m_startval, m_amount, m_opkind);
}

void Directed1::cmdsoln_Click() {
    const int k = tickIndex(m_answer, m_linelow, m_linestep);
    Line2->setX1(tickX(k));
    Picture1->setLeft(tickX(k) - Picture1->width() / 2);
    cmdcheckit->setVisible(false);
}

void Directed1::Picture1_MouseDown(const MouseEvent& e) {
    // The arrow's centre jumps under the pointer on the first move and stays there.
    m_grip.takeAt(*Picture1, e, QPointF(Picture1->width() / 2, Picture1->height() / 2));
}

void Directed1::Picture1_MouseMove(const MouseEvent& e) {
    if (e.button != LeftButton) return;
    if (!m_grip.held()) Picture1_MouseDown(e);
    Picture1->setLeft(float(m_grip.place(*Picture1, e).x()));
    Line2->setX1(Picture1->left() + Picture1->width() / 2);
}

void Directed1::Picture1_MouseUp(const MouseEvent&) {
    m_grip.letGo();
    const float c = Picture1->left() + Picture1->width() / 2;
    std::array<float, kTicks> ticks{};
    for (int k = 0; k < kTicks; ++k) ticks[k] = tickX(k);
    const int target = snapTick(c, ticks);
    Picture1->setLeft(tickX(target) - Picture1->width() / 2);
    Line2->setX1(tickX(target));
}

void Directed1::cmdcheckit_Click() {
    imgtick->setWidth(0);
    imgcross->setWidth(0);
    const int k = tickIndex(m_answer, m_linelow, m_linestep);
    // An answer off the line can only be wrong; it never indexes past the ticks.
    const Line* answerTick = tickline.at(k);
    if (answerTick && Line2->x1() == answerTick->x1())
        showTick();
    else
        showCross();
}

}  // namespace directed
