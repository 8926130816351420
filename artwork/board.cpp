#include "metafilewriter.h"
#include "palette.h"
#include "pictures.h"

namespace artwork {

QByteArray boardMetafile()
{
    // A classroom board with a chalk sum, 1650 × 975 twips, drawn as metafile records.
    const QRect bounds(0, 0, 1650, 975);
    MetafileWriter wmf(bounds);
    wmf.setWindow(bounds);
    wmf.setTransparentText();

    const int inkPen = wmf.createPen(palette::ink, 26);
    const int woodBrush = wmf.createBrush(palette::wood);
    wmf.select(inkPen);
    wmf.select(woodBrush);
    wmf.roundRect(QRect(14, 14, 1622, 880), QSize(150, 150));

    const int greenBrush = wmf.createBrush(palette::boardGreen);
    wmf.select(greenBrush);
    wmf.rectangle(QRect(110, 100, 1430, 700));

    // Ghosts of yesterday's sums, half rubbed out.
    const int smudgePen = wmf.createPen(palette::boardGreen.lighter(125), 14);
    wmf.select(smudgePen);
    wmf.polyline(QPolygon({QPoint(180, 700), QPoint(320, 650), QPoint(470, 710), QPoint(640, 660)}));
    wmf.polyline(QPolygon({QPoint(1000, 210), QPoint(1160, 170), QPoint(1330, 220), QPoint(1460, 180)}));

    const int chalkPen = wmf.createPen(palette::chalk, 22);
    const int hollow = wmf.createHollowBrush();
    wmf.select(chalkPen);
    wmf.select(hollow);
    wmf.polygon(QPolygon({QPoint(170, 300), QPoint(245, 165), QPoint(320, 300)}));
    wmf.ellipse(QRect(1340, 590, 150, 150));
    wmf.moveTo(QPoint(330, 620));
    wmf.lineTo(QPoint(1250, 620));

    const int font = wmf.createFont(-250, 700, "Arial");
    wmf.select(font);
    wmf.setTextColor(palette::chalk);
    wmf.setTextAlign(6 | 24);  // centred on the baseline
    wmf.textOut(QPoint(825, 510), "3 + 4 = 7");

    wmf.select(inkPen);
    const int ledgeBrush = wmf.createBrush(palette::woodDark);
    wmf.select(ledgeBrush);
    wmf.rectangle(QRect(50, 830, 1550, 95));
    const int chalkBrush = wmf.createBrush(palette::chalk);
    wmf.select(chalkBrush);
    wmf.rectangle(QRect(1160, 845, 170, 45));
    const int feltBrush = wmf.createBrush(QColor(0x7D, 0x8A, 0x99));
    wmf.select(feltBrush);
    wmf.roundRect(QRect(280, 840, 260, 70), QSize(40, 40));

    for (const int object : {font, hollow, chalkPen, smudgePen, greenBrush, woodBrush, inkPen, ledgeBrush, chalkBrush,
                             feltBrush})
        wmf.deleteObject(object);
    return wmf.finish();
}

}  // namespace artwork
