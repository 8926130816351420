"""Rounding: the question read off the board, a wrong and a right answer typed on the pad, the solution."""
import re
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, GO, expect, feedback

# The pad's keys: 1 … 9, 0 in one row, then the separator, minus, delete and clear.
KEY_LEFT, KEY_STEP, DIGITS_TOP, SIGNS_TOP = 2617.5, 660, 7560, 8220
QUESTION = (240, 180, 9510, 1200)


def key_point(key):
    if key.isdigit():
        return KEY_LEFT + (int(key) + 9) % 10 * KEY_STEP + 300, DIGITS_TOP + 300
    if key in ".,":
        return KEY_LEFT + 300, SIGNS_TOP + 300
    if key == "-":
        return KEY_LEFT + KEY_STEP + 300, SIGNS_TOP + 300
    if key == "C":
        return KEY_LEFT + 6540 - 450, SIGNS_TOP + 300
    raise ValueError(key)


def type_on_pad(program, window, text):
    program.click(window, FULL, *key_point("C"), pause=0.15)
    for key in text:
        program.click(window, FULL, *key_point(key), pause=0.15)


def scenario_rounding(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "rounding")
    try:
        activity, _ = e2e.open_activity(program, 1, 2, 5175)
        text = program.read_text(program.shot("question"), activity, FULL, *QUESTION)
        found = re.search(r"Round (\d+) to the nearest 10", text)
        expect(found, f"no question read off the board: {text!r}")
        number = int(found.group(1))
        right = (number + 5) // 10 * 10
        type_on_pad(program, activity, str(right + 10))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{right + 10} for {number} did not give the cross")
        type_on_pad(program, activity, str(right))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{right} for {number} did not give the tick")
        for step in range(3):
            program.click_box(activity, FULL, *SOLUTION)
            time.sleep(0.3)
        time.sleep(0.8)
        said = program.read_text(program.shot("solution"), activity, FULL, 240, 4450, 9510, 2250, ink="#ffffff")
        expect(f"rounds to {right}" in said, f"the solution does not end with the answer: {said!r}")
        program.click_box(activity, FULL, *GO)
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"rounding": scenario_rounding}
