"""Short Division: the division read off the board and answered wrong, then right, with and without
a remainder typed after r; the whole solution; and the layout each language's schools use, read
off the squared paper in English, French, German, Dutch and Welsh."""
import re
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, GO, expect, feedback

KEY_LEFT, KEY_STEP, DIGITS_TOP, SIGNS_TOP = 2617.5, 660, 7560, 8220
QUESTION = (240, 180, 9510, 720)
PAPER = (240, 960, 9510, 4920)
REMAINDER_MODE = (9930 + 300, 2085)  # the second mode button, in English


def key_point(key):
    if key.isdigit():
        return KEY_LEFT + (int(key) + 9) % 10 * KEY_STEP + 300, DIGITS_TOP + 300
    if key == "r":
        return KEY_LEFT + 2 * KEY_STEP + 300, SIGNS_TOP + 300  # the first extra key, after minus
    if key == "C":
        return KEY_LEFT + 6540 - 450, SIGNS_TOP + 300
    raise ValueError(key)


def type_on_pad(program, window, text):
    program.click(window, FULL, *key_point("C"), pause=0.15)
    for key in text:
        program.click(window, FULL, *key_point(key), pause=0.15)


def read_division(program, window, path):
    """The dividend and the divisor, the first two numbers of the question."""
    text = program.read_text(path, window, FULL, *QUESTION)
    numbers = [int(n) for n in re.findall(r"\d+", text)]
    expect(len(numbers) >= 2, f"no division read off the board: {text!r}")
    return numbers[0], numbers[1]


def ink_box(program, window, path, colour):
    """Twips bounding box (left, top, right, bottom) of one ink on the paper, or None."""
    x0, y0 = program.point(window, FULL, PAPER[0], PAPER[1])
    x1, y1 = program.point(window, FULL, PAPER[0] + PAPER[2], PAPER[1] + PAPER[3])
    out = e2e.run("convert", path, "-crop", f"{x1 - x0}x{y1 - y0}+{x0}+{y0}", "+repage", "-fuzz", "8%",
                  "-fill", "black", "+opaque", colour, "-trim", "info:")
    found = re.search(r" (\d+)x(\d+) \d+x\d+\+(\d+)\+(\d+)", out)
    if not found or int(found.group(1)) <= 1:
        return None
    w, h, dx, dy = (int(v) for v in found.groups())
    scale = min(window["w"] / 12000, window["h"] / 9000)
    return (PAPER[0] + dx / scale, PAPER[1] + dy / scale, PAPER[0] + (dx + w) / scale, PAPER[1] + (dy + h) / scale)


def first_line(program, window, path):
    """The first line written in dark ink on the paper, spaces dropped, with the letters OCR takes
    for digits turned back into digits."""
    text = program.read_text(path, window, FULL, *PAPER, ink="#101010")
    lines = [re.sub(r"\s", "", line) for line in text.splitlines() if re.search(r"\w", line)]
    return lines[0].translate(str.maketrans("SsOQDolIBZg", "55000011829")) if lines else ""


def paper_bottom(program, window, path, given):
    """Twips where the paper ends: down a strip just left of the divisor, the first page blue."""
    x, y = program.point(window, FULL, given[0] - 120, given[1])
    _, y1 = program.point(window, FULL, 0, PAPER[1] + PAPER[3])
    strip = program.pixels(path, x, y, 1, y1 - y)
    ends = [i for i, c in enumerate(strip) if sum(abs(a - b) for a, b in zip(c, e2e.PAGE_BLUE)) < 30]
    expect(ends, "the paper runs on to the bottom of the board")
    return given[1] + ends[0] / min(window["w"] / 12000, window["h"] / 9000)


def close(read, expected):
    """OCR's reading of a run of figures: at most one figure misread, dropped or added."""
    if abs(len(read) - len(expected)) > 1:
        return False
    row = list(range(len(expected) + 1))
    for i, a in enumerate(read, 1):
        previous, row[0] = row[0], i
        for j, b in enumerate(expected, 1):
            previous, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, previous + (a != b))
    return row[-1] <= 1


