"""Doubles and Halves: a half of a number to 100 read off the board, answered wrong and right on the
pad (with a decimal point for an odd number), and the partitioning diagram stepped to its answer."""
import os
import re
import sys

import e2e
from e2e import FULL, CHECK, EXIT, GO, expect, feedback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
import board  # noqa: E402

QUESTION = (240, 180, 9510, 850)
SENTENCE = (240, 5820, 9510, 800)
HALVES_TO_100 = (10330, 2910)  # under a mode caption of two lines


def halved(number):
    return str(number // 2) + (".5" if number % 2 else "")


def scenario_doubles(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "doubles")
    try:
        activity, _ = e2e.open_activity(program, 2, 2, 5175)
        board.click(program, activity, *HALVES_TO_100, pause=0.5)
        text = program.read_text(program.shot("question"), activity, FULL, *QUESTION)
        found = re.search(r"Half of (\d+)", text)
        expect(found, f"no half asked on the board: {text!r}")
        number = int(found.group(1))
        board.type_on_pad(program, activity, halved(number + 2))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{halved(number + 2)} for {text!r} did not give the cross")
        board.type_on_pad(program, activity, halved(number))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{halved(number)} for {text!r} did not give the tick")
        # Split, halve, join: three presses at most.
        board.step_solution(program, activity, 3)
        said = program.read_text(program.shot("solution"), activity, FULL, *SENTENCE, ink="#ffffff")
        expect(f"is {halved(number)}" in said, f"the solution does not end with {halved(number)}: {said!r}")
        program.click_box(activity, FULL, *GO)
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"doubles": scenario_doubles}
