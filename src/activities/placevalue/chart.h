#pragma once
// The place-value chart: a column for each place with its heading, one digit card per column, and
// the decimal point fixed on the line between the ones and the tenths. The digits can slide across
// the columns while the point stays where it is.
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "activities/placevalue/rules.h"
#include "platform/controls.h"

namespace platform {
class Form;
}

namespace placevalue {

class Chart {
public:
    static constexpr float kHeadingTop = 1440;
    static constexpr float kHeadingHeight = 760;
    static constexpr float kBodyTop = kHeadingTop + kHeadingHeight;
    static constexpr float kBodyHeight = 1400;
    static constexpr float kBottom = kBodyTop + kBodyHeight;

    explicit Chart(platform::Form& form);

    // Shows the columns of a mode, each headed by the text for its place.
    void setColumns(Columns columns, const std::function<QString(int place)>& heading);
    const Columns& columns() const { return m_columns; }

    // Writes a number in the columns, one digit to a card (nothing for nullopt); the red place's
    // digit is red.
    void write(std::optional<platform::Decimal> value, std::optional<int> redPlace = std::nullopt);
    const std::optional<platform::Decimal>& written() const { return m_value; }
    // Lights one column (or none).
    void light(std::optional<int> place);

    // Where a column's middle is across the page, and the cards' middle line down it.
    float centre(int place) const;
    float cardMiddle() const { return m_digitTop + m_digitHeight / 2; }
    float pointCentre() const { return centre(0) + m_width / 2; }

    // The digits from the highest to the lowest non-zero one slide `places` columns (positive:
    // left, towards the higher places); zeros that only hold places hide while they move.
    void startSlide();
    void slide(double places);

    platform::Label& digit(int place) const { return *m_cells[index(place)].digit; }
    platform::Label& heading(int place) const { return *m_cells[index(place)].heading; }
    platform::Shape& body(int place) const { return *m_cells[index(place)].body; }
    platform::Label& point() const { return *m_point; }

private:
    struct Cell {
        platform::Shape* head;
        platform::Label* heading;
        platform::Shape* body;
        platform::Label* digit;
    };
    static std::size_t index(int place) { return static_cast<std::size_t>(kHighestPlace - place); }
    float leftOf(int place) const { return m_left + (m_columns.highest - place) * m_width; }

    std::array<Cell, kHighestPlace - kLowestPlace + 1> m_cells{};
    platform::Label* m_point;
    Columns m_columns{2, 0};
    float m_left = 0;
    float m_width = 0;
    float m_digitTop = 0;
    float m_digitHeight = 0;
    std::optional<platform::Decimal> m_value;
    std::optional<int> m_lit;
};

}  // namespace placevalue
