"""Bank Balance in English, French and Welsh: the currency and the amounts read off the statement, the
answer with its sign wrong and then right, the whole solution read off the board, exit."""
import re
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, expect, feedback

KEY_LEFT, KEY_STEP, DIGITS_TOP, SIGNS_TOP = 2617.5, 660, 7560, 8220
QUESTION = (240, 180, 9510, 1080)
BALANCE_BEFORE = (8320, 2560, 1400, 440)
PAYMENT = (6760, 3480, 1440, 440)
STEP = (4360, 4670, 5390, 1900)
INK = "#101010"
# Words of the question that say the money goes out of the account.
SPEND = {"en": "spend", "fr": "dépenses", "cy": "gwario"}


def key_point(key):
    if key.isdigit():
        return KEY_LEFT + (int(key) + 9) % 10 * KEY_STEP + 300, DIGITS_TOP + 300
    if key == "-":
        return KEY_LEFT + KEY_STEP + 300, SIGNS_TOP + 300
    if key == "C":
        return KEY_LEFT + 6540 - 450, SIGNS_TOP + 300
    raise ValueError(key)


def type_on_pad(program, window, number):
    """Digits first, then the minus key, which puts the sign in front."""
    program.click(window, FULL, *key_point("C"), pause=0.15)
    for key in str(abs(number)):
        program.click(window, FULL, *key_point(key), pause=0.15)
    if number < 0:
        program.click(window, FULL, *key_point("-"), pause=0.15)


def whole(text):
    """A whole amount read off the statement, with its sign: £12, -£20, 12 €, € -8, +£15."""
    text = text.replace(" ", "").translate(str.maketrans({"—": "-", "–": "-", "−": "-", "O": "0", "o": "0"}))
    found = re.search(r"(-?)[£€]?(-?)(\d+)", text)
    expect(found, f"no amount in {text!r}")
    return -int(found.group(3)) if "-" in found.group(1) + found.group(2) else int(found.group(3))


def visit(run_folder, shots, language, sign):
    label = f"bank-{language}"
    number = {"en": b"0", "fr": b"1", "cy": b"6"}[language]
    display = e2e.Display(1024, 768)
    program = e2e.Program(run_folder, display, shots, label, language_file=number + b"\r\n")
    try:
        title = program.wait_window(" ")
        program.click_box(title, e2e.TITLE, 1080, 5760 + e2e.FRAME_TOP, 1575, 375)
        activity, _ = e2e.open_activity(program, 4, 4, 6375)
        path = program.shot("question")
        before = program.read_text(path, activity, FULL, *BALANCE_BEFORE, ink=INK)
        payment = program.read_text(path, activity, FULL, *PAYMENT, ink=INK)
        question = program.read_text(path, activity, FULL, *QUESTION)
        expect(sign in before + payment, f"the {language} statement does not show {sign}: {before!r} {payment!r}")
        start = whole(before)
        amount = abs(whole(payment))
        spent = SPEND[language] in question
        answer = start - amount if spent else start + amount
        # The sign is the mistake to catch: the answer's opposite gets the cross.
        type_on_pad(program, activity, -answer)
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{-answer} for {start} and {payment!r} gave no cross")
        type_on_pad(program, activity, answer)
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{answer} for {start}, {payment!r}, {question!r} gave no tick")

        # Down to zero, on beyond it, the sum: never more than three presses, and a fourth does nothing.
        for i in range(4):
            left, top, width, height = SOLUTION
            program.click(activity, FULL, left + width / 2 + (120 if i % 2 else -120), top + height / 2, pause=0.9)
        said = program.read_text(program.shot("solution"), activity, FULL, *STEP, ink="#ffffff")
        sums = [line for line in said.splitlines() if "=" in line]
        expect(sums and whole(sums[0].split("=")[-1]) == answer, f"the solution does not end on {answer}: {said!r}")
        expect(sign in said, f"the solution is not written in {sign}: {said!r}")

        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {
    "bank": lambda run, shots: visit(run, shots, "en", "£"),
    "bank-french": lambda run, shots: visit(run, shots, "fr", "€"),
    "bank-welsh": lambda run, shots: visit(run, shots, "cy", "£"),
}
