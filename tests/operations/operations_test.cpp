#include "activities/operations/operations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <random>

#include "activities/shell/look.h"
#include "activities/shell/modes.h"
#include "app/language.h"
#include "app/textblocks.h"
#include "app/windows.h"
#include "testsupport.h"

namespace {

using operations::Operations;
using platform::MathLine;

class SeedRandom final : public platform::RandomSource {
public:
    explicit SeedRandom(unsigned seed) : m_engine(seed) {}
    float next() override { return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f); }
    void reseed() override {}

private:
    std::mt19937 m_engine;
};

// The underlined text of a line, spaces inside the underline kept.
QString underlined(const MathLine& line) {
    QString text;
    for (const MathLine::Piece& p : line.pieces())
        if (p.style & MathLine::Underlined) text += p.text;
    return text.trimmed();
}
QString highlighted(const MathLine& line) {
    for (const MathLine::Piece& p : line.pieces())
        if (p.style & MathLine::Highlighted) return p.text.trimmed();
    return {};
}

class OperationsScreen : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ModeButtons::forgetAll();
        ASSERT_TRUE(app::readTextBlocks(QStringLiteral(BREVANDEL_SOURCE_DIR "/data/text/activities.csv"), app::lang()));
        app::lang().langindex = app::LangIndex::number(0);
        windows.define("operations", [](app::WindowRegistry& w) { return new Operations(w); });
        for (const char* stub : {"menu3", "notepad"})
            windows.define(stub, [stub](app::WindowRegistry&) { return new platform::Form(stub, 12000, 9000); });
    }
    void TearDown() override {
        for (const QString& name : windows.openNames()) windows.close(name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app::lang().langindex = app::LangIndex::number(0);
    }
    Operations& open() {
        auto* screen = dynamic_cast<Operations*>(windows.load("operations"));
        if (!screen) throw std::runtime_error("operations did not open");
        return *screen;
    }

    testsupport::DataFolder folder;
    testsupport::ThrowOnFailure failures;
    SeedRandom rnd{11};
    app::WindowRegistry windows{rnd};
};

TEST_F(OperationsScreen, SolutionUnderlinesEachOperationAndWritesTheExpressionAgainUntilOneNumberIsLeft) {
    Operations& s = open();
    for (int mode = 0; mode < operations::kModes; ++mode) {
        s.modes.option(mode).click();
        for (int question = 0; question < 20; ++question) {
            s.cmdgo_Click();
            const auto steps = operations::work(s.question().expression, operations::kLargestValue);
            ASSERT_TRUE(steps);
            const operations::Signs signs;
            EXPECT_EQ(s.lblexpression->text(), operations::written(s.question().expression, signs));
            for (std::size_t k = 0; k < steps->size(); ++k) {
                s.cmdsoln_Click();
                const operations::Step& step = (*steps)[k];
                const MathLine& above = k == 0 ? *s.lblexpression : *s.lblworking[k - 1];
                const operations::Expression& before = k == 0 ? s.question().expression : (*steps)[k - 1].after;
                std::vector<int> starts, ends;
                const QString text = operations::written(before, signs, &starts, &ends);
                EXPECT_EQ(underlined(above), text.mid(starts[std::size_t(step.from)], ends[std::size_t(step.to - 1)] - starts[std::size_t(step.from)]));
                EXPECT_EQ(s.lblworking[k]->text(), operations::written(step.after, signs));
                EXPECT_EQ(highlighted(*s.lblworking[k]), QString::number(step.value));
                EXPECT_TRUE(s.lblworking[k]->isVisible());
                // The part of the rule that chose the operation lights up, and only that one.
                int lit = 0;
                for (std::size_t p = 0; p < s.lblpart.size(); ++p) lit += s.lblpart[p]->backColor() == shell::look::kHighlight;
                EXPECT_EQ(lit, 1);
                EXPECT_EQ(s.lblpart[std::size_t(step.rule)]->backColor(), shell::look::kHighlight);
            }
            EXPECT_TRUE(s.steps.finished());
            EXPECT_EQ(s.lblquestion->caption(), QStringLiteral("The answer is %1.").arg(steps->back().value));
        }
    }
}

TEST_F(OperationsScreen, CheckTakesTheValueByTheSchoolRuleAndNothingElse) {
    Operations& s = open();
    for (int question = 0; question < 20; ++question) {
        s.cmdgo_Click();
        const auto steps = operations::work(s.question().expression, operations::kLargestValue);
        ASSERT_TRUE(steps);
        const long long right = steps->back().value;
        for (const long long typed : {right + 1, right}) {
            s.pad.press(QStringLiteral("clear"));
            for (QChar digit : QString::number(typed)) s.pad.press(QString(digit));
            s.cmdcheckit_Click();
            EXPECT_EQ(s.imgtick->isVisible(), typed == right);
            EXPECT_EQ(s.imgcross->isVisible(), typed != right);
        }
    }
}

TEST_F(OperationsScreen, TheRuleAndItsPartsFitTheBoardInEveryLanguage) {
    for (int language = 0; language < 7; ++language) {
        app::lang().langindex = app::LangIndex::number(language);
        Operations& s = open();
        const app::TextBlock texts(QStringLiteral("operations"));
        EXPECT_TRUE(s.lblrule->captionFits(texts[5], 18)) << language;
        EXPECT_FALSE(texts[5].isEmpty());
        EXPECT_GE(s.lblpart[0]->left(), shell::look::kBoardLeft) << language;
        EXPECT_LE(s.lblpart[3]->left() + s.lblpart[3]->width(), shell::look::kBoardRight) << language;
        for (platform::Label* part : s.lblpart) EXPECT_TRUE(part->captionFits(part->caption(), 18)) << language;
        for (int row : {0, 12}) EXPECT_TRUE(s.lblquestion->captionFits(texts.format(row, QStringLiteral("188")), 18)) << language;
        const platform::OptionButton& last = s.modes.option(operations::kModes - 1);
        EXPECT_LE(last.top() + last.height(), s.modes.frame().height()) << language;
        windows.close(QStringLiteral("operations"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(OperationsScreen, GermanClassroomsReadTheirOwnSigns) {
    app::lang().langindex = app::LangIndex::number(2);
    Operations& s = open();
    for (int question = 0; question < 30; ++question) {
        s.cmdgo_Click();
        const QString shown = s.lblexpression->text();
        EXPECT_FALSE(shown.contains(QChar(0x00D7)) || shown.contains(QChar(0x00F7))) << shown.toStdString();
        EXPECT_EQ(operations::parse(shown), s.question().expression);
    }
}

}  // namespace
