#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QGraphicsView>
#include <QImage>
#include <QTest>

#include "activities/directed/directed1.h"
#include "app/language.h"
#include "app/windows.h"
#include "platform/random.h"
#include "testsupport.h"

using directed::Directed1;
using platform::MouseEvent;

namespace {

// A question as the class sees it, turned into the draws that produce it.
struct Question {
    int kind;
    float linelow, startval, amount;
    bool addition;
};

std::vector<float> drawsFor(const Question& q) {
    std::vector<float> r{0.5f};  // the kind: the option decides it
    if (q.kind == 1) {
        r.push_back((q.linelow + 50.5f) / 99);
        r.push_back((q.startval - q.linelow + 0.5f) / 21);
        r.push_back((q.amount - 0.5f) / 19);
    } else {
        r.push_back((q.linelow + 10.5f) / 19);
        const bool tenths = q.kind == 2;
        r.push_back((q.startval - q.linelow) / (tenths ? 3.0f : 1.2f));
        r.push_back(tenths ? (q.amount - 0.1f) / 2.7f : (q.amount - 0.01f) / 1.84f);
    }
    r.push_back(q.addition ? 0.75f : 0.25f);
    return r;
}

float tickX(int k) { return 285.0f + 471.0f * static_cast<float>(k); }

QByteArray arrowJpeg() {
    QImage image(8, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

class Directed1Screen : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write(QStringLiteral("Images/arrowdn.jpg"), arrowJpeg());
        app::LanguageState& l = app::lang();
        l.langindex = app::LangIndex::number(0);
        l.txtdirectedmsgs = {"Start at", "Add or take", "and move up.", "and move down."};
        l.txtordernum[4] = "Whole numbers";
        l.txtdirectedopt2 = "Tenths";
        l.txtdirectedopt3 = "Hundredths";
        l.txtdirectedopts[3] = "Mixed";
        windows.define("directed1", [](app::WindowRegistry& w) { return new Directed1(w); });
        for (const char* stub : {"menu4", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
    }

    void script(const Question& q) {
        for (float r : drawsFor(q)) rnd.push(r);
    }
    Directed1& open(const Question& q) {
        script(q);
        auto* screen = dynamic_cast<Directed1*>(windows.load("directed1"));
        if (!screen) throw std::runtime_error("directed1 did not open");
        return *screen;
    }
    // Asks the question through the option of its kind, as the class would.
    void ask(Directed1& s, const Question& q) {
        script(q);
        (q.kind == 1 ? s.Option1 : q.kind == 2 ? s.Option2 : s.Option3)->click();
        ASSERT_EQ(rnd.remaining(), 0u) << "the scripted question was not accepted as drawn";
        ASSERT_EQ(s.startval(), q.startval);
        ASSERT_EQ(s.amount(), q.amount);
    }
    // Drags the arrow's centre to x (frame twips) and lets go.
    static void dragTo(Directed1& s, float x, int releaseButton = platform::LeftButton) {
        s.Picture1->press({platform::LeftButton, 0, 60, 300});
        s.Picture1->moveMouse({platform::LeftButton, 0, x - s.Picture1->left(), 300});
        s.Picture1->release({releaseButton, 0, 60, 300});
    }

    testsupport::DataFolder folder;
    testsupport::ThrowOnFailure failures;
    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
};

}  // namespace

TEST_F(Directed1Screen, LoadBuildsTheLineAndPutsTheArrowOnTheStartTick) {
    Directed1& s = open({1, -3, 2, 4, true});
    EXPECT_EQ(rnd.reseeds(), 1);
    for (int i = 0; i <= 20; ++i) {
        EXPECT_EQ(s.tickline[i].x1(), tickX(i));
        EXPECT_EQ(s.lbltemp[i].left(), 150.0f + 468.0f * static_cast<float>(i));
        EXPECT_EQ(s.lbltemp[i].caption(), QString::number(i - 3));
        EXPECT_TRUE(s.tickline[i].isVisible() && s.lbltemp[i].isVisible());
    }
    EXPECT_EQ(s.Line1->x2(), 9705);
    EXPECT_EQ(s.Line1->y1(), 1200);
    EXPECT_EQ(s.linehigh(), 17);
    EXPECT_EQ(s.Picture1->left(), tickX(5) - 60);
    EXPECT_EQ(s.Line2->x1(), tickX(5));
    EXPECT_EQ(s.Line2->x2(), tickX(5));
    EXPECT_EQ(s.Label7->caption(), "Start at 2 .");
    EXPECT_EQ(s.Label1->caption(), "Add or take 4 and move up.");
    EXPECT_EQ(s.Option1->caption(), "Whole numbers");
    EXPECT_TRUE(s.cmdcheckit->isVisible());
    EXPECT_FALSE(s.tmrtick->isEnabled());
    EXPECT_FALSE(s.tmrcross->isEnabled());
}

TEST_F(Directed1Screen, MissingArrowIsAnUnexpectedFailure) {
    QFile::remove(folder.path() + "/Images/arrowdn.jpg");
    script({1, 0, 10, 3, true});
    EXPECT_THROW(windows.load("directed1"), testsupport::UnexpectedFailure);
}

TEST_F(Directed1Screen, OptionsAskANewQuestionOfTheirKindAtOnce) {
    Directed1& s = open({1, 0, 10, 3, true});
    ask(s, {2, -1, 0.5f, 0.3f, false});
    EXPECT_EQ(s.qkind(), 2);
    EXPECT_EQ(s.lbltemp[1].caption(), "-0.9");
    EXPECT_EQ(s.lbltemp[20].caption(), "1");
    EXPECT_EQ(s.Label1->caption(), "Add or take 0.3 and move down.");

    // Mixed: the kind draw decides, here hundredths.
    for (float r : {0.9f, 0.5f, 0.0833f, 0.0217f, 0.25f}) rnd.push(r);
    s.Option4->click();
    EXPECT_EQ(s.kindlow(), 1);
    EXPECT_EQ(s.kindhigh(), 3);
    EXPECT_EQ(s.qkind(), 3);
    EXPECT_EQ(s.lbltemp[20].caption(), "-0.80");
    EXPECT_EQ(rnd.reseeds(), 3);
}

TEST_F(Directed1Screen, CommaLanguageRewritesLabelsAndSentencesAfterReadingTheLine) {
    app::lang().langindex = app::LangIndex::number(1);
    Directed1& s = open({1, 0, 10, 3, true});
    ask(s, {2, -1, -0.5f, 0.3f, true});
    EXPECT_EQ(s.linehigh(), 1);
    EXPECT_EQ(s.lbltemp[0].caption(), "-1");
    EXPECT_EQ(s.lbltemp[1].caption(), "-0,9");
    EXPECT_EQ(s.lbltemp[10].caption(), "0,0");
    EXPECT_EQ(s.lbltemp[20].caption(), "1,0");
    EXPECT_EQ(s.Label7->caption(), "Start at  -0,5 .");
    EXPECT_EQ(s.Label1->caption(), "Add or take  0,3  and move up.");
    EXPECT_EQ(s.Picture1->left(), tickX(5) - 60);
}

TEST_F(Directed1Screen, ReleaseSnapsToTheTickLeftOfTheBoundary) {
    Directed1& s = open({1, 0, 10, 3, true});
    struct Case {
        float centre;
        int releaseButton;
        int tick;
    };
    const std::vector<Case> cases{
        {tickX(4) + 235, platform::LeftButton, 4},  {tickX(4) + 236, platform::LeftButton, 5},
        {tickX(19) + 236, platform::LeftButton, 20}, {40000, platform::LeftButton, 20},
        {-40000, platform::LeftButton, 0},           {tickX(8) + 300, platform::RightButton, 9},
    };
    for (const Case& c : cases) {
        dragTo(s, c.centre, c.releaseButton);
        EXPECT_EQ(s.Line2->x1(), tickX(c.tick)) << c.centre;
        EXPECT_EQ(s.Picture1->left(), tickX(c.tick) - 60) << c.centre;
        EXPECT_EQ(s.Line2->x2(), tickX(10)) << "the bar starts on the start tick";
    }
}

TEST_F(Directed1Screen, OnlyTheLeftButtonAloneDrags) {
    Directed1& s = open({1, 0, 10, 3, true});
    for (int buttons : {int(platform::RightButton), platform::LeftButton | platform::RightButton, 0}) {
        s.Picture1->moveMouse({buttons, 0, 1000, 300});
        EXPECT_EQ(s.Picture1->left(), tickX(10) - 60) << buttons;
        EXPECT_EQ(s.Line2->x1(), tickX(10)) << buttons;
    }
    s.Picture1->moveMouse({platform::LeftButton, 0, 1000, 300});
    EXPECT_EQ(s.Picture1->left(), tickX(10) - 60 + 940);
    EXPECT_EQ(s.Line2->x1(), tickX(10) + 940);
}

TEST_F(Directed1Screen, ArrowOnTheAnswerTickIsRightDespiteSinglePrecision) {
    Directed1& s = open({1, 0, 10, 3, true});
    const std::vector<std::pair<Question, int>> cases{
        {{3, 8, 8.07f, 0.06f, false}, 1},   {{3, -1, -0.93f, 0.07f, true}, 14}, {{2, -3, -2.2f, 0.7f, false}, 1},
        {{2, 0, 0.3f, 0.1f, false}, 2},     {{3, 3, 3.15f, 0.03f, false}, 12},  {{1, -50, -40, 10, true}, 20},
    };
    for (const auto& [q, answerTick] : cases) {
        ask(s, q);
        dragTo(s, tickX(answerTick) + 120);
        s.cmdcheckit->click();
        EXPECT_TRUE(s.imgtick->isVisible()) << q.startval;
        EXPECT_TRUE(s.tmrtick->isEnabled()) << q.startval;
        EXPECT_FALSE(s.imgcross->isVisible()) << q.startval;

        dragTo(s, tickX(answerTick == 20 ? 19 : answerTick + 1));
        s.cmdcheckit->click();
        EXPECT_TRUE(s.imgcross->isVisible()) << q.startval;
    }
}

TEST_F(Directed1Screen, EachCheckRestartsFromWidthZeroAndKeepsTheOtherPicture) {
    Directed1& s = open({1, 0, 10, 3, true});
    s.cmdcheckit->click();  // the arrow still stands on the start tick
    EXPECT_TRUE(s.imgcross->isVisible());
    EXPECT_FALSE(s.imgtick->isVisible());
    for (int i = 0; i < 3; ++i) s.tmrcross_Timer();
    EXPECT_EQ(s.imgcross->width(), 24);
    s.cmdcheckit->click();
    EXPECT_EQ(s.imgcross->width(), 0);
    EXPECT_TRUE(s.tmrcross->isEnabled());

    dragTo(s, tickX(13));
    s.cmdcheckit->click();
    EXPECT_TRUE(s.imgtick->isVisible());
    EXPECT_TRUE(s.imgcross->isVisible()) << "an earlier picture stays, covered at width 0";
    EXPECT_EQ(s.imgcross->width(), 0);
}

TEST_F(Directed1Screen, SolutionShowsTheJumpAndWithdrawsCheckingUntilTheNextQuestion) {
    Directed1& s = open({1, -20, -12, 6, false});
    s.cmdcheckit->click();  // wrong: the arrow is still on the start tick
    s.cmdsoln_Click();
    EXPECT_EQ(s.Line2->x1(), tickX(2));
    EXPECT_EQ(s.Line2->x2(), tickX(8));
    EXPECT_EQ(s.Picture1->left(), tickX(2) - 60);
    EXPECT_FALSE(s.cmdcheckit->isVisible());

    dragTo(s, tickX(6));
    EXPECT_EQ(s.Line2->x1(), tickX(6)) << "the arrow can still be dragged";
    EXPECT_FALSE(s.cmdcheckit->isVisible());

    script({1, 5, 12, 2, true});
    s.cmdgo->click();
    EXPECT_TRUE(s.cmdcheckit->isVisible());
    EXPECT_FALSE(s.imgcross->isVisible());
    EXPECT_EQ(s.imgcross->width(), 0);
    EXPECT_EQ(s.Picture1->left(), tickX(7) - 60);
}

// A desktop with German regional settings must not change a single number on the line.
TEST_F(Directed1Screen, LineSentencesAndCheckAreRightUnderADecimalCommaDesktop) {
    const testsupport::CommaLocale german;
    if (!german.available()) GTEST_SKIP() << "no decimal-comma locale could be made on this machine";
    struct Case {
        int language;
        Question q;
        QString label1, label10, label20, start, instruction;
        int startTick, answerTick;
    };
    const QString move = QStringLiteral(" und ziehe den Pfeil auf seine neue Position.");
    const std::vector<Case> cases{
        {0, {1, -3, 2, 4, true}, "-2", "7", "17", "Start at 2 .", "Add or take 4 and move up.", 5, 9},
        {2, {1, -3, 2, 4, true}, "-2", "7", "17", "Start at 2 .", "Addiere 4" + move, 5, 9},
        {0, {2, -1, -0.5f, 0.3f, true}, "-0.9", "0", "1", "Start at -0.5 .", "Add or take 0.3 and move up.", 5, 8},
        {2, {2, -1, -0.5f, 0.3f, false}, "-0,9", "0,0", "1,0", "Start at  -0,5 .", "Subtrahiere  0,3 " + move, 5, 2},
        {0, {3, -1, -0.9f, 0.07f, true}, "-0.99", "-0.90", "-0.80", "Start at -0.9 .", "Add or take 0.07 and move up.", 10, 17},
        {2, {3, -1, -0.9f, 0.07f, false}, "-0,99", "-0,90", "-0,80", "Start at  -0,9 .", "Subtrahiere  0,07 " + move, 10, 3},
    };
    Directed1& s = open({1, 0, 10, 3, true});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "language " << c.language << ", start " << c.q.startval);
        app::lang().langindex = app::LangIndex::number(c.language);
        ask(s, c.q);
        EXPECT_EQ(s.lbltemp[1].caption(), c.label1);
        EXPECT_EQ(s.lbltemp[10].caption(), c.label10);
        EXPECT_EQ(s.lbltemp[20].caption(), c.label20);
        EXPECT_EQ(s.Label7->caption(), c.start);
        EXPECT_EQ(s.Label1->caption(), c.instruction);
        EXPECT_EQ(s.Picture1->left(), tickX(c.startTick) - 60) << "the arrow starts on the start tick";
        dragTo(s, tickX(c.answerTick));
        s.cmdcheckit->click();
        EXPECT_TRUE(s.imgtick->isVisible());
        EXPECT_FALSE(s.imgcross->isVisible());
    }
}

