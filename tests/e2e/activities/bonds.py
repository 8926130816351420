"""Number Bonds to 100: the bond read off the board, a wrong and a right answer on the pad, the jumps."""
import os
import re
import sys
import time

import e2e
from e2e import FULL, CHECK, EXIT, GO, expect, feedback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
import board  # noqa: E402

QUESTION = (240, 180, 9510, 800)
WORKING = (4995, 180, 4755, 800)
TO_100 = 2


def read_bond(program, window, label):
    text = program.read_text(program.shot(label), window, FULL, *QUESTION)
    numbers = [int(n) for n in re.findall(r"\d+", text)]
    expect(numbers, f"no bond read off the board: {text!r}")
    # "100 − 37 = ?" starts with the whole; "37 + ? = 100" with the known part.
    known = numbers[1] if numbers[0] == 100 and len(numbers) > 1 else numbers[0]
    expect(0 < known < 100, f"odd bond on the board: {text!r}")
    return known, text


def scenario_bonds(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "bonds")
    try:
        activity, _ = e2e.open_activity(program, 2, 0, 5175)
        board.choose_mode(program, activity, TO_100)
        known, text = read_bond(program, activity, "question")
        right = 100 - known
        board.type_on_pad(program, activity, str(right + 1))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{right + 1} for {text!r} did not give the cross")
        board.type_on_pad(program, activity, str(right))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{right} for {text!r} did not give the tick")
        # At most two jumps, then the fill: three presses show it all.
        board.step_solution(program, activity, 3)
        time.sleep(0.5)
        path = program.shot("solution")
        solved = program.read_text(path, activity, FULL, *QUESTION)
        expect(str(right) in solved, f"the solution does not show {right}: {solved!r}")
        program.click_box(activity, FULL, *GO)
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"bonds": scenario_bonds}
