#pragma once
// A number written as the sum of its parts ("4000 + 300 + 70 + 2") in big figures under the chart,
// on one line or two. In the solution each part's digits fly up into their columns of the chart.
#include <QPointF>
#include <array>
#include <vector>

#include "platform/controls.h"
#include "platform/decimal.h"

namespace platform {
class Form;
}

namespace placevalue {

class Chart;

class Parts {
public:
    static constexpr int kMostParts = 6;
    static constexpr int kMostGlyphs = 8;  // "400 000" or "0,05"

    Parts(platform::Form& form, float top);

    // Lays the parts out, centred, one line or two when one would not fit the board.
    void show(const std::vector<platform::Decimal>& parts);
    void clear();
    int count() const { return m_count; }
    platform::Label& part(int index) const { return m_parts[index]; }
    // How many lines the parts take, and where the last one ends.
    int lines() const { return m_lines; }
    float bottom() const { return m_top + float(m_lines) * m_lineHeight; }

    // The digits of a part take off from where it stands, each bound for its column of the chart
    // (its point for the point); fly() moves them and land() puts them down.
    void launch(int index, const Chart& chart);
    void fly(double t);
    void land();

private:
    struct Flight {
        QPointF from;
        QPointF to;
    };

    platform::ControlArray<platform::Label> m_parts;
    platform::ControlArray<platform::Label> m_pluses;
    platform::ControlArray<platform::Label> m_glyphs;
    std::array<Flight, kMostGlyphs> m_flights{};
    int m_flying = 0;
    int m_launched = -1;
    int m_count = 0;
    int m_lines = 0;
    float m_top;
    float m_lineHeight;
};

}  // namespace placevalue