// Moves that arrive back to back are measured from where the arrow stood before the first of them.
TEST_F(Directed1Screen, BurstOfMovesKeepsTheArrowCentreUnderThePointer) {
    Directed1& s = open({1, 0, 10, 3, true});
    const QPointF frame(s.Frame1->left(), s.Frame1->top());
    for (bool throughView : {false, true}) {
        SCOPED_TRACE(throughView ? "through the view" : "to the handlers");
        const float startLeft = s.Picture1->left();
        const std::vector<float> xs{tickX(12), tickX(15), tickX(18) + 100};  // the pointer, frame twips
        float pointer = xs.back();
        if (!throughView) {
            s.Picture1->press({platform::LeftButton, 0, 20, 300});
            for (float x : xs)
                s.Picture1->moveMouse({platform::LeftButton, 0, x - startLeft, 300, x + float(frame.x()), 300 + float(frame.y())});
        } else {
            s.showForm();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
            auto* view = s.findChild<QGraphicsView*>();
            QPoint at = view->mapFromScene(frame + QPointF(startLeft + 20, 300));
            QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
            for (float x : xs) {
                at = view->mapFromScene(frame + QPointF(x, 300));
                QTest::mouseMove(view->viewport(), at);
            }
            pointer = float(view->mapToScene(at).x() - frame.x());
        }
        EXPECT_NEAR(s.Picture1->left() + 60, pointer, 1.0);
        EXPECT_NEAR(s.Line2->x1(), pointer, 1.0);
        s.Picture1->release({platform::LeftButton, 0, 60, 300});
        EXPECT_EQ(s.Line2->x1(), tickX(18));
        dragTo(s, tickX(10));
        QCoreApplication::processEvents();
    }
}
