"""Ordering Negatives: the solution shows which tile is which; the tiles dragged back, into a wrong
and then the right order; a new question's solution moves every tile into its box."""
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, GO, expect, feedback, count, yellowish

FIRST, STEP, WIDTH, HEIGHT = 655, 1780, 1560, 660
box = lambda k: (FIRST + STEP * k + WIDTH / 2, 2100 + HEIGHT / 2)
slot = lambda k: (FIRST + STEP * k + WIDTH / 2, 6250 + HEIGHT / 2)


def drag(program, window, start, end):
    program.drag(window, FULL, start, end, steps=5)


def press(program, window, button):
    program.xdo("mousemove", "0", "0")
    program.click_box(window, FULL, *button)


def solve(program, window):
    press(program, window, SOLUTION)  # the line
    press(program, window, SOLUTION)  # the tiles slide into their boxes
    time.sleep(1.0)


def in_boxes(program, window, path):
    return all(count(program.region(path, window, FULL, FIRST + STEP * k, 2100, WIDTH, HEIGHT), yellowish) > 20
               for k in range(5))


def scenario_negatives(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "negatives")
    try:
        activity, _ = e2e.open_activity(program, 4, 1, 6375)
        program.shot("question")
        solve(program, activity)
        path = program.shot("solved")
        expect(in_boxes(program, activity, path), "the solution did not fill every box")
        expect(count(program.region(path, activity, FULL, 240, 4000, 9510, 800), lambda c: min(c) > 225) > 200,
               "no number line under the boxes")
        for k in range(5):
            drag(program, activity, box(k), slot(k))
        # The two smallest swapped.
        drag(program, activity, slot(0), box(1))
        drag(program, activity, slot(1), box(0))
        for k in range(2, 5):
            drag(program, activity, slot(k), box(k))
        press(program, activity, CHECK)
        expect(feedback(program, activity) == "cross", "a wrong order did not give the cross")
        drag(program, activity, box(0), slot(1))
        drag(program, activity, box(1), slot(0))
        drag(program, activity, slot(0), box(0))
        drag(program, activity, slot(1), box(1))
        press(program, activity, CHECK)
        expect(feedback(program, activity) == "tick", "the right order did not give the tick")
        press(program, activity, GO)
        path = program.shot("next")
        expect(not in_boxes(program, activity, path), "a new question started with tiles in the boxes")
        solve(program, activity)
        expect(in_boxes(program, activity, program.shot("solved-again")), "the second solution did not fill every box")
        press(program, activity, EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"negatives": scenario_negatives}
