"""Area and Perimeter: a rectangle's area counted off the paper and answered wrongly on the pad
(cross); a shape of the asked area and perimeter shaded on the paper by drags, one square short
(cross) and then whole (tick); the solution stepped to its end."""
import os
import re
import sys
import time

import e2e
from e2e import FULL, CHECK, EXIT, expect, feedback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
from board import click, step_solution, type_on_pad  # noqa: E402

QUESTION = (240, 180, 9510, 1200)
# The squared paper: 9 columns by 8 rows of 600 twips; the working stands to its right.
PAPER_LEFT, PAPER_TOP, SQUARE, COLUMNS, ROWS = 240, 1440, 600, 9, 8
WORKING = (5840, 1440, 3910, 5340)
MODE_MAKE = (9930 + 400, 4950)  # the sixth mode button, under five two-line captions


def square(row, column):
    return PAPER_LEFT + column * SQUARE + SQUARE / 2, PAPER_TOP + row * SQUARE + SQUARE / 2


def shaded_squares(program, window, path):
    colours = [program.region(path, window, FULL, *square(r, c), 40, 40) for r in range(ROWS) for c in range(COLUMNS)]
    return sum(1 for patch in colours if e2e.count(patch, e2e.yellowish) > len(patch) // 2)


def rows_for(area, perimeter):
    """Row lengths of a staircase shape: a full top row and left column make its outline that of a
    W × H rectangle, so its perimeter is 2(W + H) whatever squares fill the corner."""
    half = perimeter // 2
    for width in range(min(COLUMNS, half - 1), 0, -1):
        height = half - width
        if height > ROWS or not (width + height - 1 <= area <= width * height):
            continue
        rows = [width] + [1] * (height - 1)
        spare = area - sum(rows)
        for r in range(1, height):
            extra = min(spare, width - 1)
            rows[r] += extra
            spare -= extra
        return rows
    return None


def shade_row(program, window, row, length):
    if length == 1:
        click(program, window, *square(row, 0))
    elif length > 1:
        program.drag(window, FULL, square(row, 0), square(row, length - 1), steps=10)


def scenario_area(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "area")
    try:
        activity, _ = e2e.open_activity(program, 5, 2, 4695)
        path = program.shot("question")
        asked = program.read_text(path, activity, FULL, *QUESTION)
        expect("area of this rectangle" in asked, f"no area question read off the board: {asked!r}")
        counted = shaded_squares(program, activity, path)
        expect(4 <= counted <= 48, f"{counted} shaded squares counted")
        type_on_pad(program, activity, str(counted + 1))
        click(program, activity, CHECK[0] + CHECK[2] / 2, CHECK[1] + CHECK[3] / 2)
        expect(feedback(program, activity) == "cross", f"{counted + 1} cm² for {counted} squares did not give the cross")

        click(program, activity, *MODE_MAKE, pause=0.6)
        asked = program.read_text(program.shot("make"), activity, FULL, *QUESTION)
        found = re.search(r"area of (\d+).*perimeter of (\d+)", asked, re.S)
        expect(found, f"no shape to make read off the board: {asked!r}")
        area, perimeter = int(found.group(1)), int(found.group(2))
        rows = rows_for(area, perimeter)
        expect(rows, f"no shape of area {area} and perimeter {perimeter} fits the paper")
        # One square short of the last row first.
        for r, length in enumerate(rows[:-1]):
            shade_row(program, activity, r, length)
        shade_row(program, activity, len(rows) - 1, rows[-1] - 1)
        click(program, activity, CHECK[0] + CHECK[2] / 2, CHECK[1] + CHECK[3] / 2)
        expect(feedback(program, activity) == "cross", f"{area - 1} squares for {area} did not give the cross")
        click(program, activity, *square(len(rows) - 1, rows[-1] - 1))
        click(program, activity, CHECK[0] + CHECK[2] / 2, CHECK[1] + CHECK[3] / 2)
        expect(feedback(program, activity) == "tick", f"rows {rows} for area {area}, perimeter {perimeter} did not give the tick")

        # The squares counted in, then every side of the example gone round: at most nine presses.
        step_solution(program, activity, 9, settle=0.5)
        time.sleep(1.0)
        said = program.read_text(program.shot("solution"), activity, FULL, *WORKING)
        expect(f"Perimeter = {perimeter}" in " ".join(said.split()), f"the solution does not end with the perimeter: {said!r}")
        click(program, activity, EXIT[0] + EXIT[2] / 2, EXIT[1] + EXIT[3] / 2)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"area": scenario_area}
