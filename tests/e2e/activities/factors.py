"""Factors and Multiples: the number read off the board, its multiples tapped on the 100-square with
one cell too many (cross), that cell tapped off again (tick), and the counting solution."""
import re
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, GO, expect, feedback

QUESTION = (240, 180, 9510, 1110)
WORKING = (1980, 7840, 7770, 1100)
CELL, GRID_LEFT, GRID_TOP = 640, 240, 1380


def cell_centre(number):
    row, column = (number - 1) // 10, (number - 1) % 10
    return GRID_LEFT + column * CELL + CELL / 2, GRID_TOP + row * CELL + CELL / 2


def shade(program, window, numbers):
    numbers = set(numbers)
    # Whole columns of the square go in one drag; the rest one tap each.
    for column in range(1, 11):
        whole = set(range(column, 101, 10))
        if whole <= numbers:
            program.drag(window, FULL, cell_centre(column), cell_centre(90 + column), steps=10)
            numbers -= whole
    for n in sorted(numbers):
        program.click(window, FULL, *cell_centre(n), pause=0.12)


def scenario_factors(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "factors")
    try:
        activity, _ = e2e.open_activity(program, 1, 3, 5175)
        asked = program.read_text(program.shot("question"), activity, FULL, *QUESTION)
        found = re.search(r"multiples of (\d+)", asked)
        expect(found, f"no question read off the board: {asked!r}")
        n = int(found.group(1))
        expect(2 <= n <= 12, f"multiples of {n} asked")
        multiples = list(range(n, 101, n))
        extra = 1  # never a multiple of 2 … 12
        shade(program, activity, multiples + [extra])
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"the multiples of {n} and 1 did not give the cross")
        program.click(activity, FULL, *cell_centre(extra))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"the multiples of {n} did not give the tick")
        program.click_box(activity, FULL, *SOLUTION)
        time.sleep(1.3)
        said = program.read_text(program.shot("solution"), activity, FULL, *WORKING, ink="#ffffff")
        expect(f"{n}s" in said.replace(" ", ""), f"the solution does not count in {n}s: {said!r}")
        program.click_box(activity, FULL, *GO)
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"factors": scenario_factors}
