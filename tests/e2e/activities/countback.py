"""Counting Back: the question read off the board, the counter dragged to a wrong and then the right
landing, the hops of the solution stepped through to the landing number."""
import re
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, GO, expect, feedback

QUESTION = (240, 180, 9510, 1200)
SAID = (240, 5800, 9510, 1300)
# The ones line runs from -20 to 20 across the board, 450 twips in from each end, through y 4300.
LINE_LEFT, UNIT, AXIS = 240 + 450, (9510 - 900) / 40, 4300


def at(value):
    return LINE_LEFT + (value + 20) * UNIT, AXIS - 100


def press(program, window, box):
    # Away first: a --sync move to where the pointer already is waits for a move that never comes.
    program.xdo("mousemove", "0", "0")
    program.click_box(window, FULL, *box)


def scenario_countback(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "countback")
    try:
        activity, _ = e2e.open_activity(program, 4, 0, 6375)
        text = program.read_text(program.shot("question"), activity, FULL, *QUESTION)
        found = re.search(r"Start at (\d+) and count back (\d+) ones", text.replace("\n", " "))
        expect(found, f"no question read off the board: {text!r}")
        start, jumps = int(found.group(1)), int(found.group(2))
        land = start - jumps
        expect(land < 0 < start, f"the first question should cross zero: {start} back {jumps}")
        wrong = land + 1
        program.drag(activity, FULL, at(start), at(wrong))
        press(program, activity, CHECK)
        expect(feedback(program, activity) == "cross", f"{wrong} for {start} back {jumps} did not give the cross")
        # Let go a little to the right of the landing: the counter snaps to it.
        program.drag(activity, FULL, at(wrong), (at(land)[0] + UNIT / 3, at(land)[1]))
        press(program, activity, CHECK)
        expect(feedback(program, activity) == "tick", f"{land} for {start} back {jumps} did not give the tick")
        for hop in range(jumps + 1):
            press(program, activity, SOLUTION)
            time.sleep(0.5)
        said = program.read_text(program.shot("solution"), activity, FULL, *SAID, ink="#ffffff")
        expect(re.search(rf"land on\s*\S?{abs(land)}\b", said), f"the solution does not land on {land}: {said!r}")
        press(program, activity, GO)
        press(program, activity, EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"countback": scenario_countback}