def scenario_division(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "division")
    try:
        activity, _ = e2e.open_activity(program, 3, 4, 4695)
        dividend, divisor = read_division(program, activity, program.shot("question"))
        expect(dividend % divisor == 0 and divisor < 10, f"{dividend} / {divisor} is not the first mode's")
        quotient = dividend // divisor
        type_on_pad(program, activity, str(quotient + 1))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{quotient + 1} for {dividend} / {divisor} gave no cross")
        type_on_pad(program, activity, str(quotient))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{quotient} for {dividend} / {divisor} gave no tick")

        # A remainder, typed after the r key.
        program.click(activity, FULL, *REMAINDER_MODE)
        dividend, divisor = read_division(program, activity, program.shot("remainder-question"))
        quotient, left = divmod(dividend, divisor)
        expect(left > 0, f"{dividend} / {divisor} leaves nothing in the remainder mode")
        type_on_pad(program, activity, f"{quotient}r{left}")
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{quotient} r {left} for {dividend} / {divisor} gave no tick")

        # The bus stop: one digit of the dividend a press, the quotient above it and the remainder after r.
        for _ in str(dividend):
            program.click_box(activity, FULL, *SOLUTION)
        time.sleep(0.8)
        path = program.shot("solution")
        given, quotient_box = ink_box(program, activity, path, "#101010"), ink_box(program, activity, path, "#c8102e")
        expect(given and quotient_box and quotient_box[3] < given[1] + 300 and ink_box(program, activity, path, "#1d4e9e") is None,
               "the English edition is not a bus stop: no quotient above the dividend, or working below it")
        # The working's last sentence, under the paper, closes with the whole division.
        below = paper_bottom(program, activity, path, given) + 90
        said = program.read_text(path, activity, FULL, 240, below, 9510, 6800 - below, ink="#ffffff")
        expect(re.search(rf"{dividend}\D+{divisor}\D*=\D*{quotient}\s*r\s*{left}", said),
               f"the solution does not end with {dividend} / {divisor} = {quotient} r {left}: {said!r}")
        program.click_box(activity, FULL, *GO)
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


def scenario_division_languages(run_folder, shots):
    """French, German, Dutch and Welsh each open their own layout (English's bus stop is read in the
    scenario above): where the quotient and the working stand, and the first line's figures and signs."""
    for language, name in ((b"1", "french"), (b"2", "german"), (b"5", "dutch"), (b"6", "welsh")):
        display = e2e.Display(1024, 768)
        program = e2e.Program(run_folder, display, shots, f"division-{name}", language_file=language + b"\r\n")
        try:
            title = program.wait_window(" ")
            program.click_box(title, e2e.TITLE, 1080, 5760 + e2e.FRAME_TOP, 1575, 375)
            activity, _ = e2e.open_activity(program, 3, 4, 4695)
            question = program.shot("question")
            dividend, divisor = read_division(program, activity, question)
            top, d, v = first_line(program, activity, question), str(dividend), str(divisor)
            figures = "".join(re.findall(r"\d+", top))
            # After one press: where the quotient's first figure and the working stand tell the layouts apart.
            program.click_box(activity, FULL, *SOLUTION)
            time.sleep(0.5)
            path = program.shot("layout")
            given, quotient, working = (ink_box(program, activity, path, c) for c in ("#101010", "#c8102e", "#1d4e9e"))
            if quotient is None:  # a first digit too small to divide: the bus stop only carries it
                program.click_box(activity, FULL, *SOLUTION)
                time.sleep(0.5)
                path = program.shot("layout-again")
                given, quotient, working = (ink_box(program, activity, path, c) for c in ("#101010", "#c8102e", "#1d4e9e"))
            expect(given and quotient, f"{name}: no division or no quotient on the paper")
            if name == "welsh":
                # Bus stop: the quotient above the dividend, nothing worked below it.
                expect(quotient[3] < given[1] + 300 and working is None, f"{name}: not a bus stop")
                expect(close(figures, v + d), f"{name}: divisor and dividend not read in order: {top!r}")
            elif name == "french":
                # Corner: the quotient under the divisor on the right, a partial remainder under the dividend.
                expect(quotient[1] > given[1] + 300 and working and working[0] < quotient[0],
                       f"{name}: not the corner layout")
                # The divisor beside the upright is often lost to OCR; the dividend comes first.
                expect(close(figures, d + v) or close(figures, d), f"{name}: the line does not start with {d}: {top!r}")
            else:
                # German and Dutch: the quotient on the division's own line, the subtraction below it.
                expect(quotient[1] < given[1] + 600 and quotient[0] > given[0] and working and working[1] > quotient[3] - 100,
                       f"{name}: the quotient is not on the first line with the working below")
                if name == "german":
                    expect(close(figures, d + v) and ":" in top, f"{name}: not '{d} : {v} =': {top!r}")
                else:
                    expect(close(figures, v + d) and "/" in top, f"{name}: not '{v} / {d} \\': {top!r}")
            for _ in range(len(d)):
                program.click_box(activity, FULL, *SOLUTION)
            time.sleep(0.8)
            program.shot("solution")
            program.click_box(activity, FULL, *EXIT)
            program.wait_window("Quillmark")
        finally:
            program.close()
            display.close()


SCENARIOS = {"division": scenario_division, "division_languages": scenario_division_languages}
