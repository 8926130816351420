#include "activities/placevalue/chart.h"

#include <QFontMetricsF>
#include <algorithm>

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "platform/form.h"

namespace placevalue {

using namespace platform;
namespace look = shell::look;

namespace {
const FontSpec kCardFont{QStringLiteral("Arial"), 40, true};
const FontSpec kHeadingFont{QStringLiteral("Tahoma"), 14, true};
constexpr float kHeadingSmallest = 12;  // a scale label never shrinks below this
constexpr float kBoardWidth = look::kBoardRight - look::kBoardLeft;
constexpr float kWidestColumn = 2100;
constexpr float kHeadingInset = 45;

const QColor kHeadFace{0xDD, 0xE8, 0xF5};
const QColor kLitFace{0xFF, 0xD8, 0x8C};
const QColor kCellLine{0x30, 0x30, 0x30};
const QColor kRed{0xD0, 0x00, 0x00};

// A control array's index for a place: 0 for the highest.
int slot(int place) { return kHighestPlace - place; }
}  // namespace

Chart::Chart(Form& form) {
    const QFontMetricsF card(sceneFont(kCardFont));
    m_digitHeight = float(card.height());
    m_digitTop = kBodyTop + (kBodyHeight - m_digitHeight) / 2;
    // Cells first, then what is written on them, so a sliding digit passes over every cell.
    for (int place = kHighestPlace; place >= kLowestPlace; --place) {
        Cell& cell = m_cells[index(place)];
        cell.head = form.add<Shape>(nullptr, "shphead", 0, kHeadingTop, 0, kHeadingHeight, slot(place));
        cell.body = form.add<Shape>(nullptr, "shpbody", 0, kBodyTop, 0, kBodyHeight, slot(place));
        for (Shape* s : {cell.head, cell.body}) {
            s->setOpaque(true);
            s->setForeColor(kCellLine);
        }
        cell.heading = form.add<Label>(nullptr, "lblheading", 0, kHeadingTop, 0, kHeadingHeight, slot(place));
        cell.heading->setFont(kHeadingFont);
        cell.heading->setForeColor(look::kInk);
        cell.heading->setAlignment(Align::Center);
    }
    for (int place = kHighestPlace; place >= kLowestPlace; --place) {
        Cell& cell = m_cells[index(place)];
        cell.digit = form.add<Label>(nullptr, "lbldigit", 0, m_digitTop, 0, m_digitHeight, slot(place));
        cell.digit->setFont(kCardFont);
        cell.digit->setForeColor(look::kInk);
        cell.digit->setAlignment(Align::Center);
    }
    m_point = form.add<Label>(nullptr, "lblpoint", 0, m_digitTop, 600, m_digitHeight);
    m_point->setFont(kCardFont);
    m_point->setForeColor(look::kInk);
    m_point->setAlignment(Align::Center);
}

float Chart::centre(int place) const { return leftOf(place) + m_width / 2; }

void Chart::setColumns(Columns columns, const std::function<QString(int place)>& heading) {
    m_columns = columns;
    m_width = std::min(kWidestColumn, kBoardWidth / float(columns.count()));
    m_left = look::kBoardLeft + (kBoardWidth - m_width * float(columns.count())) / 2;
    // Every heading wraps inside its cell at the size the longest one needs, never below the smallest.
    float size = kHeadingFont.size;
    for (int place = kHighestPlace; place >= kLowestPlace; --place) {
        const Cell& cell = m_cells[index(place)];
        const bool shown = columns.has(place);
        for (Control* c : {static_cast<Control*>(cell.head), static_cast<Control*>(cell.body),
                           static_cast<Control*>(cell.heading), static_cast<Control*>(cell.digit)})
            c->setVisible(shown);
        if (!shown) continue;
        const float left = leftOf(place);
        cell.head->move(left, kHeadingTop, m_width, kHeadingHeight);
        cell.body->move(left, kBodyTop, m_width, kBodyHeight);
        cell.digit->move(left, m_digitTop, m_width, m_digitHeight);
        Label& label = *cell.heading;
        label.move(left + kHeadingInset, kHeadingTop, m_width - 2 * kHeadingInset, kHeadingHeight - 2 * kHeadingInset);
        // A long word is shrunk before it is hyphenated; only one too long at the smallest size breaks.
        QString caption = heading(place);
        const QString unbroken = QString(caption).remove(QChar(0x00AD));
        if (label.captionFits(unbroken, kHeadingSmallest)) caption = unbroken;
        size = std::min(size, label.setCaptionFitted(caption, kHeadingSmallest));
    }
    FontSpec wanted = kHeadingFont;
    wanted.size = size;
    const QFontMetricsF metrics(sceneFont(wanted));
    for (int place = columns.highest; place >= columns.lowest; --place) {
        Label& label = *m_cells[index(place)].heading;
        label.setFontSize(size);
        // Then each stands in the middle of its cell.
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, label.width(), 1e6), Qt::TextWordWrap, label.caption());
        const float height = std::min(float(needed.height()), kHeadingHeight);
        label.move(label.left(), kHeadingTop + (kHeadingHeight - height) / 2, label.width(), height + kHeadingInset);
    }
    m_point->setVisible(columns.has(0) && columns.has(-1));
    m_point->setCaption(QString(shell::decimalPoint()));
    m_point->setLeft(pointCentre() - m_point->width() / 2);
    light(std::nullopt);
    write(std::nullopt);
}

void Chart::write(std::optional<Decimal> value, std::optional<int> redPlace) {
    m_value = value;
    const Span span = value ? writtenSpan(*value) : Span{0, 1};
    for (int place = m_columns.highest; place >= m_columns.lowest; --place) {
        Label& d = *m_cells[index(place)].digit;
        d.setLeft(leftOf(place));
        d.setVisible(true);
        d.setCaption(value && span.has(place) ? QString::number(digitAt(*value, place)) : QString());
        d.setForeColor(redPlace && *redPlace == place ? kRed : look::kInk);
    }
}

void Chart::light(std::optional<int> place) {
    m_lit = place;
    for (int p = kHighestPlace; p >= kLowestPlace; --p) {
        const Cell& cell = m_cells[index(p)];
        const bool lit = place && *place == p;
        cell.head->setBackColor(lit ? kLitFace : kHeadFace);
        cell.body->setBackColor(lit ? kLitFace : look::kPaper);
    }
}

void Chart::startSlide() {
    const auto high = m_value ? highestDigit(*m_value) : std::nullopt;
    const auto low = m_value ? lowestDigit(*m_value) : std::nullopt;
    for (int place = m_columns.highest; place >= m_columns.lowest; --place)
        m_cells[index(place)].digit->setVisible(high && low && place <= *high && place >= *low);
}

void Chart::slide(double places) {
    const float by = float(places) * m_width;
    for (int place = m_columns.highest; place >= m_columns.lowest; --place) {
        Label& d = *m_cells[index(place)].digit;
        if (d.isVisible()) d.setLeft(leftOf(place) - by);
    }
}

}  // namespace placevalue
