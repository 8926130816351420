#include "activities/shell/setupform.h"

#include "app/language.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "platform/picturecache.h"

namespace shell {
namespace {
const QColor kSetupBlue{0x31, 0x87, 0xD6};

// Every step looks its control up by name and is skipped when the screen has no such control.
template <class T = platform::Control, class Step>
void withControl(platform::Form& screen, const char* name, Step step) {
    if (auto* control = dynamic_cast<T*>(screen.control(QString::fromLatin1(name)))) step(*control);
}
}  // namespace

QStringList activityPictures() {
    return platform::picturesIn(QStringLiteral("Images")) + platform::picturesIn(QStringLiteral("fruit"));
}

float placementLeft(float screenWidth, float windowWidth) {
    const float centred = screenWidth / 2 - windowWidth / 2;
    return screenWidth > 12000 ? centred - 840 : centred;
}

float placementTop(float screenHeight, float windowHeight) { return screenHeight / 2 - windowHeight / 2; }

void setupform(platform::Form& screen) {
    const app::LanguageState& l = app::lang();
    const int language = l.langIndexValue();
    using platform::Control;

    screen.setBackColor(kSetupBlue);
    screen.clearIcon();
    withControl(screen, "Picture1", [](Control& c) { c.setBackColor(kSetupBlue); });
    screen.setSize(12000, 9000);

    screen.setBusyPointer(true);
    screen.setTop(placementTop(platform::screenHeightTwips(), screen.height()));
    screen.setLeft(placementLeft(platform::screenWidthTwips(), screen.width()));
    screen.setBusyPointer(false);

    withControl(screen, "cmdexit", [&](Control& c) { c.setCaption(l.txtexit); });
    withControl(screen, "cmdgo", [&](Control& c) { c.setCaption(l.txtgo); });
    withControl(screen, "cmdsoln", [&](Control& c) { c.setCaption(l.txtsolution); });
    withControl(screen, "cmdcheckit", [&](Control& c) { c.setCaption(l.txtcheck); });
    withControl(screen, "cmdjotter", [&](Control& c) { c.setCaption(l.txtjotter); });

    const QString arial = QStringLiteral("Arial");
    for (const char* name : {"cmdexit", "cmdgo", "cmdsoln"})
        withControl(screen, name, [&](Control& c) { c.setFont({arial, 16, true}); });
    withControl(screen, "cmdcheckit", [&](Control& c) { c.setFont({arial, language == 5 ? 12.0f : 16.0f, true}); });
    withControl(screen, "cmdjotter", [&](Control& c) { c.setFont({arial, language == 4 ? 12.0f : 16.0f, true}); });

    withControl(screen, "framestatus", [](Control& c) { c.setVisible(false); });

    // The right-hand column is stacked upwards from the new-question button, each from the one below.
    withControl(screen, "cmdgo", [](Control& c) {
        c.move(9930, 7950, 1905, 495);
        c.setTabStop(false);
    });
    withControl(screen, "cmdjotter", [&](Control& c) {
        c.setLeft(9930);
        c.setHeight(495);
        if (auto* go = screen.control(QStringLiteral("cmdgo"))) c.setTop(go->top() - c.height());
        c.setWidth(1905);
        c.setTabStop(false);
    });
    withControl(screen, "cmdsoln", [&](Control& c) {
        c.setHeight(495);
        if (auto* jotter = screen.control(QStringLiteral("cmdjotter"))) c.setTop(jotter->top() - c.height());
        c.setWidth(1905);
        c.setLeft(9930);
        c.setTabStop(false);
    });
    withControl(screen, "cmdcheckit", [&](Control& c) {
        c.setHeight(language == 5 ? 675 : 495);
        c.setLeft(9930);
        if (auto* soln = screen.control(QStringLiteral("cmdsoln"))) c.setTop(soln->top() - c.height());
        c.setWidth(1905);
        c.setTabStop(false);
    });
    withControl(screen, "cmdexit", [](Control& c) {
        c.move(60, 7950, 1785, 495);
        c.setTabStop(false);
    });

    withControl<platform::Image>(screen, "Image1", [](platform::Image& c) {
        c.setPicture(platform::loadPicture(QStringLiteral("IMAGES\\BOARD.WMF")));
        c.setTop(90);
        c.setLeft(10200);
    });
    withControl(screen, "imgtick", [](Control& c) { c.move(10740, 180); });
    withControl(screen, "imgcross", [](Control& c) { c.move(10740, 180); });
    withControl<platform::PictureBox>(screen, "imgcross", [](platform::PictureBox& c) {
        c.setPicture(platform::loadPicture(QStringLiteral("images\\cross.jpg")));
    });
    withControl<platform::PictureBox>(screen, "imgtick", [](platform::PictureBox& c) {
        c.setPicture(platform::loadPicture(QStringLiteral("images\\tick.jpg")));
    });
    withControl(screen, "imgtick", [](Control& c) { c.setVisible(false); });
    withControl(screen, "imgcross", [](Control& c) { c.setVisible(false); });
}

}  // namespace shell
