#pragma once
// The number pad the class answers on: big keys 0–9, the language's decimal separator, minus,
// delete and clear, and one or two answer boxes above them, at the bottom middle of the page. The
// keyboard types into it too. What is typed is only text: the activity reads it as an exact decimal.
#include <QStringList>
#include <functional>
#include <optional>

#include "platform/controls.h"
#include "platform/decimal.h"

namespace platform {
class Form;
}

namespace shell {

class NumberPad {
public:
    static constexpr int kMaxLength = 9;

    // One or two answer boxes (x and y, or a quotient and its remainder).
    NumberPad(platform::Form& form, int boxes = 1);

    // Keys for characters beyond the digits (a remainder's "r", "£", "p", "€"); at most three.
    void setExtraKeys(const QStringList& keys);
    // Texts written before and after a box ("x =", "cm²", "r").
    void setBoxCaptions(int box, const QString& before, const QString& after);

    void setVisible(bool visible);
    bool visible() const;
    // Hides or shows one box with its captions (a remainder box that only some questions need);
    // the boxes shown stay centred over the keys. A hidden box takes no typing.
    void setBoxShown(int box, bool shown);
    bool boxShown(int box) const;
    // Answers cannot change while a solution is shown or after a check is judged.
    void setEnabled(bool enabled);

    QString text(int box = 0) const;
    void setText(int box, const QString& text);
    // The typed answer as an exact number; nullopt for an empty or malformed one.
    std::optional<platform::Decimal> value(int box = 0) const;
    void clear();
    int boxes() const { return m_boxes.size(); }
    int activeBox() const { return m_active; }
    void setActiveBox(int box);

    // What a key press does: a digit, the decimal separator (either "." or ","), "-" (puts a minus
    // in front or takes it away), an extra key's text, "del" or "clear". False when nothing changed.
    bool press(const QString& key);
    // The physical keyboard: digits, . and , - Backspace and Delete, and the extra keys' letters.
    bool keyDown(int qtKey);

    // Raised after every change of a box.
    std::function<void()> onChange;
    // Offered every key before the box takes it; true when the activity used the key itself (a
    // digit written into a cell of the board rather than into the box).
    std::function<bool(const QString& key)> onKey;

    platform::Label& box(int index) const { return m_boxes[index]; }
    platform::CommandButton* key(const QString& key) const;

private:
    void layout();
    void changed();

    platform::Form& m_form;
    platform::ControlArray<platform::Label> m_boxes;
    platform::ControlArray<platform::Label> m_before;
    platform::ControlArray<platform::Label> m_after;
    std::vector<std::pair<QString, platform::CommandButton*>> m_keys;
    QStringList m_extra;
    std::vector<bool> m_shown;
    int m_active = 0;
    bool m_enabled = true;
    bool m_visible = true;
};

}  // namespace shell
