#include "../../artwork/palette.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

namespace palette = artwork::palette;

enum class Area { Bull, OuterBull, Red, Green, Dark, Cream };

const char* name(Area area)
{
    static const char* names[] = {"bull", "outer bull", "red", "green", "dark", "cream"};
    return names[int(area)];
}

// The nearest board colour, or nothing when the pixel is far from all of them (a wire, the page, a number).
std::optional<Area> classify(const QColor& colour)
{
    const std::pair<Area, QColor> references[] = {
        {Area::Bull, palette::dartBull}, {Area::OuterBull, palette::dartOuterBull}, {Area::Red, palette::dartRed},
        {Area::Green, palette::dartGreen}, {Area::Dark, palette::dartDark}, {Area::Cream, palette::dartCream},
    };
    std::optional<Area> best;
    int bestDistance = 3 * 40;
    for (const auto& [area, reference] : references) {
        const int distance = std::abs(colour.red() - reference.red()) + std::abs(colour.green() - reference.green()) +
                             std::abs(colour.blue() - reference.blue());
        if (distance < bestDistance) {
            bestDistance = distance;
            best = area;
        }
    }
    return best;
}

// The average of the 3 × 3 pixels around a point, to see past the JPEG's noise.
QColor sample(const QImage& image, QPointF pixel)
{
    int r = 0, g = 0, b = 0;
    const int cx = int(std::floor(pixel.x())), cy = int(std::floor(pixel.y()));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QColor c = image.pixelColor(cx + dx, cy + dy);
            r += c.red();
            g += c.green();
            b += c.blue();
        }
    return QColor(r / 9, g / 9, b / 9);
}

constexpr int kSegmentOrder[20] = {20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5};

}  // namespace

TEST(DartboardPicture, EveryDartLandsInsideTheAreaOfItsRing)
{
    const QImage board(QStringLiteral(BREVANDEL_RUN_DIR "/Images/dartboard.jpg"));
    ASSERT_FALSE(board.isNull());
    const double dpi = board.dotsPerMeterX() * 0.0254;
    ASSERT_NEAR(dpi, 192, 1);

    // The radii the program places darts at, in twips of the 7200-twip picture, and how far a dart may
    // stray either way and still be in the same area.
    struct Ring {
        const char* what;
        double radius, slack;
        bool segmented;
        Area even, odd;
    };
    const Ring rings[] = {
        {"bull", 0, 60, false, Area::Bull, Area::Bull},
        {"outer bull", 180, 50, false, Area::OuterBull, Area::OuterBull},
        {"treble", 1260, 70, true, Area::Red, Area::Green},
        {"single", 1800, 300, true, Area::Dark, Area::Cream},
        {"double", 2340, 70, true, Area::Red, Area::Green},
    };
    for (const Ring& ring : rings) {
        for (int position = 0; position < 20; ++position) {
            const double angle = 18.0 * position * std::numbers::pi / 180.0;
            for (const double stray : {-ring.slack, 0.0, ring.slack}) {
                const double r = std::max(0.0, ring.radius + stray);
                const QPointF twips(3600 + r * std::sin(angle), 3600 - r * std::cos(angle));
                const QPointF pixel = twips * (dpi / 1440.0);
                const Area expected = position % 2 == 0 ? ring.even : ring.odd;
                const std::optional<Area> found = classify(sample(board, pixel));
                ASSERT_TRUE(found) << ring.what << " of " << kSegmentOrder[position] << " at r " << r
                                   << ": no board colour";
                EXPECT_EQ(*found, expected) << ring.what << " of " << kSegmentOrder[position] << " at r " << r
                                            << ": " << name(*found) << " instead of " << name(expected);
            }
        }
    }
}

TEST(DartboardPicture, SegmentColoursChangeOnlyAtTheWires)
{
    // Halfway between two dart angles lies a wire: just either side of it the single colour flips.
    const QImage board(QStringLiteral(BREVANDEL_RUN_DIR "/Images/dartboard.jpg"));
    ASSERT_FALSE(board.isNull());
    const double scale = board.dotsPerMeterX() * 0.0254 / 1440.0;
    for (int position = 0; position < 20; ++position) {
        for (const double offset : {-6.0, 6.0}) {
            const double angle = (18.0 * position + 9.0 + offset) * std::numbers::pi / 180.0;
            const QPointF twips(3600 + 1800 * std::sin(angle), 3600 - 1800 * std::cos(angle));
            const int owner = (offset < 0 ? position : position + 1) % 20;
            const Area expected = owner % 2 == 0 ? Area::Dark : Area::Cream;
            const std::optional<Area> found = classify(sample(board, twips * scale));
            ASSERT_TRUE(found) << "beside the wire after " << kSegmentOrder[position];
            EXPECT_EQ(*found, expected) << "beside the wire after " << kSegmentOrder[position];
        }
    }
}
