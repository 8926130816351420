// Paints every picture of the program into the run folder given as the only argument, or with
// --icons <folder>, the desktop icon theme's files of the program's icon.
#include "appicon.h"
#include "canvas.h"
#include "pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    if (bytes.isEmpty() || !QDir().mkpath(QFileInfo(path).path()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--icons")
        return artwork::writeAppIcons(QString::fromLocal8Bit(argv[2]), QStringLiteral("brevandel")) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: brevandel_artwork <run folder> | --icons <folder>\n");
        return 2;
    }
    const QDir runFolder(QString::fromLocal8Bit(argv[1]));
    using namespace artwork;

    std::vector<std::pair<QString, std::function<QByteArray()>>> pictures = {
        {"opening/splashq00.jpg", [] { return jpegBytes(paintSplash()); }},
        {"Images/startqorv.jpg", [] { return jpegBytes(paintBackground()); }},
        {"Images/logo2.jpg", [] { return jpegBytes(paintLogo()); }},
        {"Images/BOARD.WMF", [] { return boardMetafile(); }},
        {"Images/tick.jpg", [] { return jpegBytes(paintTick()); }},
        {"Images/cross.jpg", [] { return jpegBytes(paintCross()); }},
        {"Images/arrowdn.jpg", [] { return jpegBytes(paintArrowDown()); }},
        {"Images/dartboard.jpg", [] { return jpegBytes(paintDartboard()); }},
        {"Images/dart.ico", [] { return dartIcon(DartTip::TopLeft); }},
        {"Images/dart1.ico", [] { return dartIcon(DartTip::BottomRight); }},
        {"Images/dart3.ico", [] { return dartIcon(DartTip::BottomLeft); }},
        {"fruit/fruits.jpg", [] { return jpegBytes(paintFruitKey()); }},
    };
    for (int index = 0; index < int(kFruitNames.size()); ++index) {
        const QString name = QString::fromLatin1(kFruitNames[index]);
        pictures.push_back({"fruit/" + name + ".jpg", [index] { return jpegBytes(paintFruit(index)); }});
        pictures.push_back({"fruit/" + name + "blur.jpg", [index] { return jpegBytes(paintFruitBlur(index)); }});
    }
    for (int index = 0; index < int(kShopItems.size()); ++index)
        pictures.push_back({QStringLiteral("Images/shop-%1.png").arg(QString::fromLatin1(kShopItems[index])),
                            [index] { return pngBytes(paintShopItem(index)); }});
    for (int metal = 0; metal < int(kCoinMetals.size()); ++metal)
        pictures.push_back({QStringLiteral("Images/coin-%1.png").arg(QString::fromLatin1(kCoinMetals[metal])),
                            [metal] { return pngBytes(paintCoin(metal)); }});
    for (int index = 0; index < int(kNoteValues.size()); ++index)
        pictures.push_back({QStringLiteral("Images/note%1.png").arg(kNoteValues[index]),
                            [index] { return pngBytes(paintNote(index)); }});
    pictures.push_back({"Images/purse.png", [] { return pngBytes(paintPurse()); }});
    pictures.push_back({"Images/tray.png", [] { return pngBytes(paintTray()); }});
    pictures.push_back({"Images/counter.png", [] { return pngBytes(paintCounter()); }});

    int failures = 0;
    for (const auto& [relative, paint] : pictures) {
        const QString path = runFolder.filePath(relative);
        if (!writeFile(path, paint())) {
            std::fprintf(stderr, "brevandel_artwork: could not write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
