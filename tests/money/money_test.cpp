#include "activities/money/money.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <numeric>

#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"
#include "testsupport.h"

using namespace money;
using platform::MouseEvent;

namespace {
enum Language { English = 0, French = 1, Welsh = 6 };

QByteArray pngOf(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(QColor(200, 160, 60));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The draws that put this question on the board.
std::vector<float> drawsFor(const Question& q) {
    std::vector<int> left(kShopItems);
    std::iota(left.begin(), left.end(), 0);
    std::vector<float> draws;
    const auto pick = [&draws](std::size_t index, std::size_t count) { draws.push_back((index + 0.5f) / count); };
    for (int i = 0; i < q.count; ++i) {
        const Item& item = q.items[static_cast<std::size_t>(i)];
        const auto at = static_cast<std::size_t>(std::find(left.begin(), left.end(), item.kind) - left.begin());
        pick(at, left.size());
        left[at] = left.back();
        left.pop_back();
        const PriceRange range = priceRange(item.kind);
        if (q.mode == kTotalTwo || q.mode == kTotalThree) {
            const long long first = (range.low + 4) / 5 * 5;
            pick(static_cast<std::size_t>((item.price - first) / 5), static_cast<std::size_t>((range.high - first) / 5 + 1));
        } else {
            pick(static_cast<std::size_t>(item.price - range.low), static_cast<std::size_t>(range.high - range.low + 1));
        }
    }
    if (q.mode == kChange) {
        const std::vector<long long> notes{500, 1000, 2000};
        std::vector<long long> above;
        for (const long long n : notes)
            if (n > total(q)) above.push_back(n);
        pick(static_cast<std::size_t>(std::find(above.begin(), above.end(), q.note) - above.begin()), above.size());
    }
    return draws;
}

enum Thing { Pencil, Apple, Book, Ball, Drink, Sandwich, Cupcake, Car };
// A pencil at 35p and a drink at £1: £1.35 altogether.
const Question kPencilAndDrink{kTotalTwo, 2, {{{Pencil, 35}, {Drink, 100}, {}}}, 0};
// A ball at £3.47 paid with a £10 note.
const Question kBallFromTen{kChange, 1, {{{Ball, 347}, {}, {}}}, 1000};
// A drink at 85p, made with coins.
const Question kDrinkInCoins{kFewest, 1, {{{Drink, 85}, {}, {}}}, 0};

class MoneyScreen : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"counter", "purse", "tray", "note5", "note10", "note20", "coin-copper", "coin-silver",
                                 "coin-gold", "coin-silvergold", "coin-goldsilver", "coin-coppercent", "coin-goldcent",
                                 "shop-pencil", "shop-apple", "shop-book", "shop-ball", "shop-drink", "shop-sandwich",
                                 "shop-cupcake", "shop-car"})
            folder.write(QStringLiteral("Images/%1.png").arg(name), pngOf(20, 20));
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        shell::ModeButtons::forgetAll();
        windows.define("money", [](app::WindowRegistry& w) { return new Money(w, shell::Edition::English); });
        windows.define("money2", [](app::WindowRegistry& w) { return new Money(w, shell::Edition::Other); });
        for (const char* stub : {"menu2", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().langindex = app::LangIndex::number(English);
    }

    Money& open(const char* screen, int language, const Question& q) {
        app::lang().langindex = app::LangIndex::number(language);
        for (const float r : drawsFor(kPencilAndDrink)) rnd.push(r);
        auto* money = dynamic_cast<Money*>(windows.load(screen));
        if (!money) throw std::runtime_error("the money screen did not open");
        if (!(q == kPencilAndDrink)) ask(*money, q);
        return *money;
    }
    void ask(Money& s, const Question& q) {
        for (const float r : drawsFor(q)) rnd.push(r);
        if (s.modes.mode() == q.mode)
            s.cmdgo_Click();
        else
            s.modes.option(q.mode).click();
        ASSERT_EQ(rnd.remaining(), 0u);
        ASSERT_EQ(s.question(), q);
    }
    static bool typedRight(Money& s, const QString& typed) {
        s.pad.setText(0, typed);
        s.cmdcheckit_Click();
        return s.imgtick->isVisible() && !s.imgcross->isVisible();
    }
    // Takes purse piece `piece` by its middle and lets it go with its middle at (x, y) on the form,
    // after a burst of moves that arrive before any repaint.
    static void dragPiece(Money& s, int piece, float x, float y) {
        platform::Image& from = s.imgpiece[piece];
        const float grabX = from.width() / 2, grabY = from.height() / 2;
        from.press({platform::LeftButton, 0, grabX, grabY});
        for (const float f : {0.3f, 0.7f, 1.0f}) {
            const float px = from.left() + grabX + (x - from.left() - grabX) * f;
            const float py = from.top() + grabY + (y - from.top() - grabY) * f;
            from.moveMouse({platform::LeftButton, 0, 0, 0, px, py});
        }
        from.release({platform::LeftButton, 0, 0, 0, x, y});
    }
    static void intoTray(Money& s, long long value) {
        const Box tray = s.trayInside();
        const auto at = std::find(kPieces.begin(), kPieces.end(), value) - kPieces.begin();
        dragPiece(s, static_cast<int>(at), tray.left + tray.width / 2, tray.top + tray.height / 2);
    }
    static bool fewestRight(Money& s) {
        s.cmdcheckit_Click();
        return s.imgtick->isVisible();
    }

    testsupport::DataFolder folder;
    testsupport::ThrowOnFailure failures;
    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
};
}  // namespace

