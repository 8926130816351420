#include "appicon.h"

#include "canvas.h"
#include "palette.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPolygonF>
#include <QSaveFile>
#include <QTransform>

#include <cstdio>
#include <vector>

namespace artwork {
namespace {

constexpr double kUnits = 256;  // the icon is drawn on a 256 × 256 grid and scaled to each size

// One filled shape of the icon; the same list is painted and written as SVG.
struct Shape {
    enum Kind { RoundedRect, Polygon, Circle } kind;
    QColor colour;
    QRectF box;        // rounded rectangle; a circle's bounding square
    double radius = 0; // corner radius of a rounded rectangle
    QPolygonF points;  // polygon
};

Shape bar(const QPointF& centre, double length, double thickness, double degrees, const QColor& colour)
{
    const QPolygonF flat(QRectF(-length / 2, -thickness / 2, length, thickness));
    const QTransform turn = QTransform().translate(centre.x(), centre.y()).rotate(degrees);
    QPolygonF corners = turn.map(flat);
    corners.removeLast();  // the rectangle's polygon repeats its first corner
    return {Shape::Polygon, colour, QRectF(), 0, corners};
}

Shape dot(const QPointF& centre, double radius, const QColor& colour)
{
    return {Shape::Circle, colour, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 0, {}};
}

std::vector<Shape> iconShapes()
{
    std::vector<Shape> shapes;
    shapes.push_back({Shape::RoundedRect, palette::navy, QRectF(8, 8, 240, 240), 44, {}});
    struct Tile {
        QPointF corner;
        QColor face, mark;
    };
    const Tile tiles[] = {{{22, 22}, palette::tomato, palette::paper},
                          {{132, 22}, palette::gold, palette::navy},
                          {{22, 132}, palette::grass, palette::paper},
                          {{132, 132}, palette::pageBlue, palette::paper}};
    constexpr double kTile = 102, kLength = 66, kThickness = 18;
    for (const Tile& tile : tiles)
        shapes.push_back({Shape::RoundedRect, tile.face, QRectF(tile.corner, QSizeF(kTile, kTile)), 20, {}});
    auto centre = [&](int i) { return tiles[i].corner + QPointF(kTile / 2, kTile / 2); };
    // Plus, minus, times and divide, each on its own tile.
    shapes.push_back(bar(centre(0), kLength, kThickness, 0, tiles[0].mark));
    shapes.push_back(bar(centre(0), kLength, kThickness, 90, tiles[0].mark));
    shapes.push_back(bar(centre(1), kLength, kThickness, 0, tiles[1].mark));
    shapes.push_back(bar(centre(2), kLength, kThickness, 45, tiles[2].mark));
    shapes.push_back(bar(centre(2), kLength, kThickness, -45, tiles[2].mark));
    shapes.push_back(bar(centre(3), kLength, kThickness, 0, tiles[3].mark));
    shapes.push_back(dot(centre(3) - QPointF(0, 24), 10, tiles[3].mark));
    shapes.push_back(dot(centre(3) + QPointF(0, 24), 10, tiles[3].mark));
    return shapes;
}

QString number(double value) { return QString::number(value, 'g', 6); }

bool save(const QString& path, const QByteArray& bytes)
{
    if (bytes.isEmpty() || !QDir().mkpath(QFileInfo(path).path()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace

QImage paintAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kUnits, size / kUnits);
    painter.setPen(Qt::NoPen);
    for (const Shape& shape : iconShapes()) {
        painter.setBrush(shape.colour);
        switch (shape.kind) {
        case Shape::RoundedRect: painter.drawRoundedRect(shape.box, shape.radius, shape.radius); break;
        case Shape::Polygon: painter.drawPolygon(shape.points); break;
        case Shape::Circle: painter.drawEllipse(shape.box); break;
        }
    }
    return image;
}

QByteArray appIconSvg()
{
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                                 "viewBox=\"0 0 256 256\" stroke=\"none\">\n");
    for (const Shape& shape : iconShapes()) {
        const QString fill = shape.colour.name();
        switch (shape.kind) {
        case Shape::RoundedRect:
            svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"/>\n")
                       .arg(number(shape.box.x()), number(shape.box.y()), number(shape.box.width()),
                            number(shape.box.height()), number(shape.radius), fill);
            break;
        case Shape::Polygon: {
            QStringList points;
            for (const QPointF& p : shape.points)
                points << number(p.x()) + QLatin1Char(',') + number(p.y());
            svg += QStringLiteral("<polygon points=\"%1\" fill=\"%2\"/>\n").arg(points.join(QLatin1Char(' ')), fill);
            break;
        }
        case Shape::Circle:
            svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                       .arg(number(shape.box.center().x()), number(shape.box.center().y()),
                            number(shape.box.width() / 2), fill);
            break;
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

bool writeAppIcons(const QString& folder, const QString& name)
{
    bool written = save(QStringLiteral("%1/hicolor/scalable/apps/%2.svg").arg(folder, name), appIconSvg());
    for (const int size : kAppIconSizes) {
        const QString path = QStringLiteral("%1/hicolor/%2x%2/apps/%3.png").arg(folder).arg(size).arg(name);
        if (!save(path, pngBytes(paintAppIcon(size)))) {
            std::fprintf(stderr, "brevandel_artwork: could not write %s\n", qPrintable(path));
            written = false;
        }
    }
    return written;
}

}  // namespace artwork
