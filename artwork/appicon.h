#pragma once
// The program's own icon for the desktop menu: four number tiles, one per operation.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>

namespace artwork {

// The bitmap sizes a desktop's icon theme looks for, in pixels.
inline constexpr std::array<int, 8> kAppIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

QImage paintAppIcon(int size);
QByteArray appIconSvg();
// Writes hicolor/<n>x<n>/apps/<name>.png for each size and hicolor/scalable/apps/<name>.svg.
bool writeAppIcons(const QString& folder, const QString& name);

}  // namespace artwork
