#include "activities/primes/primes.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "platform/random.h"

namespace {

using primes::Primes;

class PrimesScreen : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        app::lang().langindex = app::LangIndex::number(0);
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        windows.define("primes", [](app::WindowRegistry& w) { return new Primes(w); });
        for (const char* stub : {"menu1", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().blocks.clear();
    }
    Primes& open() { return *dynamic_cast<Primes*>(windows.load("primes")); }
    // Asks "prime or not" about 91: an odd number that is not prime, by its place among them.
    void ask91(Primes& s) {
        int index = 0, count = 0;
        for (int n = 2; n <= 100; ++n)
            if (n % 2 && !primes::isPrime(n)) {
                index += n < 91;
                ++count;
            }
        rnd.push(0.7f);
        rnd.push((index + 0.5f) / float(count));
        s.modes.option(primes::kPrimeOrNot).click();
    }
    const platform::Grid::Cell& cell(Primes& s, int n) { return s.grid->cell(Primes::rowOf(n), Primes::columnOf(n)); }
    void tap(Primes& s, int n) {
        const platform::MouseEvent e{platform::LeftButton, 0, Primes::columnOf(n) * s.grid->cellSize() + 300,
                                     Primes::rowOf(n) * s.grid->cellSize() + 300};
        s.grid->press(e);
        s.grid->release(e);
    }
    bool checked(Primes& s) {
        s.cmdcheckit_Click();
        EXPECT_NE(s.imgtick->isVisible(), s.imgcross->isVisible());
        return s.imgtick->isVisible();
    }

    platform::ScriptedRandom rnd;
    app::WindowRegistry windows{rnd};
};

TEST_F(PrimesScreen, SieveCheckWantsExactlyTheNumbersThatAreNotPrimeStruck) {
    Primes& s = open();
    EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("Strike out every number that is not prime."));
    for (int n = 1; n <= primes::kCells; ++n)
        if (!primes::isPrime(n) && n != 91) tap(s, n);
    EXPECT_FALSE(checked(s));  // 91 left
    tap(s, 91);
    EXPECT_TRUE(checked(s));
    tap(s, 97);  // a prime struck too
    EXPECT_FALSE(checked(s));
}

TEST_F(PrimesScreen, SieveSolutionSweepsEachPassInItsColourAndRingsThePrimes) {
    Primes& s = open();
    tap(s, 13);
    s.cmdsoln_Click();
    EXPECT_FALSE(cell(s, 13).struck);  // the class's strokes give way
    s.steps.finishAnimation();
    EXPECT_TRUE(cell(s, 1).struck);
    s.cmdsoln_Click();  // the 2s
    EXPECT_TRUE(cell(s, 2).ringed);
    EXPECT_FALSE(cell(s, 100).struck);
    s.steps.frame();
    EXPECT_TRUE(cell(s, 4).struck);
    do s.cmdsoln_Click();
    while (!s.steps.finished());
    int ringed = 0;
    for (int n = 1; n <= primes::kCells; ++n) {
        EXPECT_EQ(cell(s, n).struck, !primes::isPrime(n)) << n;
        ringed += cell(s, n).ringed;
    }
    EXPECT_EQ(ringed, 25);
    EXPECT_NE(cell(s, 4).shade, cell(s, 9).shade);  // 2s and 3s in colours of their own
    EXPECT_EQ(cell(s, 49).shade, cell(s, 91).shade);  // both with the 7s
    tap(s, 97);
    EXPECT_FALSE(cell(s, 97).struck);  // the square is not tapped during the solution
    s.cmdgo_Click();
    EXPECT_FALSE(cell(s, 4).struck);
}

TEST_F(PrimesScreen, PrimeOrNotIsAnsweredWithTheButtonsAndExplainedByTheSmallestPair) {
    Primes& s = open();
    ask91(s);
    EXPECT_FALSE(s.grid->isVisible());
    EXPECT_EQ(s.lblnumber->caption(), QStringLiteral("91"));
    EXPECT_FALSE(checked(s));  // no answer yet
    s.cmdprime->click();
    EXPECT_FALSE(checked(s));
    s.cmdnotprime->click();
    EXPECT_TRUE(checked(s));
    s.cmdsoln_Click();
    EXPECT_EQ(s.lblanswer->caption(), QStringLiteral("91 = 7 \u00D7 13, so 91 is not prime."));
    s.cmdprime->click();
    EXPECT_EQ(s.choice(), std::optional<bool>(false));  // kept while the solution shows
    rnd.push(0.2f);
    rnd.push(0.99f);  // the largest prime below 100
    s.cmdgo_Click();
    EXPECT_FALSE(s.choice().has_value());
    s.cmdsoln_Click();
    EXPECT_EQ(s.lblanswer->caption(), QStringLiteral("97 has only two factors, 1 and 97, so it is prime."));
}

TEST_F(PrimesScreen, WithoutItsTextsPrimeOrNotStillChecks) {
    app::lang().blocks.clear();
    Primes& s = open();
    ask91(s);
    EXPECT_TRUE(s.cmdprime->caption().isEmpty());
    s.cmdnotprime->click();
    EXPECT_TRUE(checked(s));
}

}  // namespace
