#include "activities/shell/activity.h"

#include "app/windows.h"

namespace shell {

using namespace platform;

namespace {
// A shortcut presses a button only where a click on it could.
bool press(CommandButton* button) {
    if (!button || !button->isVisible() || !button->enabled()) return false;
    button->click();
    return true;
}
void uncover(PictureBox& picture, Timer& timer) {
    picture.setWidth(picture.width() + kFeedbackStep);
    if (picture.width() >= kFeedbackWidth) timer.setEnabled(false);
}
}  // namespace

Activity::Activity(const ActivityKind& kind, app::WindowRegistry& windows)
    : Form(QString::fromLatin1(kind.screen), 12000, 9000), m_kind(kind), m_windows(windows) {
    setCaption(QString::fromLatin1(kind.designTitle));
    framestatus = add<Shape>(nullptr, "framestatus", 10200, 30, 1785, 9345);
    Image1 = add<Image>(nullptr, "Image1", 10200, 90, 1650, 975);
    imgtick = add<PictureBox>(nullptr, "imgtick", 10740, 180, kFeedbackWidth, kFeedbackWidth);
    imgcross = add<PictureBox>(nullptr, "imgcross", 10740, 180, kFeedbackWidth, kFeedbackWidth);
    imgtick->setOpaque(false);
    imgcross->setOpaque(false);
    cmdcheckit = add<CommandButton>(nullptr, "cmdcheckit", 9930, 6465, 1905, 495);
    cmdsoln = add<CommandButton>(nullptr, "cmdsoln", 9930, 6960, 1905, 495);
    cmdjotter = add<CommandButton>(nullptr, "cmdjotter", 9930, 7455, 1905, 495);
    cmdgo = add<CommandButton>(nullptr, "cmdgo", 9930, 7950, 1905, 495);
    cmdexit = add<CommandButton>(nullptr, "cmdexit", 60, 7950, 1785, 495);
    cmdcheckit->setVisible(kind.checkButtonShown);

    tmrtick = new Timer(QStringLiteral("tmrtick"), 1, this);
    tmrcross = new Timer(QStringLiteral("tmrcross"), 1, this);
    tmrtick->setEnabled(kind.timersRunAtOpen);
    tmrcross->setEnabled(kind.timersRunAtOpen);

    cmdgo->onClick = [this] { cmdgo_Click(); };
    cmdcheckit->onClick = [this] { cmdcheckit_Click(); };
    cmdsoln->onClick = [this] { cmdsoln_Click(); };
    cmdjotter->onClick = [this] { cmdjotter_Click(); };
    cmdexit->onClick = [this] { cmdexit_Click(); };
    tmrtick->onTimer = [this] { tmrtick_Timer(); };
    tmrcross->onTimer = [this] { tmrcross_Timer(); };
}

RandomSource& Activity::rnd() { return m_windows.random(); }

void Activity::showTick() {
    imgtick->setWidth(0);
    imgtick->setVisible(true);
    tmrtick->setEnabled(true);
}

void Activity::showCross() {
    imgcross->setWidth(0);
    imgcross->setVisible(true);
    tmrcross->setEnabled(true);
}

void Activity::clearFeedback() {
    imgtick->setVisible(false);
    imgcross->setVisible(false);
    tmrtick->setEnabled(false);
    tmrcross->setEnabled(false);
}

void Activity::tmrtick_Timer() { uncover(*imgtick, *tmrtick); }
void Activity::tmrcross_Timer() { uncover(*imgcross, *tmrcross); }

void Activity::cmdjotter_Click() { m_windows.show(QStringLiteral("notepad")); }

void Activity::cmdexit_Click() {
    m_windows.close(QStringLiteral("notepad"));
    m_windows.show(QString::fromLatin1(m_kind.menu));
    unload();
}

bool Activity::Form_KeyDown(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Space:
        case Qt::Key_PageDown: return press(cmdgo);
        case Qt::Key_Return:
        case Qt::Key_Enter: return press(cmdcheckit);
        case Qt::Key_S: return press(cmdsoln);
        case Qt::Key_J: return press(cmdjotter);
        case Qt::Key_Escape: return press(cmdexit);
        default: return false;
    }
}

}  // namespace shell
