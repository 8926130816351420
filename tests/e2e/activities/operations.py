"""Order of Operations: the expression read off the board and worked out by the school rule, a wrong
and a right answer typed on the pad, the whole solution down to one number, and back to the menu."""
import re
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, GO, expect, feedback

KEY_LEFT, KEY_STEP, DIGITS_TOP, SIGNS_TOP = 2617.5, 660, 7560, 8220
EXPRESSION = (240, 900, 9510, 1250)
QUESTION = (240, 180, 9510, 700)
# The working lines; in the first mode the second holds the one number left.
LAST_LINE = (240, 3350 + 1100, 9510, 1000)
ORANGE = "#ff8c00"


def key_point(key):
    if key.isdigit():
        return KEY_LEFT + (int(key) + 9) % 10 * KEY_STEP + 300, DIGITS_TOP + 300
    if key == "C":
        return KEY_LEFT + 6540 - 450, SIGNS_TOP + 300
    raise ValueError(key)


def type_on_pad(program, window, text):
    program.click(window, FULL, *key_point("C"), pause=0.15)
    for key in text:
        program.click(window, FULL, *key_point(key), pause=0.15)


def read_line(program, path, window, box, ink="#ffff00"):
    """One line of big type read by OCR at its own size (enlarging type this big only blurs it), and
    whether it holds a ÷: OCR reads ÷ as +, but its two dots stand apart above and below its bar."""
    x0, y0 = program.point(window, FULL, box[0], box[1])
    x1, y1 = program.point(window, FULL, box[0] + box[2], box[1] + box[3])
    crop = path[:-4] + "-line.png"
    # The answer box's black border is no ink: it is whitened first.
    e2e.run("convert", path, "-crop", f"{x1 - x0}x{y1 - y0}+{x0}+{y0}", "+repage", "-fill", "white", "-opaque", "black",
            "-fuzz", "35%", "-fill", "black",
            "-opaque", ink, "-fuzz", "0", "-fill", "white", "+opaque", "black", crop)
    marks = []
    for line in e2e.run("convert", crop, "-define", "connected-components:verbose=true", "-connected-components", "8",
                        "null:").splitlines():
        found = re.search(r"(\d+)x(\d+)\+(\d+)\+(\d+) \S+ \d+ (?:gray\(0\)|srgb\(0,0,0\))", line)
        if found:
            marks.append(tuple(int(v) for v in found.groups()))
    stacked = any(a[2] < b[2] + b[0] and b[2] < a[2] + a[0] and (a[3] + a[1] <= b[3] or b[3] + b[1] <= a[3])
                  for i, a in enumerate(marks) for b in marks[i + 1:])
    return e2e.run("tesseract", crop, "-", "--psm", "7").strip(), stacked


def school_value(text):
    """The value of "a op b op c" with +, - and x, x first, then left to right; None otherwise."""
    text = re.sub(r"[\u2212\u2014\u2013_~]", "-", text).replace(" ", "").replace("X", "x").replace("\u00d7", "x")
    if not re.fullmatch(r"\d+[x+-]\d+[x+-]\d+", text):
        return None
    # Python's own order for + - * is the school rule for these three.
    return eval(text.replace("x", "*"))


def scenario_operations(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "operations")
    try:
        activity, _ = e2e.open_activity(program, 3, 2, 4695)
        answer, text = None, ""
        for attempt in range(20):
            text, divides = read_line(program, program.shot("question"), activity, EXPRESSION)
            answer = None if divides else school_value(text)
            if answer is not None:
                break
            program.click_box(activity, FULL, *GO, pause=0.5)
        expect(answer is not None, f"no expression without ÷ read off the board: {text!r}")
        type_on_pad(program, activity, str(answer + 1))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{answer + 1} for {text!r} did not give the cross")
        type_on_pad(program, activity, str(answer))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{answer} for {text!r} did not give the tick")
        # Two operations: two presses, each underlining one and writing the expression again.
        for step in range(2):
            program.click_box(activity, FULL, *SOLUTION)
        time.sleep(0.5)
        path = program.shot("solution")
        left, _ = read_line(program, path, activity, LAST_LINE, ink=ORANGE)
        expect(left == str(answer), f"the working does not end with {answer}: {left!r}")
        said = program.read_text(path, activity, FULL, *QUESTION)
        expect(re.findall(r"\d+", said)[-1:] == [str(answer)], f"the solution does not end with the answer: {said!r}")
        program.click_box(activity, FULL, *GO)
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"operations": scenario_operations}
