"""Prime Numbers: the sieve struck out by real taps and drags with 91 forgotten (cross), then 91 too
(tick), and the whole sieve stepped through to its 25 primes."""
import re
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, GO, expect, feedback

QUESTION = (240, 180, 9510, 1110)
WORKING = (1980, 7840, 7770, 1100)
CELL, GRID_LEFT, GRID_TOP = 640, 240, 1380


def is_prime(n):
    return n > 1 and all(n % d for d in range(2, int(n ** 0.5) + 1))


def cell_centre(number):
    row, column = (number - 1) // 10, (number - 1) % 10
    return GRID_LEFT + column * CELL + CELL / 2, GRID_TOP + row * CELL + CELL / 2


def strike(program, window, numbers):
    """Runs of struck numbers down a column go in one drag, the rest one tap each."""
    numbers = set(numbers)
    for column in range(1, 11):
        run = []
        for n in list(range(column, 101, 10)) + [None]:
            if n in numbers:
                run.append(n)
                continue
            if len(run) > 1:
                # A move in every cell, so none is skipped.
                program.drag(window, FULL, cell_centre(run[0]), cell_centre(run[-1]), steps=len(run))
            elif run:
                program.click(window, FULL, *cell_centre(run[0]), pause=0.12)
            run = []


def press_solution(program, window, step):
    """Presses Solution a little left or right of its middle in turn: a pointer that has not moved
    makes xdotool's synchronous move wait for a motion event that never comes."""
    left, top, width, height = SOLUTION
    program.click(window, FULL, left + width / 2 + (300 if step % 2 else -300), top + height / 2)


def scenario_primes(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "primes")
    try:
        activity, _ = e2e.open_activity(program, 1, 4, 5175)
        asked = program.read_text(program.shot("sieve"), activity, FULL, *QUESTION)
        expect("not prime" in asked, f"the sieve's question is not on the board: {asked!r}")
        strike(program, activity, [n for n in range(1, 101) if not is_prime(n) and n != 91])
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", "the sieve without 91 did not give the cross")
        program.click(activity, FULL, *cell_centre(91))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", "the sieve with every number that is not prime did not give the tick")
        for step in range(6):  # 1, then 2, 3, 5 and 7, then the primes ringed
            press_solution(program, activity, step)
        time.sleep(0.5)
        said = program.read_text(program.shot("solution"), activity, FULL, *WORKING, ink="#ffffff")
        found = re.search(r"are\s+(\d+)\s+prime", said)
        expect(found and found.group(1) == "25", f"the sieve does not end with 25 primes: {said!r}")
        program.click_box(activity, FULL, *GO)
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"primes": scenario_primes}
