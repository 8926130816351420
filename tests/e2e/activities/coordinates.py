"""Coordinates: the point to plot read off the board, dragged to a wrong and then the right crossing."""
import re
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, expect, feedback

QUESTION = (240, 180, 9510, 1000)
MODE_PLOT = (9930 + 400, 1200 + 450 + 60 + 200)  # the second mode button, "Plot a point"
# The axes stand at (240, 1150), 5650 across; the paper inside them starts 540 in and 360 down.
PAPER_LEFT, PAPER_BOTTOM, UNIT = 240 + 540, 1150 + 360 + 4750, 475


def crossing(x, y):
    return PAPER_LEFT + x * UNIT, PAPER_BOTTOM - y * UNIT


def scenario_coordinates(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "coordinates")
    try:
        activity, _ = e2e.open_activity(program, 5, 3, 4695)
        program.click(activity, FULL, *MODE_PLOT)
        text = program.read_text(program.shot("question"), activity, FULL, *QUESTION)
        found = re.search(r"\((\d+), *(\d+)\)", text)
        expect(found, f"no point to plot read off the board: {text!r}")
        x, y = int(found.group(1)), int(found.group(2))
        wrong = (x + 1 if x < 10 else x - 1, y)
        program.drag(activity, FULL, crossing(0, 0), crossing(*wrong))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{wrong} for ({x}, {y}) did not give the cross")
        # Dropped a little off the crossing: it snaps.
        start = crossing(*wrong)
        end = crossing(x, y)
        program.drag(activity, FULL, start, (end[0] + 100, end[1] - 80))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"({x}, {y}) plotted did not give the tick")
        for step in range(3):
            program.click_box(activity, FULL, *SOLUTION)
            time.sleep(0.6)
        said = program.read_text(program.shot("solution"), activity, FULL, 6000, 1500, 3750, 5100, ink="#ffffff")
        expect(f"({x}, {y})" in said.replace(" ,", ","), f"the solution does not end with the point: {said!r}")
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"coordinates": scenario_coordinates}
