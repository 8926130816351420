"""Place Value: a partitioned number read off the board, a wrong and a right answer typed on the pad,
the parts flown into the chart step by step."""
import re
import time

import e2e
from e2e import FULL, CHECK, SOLUTION, EXIT, GO, expect, feedback

QUESTION = (240, 180, 9510, 1200)
PARTS = (240, 3840, 9510, 1500)
WORKING = (240, 4620, 9510, 2100)


def type_on_pad(program, window, text):
    """Clears the pad and types digits on its top row (1 … 9, 0), each pressed a little to one side
    of the last, so the pointer always moves."""
    program.click(window, FULL, 2617.5 + 6540 - 450, 8520, pause=0.15)
    for i, key in enumerate(text):
        program.click(window, FULL, 2917.5 + (int(key) + 9) % 10 * 660 + (120 if i % 2 else -120), 7860, pause=0.15)


def press_solution(program, window, step):
    """Presses Solution a little left or right of its middle in turn: a pointer that has not moved
    makes xdotool's synchronous move wait for a motion event that never comes."""
    left, top, width, height = SOLUTION
    program.click(window, FULL, left + width / 2 + (300 if step % 2 else -300), top + height / 2)


def scenario_placevalue(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "placevalue")
    try:
        activity, _ = e2e.open_activity(program, 1, 0, 5175)
        asked = program.read_text(program.shot("red-digit"), activity, FULL, *QUESTION)
        expect("red digit" in asked, f"the first question is not about a red digit: {asked!r}")
        # The next question of the mode is a number in parts: 700 + 30 + 5.
        program.click_box(activity, FULL, *GO)
        path = program.shot("parts")
        asked = program.read_text(path, activity, FULL, *QUESTION)
        expect("in digits" in asked, f"the second question is not a partition: {asked!r}")
        text = program.read_text(path, activity, FULL, *PARTS)
        parts = [int(p) for p in re.findall(r"\d+", text)]
        expect(len(parts) >= 2 and all(str(p).rstrip("0") in "123456789" for p in parts),
               f"no parts read off the board: {text!r}")
        number = sum(parts)
        type_on_pad(program, activity, str(number + 10))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{number + 10} for {parts} did not give the cross")
        type_on_pad(program, activity, str(number))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{number} for {parts} did not give the tick")
        for step in range(len(parts) + 1):
            press_solution(program, activity, step)
            time.sleep(0.3)
        time.sleep(0.6)
        said = program.read_text(program.shot("solution"), activity, FULL, *WORKING, ink="#ffffff")
        found = re.search(r"=\s*(\d+)", said)
        expect(found and int(found.group(1)) == number, f"the solution does not end with the number: {said!r}")
        program.click_box(activity, FULL, *GO)
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"placevalue": scenario_placevalue}
