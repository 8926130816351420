"""Temperature Changes: the change read off the board, the red column dragged to a wrong and then the
right reading, the solution moved through to the new temperature."""
import re
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, GO, expect, feedback

QUESTION = (3360, 180, 6390, 2000)
SAID = (3360, 3640, 6390, 3100)
TUBE_X = 240 + 1470
LONG_TICK_X = TUBE_X + 150 + 15 + 250  # only the labelled ticks reach this far


def white(c):
    return min(c) > 225


def reddish(c):
    return c[0] > 170 and c[1] < 90 and c[2] < 90


def column(program, window, path, x, top, bottom, test):
    """Scene y of the pixel rows down a column of the board where `test` holds."""
    scale = min(window["w"] / 12000, window["h"] / 9000)
    x0, y0 = program.point(window, FULL, x, top)
    _, y1 = program.point(window, FULL, x, bottom)
    origin = window["y"] + (window["h"] - 9000 * scale) / 2
    return [(y0 + i - origin) / scale for i, c in enumerate(program.pixels(path, x0, y0, 1, y1 - y0)) if test(c)]


def scale_of(program, window, path):
    """Where 10 and -10 stand, from the first and last labelled ticks."""
    rows = column(program, window, path, LONG_TICK_X, 300, 7300, white)
    expect(rows, "no labelled ticks on the thermometer")
    return rows[0], rows[-1]


def scenario_temperature(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "temperature")
    try:
        activity, _ = e2e.open_activity(program, 4, 2, 6375)
        path = program.shot("question")
        text = program.read_text(path, activity, FULL, *QUESTION).replace("\n", " ")
        found = re.search(r"(falls|rises) by (\d+) degrees", text)
        expect(found, f"no change read off the board: {text!r}")
        top, bottom = scale_of(program, activity, path)
        degree = (bottom - top) / 20
        y_of = lambda d: top + (10 - d) * degree
        # The column's top, read off the tube: its knob's red starts 60 twips above it.
        reds = column(program, activity, path, TUBE_X, top - 200, bottom, reddish)
        start = round(10 - (reds[0] + 60 - top) / degree)
        answer = start + int(found.group(2)) * (1 if found.group(1) == "rises" else -1)
        expect(-10 <= answer <= 10, f"{start} {found.group(1)} {found.group(2)} leaves the scale")
        wrong = answer + 1 if answer < 10 else answer - 1
        program.drag(activity, FULL, (TUBE_X, y_of(start)), (TUBE_X + 100, y_of(wrong)))
        program.xdo("mousemove", "0", "0")
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{wrong} for {text!r} did not give the cross")
        # Let go a third of a degree off: the column snaps to the whole degree.
        program.drag(activity, FULL, (TUBE_X, y_of(wrong)), (TUBE_X - 150, y_of(answer) + degree / 3))
        program.xdo("mousemove", "0", "0")
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{answer} for {text!r} did not give the tick")
        for step in range(3):
            program.xdo("mousemove", "0", "0")
            program.click_box(activity, FULL, *SOLUTION)
            time.sleep(1.2)
        said = program.read_text(program.shot("solution"), activity, FULL, *SAID, ink="#ffffff")
        expect(re.search(rf"now\s*\S?{abs(answer)}\b", said), f"the solution does not end on {answer}: {said!r}")
        program.click_box(activity, FULL, *GO)
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"temperature": scenario_temperature}
