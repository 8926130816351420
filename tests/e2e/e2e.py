#!/usr/bin/env python3
"""End-to-end runs of the real program under Xvfb, driven by real X input through xdotool.

Each scenario starts the built program from a private copy of the run folder on a fresh X server,
clicks and drags where a teacher would, and looks at screenshots. Screenshots are kept in the
output folder; a failing scenario names the last one it took.

usage: e2e.py RUN_FOLDER OUTPUT_FOLDER [scenario ... | --core | --module NAME]
  --core runs the scenarios of this file, --module those of activities/NAME.py; no names runs all.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TWIPS_PER_PIXEL = 15.0
PAGE_BLUE = (0x31, 0x87, 0xD7)


class Failure(Exception):
    pass


def run(*args, check=True):
    result = subprocess.run(args, capture_output=True, text=True)
    if check and result.returncode != 0:
        raise Failure(f"{' '.join(args)} failed: {result.stderr.strip()}")
    return result.stdout


class Display:
    """A private X server."""

    def __init__(self, width, height):
        # Servers started at the same moment can race for a display number: check and retry.
        for _ in range(5):
            read_fd, write_fd = os.pipe()
            self.server = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"],
                pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(write_fd)
            with os.fdopen(read_fd) as f:
                number = f.readline().strip()
            self.name = f":{number}"
            self.size = (width, height)
            if number and self.server.poll() is None and subprocess.run(
                    ["xdpyinfo", "-display", self.name], capture_output=True).returncode == 0:
                return
            self.server.kill()
            self.server.wait()
            time.sleep(0.5)
        raise Failure("Xvfb did not start")

    def close(self):
        self.server.terminate()
        self.server.wait(timeout=10)


class Program:
    """One run of the program on a display, from a private copy of the run folder."""

    def __init__(self, run_folder, display, shots, label, language_file=None, extra_env=None):
        self.folder = tempfile.mkdtemp(prefix="brevandel-e2e-")
        for entry in os.listdir(run_folder):
            source = os.path.join(run_folder, entry)
            if entry == "qorvlang.txt":
                continue
            if os.path.isdir(source):
                shutil.copytree(source, os.path.join(self.folder, entry))
            else:
                shutil.copy2(source, os.path.join(self.folder, entry))
        if language_file is not None:
            with open(os.path.join(self.folder, "qorvlang.txt"), "wb") as f:
                f.write(language_file)
        self.display = display
        self.shots = shots
        self.label = label
        self.count = 0
        self.last_shot = None
        env = dict(os.environ, DISPLAY=display.name, QT_QPA_PLATFORM="xcb",
                   XDG_CONFIG_HOME=os.path.join(self.folder, ".config"),
                   XDG_RUNTIME_DIR=self.folder)
        env.update(extra_env or {})
        self.env = env
        self.process = subprocess.Popen([os.path.join(self.folder, "brevandel")], env=env,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)

    # -- X helpers
    def xdo(self, *args, check=True):
        result = subprocess.run(["xdotool", *args], capture_output=True, text=True, env=self.env)
        if check and result.returncode != 0:
            raise Failure(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    def windows(self):
        out = self.xdo("search", "--onlyvisible", "--name", ".*", check=False)
        found = []
        for wid in out.split():
            name = self.xdo("getwindowname", wid, check=False).rstrip("\n")
            geometry = self.xdo("getwindowgeometry", "--shell", wid, check=False)
            values = dict(re.findall(r"(\w+)=(\d+)", geometry))
            if name and "WIDTH" in values and int(values["WIDTH"]) > 50:
                found.append({"id": wid, "name": name, "x": int(values["X"]), "y": int(values["Y"]),
                              "w": int(values["WIDTH"]), "h": int(values["HEIGHT"])})
        return found

    def wait_window(self, pattern, timeout=10, gone=False):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.process.poll() is not None:
                raise Failure(f"the program ended while waiting for '{pattern}': {self.process.stderr.read()}")
            matches = [w for w in self.windows() if re.fullmatch(pattern, w["name"])]
            if gone and not matches:
                return None
            if not gone and matches:
                time.sleep(0.25)  # let the first paint land
                return matches[-1]
            time.sleep(0.1)
        names = [w["name"] for w in self.windows()]
        raise Failure(f"window '{pattern}' {'still there' if gone else 'not found'}; open: {names}")

    def point(self, window, scene, x, y):
        """Desktop pixel of a scene point in twips, for a window showing a scene of the given size."""
        sw, sh = scene
        scale = min(window["w"] / sw, window["h"] / sh)
        ox = window["x"] + (window["w"] - sw * scale) / 2
        oy = window["y"] + (window["h"] - sh * scale) / 2
        return int(round(ox + x * scale)), int(round(oy + y * scale))

    def click(self, window, scene, x, y, pause=0.35):
        px, py = self.point(window, scene, x, y)
        self.xdo("mousemove", "--sync", str(px), str(py))
        time.sleep(0.05)
        self.xdo("click", "1")
        time.sleep(pause)

    def click_box(self, window, scene, left, top, width, height, pause=0.35):
        self.click(window, scene, left + width / 2, top + height / 2, pause)

    def drag(self, window, scene, start, end, steps=12):
        x0, y0 = self.point(window, scene, *start)
        x1, y1 = self.point(window, scene, *end)
        self.xdo("mousemove", "--sync", str(x0), str(y0))
        self.xdo("mousedown", "1")
        for i in range(1, steps + 1):
            self.xdo("mousemove", str(int(x0 + (x1 - x0) * i / steps)), str(int(y0 + (y1 - y0) * i / steps)))
            time.sleep(0.01)
        time.sleep(0.05)
        self.xdo("mouseup", "1")
        time.sleep(0.25)

    def key(self, window, name, pause=0.4):
        # Without a window manager the keyboard follows the pointer.
        self.xdo("mousemove", "--sync", str(window["x"] + window["w"] // 2), str(window["y"] + window["h"] // 2))
        self.xdo("key", name)
        time.sleep(pause)

    def shot(self, name):
        self.count += 1
        path = os.path.join(self.shots, f"{self.label}-{self.count:02d}-{name}.png")
        subprocess.run(["import", "-display", self.display.name, "-window", "root", path], check=True,
                       capture_output=True)
        self.last_shot = path
        return path

    def pixels(self, path, left, top, width, height):
        """The colours of a rectangle of a screenshot, as a list of (r, g, b)."""
        out = run("convert", path, "-crop", f"{width}x{height}+{left}+{top}", "+repage", "-depth", "8", "txt:-")
        colours = []
        for line in out.splitlines()[1:]:
            m = re.search(r"\((\d+),(\d+),(\d+)", line)
            if m:
                colours.append(tuple(int(v) for v in m.groups()))
        return colours

    def region(self, path, window, scene, left, top, width, height):
        x0, y0 = self.point(window, scene, left, top)
        x1, y1 = self.point(window, scene, left + width, top + height)
        return self.pixels(path, x0, y0, max(1, x1 - x0), max(1, y1 - y0))

    def read_text(self, path, window, scene, left, top, width, height, ink="#ffff00", chars=None):
        """The text written in one colour inside a rectangle of a screenshot, read by OCR: the ink
        is made black on white and enlarged, which big bold screen text reads reliably from. `chars`,
        when given, are the only characters OCR may read there."""
        x0, y0 = self.point(window, scene, left, top)
        x1, y1 = self.point(window, scene, left + width, top + height)
        crop = path[:-4] + "-ocr.png"
        run("convert", path, "-crop", f"{x1 - x0}x{y1 - y0}+{x0}+{y0}", "+repage", "-fuzz", "35%", "-fill", "black",
            "-opaque", ink, "-fuzz", "0", "-fill", "white", "+opaque", "black", "-resize", "300%", crop)
        only = ["-c", f"tessedit_char_whitelist={chars}"] if chars else []
        return run("tesseract", crop, "-", "--psm", "6", *only).strip()

    def close(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
        shutil.rmtree(self.folder, ignore_errors=True)


def count(colours, test):
    return sum(1 for c in colours if test(c))


def greenish(c):
    return c[1] > 110 and c[1] > c[0] + 40 and c[1] > c[2] + 20


def reddish(c):
    return c[0] > 150 and c[0] > c[1] + 70 and c[0] > c[2] + 70


def yellowish(c):
    return c[0] > 200 and c[1] > 200 and c[2] < 90


def off_page(c):
    return sum(abs(a - b) for a, b in zip(c, PAGE_BLUE)) > 90


def expect(condition, message):
    if not condition:
        raise Failure(message)


FULL = (12000, 9000)
TITLE = (5460, 6810)
FRAME_TOP = -90  # the title and chooser controls stand in a frame 90 twips above the client area


def menu_entry(menu_width, index):
    """Left, top, width, height of an activity entry of a menu."""
    return ((12000 - menu_width) / 2, 2400 + 750 * index, menu_width, 495)


def section(index):
    return (9600, 2400 + 750 * index, 2235, 495)


EXIT = (60, 7950, 1785, 495)
GO = (9930, 7950, 1905, 495)
JOTTER = (9930, 7455, 1905, 495)
SOLUTION = (9930, 6960, 1905, 495)
CHECK = (9930, 6465, 1905, 495)
FEEDBACK = (10740, 180, 735, 735)


def feedback(program, window):
    """'tick', 'cross' or None, read from the feedback corner once it is uncovered."""
    time.sleep(1.8)
    path = program.shot("feedback")
    colours = program.region(path, window, FULL, *FEEDBACK)
    greens, reds = count(colours, greenish), count(colours, reddish)
    if greens > 40 and greens > 2 * reds:
        return "tick"
    if reds > 40 and reds > 2 * greens:
        return "cross"
    return None


# ---------------------------------------------------------------- scenarios

def scenario_chain(run_folder, shots):
    """Title, introduction, every menu, every jump, the Jotter and every exit, in English."""
    display = Display(1024, 768)
    program = Program(run_folder, display, shots, "chain")
    try:
        title = program.wait_window(" ")
        program.shot("title")
        expect(title["w"] == 364 and title["h"] == 454, f"title window is {title['w']}x{title['h']} at zoom 1")
        program.click_box(title, TITLE, 1080, 5760 + FRAME_TOP, 1575, 375)  # OK
        intro = program.wait_window("Quillmark")
        expect((intro["w"], intro["h"]) == (800, 600), f"introduction is {intro['w']}x{intro['h']}")
        program.shot("intro")
        expect(not os.path.exists(os.path.join(program.folder, "qorvlang.txt")), "a language file was created")

        for n in range(5):
            program.click_box(intro, FULL, *section(n))
            menu = program.wait_window("Quillmark")
            program.shot(f"menu{n + 1}")
            # Jump through every other menu and back to this one.
            for m in range(5):
                if m != n:
                    program.click_box(menu, FULL, *section(m))
                    menu = program.wait_window("Quillmark")
            program.click_box(menu, FULL, *section(n))
            expect(len([w for w in program.windows() if w["name"] == "Quillmark"]) == 1, "more than one menu open")
            program.click_box(menu, FULL, *EXIT)
            intro = program.wait_window("Quillmark")

        # An activity over menu 5 and back.
        program.click_box(intro, FULL, *section(4))
        menu = program.wait_window("Quillmark")
        program.click_box(menu, FULL, *menu_entry(4695, 0))
        activity = program.wait_window("(?!Quillmark).+")
        program.shot("angles")
        # The menu waits behind the activity in the same window, so the class sees one window.
        expect(len(program.windows()) == 1, f"the activity opened {len(program.windows())} windows")
        program.click_box(activity, FULL, *JOTTER)
        jotter = program.wait_window("Jotter")
        program.drag(jotter, (9915, 3660), (1000, 1000), (6000, 2200))
        path = program.shot("jotter-drawn")
        stroke = program.region(path, jotter, (9915, 3660), 3400, 1550, 200, 200)
        expect(count(stroke, yellowish) > 0, "the Jotter stroke is not yellow on the pad")
        program.click_box(jotter, (9915, 3660), 2940, 2910 + 180, 930, 480)  # Clear
        path = program.shot("jotter-cleared")
        expect(count(program.region(path, jotter, (9915, 3660), 3400, 1550, 200, 200), yellowish) == 0,
               "Clear left the stroke")
        program.click_box(jotter, (9915, 3660), 3900, 2910 + 180, 930, 480)  # Flip
        jotter = program.wait_window("Jotter")
        expect(jotter["h"] > jotter["w"], "Flip did not turn the Jotter upright")
        program.shot("jotter-portrait")
        program.click_box(jotter, (3910, 11520), 2885 + 60, 2280, 930, 480)  # Flip back
        jotter = program.wait_window("Jotter")
        expect(jotter["w"] > jotter["h"], "Flip did not turn the Jotter back")
        program.click_box(activity, FULL, *EXIT)
        program.wait_window("Jotter", gone=True)
        menu = program.wait_window("Quillmark")
        expect(len(program.windows()) == 1, "exit did not return to the menu alone")
        expect((menu["x"], menu["y"], menu["w"], menu["h"]) == (activity["x"], activity["y"], activity["w"], activity["h"]),
               "the menu came back somewhere else than the activity was")
        program.click_box(menu, FULL, *EXIT)
        intro = program.wait_window("Quillmark")
        program.click_box(intro, FULL, *EXIT)
        title = program.wait_window(" ")
        program.shot("title-again")
        program.click_box(title, TITLE, 2760, 5760 + FRAME_TOP, 1575, 375)  # Exit
        program.process.wait(timeout=5)
        expect(program.process.returncode == 0, f"Exit ended with {program.process.returncode}")
    finally:
        program.close()
        display.close()


def scenario_language(run_folder, shots):
    """Change Language, French, OK: the introduction in French and the choice written."""
    display = Display(1024, 768)
    program = Program(run_folder, display, shots, "language")
    try:
        title = program.wait_window(" ")
        program.click_box(title, TITLE, 1320, 6240 + FRAME_TOP, 2775, 375)  # Change Language
        time.sleep(0.5)
        chooser = program.wait_window(" ")
        program.shot("chooser")
        program.click_box(chooser, TITLE, (5460 - 2295) / 2, 2400 + FRAME_TOP, 2295, 375)  # French
        program.shot("chooser-french")
        program.click_box(chooser, TITLE, 2040, 6120 + FRAME_TOP, 1335, 375)  # OK
        program.wait_window("Quillmark")
        program.shot("intro-french")
        with open(os.path.join(program.folder, "qorvlang.txt"), "rb") as f:
            expect(f.read() == b"1\r\n", "qorvlang.txt does not hold 1 CR LF")
    finally:
        program.close()
        display.close()


def open_activity(program, menu_number, entry, width):
    intro = program.wait_window("Quillmark")
    program.click_box(intro, FULL, *section(menu_number - 1))
    menu = program.wait_window("Quillmark")
    program.click_box(menu, FULL, *menu_entry(width, entry))
    return program.wait_window("(?!Quillmark).+"), menu


def start_at_intro(run_folder, shots, label, size=(1024, 768)):
    display = Display(*size)
    program = Program(run_folder, display, shots, label)
    title = program.wait_window(" ")
    program.click_box(title, TITLE, 1080, 5760 + FRAME_TOP, 1575, 375)
    return display, program


def scenario_ordering(run_folder, shots):
    """The five tiles dragged into order give the tick; a wrong order gives the cross."""
    display, program = start_at_intro(run_folder, shots, "ordering")
    try:
        activity, _ = open_activity(program, 1, 1, 5175)
        program.shot("question")
        box = lambda k: (1560 + 1440 * k + 577, 3960 + 307)
        slot = lambda k: (1560 + 1440 * k + 577, 6960 + 307)
        # The solution shows which tile is which: tile k lands on box k.
        program.click_box(activity, FULL, *SOLUTION)
        for k in range(5):
            program.drag(activity, FULL, box(k), slot(k))
        program.shot("sorted-on-slots")
        # Wrong order first: the two smallest swapped.
        program.drag(activity, FULL, slot(0), box(1))
        program.drag(activity, FULL, slot(1), box(0))
        for k in range(2, 5):
            program.drag(activity, FULL, slot(k), box(k))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", "a wrong order did not give the cross")
        program.drag(activity, FULL, box(0), slot(1))
        program.drag(activity, FULL, box(1), slot(0))
        program.drag(activity, FULL, slot(0), box(0))
        program.drag(activity, FULL, slot(1), box(1))
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "tick", "the right order did not give the tick")
        program.click_box(activity, FULL, *EXIT)
    finally:
        program.close()
        display.close()


def arrow_centre(program, path, window):
    """Scene x of the arrow, found on the row through its middle, where nothing else stands."""
    row_y = 3285 - 15 + 360
    x0, y0 = program.point(window, FULL, 90, row_y)
    x1, _ = program.point(window, FULL, 90 + 9915, row_y)
    xs = [i for i, c in enumerate(program.pixels(path, x0, y0, x1 - x0, 1)) if off_page(c)]
    expect(xs, "no arrow on the number line")
    scale = min(window["w"] / 12000, window["h"] / 9000)
    origin = window["x"] + (window["w"] - 12000 * scale) / 2
    return (x0 + sum(xs) / len(xs) - origin) / scale


def scenario_directed(run_folder, shots):
    """The arrow dragged tick by tick until the check gives the tick."""
    display, program = start_at_intro(run_folder, shots, "directed")
    try:
        activity, _ = open_activity(program, 4, 3, 6375)
        path = program.shot("question")
        x = arrow_centre(program, path, activity)
        y = 3285 + 345
        results = []
        for k in range(21):
            target = 90 + 285 + 471 * k
            program.drag(activity, FULL, (x, y), (target + 60, y))  # released a little right: snaps back
            x = target
            program.click_box(activity, FULL, *CHECK, pause=0.1)
            result = feedback(program, activity)
            results.append(result)
            if result == "tick":
                break
        expect(results and results[-1] == "tick", f"no tick on any tick of the line: {results}")
        expect(all(r == "cross" for r in results[:-1]), f"unexpected feedback before the answer: {results}")
        program.shot("answered")
        program.click_box(activity, FULL, *GO)
        program.click_box(activity, FULL, 3360, 7080, 3900, 375)  # hundredths
        program.shot("hundredths")
        program.click_box(activity, FULL, *EXIT)
    finally:
        program.close()
        display.close()


def scenario_fruit(run_folder, shots):
    """A spin watched to its end, then the worked sum."""
    display, program = start_at_intro(run_folder, shots, "fruit")
    try:
        activity, _ = open_activity(program, 3, 0, 4695)
        time.sleep(0.5)
        spinning = program.shot("spinning")
        reels_then = program.region(spinning, activity, FULL, 1485, 675, 2460 * 3 + 900, 2460)
        time.sleep(2.5)
        program.click_box(activity, FULL, *SOLUTION)
        path = program.shot("solution")
        reels_now = program.region(path, activity, FULL, 1485, 675, 2460 * 3 + 900, 2460)
        expect(reels_then != reels_now, "the reels did not move")
        worked = program.region(path, activity, FULL, 2438 + 120, 6825 + 360, 6975, 885)
        expect(count(worked, yellowish) > 100, "no worked sum after the spin")
        program.click_box(activity, FULL, *EXIT)
    finally:
        program.close()
        display.close()


def scenario_dartboard(run_folder, shots):
    """Questions and their solutions: the answer frame appears under the board each time."""
    display, program = start_at_intro(run_folder, shots, "dartboard")
    try:
        activity, _ = open_activity(program, 2, 3, 5175)
        for i in range(6):
            program.shot(f"question{i}")
            program.click_box(activity, FULL, *SOLUTION)
            path = program.shot(f"solution{i}")
            answer = program.region(path, activity, FULL, 2160, 7680, 7100, 795)
            expect(count(answer, lambda c: min(c) > 200) > 50, "no answer shown under the board")
            program.click_box(activity, FULL, *GO)
        program.click_box(activity, FULL, *EXIT)
    finally:
        program.close()
        display.close()


def scenario_comma_desktop(run_folder, shots):
    """German regional settings and German chosen: a tenths line and negative tiles read right."""
    locales = run("locale", "-a").lower().split()
    expect("de_de.utf8" in locales or "de_de.utf-8" in locales,
           "no de_DE.UTF-8 locale on this machine (bash scripts/deps.sh test generates it)")
    display = Display(1024, 768)
    program = Program(run_folder, display, shots, "comma", language_file=b"2\r\n",
                      extra_env={"LC_ALL": "de_DE.UTF-8", "LANG": "de_DE.UTF-8"})
    try:
        title = program.wait_window(" ")
        program.click_box(title, TITLE, 1080, 5760 + FRAME_TOP, 1575, 375)
        activity, menu = open_activity(program, 4, 3, 6375)
        program.click_box(activity, FULL, 3360, 6720, 3900, 375)  # tenths
        path = program.shot("directed-tenths")
        # The arrow starts on a tick of the line: a garbled label would have put it off the line.
        x = arrow_centre(program, path, activity)
        ticks = [90 + 285 + 471 * k for k in range(21)]
        expect(min(abs(x - t) for t in ticks) < 40, f"the arrow stands at {x:.0f}, on no tick")
        y = 3285 + 345
        results = []
        for target in ticks:
            program.drag(activity, FULL, (x, y), (target + 60, y))
            x = target
            program.click_box(activity, FULL, *CHECK, pause=0.1)
            results.append(feedback(program, activity))
            if results[-1] == "tick":
                break
        expect(results[-1] == "tick" and results.count("tick") == 1, f"the check along the tenths line: {results}")
        program.shot("directed-answered")
        program.click_box(activity, FULL, *EXIT)
        menu = program.wait_window("Quillmark")
        program.click_box(menu, FULL, *section(0))
        menu = program.wait_window("Quillmark")
        program.click_box(menu, FULL, *menu_entry(5175, 1))
        activity = program.wait_window("(?!Quillmark).+")
        program.click_box(activity, FULL, 9120, 4320, 3015, 330)  # integers: negative tiles
        path = program.shot("ordering-integers")
        for k in range(5):
            tile = program.region(path, activity, FULL, 1560 + 1440 * k + 100, 6960 + 100, 955, 415)
            expect(count(tile, yellowish) > 20, f"tile {k} shows no number")
        expect(program.process.poll() is None, "the program ended")
    finally:
        program.close()
        display.close()


def scenario_fullscreen(run_folder, shots):
    """At 1920 x 1080, F11 fills the screen and the screens opened afterwards follow."""
    display = Display(1920, 1080)
    program = Program(run_folder, display, shots, "fullscreen")
    try:
        title = program.wait_window(" ")
        expect(title["w"] == round(5460 * 1.5 / 15), f"title is {title['w']} wide at zoom 1.5")
        program.shot("title-zoomed")
        program.key(title, "F11")
        title = program.wait_window(" ")
        program.click_box(title, TITLE, 1080, 5760 + FRAME_TOP, 1575, 375)
        intro = program.wait_window("Quillmark")
        expect((intro["w"], intro["h"]) == (1920, 1080), f"introduction is {intro['w']}x{intro['h']}, not full screen")
        program.shot("intro-fullscreen")
        activity, _ = open_activity(program, 1, 1, 5175)
        expect((activity["w"], activity["h"]) == (1920, 1080), "the activity did not open full screen")
        program.click_box(activity, FULL, *CHECK)
        expect(feedback(program, activity) == "cross", "a check before any move should give the cross")
        program.key(activity, "Escape")
        program.shot("back-to-menu")
    finally:
        program.close()
        display.close()


SCENARIOS = {
    "chain": scenario_chain,
    "language": scenario_language,
    "ordering": scenario_ordering,
    "directed": scenario_directed,
    "fruit": scenario_fruit,
    "dartboard": scenario_dartboard,
    "fullscreen": scenario_fullscreen,
    "comma_desktop": scenario_comma_desktop,
}


def activity_scenarios(only=None):
    """The scenarios of the activities, one module each in the activities folder beside this file.
    Each module imports this one as `e2e` and defines SCENARIOS like the table above."""
    import importlib.util
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "activities")
    found = {}
    for entry in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
        if not entry.endswith(".py") or (only is not None and entry[:-3] != only):
            continue
        module_spec = importlib.util.spec_from_file_location(f"e2e_{entry[:-3]}", os.path.join(folder, entry))
        module = importlib.util.module_from_spec(module_spec)
        module_spec.loader.exec_module(module)
        found.update(module.SCENARIOS)
    return found


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    run_folder, shots = os.path.abspath(argv[1]), os.path.abspath(argv[2])
    os.makedirs(shots, exist_ok=True)
    if argv[3:4] == ["--core"]:
        names = list(SCENARIOS)
    elif argv[3:4] == ["--module"] and len(argv) > 4:
        module = activity_scenarios(argv[4])
        if not module:
            print(f"no scenarios in activities/{argv[4]}.py")
            return 2
        SCENARIOS.update(module)
        names = list(module)
    else:
        SCENARIOS.update(activity_scenarios())
        names = argv[3:] or list(SCENARIOS)
    passed = failed = 0
    for name in names:
        started = time.time()
        for attempt in (1, 2):
            try:
                SCENARIOS[name](run_folder, shots)
                passed += 1
                print(f"PASS {name} ({time.time() - started:.1f}s)")
                break
            except Exception as error:  # a failing scenario reports and the others still run
                # A display lost under the program is the machine's fault, not the program's: try once more.
                if attempt == 1 and "could not connect to display" in str(error):
                    print(f"(retrying {name}: {str(error).splitlines()[0]})")
                    continue
                failed += 1
                print(f"FAIL {name}: {error}")
                break
    print(f"{passed} passed, {failed} failed")
    print(f"screenshots: {shots}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
