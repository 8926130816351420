#pragma once
// The set-up every screen but the title and chooser runs first: size, colour, placement, and the
// activity buttons and feedback pictures where the screen has them.
#include <QStringList>

namespace platform {
class Form;
}

namespace shell {

void setupform(platform::Form& screen);
// Every picture an activity may show (the program's Images and fruit folders), for the screens that
// lead to the activities to load ahead.
QStringList activityPictures();

// The window's left edge for a screen SW twips wide: centred, or 840 twips left of centre when the
// screen is wider than the window.
float placementLeft(float screenWidth, float windowWidth);
float placementTop(float screenHeight, float windowHeight);

}  // namespace shell
