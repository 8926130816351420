"""Money in English, French and Welsh: the currency read off the notes, the prices off their tags,
a wrong and a right total typed on the pad, the whole solution, and (in English) the fewest coins
dragged into the tray."""
import re
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, expect, feedback

KEY_LEFT, KEY_STEP, DIGITS_TOP, SIGNS_TOP = 2617.5, 660, 7560, 8220
QUESTION = (240, 180, 9510, 1080)
# The ovals of the three notes, where their values are written.
NOTES = [(510 + i * 1410 + 645 - 450, 5850 + 120, 900, 450) for i in range(3)]
STEP = (4980, 5700, 4770, 1020)
TAG_MIDDLES = (2290, 5140)
MODES = {"en": (1485, 2100, 2730, 3270)}
INK = "#101010"
COINS = (1, 2, 5, 10, 20, 50, 100, 200)
TRAY_MIDDLE = (7365, 4440)


def key_point(key, extras):
    if key.isdigit():
        return KEY_LEFT + (int(key) + 9) % 10 * KEY_STEP + 300, DIGITS_TOP + 300
    if key in ".,":
        return KEY_LEFT + 300, SIGNS_TOP + 300
    if key == "C":
        return KEY_LEFT + 6540 - 450, SIGNS_TOP + 300
    return KEY_LEFT + (2 + extras.index(key)) * KEY_STEP + 300, SIGNS_TOP + 300


def type_on_pad(program, window, text, extras):
    program.click(window, FULL, *key_point("C", extras), pause=0.15)
    for key in text:
        program.click(window, FULL, *key_point(key, extras), pause=0.15)


def pence(text):
    """Whole pence or cents of a price as read off a tag: £1.35, 35p, 35c, 1,35 €, € 1,35, £2."""
    # Bold digits OCR is known to misread, put right before reading the number.
    text = text.replace(" ", "").translate(str.maketrans({"/": "7", "S": "5", "O": "0", "o": "0", "l": "1", "I": "1"}))
    found = re.search(r"(\d+)[.,](\d\d)", text)
    if found:
        return int(found.group(1)) * 100 + int(found.group(2))
    found = re.search(r"(\d+)\s*([pc])\b", text)
    if found:
        return int(found.group(1))
    found = re.search(r"(\d+)", text)
    expect(found, f"no price on the tag: {text!r}")
    # No price reaches 10 pounds or euros: three figures are a separator OCR lost ("125€" is 1,25 €).
    return int(found.group(1)) if len(found.group(1)) >= 3 else int(found.group(1)) * 100


def written(amount, language):
    """What a pupil types for an amount: £1.35 / 35p in English, 1,35€ in French, 35c in Welsh."""
    whole, cents = divmod(amount, 100)
    if language == "fr":
        return f"{whole},{cents:02d}€"
    if amount < 100:
        return f"{amount}{'c' if language == 'cy' else 'p'}"
    return f"£{whole}.{cents:02d}"


def click_solution(program, window, times):
    # Never the same pixel twice in a row: xdotool waits for a pointer move that would not come.
    for i in range(times):
        left, top, width, height = SOLUTION
        program.click(window, FULL, left + width / 2 + (120 if i % 2 else -120), top + height / 2, pause=0.4)


def fewest(amount):
    coins = []
    for coin in reversed(COINS):
        while amount >= coin:
            coins.append(coin)
            amount -= coin
    return coins


def purse_middle(coin):
    i = COINS.index(coin)
    return 240 + 660 + (i % 4) * 1080, (4330, 5330)[i // 4]


def visit(run_folder, shots, language, sign, extras):
    label = f"money-{language}"
    number = {"en": b"0", "fr": b"1", "cy": b"6"}[language]
    display = e2e.Display(1024, 768)
    program = e2e.Program(run_folder, display, shots, label, language_file=number + b"\r\n")
    try:
        title = program.wait_window(" ")
        program.click_box(title, e2e.TITLE, 1080, 5760 + e2e.FRAME_TOP, 1575, 375)
        activity, _ = e2e.open_activity(program, 2, 4, 5175)
        path = program.shot("question")
        notes = " ".join(program.read_text(path, activity, FULL, *note, ink=INK) for note in NOTES)
        expect(notes.count(sign) >= 2, f"the {language} notes do not show {sign}: {notes!r}")
        # A price tag holds figures, a separator and a currency sign, nothing else.
        tags = [program.read_text(path, activity, FULL, middle - 880, 2760 + 75, 1760, 450, ink=INK, chars="0123456789,.€£pc")
                for middle in TAG_MIDDLES]
        prices = [pence(tag) for tag in tags]
        total = sum(prices)

        type_on_pad(program, activity, written(total + 5, language), extras)
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{total + 5} for {prices} did not give the cross")
        type_on_pad(program, activity, written(total, language), extras)
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{written(total, language)} for {tags} gave no tick")

        # The start, one press per coin of the second price, and the sum.
        click_solution(program, activity, len(fewest(prices[1])) + 2)
        time.sleep(0.6)
        said = program.read_text(program.shot("solution"), activity, FULL, *STEP, ink="#ffffff")
        whole, cents = divmod(total, 100)
        expect(re.search(rf"{whole}\s*[.,]\s*{cents:02d}|{total}\s*[pc]|{sign}\s*{whole}\b|\b{whole}\s*{sign}", said),
               f"the solution does not end on {total}: {said!r}")

        if language == "en":
            # Fewest coins: the amount read off the question, its coins dragged from the purse.
            program.click(activity, FULL, 10065, MODES["en"][3])
            question = program.read_text(program.shot("fewest"), activity, FULL, *QUESTION)
            found = re.search(r"Make\s+(\S+)\s+with", question)
            expect(found, f"no amount in the question: {question!r}")
            amount = pence(found.group(1))
            for coin in fewest(amount):
                program.drag(activity, FULL, purse_middle(coin), TRAY_MIDDLE)
            program.shot("tray")
            program.click_box(activity, FULL, *CHECK)
            expect(feedback(program, activity) == "tick", f"the fewest coins for {amount} gave no tick")
            program.drag(activity, FULL, purse_middle(1), TRAY_MIDDLE)
            program.click_box(activity, FULL, *CHECK)
            expect(feedback(program, activity) == "cross", "one coin too many still gave the tick")
            program.click(activity, FULL, 10065, MODES["en"][0])

        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {
    "money": lambda run, shots: visit(run, shots, "en", "£", ["£", "p"]),
    "money-french": lambda run, shots: visit(run, shots, "fr", "€", ["€"]),
    "money-welsh": lambda run, shots: visit(run, shots, "cy", "£", ["£", "c"]),
}
