#include "activities/placevalue/parts.h"

#include <QFontMetricsF>
#include <algorithm>

#include "activities/placevalue/chart.h"
#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "platform/form.h"

namespace placevalue {

using namespace platform;
namespace look = shell::look;

namespace {
constexpr float kBoardWidth = look::kBoardRight - look::kBoardLeft;
constexpr float kPlusRoom = 180;  // either side of a plus sign
constexpr float kSlack = 60;      // so a part never wraps inside its own label
constexpr float kCardPad = 60;    // a flying digit's card around the figure
const QColor kPlaced = colors::White;

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isPoint(QChar c) { return c == QLatin1Char('.') || c == QLatin1Char(','); }

// Eases in and out, so a card lifts off and settles rather than jerking.
double ease(double t) { return t * t * (3 - 2 * t); }
}  // namespace

Parts::Parts(Form& form, float top) : m_top(top) {
    m_lineHeight = float(QFontMetricsF(sceneFont(look::kBig)).height());
    for (int i = 0; i < kMostParts; ++i) {
        auto* part = form.add<Label>(nullptr, "lblpart", 0, top, 0, m_lineHeight, i);
        part->setFont(look::kBig);
        m_parts.add(part);
        if (i + 1 < kMostParts) {
            auto* plus = form.add<Label>(nullptr, "lblplus", 0, top, 0, m_lineHeight, i);
            plus->setFont(look::kBig);
            plus->setForeColor(look::kText);
            plus->setAlignment(Align::Center);
            plus->setCaption(QStringLiteral("+"));
            m_pluses.add(plus);
        }
    }
    for (int i = 0; i < kMostGlyphs; ++i) {
        auto* glyph = form.add<Label>(nullptr, "lblglyph", 0, top, 0, m_lineHeight, i);
        glyph->setFont(look::kBig);
        glyph->setForeColor(look::kInk);
        glyph->setBackColor(look::kPaper);
        glyph->setOpaque(true);
        glyph->setBorder(true);
        glyph->setAlignment(Align::Center);
        m_glyphs.add(glyph);
    }
    clear();
}

void Parts::clear() {
    for (Label* l : m_parts) l->setVisible(false);
    for (Label* l : m_pluses) l->setVisible(false);
    for (Label* l : m_glyphs) l->setVisible(false);
    m_count = 0;
    m_lines = 0;
    m_flying = 0;
    m_launched = -1;
}

void Parts::show(const std::vector<Decimal>& parts) {
    clear();
    m_count = std::min(static_cast<int>(parts.size()), kMostParts);
    if (m_count == 0) return;
    const QFontMetricsF metrics(sceneFont(look::kBig));
    const float plusWidth = float(metrics.horizontalAdvance(QStringLiteral("+"))) + 2 * kPlusRoom;
    std::vector<float> widths;
    float total = 0;
    for (int i = 0; i < m_count; ++i) {
        const QString text = shell::numberText(parts[static_cast<std::size_t>(i)], 0, shell::Grouping::Thousands);
        m_parts[i].setCaption(text);
        m_parts[i].setForeColor(look::kText);
        widths.push_back(float(metrics.horizontalAdvance(text)));
        total += widths.back() + (i > 0 ? plusWidth : 0);
    }
    // Too long for one line: the second line starts at the part that passes the halfway mark.
    int secondLine = m_count;
    if (total > kBoardWidth) {
        float running = 0;
        for (int i = 0; i < m_count - 1 && secondLine == m_count; ++i) {
            running += widths[static_cast<std::size_t>(i)] + plusWidth;
            if (running >= total / 2) secondLine = i + 1;
        }
    }
    m_lines = secondLine < m_count ? 2 : 1;
    for (int line = 0; line < m_lines; ++line) {
        const int first = line == 0 ? 0 : secondLine, last = line == 0 ? secondLine : m_count;
        float width = 0;
        for (int i = first; i < last; ++i) width += widths[static_cast<std::size_t>(i)] + (i + 1 < m_count ? plusWidth : 0);
        float x = look::kBoardLeft + (kBoardWidth - width) / 2;
        const float top = m_top + float(line) * m_lineHeight;
        for (int i = first; i < last; ++i) {
            m_parts[i].move(x, top, widths[static_cast<std::size_t>(i)] + kSlack, m_lineHeight);
            m_parts[i].setVisible(true);
            x += widths[static_cast<std::size_t>(i)];
            // A plus ends its line rather than starting the next.
            if (i + 1 < m_count) {
                m_pluses[i].move(x, top, plusWidth, m_lineHeight);
                m_pluses[i].setVisible(true);
                x += plusWidth;
            }
        }
    }
}

void Parts::launch(int index, const Chart& chart) {
    land();
    if (index < 0 || index >= m_count) return;
    m_launched = index;
    const Label& part = m_parts[index];
    const QString text = part.caption();
    const QFontMetricsF metrics(sceneFont(look::kBig));
    qsizetype point = text.size();
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isPoint(text[i])) point = i;
    // Each digit's place: counted leftwards from the point (or the end), rightwards after it.
    for (qsizetype i = 0; i < text.size() && m_flying < kMostGlyphs; ++i) {
        if (!isDigit(text[i])) continue;
        int place = 0;
        if (i < point) {
            for (qsizetype j = i + 1; j < point; ++j) place += isDigit(text[j]);
        } else {
            for (qsizetype j = point + 1; j <= i; ++j) place -= isDigit(text[j]);
        }
        const float width = float(metrics.horizontalAdvance(text[i])) + 2 * kCardPad;
        Label& glyph = m_glyphs[m_flying];
        glyph.setCaption(QString(text[i]));
        glyph.move(0, 0, width, m_lineHeight);
        m_flights[static_cast<std::size_t>(m_flying)] = {
            QPointF(part.left() + metrics.horizontalAdvance(text.left(i)) - kCardPad, part.top()),
            QPointF(chart.centre(place) - width / 2, chart.cardMiddle() - m_lineHeight / 2)};
        ++m_flying;
    }
    fly(0);
    for (int i = 0; i < m_flying; ++i) m_glyphs[i].setVisible(true);
}

void Parts::fly(double t) {
    const double k = ease(std::clamp(t, 0.0, 1.0));
    for (int i = 0; i < m_flying; ++i) {
        const Flight& f = m_flights[static_cast<std::size_t>(i)];
        const QPointF at = f.from + (f.to - f.from) * k;
        m_glyphs[i].move(float(at.x()), float(at.y()));
    }
}

void Parts::land() {
    for (int i = 0; i < m_flying; ++i) m_glyphs[i].setVisible(false);
    m_flying = 0;
    if (m_launched >= 0) m_parts[m_launched].setForeColor(kPlaced);
    m_launched = -1;
}

}  // namespace placevalue
