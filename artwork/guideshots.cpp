// Photographs every activity for the teacher's guide: each screen of each menu entry opened in each
// language with the same draws on every build, so the guide's pictures never go stale and change
// only when a screen does. Writes <run>/guide/<language>/img/<screen>.jpg and <run>/guide/screens.txt.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "activities/shell/modes.h"
#include "app/catalogue.h"
#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/failure.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "screens/intro0.h"
#include "screens/menu.h"

namespace {

constexpr int kLanguages = 7;
constexpr QSize kPictureSize{640, 480};

// A fixed sequence of draws: the guide shows the same questions on every build.
class FixedDraws final : public platform::RandomSource {
public:
    explicit FixedDraws(std::uint32_t seed) : m_state(seed * 2654435761u | 1u) {}
    float next() override {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return float(m_state >> 8) * (1.0f / 16777216.0f);
    }
    void reseed() override {}

private:
    std::uint32_t m_state;
};

bool save(const QImage& picture, const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && picture.save(&file, "JPG", 82) && file.commit();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: brevandel_guideshots <run folder>\n");
        return 2;
    }
    const QString run = QString::fromLocal8Bit(argv[1]);
    platform::setProgramFolder(run);
    platform::setUserConfigFolder(QDir::tempPath() + QStringLiteral("/brevandel-guideshots"));
    platform::setFailureHandler([](int number, const QString& description) {
        throw std::runtime_error(std::to_string(number) + ": " + description.toStdString());
    });
    platform::registerFonts();
    platform::setZoom(1.0);

    app::LanguageState& l = app::lang();
    if (!app::readTextTable(run + QStringLiteral("/text/text.csv"), l)) {
        std::fprintf(stderr, "brevandel_guideshots: cannot read %s/text/text.csv\n", qPrintable(run));
        return 1;
    }
    app::readTextBlocks(run + QStringLiteral("/text/activities.csv"), l);

    QStringList listed;
    int failures = 0;
    for (int language = 0; language < kLanguages; ++language) {
        l.langindex = app::LangIndex::number(language);
        l.langname = app::languageName(l.langindex).value_or(QString());
        app::applylanguage();
        shell::ModeButtons::forgetAll();
        const QString code = screens::guideLanguageCode(language);
        FixedDraws draws(static_cast<std::uint32_t>(language + 1));
        app::WindowRegistry windows(draws);
        app::defineScreens(windows);
        for (int number = 1; number <= screens::Menu::kMenus; ++number) {
            auto* menu = qobject_cast<screens::Menu*>(windows.load(QStringLiteral("menu%1").arg(number)));
            for (int entry = 0; menu && entry < 5; ++entry) {
                const QString screen = menu->screenFor(entry);
                if (!windows.defines(screen)) continue;
                try {
                    platform::Form* form = windows.load(screen);
                    form->setCaption(menu->Label3[entry].caption());
                    form->showForm();
                    QApplication::processEvents();
                    const QImage shot = form->grab().toImage().scaled(kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
                    const QString path = QStringLiteral("%1/guide/%2/img/%3.jpg").arg(run, code, screen);
                    if (!save(shot, path)) throw std::runtime_error("cannot write " + path.toStdString());
                    listed << QStringLiteral("%1 %2").arg(code, screen);
                } catch (const std::exception& error) {
                    std::fprintf(stderr, "brevandel_guideshots: %s in %s: %s\n", qPrintable(screen), qPrintable(code), error.what());
                    ++failures;
                }
                windows.close(screen);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            windows.close(QStringLiteral("menu%1").arg(number));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    QSaveFile list(run + QStringLiteral("/guide/screens.txt"));
    if (!list.open(QIODevice::WriteOnly) || list.write((listed.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) < 0 ||
        !list.commit())
        ++failures;
    return failures == 0 ? 0 : 1;
}
