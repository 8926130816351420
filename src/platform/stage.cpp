#include "platform/stage.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QPainter>
#include <utility>

#include "platform/form.h"

namespace platform {
namespace {
// Every window that still exists; a closed one deletes itself.
QList<QPointer<Stage>>& stages() {
    static QList<QPointer<Stage>> all;
    all.removeAll(nullptr);
    return all;
}
QPointer<Stage> g_spare;
}  // namespace

Stage::Stage(QSize screenPixels, bool topmost)
    : QWidget(nullptr, Qt::Window), m_screenPixels(screenPixels), m_topmost(topmost) {
    setAttribute(Qt::WA_DeleteOnClose);
    // The front screen covers every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    resize(screenPixels);
    stages().append(this);
}

Stage::~Stage() {
    // Its screens go while the window can still hear of it.
    m_dying = true;
    qDeleteAll(findChildren<Form*>(Qt::FindDirectChildrenOnly));
}

Stage* Stage::hostFor(Form* form, QSize pixels, bool topmost) {
    Stage* host = nullptr;
    for (const QPointer<Stage>& stage : stages())
        if (stage->isVisible() && stage->front() && stage->m_topmost == topmost && stage->m_screenPixels == pixels) {
            host = stage;
            break;
        }
    if (!host && g_spare && !topmost && g_spare->m_screenPixels == pixels) host = std::exchange(g_spare, nullptr);
    if (!host) host = new Stage(pixels, topmost);
    form->setParent(host);
    form->setGeometry(host->rect());
    return host;
}

void Stage::prepareSpare(QSize pixels) {
    for (const QPointer<Stage>& stage : stages())
        if (!stage->m_topmost && stage->m_screenPixels == pixels) return;
    auto* spare = new Stage(pixels, false);
    spare->winId();
    // A new pixel buffer is slow to touch the first time: touch it now, while nobody waits.
    if (QBackingStore* store = spare->backingStore()) {
        const QRect all(QPoint(0, 0), pixels);
        store->resize(pixels);
        store->beginPaint(all);
        if (QPaintDevice* device = store->paintDevice()) QPainter(device).fillRect(all, Qt::black);
        store->endPaint();
    }
    g_spare = spare;
}

Stage* Stage::spare() { return g_spare; }

void Stage::bringToFront(Form* form) {
    m_forms.removeAll(form);
    m_forms.append(form);
    form->setGeometry(rect());
    form->show();
    form->raise();
    showFront();
}

void Stage::captionChanged(Form* form) {
    if (form == front()) showFront();
}

void Stage::showFront() {
    if (Form* form = front()) {
        setWindowTitle(form->windowTitle());
        setWindowIcon(form->windowIcon());
    }
}

void Stage::release(Form* form) {
    if (m_dying) return;
    m_forms.removeAll(form);
    m_forms.removeAll(nullptr);
    if (front()) {
        showFront();
    } else if (isVisible()) {
        close();
    } else if (this != g_spare) {
        deleteLater();
    }
}

void Stage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (const QPointer<Form>& form : std::as_const(m_forms))
        if (form) form->setGeometry(rect());
}

void Stage::closeEvent(QCloseEvent* event) {
    if (Form* form = front()) form->close();
    if (front())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

}  // namespace platform
