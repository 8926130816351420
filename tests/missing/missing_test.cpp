#include "activities/missing/missing.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <deque>
#include <random>

#include "activities/shell/modes.h"
#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "testsupport.h"

namespace {

using missing::Missing;
using platform::MathLine;

// Scripted draws first, then a fixed seed's: a question can be chosen exactly, or many drawn.
class TestRandom final : public platform::RandomSource {
public:
    float next() override {
        if (script.empty()) return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
        const float r = script.front();
        script.pop_front();
        return r;
    }
    void reseed() override {}
    std::deque<float> script;

private:
    std::mt19937 m_engine{17};
};

// The draws of an adding-or-taking question "a op b = c" with the box at `missing`.
std::deque<float> drawsFor(bool take, long long b, long long other, int missing, bool resultFirst) {
    const auto term = [](long long n) { return (float(n) - 10 + 0.5f) / 90; };
    return {take ? 0.75f : 0.25f, term(take ? b : other), term(take ? other : b), (float(missing) + 0.5f) / 3,
            resultFirst ? 0.1f : 0.5f};
}

class MissingScreen : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        app::lang().langindex = app::LangIndex::number(0);
        windows.define("missing", [](app::WindowRegistry& w) { return new Missing(w); });
        for (const char* stub : {"menu3", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().langindex = app::LangIndex::number(0);
    }
    Missing& open() {
        auto* screen = dynamic_cast<Missing*>(windows.load("missing"));
        if (!screen) throw std::runtime_error("missing did not open");
        return *screen;
    }
    static void type(Missing& s, const QString& keys) {
        s.pad.press(QStringLiteral("clear"));
        for (QChar k : keys) s.pad.press(QString(k));
    }
    static bool ticked(const Missing& s) { return s.imgtick->isVisible() && !s.imgcross->isVisible(); }
    static bool crossed(const Missing& s) { return s.imgcross->isVisible() && !s.imgtick->isVisible(); }

    testsupport::DataFolder folder;
    testsupport::ThrowOnFailure failures;
    TestRandom rnd;
    app::WindowRegistry windows{rnd};
};

TEST_F(MissingScreen, TheEquationIsWrittenWithItsBoxWhereverTheBoxStands) {
    struct Case {
        bool take;
        long long b, other;
        int missing;
        bool resultFirst;
        QString equation;  // the box's content shown as []
    };
    const Case cases[] = {
        {true, 29, 55, 0, false, "[] − 29 = 55"},
        {true, 29, 55, 1, false, "84 − [] = 55"},
        {true, 29, 55, 2, false, "84 − 29 = []"},
        {true, 29, 55, 0, true, "55 = [] − 29"},
        {false, 45, 38, 2, true, "[] = 38 + 45"},
    };
    Missing& s = open();
    for (const Case& c : cases) {
        rnd.script = drawsFor(c.take, c.b, c.other, c.missing, c.resultFirst);
        s.cmdgo_Click();
        ASSERT_TRUE(rnd.script.empty());
        QString shown;
        for (const MathLine::Piece& p : s.lblequation->pieces()) shown += p.style & MathLine::Boxed ? QStringLiteral("[]") : p.text;
        EXPECT_EQ(shown, c.equation);
    }
}

TEST_F(MissingScreen, TypedAnswerShowsInTheBoxAndCheckJudgesIt) {
    rnd.script = drawsFor(true, 29, 55, 0, false);  // ? − 29 = 55
    Missing& s = open();
    const auto box = [&s] {
        for (const MathLine::Piece& p : s.lblequation->pieces())
            if (p.style & MathLine::Boxed) return p.text;
        return QStringLiteral("no box");
    };
    type(s, QStringLiteral("8"));
    EXPECT_EQ(box(), QStringLiteral("8"));
    s.cmdcheckit_Click();
    EXPECT_TRUE(crossed(s));
    type(s, QStringLiteral("84"));
    s.pad.press(QStringLiteral("-"));
    EXPECT_EQ(box(), QStringLiteral("−84"));
    s.cmdcheckit_Click();
    EXPECT_TRUE(crossed(s));
    s.pad.press(QStringLiteral("-"));
    s.cmdcheckit_Click();
    EXPECT_TRUE(ticked(s));
    type(s, QString());
    s.cmdcheckit_Click();
    EXPECT_TRUE(crossed(s)) << "an empty box is not an answer";
    s.cmdgo_Click();
    EXPECT_FALSE(s.imgtick->isVisible() || s.imgcross->isVisible());
    EXPECT_EQ(box(), QString());
}

TEST_F(MissingScreen, SolutionDrawsTheBarModelThenTheInverseOperationsThenFillsTheBox) {
    Missing& s = open();
    for (int mode = 0; mode < missing::kModes; ++mode) {
        s.modes.option(mode).click();
        for (int question = 0; question < 10; ++question) {
            s.cmdgo_Click();
            const missing::Question q = s.question();
            EXPECT_EQ(q.mode, mode);
            EXPECT_FALSE(s.barmodel->isVisible());
            s.cmdsoln_Click();
            EXPECT_FALSE(s.cmdcheckit->isVisible());
            EXPECT_FALSE(s.pad.key(QStringLiteral("5"))->enabled());
            ASSERT_EQ(s.barmodel->rows().size(), 2u);
            const missing::Bar bar = missing::barModel(q);
            EXPECT_EQ(s.barmodel->rows()[0].size(), bar.whole.size());
            EXPECT_EQ(s.barmodel->rows()[1].size(), bar.parts.size());
            const auto lines = missing::workings(q);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                EXPECT_FALSE(s.lblinverse[i]->isVisible());
                s.cmdsoln_Click();
                EXPECT_TRUE(s.lblinverse[i]->isVisible());
                EXPECT_TRUE(s.lblinverse[i]->text().endsWith(QStringLiteral(" = %1").arg(lines[i].result)));
            }
            s.cmdsoln_Click();
            EXPECT_TRUE(s.steps.finished());
            EXPECT_TRUE(s.lblequation->text().contains(QString::number(q.answer())));
            EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("The missing number is %1.").arg(q.answer()));
        }
    }
}

TEST_F(MissingScreen, EveryTextFitsItsPlaceInEveryLanguage) {
    for (int language = 0; language < 7; ++language) {
        app::lang().langindex = app::LangIndex::number(language);
        Missing& s = open();
        const app::TextBlock texts(QStringLiteral("missing"));
        for (int row : {0, 9}) EXPECT_TRUE(s.lblquestion->captionFits(texts.format(row, QStringLiteral("188")), 18)) << language << " " << row;
        for (int row : {5, 6, 7, 8}) {
            EXPECT_FALSE(texts[row].isEmpty());
            EXPECT_TRUE(s.lblmodel->captionFits(texts[row], 18)) << language << " " << row;
        }
        const platform::OptionButton& last = s.modes.option(missing::kModes - 1);
        EXPECT_LE(last.top() + last.height(), s.modes.frame().height()) << language;
        windows.close(QStringLiteral("missing"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace
