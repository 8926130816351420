#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>

#include "activities/dartboard/dartboard.h"
#include "activities/dartboard/rules.h"
#include "app/language.h"
#include "app/windows.h"
#include "platform/random.h"
#include "testsupport.h"

using dartboard::Dartboard;

namespace {

QByteArray pictureBytes(int pixels, const char* format) {
    QImage image(pixels, pixels, QImage::Format_ARGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Logs the order of draws and reseeds while the scripted values answer them.
class RecordingRandom final : public platform::RandomSource {
public:
    float next() override {
        log += 'r';
        return script.next();
    }
    void reseed() override {
        log += 'S';
        script.reseed();
    }
    platform::ScriptedRandom script;
    std::string log;
};

struct Throw {
    int segment, ring;
};
using Darts = std::array<Throw, 3>;
constexpr Darts kThreeSingleOnes{{{1, 0}, {1, 0}, {1, 0}}};

class DartboardScreen : public testing::Test {
protected:
    void SetUp() override {
        folder.write("Images/dartboard.jpg", pictureBytes(64, "JPG"));
        for (const char* dart : {"Images/dart.ico", "Images/dart1.ico", "Images/dart3.ico"})
            folder.write(dart, pictureBytes(32, "ICO"));
        app::lang().txtdartboard = {"What is the total?", "What is the mean?", "I scored", "and need", "more.",
                                    "The mean score is", "Double"};
        app::lang().txtsolution = "Answer";
        windows.define("dartboard", [](app::WindowRegistry& w) { return new Dartboard(w); });
    }
    void TearDown() override {
        windows.close("dartboard");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The Rnd values of one question: its kind, segment and ring per dart, then k for kind 2.
    void script(int qtype, const Darts& darts, float kValue = 0.05f) {
        const int ringP[] = {25, 60, 90, 97, 99};
        random.script.push((float(qtype) - 0.5f) / 3.0f);
        for (const Throw& t : darts) {
            random.script.push((float(t.segment) - 0.5f) / 20.0f);
            random.script.push((float(ringP[t.ring]) + 0.5f) / 100.0f);
        }
        if (qtype == 2) random.script.push(kValue);
    }
    Dartboard& open() {
        script(1, kThreeSingleOnes);
        return *static_cast<Dartboard*>(windows.load("dartboard"));
    }
    void ask(Dartboard& d, int qtype, const Darts& darts, float kValue = 0.05f) {
        script(qtype, darts, kValue);
        d.cmdgo_Click();
        EXPECT_EQ(random.script.remaining(), 0u);
    }

    testsupport::DataFolder folder;
    testsupport::ThrowOnFailure failures;
    RecordingRandom random;
    app::WindowRegistry windows{random};
};

TEST_F(DartboardScreen, LoadShowsTheBoardAndDartsWithNoCheckButton) {
    Dartboard& d = open();
    EXPECT_EQ(d.Label5->caption(), "The mean score is");
    EXPECT_EQ(d.Frame1->caption(), "Answer");
    EXPECT_EQ(d.Frame2->caption(), "Answer");
    EXPECT_TRUE(d.Image2->hasPicture());
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(d.Image3[i].hasPicture());
        EXPECT_TRUE(d.Image3[i].isVisible());
        EXPECT_FLOAT_EQ(d.Image3[i].width(), 480);  // the icon's own size, which the offsets assume
    }
    EXPECT_FALSE(d.cmdcheckit->isVisible());
    EXPECT_FALSE(d.Frame1->isVisible());
    EXPECT_FALSE(d.Frame2->isVisible());
}

TEST_F(DartboardScreen, AMissingDartPictureIsAnUnexpectedFailure) {
    ASSERT_TRUE(QFile::remove(folder.path() + "/Images/dart3.ico"));
    script(1, kThreeSingleOnes);
    EXPECT_THROW(windows.load("dartboard"), testsupport::UnexpectedFailure);
}

TEST_F(DartboardScreen, KindOneSolutionIsTheTotal) {
    const std::vector<std::pair<Darts, int>> cases{
        {kThreeSingleOnes, 3}, {{{{20, 2}, {20, 2}, {20, 2}}}, 180}, {{{{7, 3}, {1, 4}, {5, 1}}}, 85}};
    Dartboard& d = open();
    for (const auto& [darts, total] : cases) {
        ask(d, 1, darts);
        EXPECT_EQ(d.Label8->caption(), "What is the total?");
        EXPECT_FALSE(d.Frame1->isVisible());
        d.cmdsoln_Click();
        EXPECT_EQ(d.Label2->caption(), QString::number(total));
        EXPECT_TRUE(d.Frame1->isVisible());
        EXPECT_FALSE(d.Frame2->isVisible());
    }
}

TEST_F(DartboardScreen, DartsStandOnTheBoardAsItIsNow) {
    Dartboard& d = open();
    ask(d, 3, {{{20, 4}, {20, 4}, {20, 4}}});  // three bulls on the design board, centre (5040, 4260)
    const std::array<std::pair<float, float>, 3> bulls{{{5040, 4260}, {4560, 3780}, {5040, 3780}}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(d.Image3[i].left(), bulls[i].first);
        EXPECT_FLOAT_EQ(d.Image3[i].top(), bulls[i].second);
    }
    d.Image2->move(0, 0, 3600, 3600);
    ask(d, 3, {{{20, 4}, {6, 0}, {3, 1}}});
    EXPECT_FLOAT_EQ(d.Image3[0].left(), 1800);
    EXPECT_FLOAT_EQ(d.Image3[0].top(), 1800);
    EXPECT_FLOAT_EQ(d.Image3[1].left(), 1800 + 900 - 480);
    EXPECT_FLOAT_EQ(d.Image3[2].top(), 1800 + 1170 - 480);
}

TEST_F(DartboardScreen, KindTwoShowsTotalPlusTwiceKAndAnswersK) {
    const std::vector<std::tuple<float, QString, QString>> cases{
        {0.05f, "I scored 5 and need more.", "Double 1"},
        {0.99999994f, "I scored 23 and need more.", "Double 10"},
    };
    Dartboard& d = open();
    for (const auto& [kValue, question, answer] : cases) {
        ask(d, 2, kThreeSingleOnes, kValue);
        EXPECT_EQ(d.Label8->caption(), question);
        d.cmdsoln_Click();
        EXPECT_EQ(d.Label2->caption(), answer);
        EXPECT_TRUE(d.Frame1->isVisible());
    }
}

TEST_F(DartboardScreen, KindThreeShowsTheMeanAndBringsTheFractionBack) {
    const std::vector<std::tuple<Darts, QString, QString>> cases{
        {{{{20, 0}, {20, 0}, {20, 0}}}, "20", ""},   // 60
        {{{{20, 0}, {20, 0}, {7, 2}}}, "20", "1"},   // 61
        {{{{20, 0}, {20, 0}, {11, 1}}}, "20", "2"},  // 62
    };
    Dartboard& d = open();
    for (const auto& [darts, whole, numerator] : cases) {
        SCOPED_TRACE(numerator.toStdString());
        ask(d, 3, darts);
        EXPECT_EQ(d.Label8->caption(), "What is the mean?");
        EXPECT_EQ(d.Label1->caption(), "");
        EXPECT_TRUE(d.Label3->isVisibleTo(d.Frame2));
        d.cmdsoln_Click();
        EXPECT_TRUE(d.Frame2->isVisible());
        EXPECT_FALSE(d.Frame1->isVisible());
        EXPECT_EQ(d.Label1->caption(), whole);
        const bool fraction = !numerator.isEmpty();
        EXPECT_EQ(d.Label3->isVisible(), fraction);
        EXPECT_EQ(d.Label4->isVisible(), fraction);
        EXPECT_EQ(d.Line1->isVisible(), fraction);
        EXPECT_EQ(d.Label3->caption(), numerator);
        EXPECT_EQ(d.Label4->caption(), "3");
    }
}

TEST_F(DartboardScreen, KindIsDrawnBeforeTheReseedAndKAfterTheDarts) {
    Dartboard& d = open();
    for (const auto& [qtype, order] : std::vector<std::pair<int, std::string>>{
             {1, "rSrrrrrr"}, {2, "rSrrrrrrr"}, {3, "rSrrrrrr"}}) {
        random.log.clear();
        ask(d, qtype, {{{20, 2}, {20, 2}, {20, 2}}}, 0.35f);
        EXPECT_EQ(d.qtype, qtype);
        EXPECT_EQ(random.log, order) << qtype;
    }
    EXPECT_EQ(random.script.reseeds(), 4);
    EXPECT_EQ(d.Label8->caption(), "What is the mean?");
    EXPECT_EQ(d.extra, 8);  // k = 4 on the kind-2 question
}

}  // namespace

// Every question, in every language and for every total three darts and a double can make, stays
// left of the picture at the top right: on one line where it fits, else wrapped within the label.
TEST(DartboardQuestion, NoQuestionRunsUnderThePictureInAnyLanguage) {
    ASSERT_TRUE(app::readTextTable(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/text.csv"), app::lang()));
    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
    Dartboard board(windows);  // not loaded: the layout and fonts are what is measured
    platform::Label& question = *board.Label8;
    ASSERT_LE(question.left() + question.width(), board.Image1->left());
    const QFontMetricsF metrics(question.qfont());
    const qreal lineHeight = metrics.boundingRect(QRectF(0, 0, question.width(), 1e6), Qt::TextWordWrap, "8").height();
    for (int language = 0; language < 7; ++language) {
        app::lang().langindex = app::LangIndex::number(language);
        ASSERT_TRUE(app::applylanguage());
        const auto& t = app::lang().txtdartboard;
        std::vector<QString> texts{t[0], t[1]};
        // Three darts score 3 to 180; the fourth adds a double of 1 to 10.
        for (int total = 3 + 2; total <= 180 + 20; ++total) texts.push_back(dartboard::extraQuestion(t[2], total, t[3], t[4]));
        for (const QString& text : texts) {
            const QRectF used = metrics.boundingRect(QRectF(0, 0, question.width(), 1e6), Qt::AlignTop | Qt::TextWordWrap, text);
            EXPECT_LE(used.width(), question.width()) << language << ": " << text.toStdString();
            EXPECT_LE(used.height(), question.height()) << language << ": " << text.toStdString();
            const bool oneLineFits = metrics.horizontalAdvance(text) <= question.width();
            EXPECT_EQ(used.height() <= lineHeight, oneLineFits) << language << ": " << text.toStdString();
        }
    }
}
