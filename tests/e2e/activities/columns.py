"""Column Addition: the sum read off the board, its answer squares found on the paper, digits typed
square by square (wrong, then right), the whole solution worked column by column."""
import re
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, GO, expect, feedback

KEY_LEFT, KEY_STEP, DIGITS_TOP = 2617.5, 660, 7560
QUESTION = (240, 180, 9510, 720)
BOARD = (240, 960, 9510, 4920)  # where the squared paper stands
BOX = (4687.5, 6840, 2400, 630)  # the pad's answer box
SELECTED = (0xFF, 0x8C, 0x00)  # the outline of the answer square typing goes to


def key_point(digit):
    return KEY_LEFT + (int(digit) + 9) % 10 * KEY_STEP + 300, DIGITS_TOP + 300


def press_digit(program, window, digit):
    program.click(window, FULL, *key_point(digit), pause=0.15)


def twips(window, px, py):
    scale = min(window["w"] / 12000, window["h"] / 9000)
    return (px - window["x"] - (window["w"] - 12000 * scale) / 2) / scale, \
           (py - window["y"] - (window["h"] - 9000 * scale) / 2) / scale


def colour_box(program, path, window, area, colour):
    """Twips bounding box (left, top, right, bottom) of the pixels of one colour inside an area."""
    x0, y0 = program.point(window, FULL, area[0], area[1])
    x1, y1 = program.point(window, FULL, area[0] + area[2], area[1] + area[3])
    hex_colour = "#%02x%02x%02x" % colour
    # ImageMagick trims everything but the colour away and says where what is left stands.
    out = e2e.run("convert", path, "-crop", f"{x1 - x0}x{y1 - y0}+{x0}+{y0}", "+repage", "-fuzz", "12%",
                  "-fill", "black", "+opaque", hex_colour, "-trim", "info:")
    found = re.search(r" (\d+)x(\d+) \d+x\d+\+(\d+)\+(\d+)", out)
    expect(found and int(found.group(1)) > 1, f"no {hex_colour} on the board: {out!r}")
    w, h, dx, dy = (int(v) for v in found.groups())
    left, top = twips(window, x0 + dx, y0 + dy)
    right, bottom = twips(window, x0 + dx + w, y0 + dy + h)
    return left, top, right, bottom


def scenario_columns(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "columns")
    try:
        activity, _ = e2e.open_activity(program, 3, 3, 4695)
        path = program.shot("question")
        text = program.read_text(path, activity, FULL, *QUESTION)
        found = re.search(r"Add (\d+) and (\d+)", text)
        expect(found, f"no sum read off the board: {text!r}")
        a, b = int(found.group(1)), int(found.group(2))
        expect(10 <= a <= 99 and 10 <= b <= 99, f"not two 2-digit numbers: {a}, {b}")
        total = str(a + b)

        # The ones square is chosen at the start; the squares stand one square apart to its left.
        left, top, right, bottom = colour_box(program, path, activity, BOARD, SELECTED)
        pitch = right - left
        middle = (top + bottom) / 2
        square = lambda k: ((left + right) / 2 - k * pitch, middle)  # k = 0 for the ones
        # A wrong ones digit first, typed square by square from the tens.
        wrong = str(int(total[-1]) + 1)[-1]
        program.click(activity, FULL, *square(1), pause=0.15)
        press_digit(program, activity, total[-2])
        if len(total) == 3:
            press_digit(program, activity, total[0])  # typing moves on to the square on the left
        program.click(activity, FULL, *square(0), pause=0.15)
        press_digit(program, activity, wrong)
        typed = program.read_text(program.shot("typed-wrong"), activity, FULL, *BOX, ink="#101010")
        expect(typed.replace(" ", "") == total[:-1] + wrong, f"the box does not read the squares: {typed!r}")
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{total[:-1] + wrong} for {a} + {b} did not give the cross")

        program.click(activity, FULL, *square(0), pause=0.15)
        press_digit(program, activity, total[-1])
        typed = program.read_text(program.shot("typed-right"), activity, FULL, *BOX, ink="#101010")
        expect(typed.replace(" ", "") == total, f"the box does not read {total}: {typed!r}")
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{total} for {a} + {b} did not give the tick")

        # One column a press from the right: two presses work a 2-digit sum, its carry included.
        for step in range(2):
            program.click_box(activity, FULL, *SOLUTION)
        time.sleep(0.8)
        path = program.shot("solution")
        # The working's sentence stands under the paper: the carry row and half a square below the answer.
        below = bottom + 1.5 * pitch + 120
        said = program.read_text(path, activity, FULL, 240, below, 9510, 6800 - below, ink="#ffffff")
        expect(re.search(rf"{a}\s*\+\s*{b}\s*[=-]+\s*{total}", said), f"the solution does not end with the whole sum: {said!r}")
        program.click_box(activity, FULL, *GO)
        program.shot("next")
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"columns": scenario_columns}
