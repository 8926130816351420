#include "activities/shell/numberpad.h"

#include <QFontMetricsF>

#include "activities/shell/look.h"
#include "activities/shell/numbers.h"
#include "platform/form.h"

namespace shell {

using namespace platform;

namespace {
constexpr float kKeyWidth = 600;
constexpr float kKeyHeight = 600;
constexpr float kGap = 60;
constexpr float kWideKey = 900;
constexpr float kDigitsRowTop = 7560;
constexpr float kSignsRowTop = kDigitsRowTop + kKeyHeight + kGap;
constexpr float kBoxTop = 6840;
constexpr float kBoxHeight = 630;
// The pad's middle: halfway between the Exit button and the right-hand column.
constexpr float kMiddle = (1905 + 9870) / 2.0f;
constexpr float kRowWidth = 10 * kKeyWidth + 9 * kGap;
constexpr float kLeft = kMiddle - kRowWidth / 2;

const QString kDelete = QStringLiteral("del");
const QString kClear = QStringLiteral("clear");
const QString kMinus = QStringLiteral("-");

bool isDigit(const QString& key) { return key.size() == 1 && key[0] >= QLatin1Char('0') && key[0] <= QLatin1Char('9'); }
bool isPoint(const QString& key) { return key == QLatin1String(".") || key == QLatin1String(","); }
}  // namespace

NumberPad::NumberPad(Form& form, int boxes) : m_form(form) {
    const int count = std::clamp(boxes, 1, 2);
    for (int i = 0; i < count; ++i) {
        auto* box = form.add<Label>(nullptr, "lblanswer", 0, kBoxTop, 2400, kBoxHeight, i);
        box->setFont(look::kAnswer);
        box->setForeColor(look::kInk);
        box->setBackColor(look::kAnswerBox);
        box->setOpaque(true);
        box->setBorder(true);
        box->setAlignment(Align::Center);
        box->onClick = [this, i] { setActiveBox(i); };
        m_boxes.add(box);
        m_shown.push_back(true);
        for (auto* side : {&m_before, &m_after}) {
            auto* caption = form.add<Label>(nullptr, side == &m_before ? "lblbefore" : "lblafter", 0, kBoxTop, 0, kBoxHeight, i);
            caption->setFont(look::kCaption);
            caption->setForeColor(look::kText);
            caption->setAlignment(side == &m_before ? Align::Right : Align::Left);
            side->add(caption);
        }
    }
    const auto addKey = [&](const QString& key, const QString& face, float left, float top, float width) {
        auto* button = form.add<CommandButton>(nullptr, "cmdkey", left, top, width, kKeyHeight);
        button->setFont(look::kKey);
        button->setBackColor(QColor(0xF4, 0xF4, 0xF4));
        button->setCaption(face);
        button->setTabStop(false);
        button->onClick = [this, key] { press(key); };
        m_keys.emplace_back(key, button);
    };
    // 1 … 9 then 0, as on a keyboard's top row.
    for (int d = 1; d <= 10; ++d) {
        const QString digit = QString::number(d % 10);
        addKey(digit, digit, kLeft + (d - 1) * (kKeyWidth + kGap), kDigitsRowTop, kKeyWidth);
    }
    addKey(QStringLiteral("."), QString(decimalPoint()), kLeft, kSignsRowTop, kKeyWidth);
    addKey(kMinus, QStringLiteral("\u2212"), kLeft + kKeyWidth + kGap, kSignsRowTop, kKeyWidth);
    addKey(kDelete, QStringLiteral("\u232B"), kLeft + kRowWidth - 2 * kWideKey - kGap, kSignsRowTop, kWideKey);
    addKey(kClear, QStringLiteral("C"), kLeft + kRowWidth - kWideKey, kSignsRowTop, kWideKey);
    layout();
}

CommandButton* NumberPad::key(const QString& k) const {
    for (const auto& [name, button] : m_keys)
        if (name == k) return button;
    return nullptr;
}

void NumberPad::setExtraKeys(const QStringList& keys) {
    m_extra = keys.mid(0, 3);
    // Extra keys stand between minus and delete; unused ones from an earlier call are hidden.
    for (const auto& [name, button] : m_keys)
        if (!isDigit(name) && !isPoint(name) && name != kMinus && name != kDelete && name != kClear && !m_extra.contains(name))
            button->setVisible(false);
    int i = 0;
    for (const QString& extra : m_extra) {
        CommandButton* button = key(extra);
        if (!button) {
            button = m_form.add<CommandButton>(nullptr, "cmdkey", 0, kSignsRowTop, kKeyWidth, kKeyHeight);
            button->setFont(look::kKey);
            button->setBackColor(QColor(0xF4, 0xF4, 0xF4));
            button->setCaption(extra);
            button->setTabStop(false);
            button->onClick = [this, extra] { press(extra); };
            m_keys.emplace_back(extra, button);
        }
        button->setLeft(kLeft + (2 + i) * (kKeyWidth + kGap));
        button->setVisible(true);
        ++i;
    }
}

void NumberPad::setBoxCaptions(int box, const QString& before, const QString& after) {
    if (!m_boxes.at(box)) return;
    m_before[box].setCaption(before);
    m_after[box].setCaption(after);
    layout();
}

void NumberPad::layout() {
    // Each box with its captions, side by side, centred over the keys.
    const int n = m_boxes.size();
    std::vector<float> widths(static_cast<std::size_t>(n));
    float total = 0;
    int placed = 0;
    for (int i = 0; i < n; ++i) {
        if (!boxShown(i)) continue;
        const QFontMetricsF metrics(sceneFont(look::kCaption));
        const float before = m_before[i].caption().isEmpty() ? 0 : float(metrics.horizontalAdvance(m_before[i].caption())) + 120;
        const float after = m_after[i].caption().isEmpty() ? 0 : float(metrics.horizontalAdvance(m_after[i].caption())) + 120;
        m_before[i].setWidth(before);
        m_after[i].setWidth(after);
        widths[static_cast<std::size_t>(i)] = before + m_boxes[i].width() + after;
        total += widths[static_cast<std::size_t>(i)] + (placed++ > 0 ? 480 : 0);
    }
    float left = kMiddle - total / 2;
    for (int i = 0; i < n; ++i) {
        if (!boxShown(i)) continue;
        // A caption before a box keeps a little clear of it.
        m_before[i].setLeft(left - 60);
        m_boxes[i].setLeft(left + m_before[i].width());
        m_after[i].setLeft(m_boxes[i].left() + m_boxes[i].width() + 60);
        // Captions sit on the box's middle line.
        for (Label* c : {&m_before[i], &m_after[i]}) c->setTop(kBoxTop + (kBoxHeight - 18 * 20 * 1.2f) / 2);
        left += widths[static_cast<std::size_t>(i)] + 480;
    }
    setActiveBox(m_active);
}

void NumberPad::setVisible(bool visible) {
    m_visible = visible;
    for (int i = 0; i < m_boxes.size(); ++i)
        for (Label* part : {&m_boxes[i], &m_before[i], &m_after[i]}) part->setVisible(visible && boxShown(i));
    for (const auto& [name, button] : m_keys) {
        const bool always = isDigit(name) || isPoint(name) || name == kMinus || name == kDelete || name == kClear;
        button->setVisible(visible && (always || m_extra.contains(name)));
    }
}

bool NumberPad::visible() const { return m_visible; }

void NumberPad::setBoxShown(int box, bool shown) {
    if (!m_boxes.at(box) || boxShown(box) == shown) return;
    m_shown[static_cast<std::size_t>(box)] = shown;
    for (Label* part : {&m_boxes[box], &m_before[box], &m_after[box]}) part->setVisible(m_visible && shown);
    layout();
}

bool NumberPad::boxShown(int box) const { return m_boxes.at(box) && m_shown[static_cast<std::size_t>(box)]; }

void NumberPad::setEnabled(bool enabled) {
    m_enabled = enabled;
    for (const auto& [name, button] : m_keys) button->setEnabled(enabled);
}

QString NumberPad::text(int box) const { return m_boxes.at(box) ? m_boxes[box].caption() : QString(); }

void NumberPad::setText(int box, const QString& text) {
    if (!m_boxes.at(box)) return;
    m_boxes[box].setCaption(text.left(kMaxLength));
    changed();
}

std::optional<Decimal> NumberPad::value(int box) const { return Decimal::parse(text(box)); }

void NumberPad::clear() {
    for (Label* b : m_boxes) b->setCaption(QString());
    setActiveBox(0);
    changed();
}

void NumberPad::setActiveBox(int box) {
    m_active = std::clamp(box, 0, m_boxes.size() - 1);
    if (!boxShown(m_active)) m_active = 0;
    // With two boxes, the one being typed into is outlined in orange.
    for (int i = 0; i < m_boxes.size(); ++i)
        m_boxes[i].setBackColor(m_boxes.size() > 1 && i == m_active ? QColor(0xFF, 0xF0, 0xB0) : look::kAnswerBox);
}

bool NumberPad::press(const QString& key) {
    if (!m_enabled) return false;
    if (onKey && onKey(key)) return true;
    Label& box = m_boxes[m_active];
    QString text = box.caption();
    if (key == kDelete) {
        if (text.isEmpty()) return false;
        text.chop(1);
    } else if (key == kClear) {
        if (text.isEmpty()) return false;
        text.clear();
    } else if (key == kMinus) {
        if (text.startsWith(kMinus))
            text.remove(0, 1);
        else if (text.size() < kMaxLength)
            text.prepend(kMinus);
        else
            return false;
    } else if (isDigit(key) || isPoint(key) || m_extra.contains(key)) {
        if (text.size() + key.size() > kMaxLength) return false;
        text += isPoint(key) ? QString(decimalPoint()) : key;
    } else {
        return false;
    }
    box.setCaption(text);
    changed();
    return true;
}

bool NumberPad::keyDown(int qtKey) {
    if (!visible()) return false;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return press(QString::number(qtKey - Qt::Key_0)) || true;
    switch (qtKey) {
        case Qt::Key_Period:
        case Qt::Key_Comma: press(QStringLiteral(".")); return true;
        case Qt::Key_Minus: press(kMinus); return true;
        case Qt::Key_Backspace: press(kDelete); return true;
        case Qt::Key_Delete: press(kClear); return true;
        case Qt::Key_Tab:
            for (int i = 1; i <= m_boxes.size(); ++i)
                if (boxShown((m_active + i) % m_boxes.size())) {
                    setActiveBox((m_active + i) % m_boxes.size());
                    break;
                }
            return true;
        default: break;
    }
    // An extra key's letter or sign ("r", "p", "£") typed on the keyboard.
    for (const QString& extra : m_extra)
        if (extra.size() == 1 && (extra[0].isLetter() || extra[0].isSymbol()) && qtKey == extra[0].toUpper().unicode())
            return press(extra) || true;
    return false;
}

void NumberPad::changed() {
    if (onChange) onChange();
}

}  // namespace shell
