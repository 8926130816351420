#include "platform/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>

namespace platform {
namespace {
QHash<QString, QString>& families() {
    static QHash<QString, QString> map;
    return map;
}
QString firstAvailable(const QStringList& candidates) {
    const QStringList known = QFontDatabase::families();
    for (const QString& c : candidates)
        if (known.contains(c, Qt::CaseInsensitive)) return c;
    return candidates.last();
}
}  // namespace

void registerFonts() {
    static bool done = false;
    if (done) return;
    done = true;
    // fontconfig does not scan Wine's folder, so its metric-compatible Tahoma is added by hand.
    for (const char* file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    auto& map = families();
    map.insert(QStringLiteral("tahoma"), firstAvailable({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")}));
    // Wine's Tahoma Bold is barely heavier than its regular face; bold text must read from the back row.
    map.insert(QStringLiteral("tahoma bold"),
               firstAvailable({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}));
    map.insert(QStringLiteral("arial"),
               firstAvailable({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}));
    map.insert(QStringLiteral("times new roman"), firstAvailable({QStringLiteral("Times New Roman"),
                                                                  QStringLiteral("Liberation Serif"),
                                                                  QStringLiteral("DejaVu Serif")}));
}

QString fontFamily(const QString& requested, bool bold) {
    registerFonts();
    const QString key = requested.toLower();
    if (bold && families().contains(key + QStringLiteral(" bold"))) return families().value(key + QStringLiteral(" bold"));
    return families().value(key, requested);
}

}  // namespace platform
