"""Angles: "make an angle" read off the board, the arm's handle dragged round to a wrong and then the
right opening, the protractor's solution stepped through."""
import math
import os
import re
import sys
import time

import e2e
from e2e import FULL, CHECK, EXIT, expect, feedback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
import board  # noqa: E402

QUESTION = (240, 180, 9510, 900)
MAKE_MODE = 2
# The figure stands at (240, 1100); the arms meet 2950 in and 2850 down, and are 2530 long.
CORNER = (240 + 2950, 1100 + 2850)
ARM = 2530
SIDE = (6290, 1150, 3460, 5650)  # the column right of the figure, where the solution speaks


def along(direction, length):
    r = math.radians(direction)
    return CORNER[0] + length * math.cos(r), CORNER[1] - length * math.sin(r)


def apart(a, b):
    return abs((a - b + 180) % 360 - 180)


class Figure:
    """The square round the corner that the arms can reach, read once from a screenshot."""

    def __init__(self, program, path, window):
        self.program, self.window = program, window
        reach = ARM + 400
        self.x0, self.y0 = program.point(window, FULL, CORNER[0] - reach, CORNER[1] - reach)
        x1, y1 = program.point(window, FULL, CORNER[0] + reach, CORNER[1] + reach)
        self.width = x1 - self.x0
        self.colours = program.pixels(path, self.x0, self.y0, self.width, y1 - self.y0)

    def at(self, direction, length):
        x, y = self.program.point(self.window, FULL, *along(direction, length))
        return self.colours[(y - self.y0) * self.width + (x - self.x0)]

    def dark_directions(self, radius):
        """The directions, a degree apart, in which a black arm crosses a circle round the corner;
        the protractor's navy ink and its pale face do not count."""
        found = [d for d in range(360) if max(self.at(d, radius)) < 70]
        # One middle per run of neighbouring degrees, the run across 359 and 0 joined.
        runs = []
        for d in found:
            if runs and d - runs[-1][-1] <= 2:
                runs[-1].append(d)
            else:
                runs.append([d])
        if len(runs) > 1 and runs[0][0] == 0 and runs[-1][-1] == 359:
            runs[0] = [d - 360 for d in runs.pop()] + runs[0]
        return [sum(r) / len(r) % 360 for r in runs]

    def handle_direction(self):
        """The direction of the red handle at the end of the arm that turns."""
        reds = [(i % self.width, i // self.width) for i, c in enumerate(self.colours) if e2e.reddish(c)]
        expect(len(reds) > 20, "no handle on the arm")
        cx, cy = self.program.point(self.window, FULL, *CORNER)
        hx = self.x0 + sum(p[0] for p in reds) / len(reds)
        hy = self.y0 + sum(p[1] for p in reds) / len(reds)
        return math.degrees(math.atan2(cy - hy, hx - cx)) % 360


def turn_arm(program, window, start, end):
    """Presses on the handle and carries it round the corner to `end`, a few degrees a move."""
    steps = max(2, int(apart(start, end) / 6) + 1)
    turn = (end - start + 180) % 360 - 180
    x, y = program.point(window, FULL, *along(start, ARM))
    program.xdo("mousemove", "--sync", str(x), str(y))
    program.xdo("mousedown", "1")
    for i in range(1, steps + 1):
        x, y = program.point(window, FULL, *along(start + turn * i / steps, ARM))
        program.xdo("mousemove", str(x), str(y))
        time.sleep(0.02)
    time.sleep(0.1)
    program.xdo("mouseup", "1")
    time.sleep(0.3)


def scenario_angles(run_folder, shots):
    display, program = e2e.start_at_intro(run_folder, shots, "angles")
    try:
        activity, _ = e2e.open_activity(program, 5, 0, 4695)
        board.choose_mode(program, activity, MAKE_MODE)
        path = program.shot("question")
        text = program.read_text(path, activity, FULL, *QUESTION)
        found = re.search(r"angle of (\d+)", text)
        expect(found, f"no angle to make read off the board: {text!r}")
        target = int(found.group(1))
        # The arm starts well away from the angle asked for: 150° open under 90°, 30° under 180°, else 90°.
        opened = 150 if target < 90 else 30 if target <= 180 else 90
        figure = Figure(program, path, activity)
        moving = figure.handle_direction()
        arms = figure.dark_directions(1500)
        fixed = [d for d in arms if apart(d, moving) > 8]
        expect(len(fixed) == 1, f"the fixed arm not found: arms at {arms}, handle at {moving:.0f}")
        fixed = fixed[0]
        sense = 1 if apart(fixed + opened, moving) < apart(fixed - opened, moving) else -1

        wrong = target + 25 if target + 25 < 360 else target - 25
        turn_arm(program, activity, moving, fixed + sense * wrong)
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", f"{wrong}° made for {target}° did not give the cross")
        turn_arm(program, activity, fixed + sense * wrong, fixed + sense * target)
        now = Figure(program, program.shot("turned"), activity).handle_direction()
        expect(apart(now, fixed + sense * target) <= 6,
               f"the arm stayed at {now:.0f} after the drag to {(fixed + sense * target) % 360:.0f}")
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", f"{target}° made did not give the tick")

        # The protractor's reading sweeps round, then the sentence reads it.
        board.step_solution(program, activity, 2, settle=1.2)
        said = program.read_text(program.shot("solution"), activity, FULL, *SIDE, ink="#ffffff")
        expect(f"reads {target}" in said, f"the solution does not read {target}: {said!r}")
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Quillmark")
    finally:
        program.close()
        display.close()


SCENARIOS = {"angles": scenario_angles}
