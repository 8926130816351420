#pragma once
// Prime Numbers: the sieve on a 100-square, where the class strikes out what is not prime and the
// solution sweeps 1, then the multiples of 2, 3, 5 and 7, across the square in a colour each; and
// "prime or not" for a big number, answered with two buttons and checked, the solution giving
// its smallest factor pair or saying that only 1 and the number divide it.
#include <optional>

#include "activities/primes/rules.h"
#include "activities/shell/activity.h"
#include "activities/shell/modes.h"
#include "activities/shell/steps.h"
#include "platform/grid.h"

namespace primes {

inline constexpr shell::ActivityKind kPrimesKind{"primes", "menu1", "Prime Numbers", true, false};

class Primes : public shell::Activity {
    Q_OBJECT
public:
    explicit Primes(app::WindowRegistry& windows);

    platform::Label* lblquestion;
    platform::Grid* grid;
    platform::ControlArray<platform::Label> lbllegend;  // a colour for each pass of the sieve
    platform::Label* lblnumber;
    platform::CommandButton* cmdprime;
    platform::CommandButton* cmdnotprime;
    platform::Label* lblstep;    // the sieve's working, under the square
    platform::Label* lblanswer;  // why a number is prime or not
    shell::ModeButtons modes;
    shell::Steps steps;

    void cmdgo_Click() override;
    void cmdcheckit_Click() override;
    void cmdsoln_Click() override;
    void modes_Choose(int mode);
    void cmdprime_Click();
    void cmdnotprime_Click();

    const Question& question() const { return *m_question; }
    // The class's answer in "prime or not": nothing yet, prime, or not prime.
    const std::optional<bool>& choice() const { return m_choice; }
    static int rowOf(int number) { return (number - 1) / 10; }
    static int columnOf(int number) { return (number - 1) % 10; }

protected:
    void Form_Load() override;

private:
    void ask();
    void choose(std::optional<bool> prime);
    void buildSieveSteps();
    void buildPairStep();

    std::optional<Question> m_question;
    std::optional<bool> m_choice;
    std::vector<Pass> m_passes;
    const std::vector<int>* m_sweeping = nullptr;  // the pass being swept across the square
    int m_swept = 0;
    int m_sweepShade = 0;
};

}  // namespace primes
