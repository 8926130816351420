"""What the arithmetic scenarios share: the number pad's keys, the mode buttons and the solution."""
from e2e import FULL, SOLUTION

# The pad's keys: 1 … 9, 0 in one row, then the separator, minus, delete and clear.
KEY_LEFT, KEY_STEP, DIGITS_TOP, SIGNS_TOP = 2617.5, 660, 7560, 8220
MODE_LEFT, MODE_TOP, MODE_PITCH = 9930, 1200, 450  # one-line mode captions, from the top


_shift = [0]


def click(program, window, x, y, pause=0.35):
    """A click that always moves the pointer a little: xdotool's synced move to the place the pointer
    already is waits many seconds for a move that never comes."""
    _shift[0] ^= 1
    program.click(window, FULL, x + 30 * _shift[0], y, pause=pause)


def key_point(key):
    if key.isdigit():
        return KEY_LEFT + (int(key) + 9) % 10 * KEY_STEP + 300, DIGITS_TOP + 300
    if key in ".,":
        return KEY_LEFT + 300, SIGNS_TOP + 300
    if key == "C":
        return KEY_LEFT + 6540 - 450, SIGNS_TOP + 300
    raise ValueError(key)


def type_on_pad(program, window, text):
    click(program, window, *key_point("C"), pause=0.15)
    for key in text:
        click(program, window, *key_point(key), pause=0.15)


def choose_mode(program, window, index):
    """Clicks a mode button; the ones above it must have one-line captions."""
    click(program, window, MODE_LEFT + 400, MODE_TOP + MODE_PITCH * index + 195, pause=0.5)


def step_solution(program, window, presses, settle=0.7):
    left, top, width, height = SOLUTION
    for _ in range(presses):
        click(program, window, left + width / 2, top + height / 2, pause=settle)
