#include <gtest/gtest.h>

#include "app/language.h"
#include "chain.h"
#include "screens/intro0.h"
#include "screens/titlefrm.h"

using chaintest::Chain;
using chaintest::cellText;
using platform::MouseEvent;
using screens::Intro0;

namespace {

Intro0* openIntro(Chain& chain, int langindex) {
    chaintest::chooseLanguage(langindex);
    auto* intro = dynamic_cast<Intro0*>(chain.windows->show("intro0"));
    if (intro) intro->openAddress = [](const QUrl& url) { ADD_FAILURE() << "opened " << url.toString().toStdString(); };
    return intro;
}

std::vector<bool> highlighted(const Intro0& intro) {
    std::vector<bool> opaque;
    for (int i = 0; i < intro.Label2.size(); ++i) opaque.push_back(intro.Label2[i].opaque());
    return opaque;
}

TEST(Intro0, TitleHeightAndSixthEntryFollowTheLanguage) {
    struct Case { int langindex; float titleHeight; bool sixthShown; };
    const std::vector<Case> cases = {
        {0, 960, true}, {1, 1740, false}, {2, 1740, false}, {4, 1740, false}, {5, 960, false}, {6, 960, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.langindex);
        Chain chain;
        auto* intro = openIntro(chain, c.langindex);
        ASSERT_NE(intro, nullptr);
        EXPECT_FLOAT_EQ(intro->Label1->height(), c.titleHeight);
        EXPECT_EQ(intro->Label1->caption(), cellText(0, c.langindex));
        EXPECT_EQ(intro->Label3->caption(), cellText(3, c.langindex));
        EXPECT_EQ(intro->Command1->caption(), cellText(5, c.langindex));
        ASSERT_EQ(intro->Label2.size(), 6);
        for (int i = 0; i < 5; ++i) {
            EXPECT_TRUE(intro->Label2[i].isVisible()) << i;
            EXPECT_TRUE(intro->Label2[i].enabled()) << i;
            EXPECT_FLOAT_EQ(intro->Label2[i].top(), 2400.0f + 750.0f * float(i)) << i;
            EXPECT_FLOAT_EQ(intro->Label2[i].left(), 9600) << i;
            EXPECT_EQ(intro->Label2[i].caption(), cellText(7 + i, c.langindex)) << i;
        }
        const auto& sixth = intro->Label2[5];
        EXPECT_EQ(sixth.isVisible(), c.sixthShown);
        EXPECT_FALSE(sixth.enabled());
        EXPECT_FLOAT_EQ(sixth.top(), 6900);
        EXPECT_FLOAT_EQ(sixth.width(), 4000);
        EXPECT_FLOAT_EQ(sixth.left() + sixth.width(), 9600 + 2235);
    }
}

TEST(Intro0, HighlightStaysUntilThePointerCrossesTheBackground) {
    Chain chain;
    auto* intro = openIntro(chain, 0);
    const MouseEvent hover{0, 0, 100, 100};
    EXPECT_EQ(highlighted(*intro), std::vector<bool>(6, false));

    intro->Label2[1].moveMouse(hover);
    intro->Label2[2].moveMouse(hover);
    EXPECT_EQ(highlighted(*intro), (std::vector<bool>{false, true, true, false, false, false}));

    intro->backgroundMouseMove(hover);
    EXPECT_EQ(highlighted(*intro), (std::vector<bool>{false, false, false, false, false, true}));

    // The disabled sixth entry counts as background.
    intro->Label2[3].moveMouse(hover);
    intro->Label2[5].moveMouse(hover);
    EXPECT_EQ(highlighted(*intro), (std::vector<bool>{false, false, false, false, false, true}));
}

TEST(Intro0, SectionOpensItsMenuAndClosesTheIntroduction) {
    for (int entry = 0; entry < 5; ++entry) {
        SCOPED_TRACE(entry);
        Chain chain;
        auto* intro = openIntro(chain, 0);
        intro->Label2[entry].click();
        EXPECT_EQ(chain.open(), QStringList{QString("menu%1").arg(entry + 1)});
    }
    Chain chain;
    auto* intro = openIntro(chain, 0);
    intro->Label2[5].click();
    EXPECT_EQ(chain.open(), QStringList{"intro0"});
}

TEST(Intro0, ExitShowsTheTitleWithTheReturnCaption) {
    Chain chain;
    chain.writeTexts();
    auto* intro = openIntro(chain, 0);
    intro->Label1->setCaption("kept title");
    intro->Command1->click();
    EXPECT_EQ(chain.open(), QStringList{"Titlefrm"});
    auto* title = dynamic_cast<screens::Titlefrm*>(chain.windows->find("Titlefrm"));
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->isVisible());
    EXPECT_EQ(title->Command1->caption(), cellText(6, 0));
    EXPECT_EQ(title->Label4->caption(), "kept title");
}

TEST(Intro0, GuideOpensTheChosenLanguagesPageOrTheEnglishOne) {
    Chain chain;
    for (const char* code : {"en", "fr", "de", "es", "it", "cy"}) chain.folder.write(QString("guide/%1/index.html").arg(code), "<html></html>");
    const char* expected[] = {"en", "fr", "de", "es", "it", "en", "cy"};  // no Dutch page here: English
    for (int language = 0; language < 7; ++language) {
        auto* intro = openIntro(chain, language);
        QList<QUrl> opened;
        intro->openAddress = [&opened](const QUrl& url) { opened << url; };
        intro->Label6->click();
        ASSERT_EQ(opened.size(), 1);
        EXPECT_EQ(opened[0].toLocalFile(), chain.folder.path() + QString("/guide/%1/index.html").arg(expected[language]));
        chain.windows->close("intro0");
        chain.flush();
    }
}

TEST(Intro0, GuideLabelOpensTheLocalGuideAndStays) {
    Chain chain;
    chain.folder.write("Guide/Index.html", "<html></html>");
    auto* intro = openIntro(chain, 0);
    QList<QUrl> opened;
    intro->openAddress = [&opened](const QUrl& url) { opened << url; };
    intro->Label6->click();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].isLocalFile());
    EXPECT_EQ(opened[0].toLocalFile(), chain.folder.path() + "/Guide/Index.html");
    EXPECT_EQ(chain.open(), QStringList{"intro0"});
}

}  // namespace
