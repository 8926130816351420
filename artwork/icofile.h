#pragma once
#include <QByteArray>
#include <QImage>
#include <QList>

namespace artwork {

// An icon file holding each image as a PNG entry; Qt's own writer stores only one image.
QByteArray icoFile(const QList<QImage>& images);

}  // namespace artwork
