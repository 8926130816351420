// A frame of the turning solid makes nothing on the heap: counted here by this test program's own
// operator new, while the view paints.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <atomic>
#include <cstdlib>
#include <new>

#include "activities/solids/rules.h"
#include "platform/solidview.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<long> made{0};
}  // namespace

void* operator new(std::size_t size) {
    if (counting.load(std::memory_order_relaxed)) made.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(SolidFrame, TurningAndPaintingAFrameAllocatesNothing) {
    using platform::SolidView;
    SolidView view(QStringLiteral("solid"), 0, 0, 6000, 5700);
    QImage image(600, 570, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.scale(0.1, 0.1);
    const struct {
        solids::Solid solid;
        SolidView::Lit lit;
    } cases[] = {{solids::kCube, SolidView::Lit::Edges}, {solids::kHexagonalPrism, SolidView::Lit::Vertices},
                 {solids::kCylinder, SolidView::Lit::Faces}, {solids::kSphere, SolidView::Lit::None}};
    for (const auto& c : cases) {
        view.setMesh(solids::modelOf(c.solid));
        view.setLit(c.lit, 2);
        view.paint(&painter, nullptr, nullptr);  // the painter's own first-use set-up
        made = 0;
        counting = true;
        for (int frame = 0; frame < 20; ++frame) {
            view.tick();
            view.paint(&painter, nullptr, nullptr);
        }
        counting = false;
        EXPECT_EQ(made.load(), 0) << "solid " << c.solid;
    }
}

}  // namespace
