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

// The shop of the money activity, as transparent pictures.
inline constexpr std::array<const char*, 8> kShopItems = {"pencil", "apple",    "book",    "ball",
                                                          "drink",  "sandwich", "cupcake", "car"};
QImage paintShopItem(int index);
// Coins by metal: one metal, two metals (centre, ring), and the cent coins with their word.
inline constexpr std::array<const char*, 7> kCoinMetals = {"copper",     "silver",     "gold",     "silvergold",
                                                           "goldsilver", "coppercent", "goldcent"};
QImage paintCoin(int metal);
// The 5, 10 and 20 notes, a colour each.
inline constexpr std::array<int, 3> kNoteValues = {5, 10, 20};
QImage paintNote(int index);
QImage paintPurse();
QImage paintTray();
QImage paintCounter();

}  // namespace artwork
