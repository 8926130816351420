"""Times Tables: the table of 7 chosen, a fact answered wrong and right, the array built row by row,
and quick-fire moving on by itself until a click on the page pauses it."""
import os
import re
import sys
import time

import e2e
from e2e import FULL, CHECK, EXIT, GO, expect, feedback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
import board  # noqa: E402

QUESTION = (240, 300, 3900, 1000)
SENTENCE = (4380, 300 + 12 * 380 + 150, 5250, 1500)
TABLE_7 = (240 + 120 + 915 + 300, 1450 + 380 + 450 + 210)
QUICK_3S = (1500, 3990)  # the second quick-fire option, in English
PAGE = (2000, 6300)      # the page under the teacher's controls


def read_fact(program, window, label):
    text = program.read_text(program.shot(label), window, FULL, *QUESTION)
    # OCR reads a bold 7 as a slash, or as a 7 with a slash beside it; no fact has a slash in it.
    left, _, right = re.sub(r"/?7/?", "7", text).replace("/", "7").partition("=")
    before, after = [int(n) for n in re.findall(r"\d+", left)], [int(n) for n in re.findall(r"\d+", right)]
    expect(before and before[-1] == 7, f"not a fact of the 7 table: {text!r}")
    if after:  # "? × 7 = 56": the rows are missing, and they are the answer
        return after[0] // 7, after[0], after[0] // 7, text
    expect(len(before) == 2, f"no fact read off the board: {text!r}")
    return before[0], before[0] * 7, before[0] * 7, text


def scenario_tables(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "tables")
    try:
        activity, _ = e2e.open_activity(program, 2, 1, 5175)
        program.click(activity, FULL, *TABLE_7, pause=0.5)
        rows, product, right, text = read_fact(program, activity, "question")
        board.type_on_pad(program, activity, str(right + 1))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{right + 1} for {text!r} did not give the cross")
        board.type_on_pad(program, activity, str(right))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{right} for {text!r} did not give the tick")
        # A row a press, then the answer.
        board.step_solution(program, activity, rows + 1, settle=0.45)
        said = program.read_text(program.shot("solution"), activity, FULL, *SENTENCE, ink="#ffffff")
        expect(str(product) in said, f"the solution does not end with {product}: {said!r}")

        program.click_box(activity, FULL, *GO)
        program.click(activity, FULL, *QUICK_3S)
        before = program.region(program.shot("quick-fire"), activity, FULL, *QUESTION)
        time.sleep(3.5)
        moved = program.region(program.shot("quick-fire-moved"), activity, FULL, *QUESTION)
        expect(moved != before, "quick-fire did not ask the next fact by itself")
        program.click(activity, FULL, *PAGE)
        held = program.region(program.shot("paused"), activity, FULL, *QUESTION)
        time.sleep(3.5)
        expect(program.region(program.shot("still-paused"), activity, FULL, *QUESTION) == held,
               "a click on the page did not pause quick-fire")
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"tables": scenario_tables}
