"""Symmetry: the pattern and its mirror read off the squared paper, every twin shaded in its colour
with one square too many (cross), that square tapped off again (tick), and the solution bringing the
twins in until the page is the whole pattern."""
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, GO, expect, feedback

QUESTION = (240, 180, 9510, 1110)
LEFT, TOP, CELL, SIZE = 240, 1440, 640, 10
PANEL_LEFT, PANEL_WIDTH = 6940, 2810
PENS = [(PANEL_LEFT + PANEL_WIDTH / 2, TOP + 380), (PANEL_LEFT + PANEL_WIDTH / 2, TOP + 840 + 380)]
WORKING = (PANEL_LEFT, TOP + 2 * 840 + 60, PANEL_WIDTH, 4600)
MODE_VERTICAL = (9930 + 300, 1200 + 195)


def centre(row, column):
    return LEFT + column * CELL + CELL / 2, TOP + row * CELL + CELL / 2


def kind(colour):
    r, g, b = colour
    if min(colour) > 225:
        return 0
    if b > r + 60:
        return 1  # blue
    if r > b + 80 and g > 120:
        return 2  # orange
    return None


def read_page(program, window, path):
    """The shade of every square, and the grid line the upright mirror stands on."""
    x0, y0 = program.point(window, FULL, LEFT, TOP)
    x1, y1 = program.point(window, FULL, LEFT + SIZE * CELL, TOP + SIZE * CELL)
    width = x1 - x0
    pixels = program.pixels(path, x0, y0, width, y1 - y0)

    def at(x, y):
        px, py = program.point(window, FULL, x, y)
        return pixels[(py - y0) * width + px - x0]

    page = {}
    for row in range(SIZE):
        for column in range(SIZE):
            shade = kind(at(*centre(row, column)))
            expect(shade is not None, f"square {row},{column} is {at(*centre(row, column))}, not paper or a pen's colour")
            page[(row, column)] = shade
    mirrors = [a for a in range(1, SIZE) if e2e.reddish(at(LEFT + a * CELL, centre(0, 0)[1]))]
    return page, mirrors


def scenario_symmetry(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "symmetry")
    try:
        activity, _ = e2e.open_activity(program, 5, 1, 4695)
        program.click(activity, FULL, *MODE_VERTICAL)
        path = program.shot("question")
        asked = program.read_text(path, activity, FULL, *QUESTION)
        expect("mirror" in asked, f"no question read off the board: {asked!r}")
        given, mirrors = read_page(program, activity, path)
        expect(len(mirrors) == 1, f"not one upright mirror on the paper: lines {mirrors}")
        a = mirrors[0]
        twins = {(r, 2 * a - 1 - c): shade for (r, c), shade in given.items() if shade}
        expect(twins and all(0 <= c < SIZE and not given[(r, c)] for r, c in twins), f"twins {twins} off the paper or shaded")
        whole = {**given, **twins}
        pattern_left = min(c for (r, c), shade in given.items() if shade) < a
        extra = next((r, c) for r in range(SIZE) for c in range(SIZE)
                     if (c < a) != pattern_left and not whole[(r, c)])

        for pen in (1, 2):
            if any(shade == pen for shade in twins.values()):
                program.click(activity, FULL, *PENS[pen - 1])
                for square, shade in sorted(twins.items()):
                    if shade == pen:
                        program.click(activity, FULL, *centre(*square), pause=0.12)
        program.click(activity, FULL, *centre(*extra))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"the twins and {extra} did not give the cross")
        program.click(activity, FULL, *centre(*extra))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"the twins {twins} did not give the tick")

        program.click_box(activity, FULL, *SOLUTION)
        time.sleep(1.3)
        path = program.shot("solution")
        shown, _ = read_page(program, activity, path)
        expect(shown == whole, "the solution's page is not the whole pattern")
        said = program.read_text(path, activity, FULL, *WORKING, ink="#ffffff")
        expect("twin" in said, f"the solution does not speak of twins: {said!r}")
        program.click_box(activity, FULL, *GO)
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"symmetry": scenario_symmetry}