TEST_F(MoneyScreen, AnswersAreReadAsEachEditionWritesMoney) {
    struct Case {
        const char* screen;
        int language;
        const char* typed;  // for £1.35 altogether
        bool right;
    };
    const Case cases[] = {
        {"money", English, "£1.35", true},  {"money", English, "1.35", true},    {"money", English, "135p", true},
        {"money", English, "1.36", false},  {"money", English, "135", false},    {"money", English, "£1.35p", false},
        {"money", English, "", false},      {"money2", French, "1,35", true},    {"money2", French, "1,35 €", true},
        {"money2", French, "135p", false},  {"money2", French, "£1,35", false},  {"money2", Welsh, "135c", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Money& s = open(c.screen, c.language, kPencilAndDrink);
        EXPECT_EQ(typedRight(s, QString::fromUtf8(c.typed)), c.right);
        s.cmdexit_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(MoneyScreen, EachEditionShowsItsCurrencyOnTagsCoinsAndKeys) {
    struct Case {
        const char* screen;
        int language;
        const char* tag;    // the pencil's 35p
        const char* fifty;  // the 50 coin
        const char* two;    // the 2 coin
        const char* key;    // the pad's currency key
    };
    const Case cases[] = {
        {"money", English, "35p", "50p", "£2", "£"},
        {"money2", Welsh, "35c", "50c", "£2", "£"},
        {"money2", French, "0,35\u00a0€", "50", "2\u00a0€", "€"},  // cent coins carry their word
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        Money& s = open(c.screen, c.language, kPencilAndDrink);
        EXPECT_EQ(s.lbltag[0].caption(), QString::fromUtf8(c.tag));
        EXPECT_EQ(s.imgpiece[5].caption(), QString::fromUtf8(c.fifty));
        EXPECT_EQ(s.imgpiece[7].caption(), QString::fromUtf8(c.two));
        EXPECT_TRUE(s.pad.key(QString::fromUtf8(c.key))->isVisible());
        s.cmdexit_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(MoneyScreen, ThePoundKeyOfTheKeyboardTypesIntoThePad) {
    Money& s = open("money", English, kPencilAndDrink);
    for (const int key : {int(Qt::Key_sterling), int(Qt::Key_1), int(Qt::Key_Period), int(Qt::Key_3), int(Qt::Key_5)})
        s.pad.keyDown(key);
    EXPECT_EQ(s.pad.text(), "£1.35");
}

TEST_F(MoneyScreen, FewestCoinsAreJudgedByTotalAndCountInAnyOrder) {
    Money& s = open("money", English, kDrinkInCoins);
    EXPECT_FALSE(s.pad.visible());
    EXPECT_FALSE(s.imgpiece[kCoins].isVisible());  // no notes to pay 85p
    EXPECT_FALSE(fewestRight(s));                   // an empty tray
    for (const long long coin : {5, 10, 50, 20}) intoTray(s, coin);
    EXPECT_EQ(s.trayValues(), (std::vector<long long>{5, 10, 50, 20}));
    EXPECT_TRUE(fewestRight(s));

    ask(s, Question{kFewest, 1, {{{Apple, 40}, {}, {}}}, 0});
    EXPECT_TRUE(s.trayValues().empty());  // a new question empties the tray
    for (const long long coin : {20, 10, 10}) intoTray(s, coin);
    EXPECT_FALSE(fewestRight(s));  // 40p, but three coins where two do
    intoTray(s, 20);
    EXPECT_FALSE(fewestRight(s));
}

TEST_F(MoneyScreen, APieceFollowsThePointerAndGoesBackUnlessDroppedInTheTray) {
    Money& s = open("money", English, kDrinkInCoins);
    platform::Image& fifty = s.imgpiece[5];
    const float left = fifty.left(), top = fifty.top();
    // Grabbed off-centre, moves arriving in a burst: the grabbed point stays under the pointer.
    fifty.press({platform::LeftButton, 0, 100, 200});
    fifty.moveMouse({platform::LeftButton, 0, 0, 0, left + 100 + 900, top + 200 + 300});
    fifty.moveMouse({platform::LeftButton, 0, 0, 0, left + 100 + 2000, top + 200 - 700});
    const auto held = std::find_if(s.imgloose.begin(), s.imgloose.end(), [](auto* l) { return l->isVisible(); });
    ASSERT_NE(held, s.imgloose.end());
    EXPECT_EQ((*held)->left(), left + 2000);
    EXPECT_EQ((*held)->top(), top - 700);
    EXPECT_EQ(fifty.left(), left);  // the purse keeps its own
    fifty.release({platform::LeftButton, 0, 0, 0, left + 100 + 2000, top + 200 - 700});
    EXPECT_FALSE((*held)->isVisible());
    EXPECT_TRUE(s.trayValues().empty());

    // Dropped in the tray it snaps to the first place; taken out again it goes back to the purse.
    intoTray(s, 50);
    ASSERT_EQ(s.trayValues(), std::vector<long long>{50});
    platform::Image& inTray = **std::find_if(s.imgloose.begin(), s.imgloose.end(), [](auto* l) { return l->isVisible(); });
    EXPECT_EQ(inTray.left(), s.trayInside().left);
    EXPECT_GT(inTray.zValue(), s.imgtray->zValue());  // drawn over the tray, not hidden under it
    inTray.press({platform::LeftButton, 0, 10, 10});
    inTray.moveMouse({platform::LeftButton, 0, 0, 0, 2000, 2000});
    inTray.release({platform::LeftButton, 0, 0, 0, 2000, 2000});
    EXPECT_TRUE(s.trayValues().empty());
    EXPECT_FALSE(inTray.isVisible());
}

TEST_F(MoneyScreen, SolutionCountsUpToTheNoteWithARunningTotal) {
    Money& s = open("money", English, kBallFromTen);
    EXPECT_EQ(s.lblquestion->caption(), "You pay with a £10 note. How much change do you get?");
    EXPECT_TRUE(s.imgpaid->isVisible());
    EXPECT_EQ(s.imgpaid->caption(), "£10");
    s.cmdsoln_Click();
    EXPECT_EQ(s.lbltotal->caption(), "£3.47");
    EXPECT_FALSE(s.pad.key("1")->enabled());
    const char* totals[] = {"£3.48", "£3.50", "£4", "£5", "£10"};
    for (const char* expected : totals) {
        s.cmdsoln_Click();
        EXPECT_TRUE(s.steps.animating());
        while (s.steps.animating()) s.steps.frame();
        EXPECT_EQ(s.lbltotal->caption(), QString::fromUtf8(expected));
    }
    EXPECT_EQ(s.trayValues(), (std::vector<long long>{1, 2, 50, 100, 500}));
    s.cmdsoln_Click();
    EXPECT_EQ(s.lblstep->caption(), "Change: 1p + 2p + 50p + £1 + £5 = £6.53");
    EXPECT_TRUE(s.steps.finished());
    // Every coin has come to rest in the tray.
    for (platform::Image* loose : s.imgloose) {
        if (loose->isVisible()) {
            EXPECT_TRUE(dropsIn({loose->left(), loose->top(), loose->width(), loose->height()}, s.trayInside()));
        }
    }
}
