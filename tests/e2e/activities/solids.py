"""Solid Shapes: the faces of the turning solid counted, a wrong and then the right count typed on the
pad, every face lit in turn by the solution."""
import colorsys
import os
import re
import sys
import time

import e2e
from e2e import FULL, CHECK, EXIT, expect, feedback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
import board  # noqa: E402

QUESTION = (240, 180, 9510, 900)
FACES_MODE = 1
VIEW = (240, 1100, 6360, 5700)
COUNT = (6750, 1150, 3000, 1500)
PAGE_HUE = 209
# Each solid's colour and its faces; two solids may share a colour.
SOLIDS = [((0xD0, 0x40, 0x5A), 6), ((0x2A, 0xA1, 0x98), 6), ((0x5C, 0xB8, 0x5C), 5), ((0x9B, 0x6C, 0xD8), 8),
          ((0xE0, 0x60, 0x9A), 5), ((0x20, 0xA0, 0xA0), 4), ((0x6C, 0x7F, 0xC0), 3), ((0x9B, 0x6C, 0xD8), 2),
          ((0xD0, 0x40, 0x5A), 1)]
NO_SOLIDS_FACES = 7


def hue(c):
    h, s, v = colorsys.rgb_to_hsv(*(x / 255 for x in c))
    return h * 360, s, v


def apart(a, b):
    return abs((a - b + 180) % 360 - 180)


def likely_faces(program, path, window):
    """The face counts to try, those of the solids whose colour the picture shows first."""
    hues = sorted(h for h, s, v in map(hue, program.region(path, window, FULL, *VIEW))
                  if s > 0.3 and v > 0.25 and apart(h, PAGE_HUE) > 8)
    expect(len(hues) > 500, "no solid on the board")
    seen = hues[len(hues) // 2]
    ranked = sorted(SOLIDS, key=lambda solid: apart(hue(solid[0])[0], seen))
    order = []
    for _, faces in ranked:
        if faces not in order:
            order.append(faces)
    return order


def scenario_solids(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "solids")
    try:
        activity, _ = e2e.open_activity(program, 5, 4, 4695)
        board.choose_mode(program, activity, FACES_MODE)
        path = program.shot("question")
        text = program.read_text(path, activity, FULL, *QUESTION)
        expect("How many faces" in text, f"no faces to count read off the board: {text!r}")

        board.type_on_pad(program, activity, str(NO_SOLIDS_FACES))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{NO_SOLIDS_FACES} faces did not give the cross")
        # The solid's colour narrows it to one or two; a wrong try on the way gives the cross.
        right = None
        for faces in likely_faces(program, path, activity):
            board.type_on_pad(program, activity, str(faces))
            program.click_box(activity, FULL, *CHECK)
            verdict = feedback(program, activity)
            if verdict == "tick":
                right = faces
                break
            expect(verdict == "cross", f"{faces} faces gave {verdict}")
        expect(right is not None, "no count of faces gave the tick")

        # One press a face, each lit and turned to the class while the count goes up.
        board.step_solution(program, activity, right, settle=0.9)
        said = program.read_text(program.shot("solution"), activity, FULL, *COUNT)
        expect(re.search(rf"Faces: *{right}\b", said), f"the solution does not count {right} faces: {said!r}")
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"solids": scenario_solids}
