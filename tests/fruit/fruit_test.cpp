#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>

#include "activities/fruit/fruit.h"
#include "activities/fruit/rules.h"
#include "app/language.h"
#include "app/windows.h"
#include "platform/random.h"
#include "testsupport.h"

using fruit::Fruit;
using fruit::kFruits;

namespace {

QByteArray jpeg(QColor color) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

QString folderName(const char* picture) { return QString::fromLatin1(picture).replace('\\', '/'); }

float reelValue(int index) { return (float(index) + 0.5f) / 10.0f; }
float sumFormValue(int form) { return (float(form) + 0.5f) / 3.0f; }
QString spinning(int index) { return QString::fromLatin1(kFruits[std::size_t(index)].spinning); }
QString stopped(int index) { return QString::fromLatin1(kFruits[std::size_t(index)].stopped); }

class FruitScreen : public testing::Test {
protected:
    void SetUp() override {
        folder.write("fruit/fruits.jpg", jpeg(Qt::white));
        for (const auto& f : kFruits) {
            folder.write(folderName(f.spinning), jpeg(Qt::gray));
            folder.write(folderName(f.stopped), jpeg(Qt::red));
        }
        app::lang().txtfruit = "Work out the score";
        app::lang().txtsolution = "Answer";
        windows.define("fruit", [](app::WindowRegistry& w) { return new Fruit(w); });
    }
    void TearDown() override {
        windows.close("fruit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Fruit& open(int form) {
        random.push(sumFormValue(form));
        return *static_cast<Fruit*>(windows.load("fruit"));
    }

    // One timer tick whose turning reels draw these fruits, left to right.
    void tick(Fruit& f, std::initializer_list<int> fruits) {
        for (int index : fruits) random.push(reelValue(index));
        f.Timer1_Timer();
        EXPECT_EQ(random.remaining(), 0u) << "tick " << f.spincount;
    }
    // Ticks on up to `last` with the left reel drawing `left`, the middle `middle`, the right `right`.
    void spinTo(Fruit& f, int last, int left, int middle, int right) {
        while (f.spincount < last && f.Timer1->isEnabled()) {
            const int next = f.spincount + 1;
            if (next <= fruit::kLeftStops)
                tick(f, {left, middle, right});
            else if (next <= fruit::kMiddleStops)
                tick(f, {middle, right});
            else
                tick(f, {right});
            if (f.spincount == 0) return;
        }
    }

    testsupport::DataFolder folder;
    testsupport::ThrowOnFailure failures;
    platform::ScriptedRandom random;
    app::WindowRegistry windows{random};
};

TEST_F(FruitScreen, OpeningLaysOutTheKeyAndStartsASpin) {
    Fruit& f = open(1);
    EXPECT_EQ(f.Label1->caption(), "Work out the score");
    EXPECT_EQ(f.Frame2->caption(), "Answer");
    EXPECT_TRUE(f.Image3->hasPicture());
    ASSERT_EQ(f.Label4.size(), 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(f.Label4[i].caption(), QStringLiteral("= %1").arg(i + 1));
    EXPECT_FLOAT_EQ(f.Label4[9].left(), 8205);
    EXPECT_FLOAT_EQ(f.Label4[9].top(), 5355);
    EXPECT_TRUE(f.Timer1->isEnabled());
    EXPECT_EQ(f.spincount, 0);
    EXPECT_FALSE(f.cmdsoln->isVisible());
    EXPECT_FALSE(f.cmdcheckit->isVisible());
    EXPECT_FALSE(f.Frame2->isVisible());
    EXPECT_EQ(random.reseeds(), 1);
}

TEST_F(FruitScreen, SignsFollowTheSumForm) {
    const std::vector<std::tuple<int, QString, QString>> cases{{0, "x", "x"}, {1, "+", "+"}, {2, "+", "-"}};
    Fruit& f = open(0);
    for (const auto& [form, first, second] : cases) {
        random.push(sumFormValue(form));
        f.cmdgo_Click();
        EXPECT_EQ(f.sumform, form);
        EXPECT_EQ(f.Label3[0].caption(), first);
        EXPECT_EQ(f.Label3[1].caption(), second);
    }
}

struct Checkpoint {
    int tick;
    std::array<QString, 3> shown;
    std::array<int, 3> reels;
};

TEST_F(FruitScreen, ReelsComeToRestInTurn) {
    // Each tick t draws fruit t % 7 for every reel still turning.
    const std::vector<Checkpoint> checkpoints{
        {1, {spinning(1), spinning(1), spinning(1)}, {1, 1, 1}},
        {59, {spinning(3), spinning(3), spinning(3)}, {3, 3, 3}},
        {60, {stopped(4), stopped(4), stopped(4)}, {4, 4, 4}},
        {61, {stopped(4), spinning(5), spinning(5)}, {4, 5, 5}},
        {89, {stopped(4), spinning(5), spinning(5)}, {4, 5, 5}},
        {90, {stopped(4), stopped(6), stopped(6)}, {4, 6, 6}},
        {91, {stopped(4), stopped(6), spinning(0)}, {4, 6, 0}},
        {119, {stopped(4), stopped(6), spinning(0)}, {4, 6, 0}},
        {120, {stopped(4), stopped(6), stopped(1)}, {4, 6, 1}},
    };
    Fruit& f = open(1);
    std::size_t next = 0;
    for (int t = 1; t <= 120; ++t) {
        const int fruit = t % 7;
        const int reseeds = random.reseeds();
        if (t <= 60)
            tick(f, {fruit, fruit, fruit});
        else if (t <= 90)
            tick(f, {fruit, fruit});
        else
            tick(f, {fruit});
        EXPECT_EQ(random.reseeds(), reseeds + 1);
        if (t < 120) {
            ASSERT_EQ(f.spincount, t);
            EXPECT_FALSE(f.cmdsoln->isVisible()) << "tick " << t;
            EXPECT_TRUE(f.Timer1->isEnabled()) << "tick " << t;
        }
        if (next < checkpoints.size() && checkpoints[next].tick == t) {
            const Checkpoint& c = checkpoints[next++];
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(f.shownPicture(i), c.shown[std::size_t(i)]) << "tick " << t << " reel " << i;
                EXPECT_EQ(f.reel[std::size_t(i)], c.reels[std::size_t(i)]) << "tick " << t << " reel " << i;
            }
        }
    }
    EXPECT_EQ(next, checkpoints.size());
    EXPECT_EQ(f.spincount, 0);
    EXPECT_FALSE(f.Timer1->isEnabled());
    EXPECT_TRUE(f.cmdsoln->isVisible());
    EXPECT_FALSE(f.Frame2->isVisible());
    EXPECT_EQ(f.Label5->caption(), " 5 + 7 + 2 = 14");
    EXPECT_EQ(f.fruitscore, 14);
    f.cmdsoln_Click();
    EXPECT_TRUE(f.Frame2->isVisible());
}

struct EndCase {
    int form, left, middle, right;
    int rightRests;
    QString text;
};

TEST_F(FruitScreen, TheLastReelRestsWhereTheSumAllows) {
    const std::vector<EndCase> cases{
        {2, 1, 2, 9, 2, " 2 + 3 - 3 = 2"},     // lime, banana, bar: the bar falls back to a banana
        {2, 0, 0, 4, 0, " 1 + 1 - 1 = 1"},     // two plums: the right reel rests on a plum too
        {2, 1, 2, 3, 3, " 2 + 3 - 4 = 1"},     // orange is not above lime and banana together
        {0, 0, 4, 9, 9, " 1 x 5 x 10 = 50"},
        {1, 0, 4, 9, 9, " 1 + 5 + 10 = 16"},
    };
    Fruit& f = open(0);
    for (const EndCase& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        random.push(sumFormValue(c.form));
        f.cmdgo_Click();
        spinTo(f, fruit::kSpinEnds, c.left, c.middle, c.right);
        ASSERT_FALSE(f.Timer1->isEnabled());
        EXPECT_EQ(f.reel[2], c.rightRests);
        EXPECT_EQ(f.shownPicture(2), stopped(c.rightRests));
        EXPECT_EQ(f.Label5->caption(), c.text);
    }
}

TEST_F(FruitScreen, NewQuestionMidSpinKeepsStoppedReelsAndTheCount) {
    Fruit& f = open(1);
    spinTo(f, 100, 3, 7, 5);
    ASSERT_EQ(f.spincount, 100);
    random.push(sumFormValue(2));
    f.cmdgo_Click();
    EXPECT_EQ(f.spincount, 100);
    EXPECT_EQ(f.Label3[0].caption(), "+");
    EXPECT_EQ(f.Label3[1].caption(), "-");
    EXPECT_EQ(f.reel[0], 3);
    EXPECT_EQ(f.reel[1], 7);
    EXPECT_EQ(f.shownPicture(0), stopped(3));
    EXPECT_EQ(f.shownPicture(1), stopped(7));
    EXPECT_TRUE(f.Timer1->isEnabled());

    spinTo(f, fruit::kSpinEnds, 3, 7, 5);
    EXPECT_FALSE(f.Timer1->isEnabled());
    EXPECT_EQ(f.Label5->caption(), " 4 + 8 - 6 = 6");
}

TEST_F(FruitScreen, NewQuestionAfterTheEndSpinsAgainFromZero) {
    Fruit& f = open(0);
    spinTo(f, fruit::kSpinEnds, 1, 1, 1);
    f.cmdsoln_Click();
    ASSERT_TRUE(f.Frame2->isVisible());

    random.push(sumFormValue(1));
    f.cmdgo_Click();
    EXPECT_EQ(f.spincount, 0);
    EXPECT_TRUE(f.Timer1->isEnabled());
    EXPECT_FALSE(f.Frame2->isVisible());
    EXPECT_FALSE(f.cmdsoln->isVisible());
    tick(f, {2, 3, 4});
    EXPECT_EQ(f.spincount, 1);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.shownPicture(i), spinning(i + 2));
}

TEST_F(FruitScreen, AMissingFruitPictureFailsWhenFirstNeeded) {
    ASSERT_TRUE(QFile::remove(folder.path() + "/fruit/melonblur.jpg"));
    Fruit& f = open(1);
    tick(f, {0, 1, 2});
    random.push(reelValue(4));
    EXPECT_THROW(f.Timer1_Timer(), testsupport::UnexpectedFailure);
}

TEST_F(FruitScreen, EachPictureIsReadOnceAScreen) {
    Fruit& f = open(1);
    tick(f, {0, 0, 0});
    // Gone from the disk, the plum still spins: it was read on first use.
    ASSERT_TRUE(QFile::remove(folder.path() + "/fruit/plumblur.jpg"));
    tick(f, {0, 0, 0});
    EXPECT_EQ(f.shownPicture(2), spinning(0));
    EXPECT_TRUE(f.Image2[2].hasPicture());
}

}  // namespace

TEST_F(FruitScreen, ReelPicturesAreReadAheadSoASpinNeedsNoFile) {
    Fruit& f = open(1);
    f.Timer1->setEnabled(false);  // the test turns the reels itself
    f.showForm();
    for (int turn = 0; turn < 40; ++turn) QCoreApplication::processEvents();
    // Every reel picture is in memory now: a spin reads nothing, so none may be missing.
    for (const auto& fruitPictures : kFruits)
        for (const char* picture : {fruitPictures.spinning, fruitPictures.stopped})
            ASSERT_TRUE(QFile::remove(folder.path() + "/" + folderName(picture)));
    f.Timer1->setEnabled(true);
    EXPECT_NO_THROW(spinTo(f, 120, 4, 7, 9));
    EXPECT_EQ(f.shownPicture(2), stopped(9));
}
