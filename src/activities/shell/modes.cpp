#include "activities/shell/modes.h"

#include <QFontMetricsF>
#include <QHash>

#include "activities/shell/look.h"
#include "platform/form.h"

namespace shell {

using namespace platform;

namespace {
constexpr float kColumnLeft = 9930;
constexpr float kColumnWidth = 1905;
constexpr float kColumnTop = 1200;
constexpr float kColumnBottom = 6240;  // above the Check button, whatever its height
constexpr float kGap = 60;
constexpr float kCaptionRoom = 1905 - 30 - 195 - 90 - 30;  // beside the round button, as it paints

QHash<QString, int>& memory() {
    static QHash<QString, int> modes;
    return modes;
}
}  // namespace

int ModeButtons::remembered(const QString& screen) { return memory().value(screen, 0); }
void ModeButtons::forgetAll() { memory().clear(); }

ModeButtons::ModeButtons(Form& form, const QString& screen, int count) : m_screen(screen) {
    m_frame = form.add<Frame>(nullptr, "framemodes", kColumnLeft, kColumnTop, kColumnWidth, kColumnBottom - kColumnTop);
    m_frame->setCaptionVisible(false);
    m_frame->setBackColor(look::kPage);
    m_mode = std::clamp(remembered(screen), 0, std::max(0, count - 1));
    for (int i = 0; i < count; ++i) {
        auto* option = form.add<OptionButton>(m_frame, "optmode", 0, 0, kColumnWidth, 450, i);
        option->setFont(look::kOption);
        option->setForeColor(look::kText);
        option->setBackColor(look::kPage);
        m_options.add(option);
    }
    // Selected before the handlers are bound, so showing the remembered mode asks nothing.
    if (count > 0) m_options[m_mode].setValue(true);
    for (int i = 0; i < count; ++i) m_options[i].onClick = [this, i] { chosen(i); };
}

void ModeButtons::setCaptions(const QStringList& captions) {
    float top = 0;
    for (int i = 0; i < m_options.size(); ++i) {
        OptionButton& option = m_options[i];
        const QString caption = captions.value(i);
        const QFontMetricsF metrics(sceneFont(option.font()));
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, kCaptionRoom, 1e6), Qt::TextWordWrap, caption);
        const float height = std::max(390.0f, float(needed.height()) + 120);
        option.move(0, top, kColumnWidth, height);
        option.setCaption(caption);
        top += height + kGap;
    }
}

void ModeButtons::chosen(int mode) {
    m_mode = mode;
    memory()[m_screen] = mode;
    if (onChoose) onChoose(mode);
}

}  // namespace shell
