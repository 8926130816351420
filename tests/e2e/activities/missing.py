"""Missing Numbers: the equation read off the board, a wrong and a right answer typed on the pad,
the whole solution (bar model, inverse operation, the box filled), and back to the menu."""
import re
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, GO, expect, feedback

# The pad's keys: 1 … 9, 0 in one row, then the separator, minus, delete and clear.
KEY_LEFT, KEY_STEP, DIGITS_TOP, SIGNS_TOP = 2617.5, 660, 7560, 8220
EQUATION = (240, 950, 9510, 1300)
INVERSE = (240, 4800, 9510, 720)
QUESTION = (240, 180, 9510, 700)


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
    """One line of big type read by OCR at its own size: enlarging type this big only blurs it."""
    x0, y0 = program.point(window, FULL, box[0], box[1])
    x1, y1 = program.point(window, FULL, box[0] + box[2], box[1] + box[3])
    crop = path[:-4] + "-line.png"
    # The answer box's black border is no ink: it is whitened first.
    e2e.run("convert", path, "-crop", f"{x1 - x0}x{y1 - y0}+{x0}+{y0}", "+repage", "-fill", "white", "-opaque", "black",
            "-fuzz", "35%", "-fill", "black",
            "-opaque", ink, "-fuzz", "0", "-fill", "white", "+opaque", "black", crop)
    return e2e.run("tesseract", crop, "-", "--psm", "7").strip()


def solve(text):
    """The number in the box of an equation read as "84 - = 55" (the box reads as nothing), or None."""
    text = re.sub(r"[\u2212\u2014\u2013~]", "-", re.sub(r"[|_\[\]]", "", text)).replace(" ", "")
    if text.count("=") != 1:
        return None
    left, right = text.split("=")
    # The side with the sign is the sum; the other is its result, or the box.
    if re.search(r"[+-]", right) and not re.search(r"[+-]", left):
        left, right = right, left
    found = re.fullmatch(r"(\d*)([+-])(\d*)", left)
    if not found or not re.fullmatch(r"\d*", right):
        return None
    a, sign, b = found.groups()
    if [a, b, right].count("") != 1:
        return None
    if right == "":
        return int(a) + int(b) if sign == "+" else int(a) - int(b)
    c = int(right)
    if a == "":
        return c - int(b) if sign == "+" else c + int(b)
    return c - int(a) if sign == "+" else int(a) - c


def scenario_missing(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "missing")
    try:
        activity, _ = e2e.open_activity(program, 3, 1, 4695)
        answer = None
        for attempt in range(6):
            text = read_line(program, program.shot("question"), activity, EQUATION)
            answer = solve(text)
            if answer is not None:
                break
            program.click_box(activity, FULL, *GO)
        expect(answer is not None, f"no equation read off the board: {text!r}")
        type_on_pad(program, activity, str(answer + 1))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{answer + 1} for {text!r} did not give the cross")
        type_on_pad(program, activity, str(answer))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{answer} for {text!r} did not give the tick")
        # Bar model, the inverse operation, the box filled.
        for step in range(3):
            program.click_box(activity, FULL, *SOLUTION)
        time.sleep(0.5)
        path = program.shot("solution")
        worked = re.findall(r"\d+", read_line(program, path, activity, INVERSE))
        expect(worked[-1:] == [str(answer)], f"the inverse operation does not come to {answer}: {worked!r}")
        said = program.read_text(path, activity, FULL, *QUESTION)
        expect(re.findall(r"\d+", said)[-1:] == [str(answer)], f"the solution does not end with the answer: {said!r}")
        program.click_box(activity, FULL, *GO)
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"missing": scenario_missing}
