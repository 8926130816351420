#pragma once
// Every picture the program shows, painted from code.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <array>

namespace artwork {

QImage paintSplash();
QImage paintBackground();
QImage paintLogo();

QImage paintDartboard();
// The board alone, centred at centre with the given radius to its rim (numbers included).
void drawDartboard(QPainter& painter, const QPointF& centre, double rimRadius);

enum class DartTip { TopLeft, BottomRight, BottomLeft };
QByteArray dartIcon(DartTip tip);

QImage paintTick();
QImage paintCross();
QImage paintArrowDown();

inline constexpr std::array<const char*, 10> kFruitNames = {
    "plum", "lime", "banana", "orange", "melon", "lemon", "strawberry", "cherries", "bell", "bar"};
QImage paintFruit(int index);
QImage paintFruitBlur(int index);
QImage paintFruitKey();
// One fruit drawn into a square box, for the reels, the key and the title picture.
void drawFruit(QPainter& painter, int index, const QRectF& box);

QByteArray boardMetafile();

}  // namespace artwork
