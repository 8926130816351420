#!/usr/bin/env python3
"""Installs the Debian package, runs the installed program as an ordinary user and removes it again.

Builds the package with cpack in the given build folder, installs it with apt-get, checks that every
file of the run folder's data folders is installed and that the desktop entry and AppStream file
validate, starts the desktop entry's command as a throw-away user under Xvfb, chooses French on
the title screen and finds the choice in that user's own folder; then purges the package and finds
none of its files left. Needs root: it changes the system's packages and users.

usage: package_test.py BUILD_FOLDER RUN_FOLDER OUTPUT_FOLDER
"""
import glob
import os
import pwd
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import e2e  # noqa: E402  (the X helpers and screen geometry the end-to-end runs use)

PACKAGE = "brevandel"
DESKTOP = "/usr/share/applications/org.brevandel.Brevandel.desktop"
METAINFO = "/usr/share/metainfo/org.brevandel.Brevandel.metainfo.xml"
DATA = "/usr/share/brevandel"
USER = "brevandel-pkgtest"  # a throw-away user, removed at the end


class Failure(Exception):
    pass


def run(*args, check=True, **kwargs):
    result = subprocess.run(args, capture_output=True, text=True, **kwargs)
    if check and result.returncode != 0:
        raise Failure(f"{' '.join(args)} ended with {result.returncode}: {result.stdout}{result.stderr}".strip())
    return result


def installed():
    result = run("dpkg-query", "-W", "-f=${Status}", PACKAGE, check=False)
    return "install ok installed" in result.stdout


def build_package(build, output):
    shutil.rmtree(output, ignore_errors=True)
    run("cpack", "-G", "DEB", "-B", output, cwd=build)
    packages = glob.glob(os.path.join(output, f"{PACKAGE}_*.deb"))
    if len(packages) != 1:
        raise Failure(f"cpack made {packages}")
    return packages[0]


def check_installed_files(run_folder, files):
    """Every file in a data folder of the run folder is installed, and the menu files validate."""
    expected = set()
    for sub in os.listdir(run_folder):
        if os.path.isdir(os.path.join(run_folder, sub)):
            for folder, _, names in os.walk(os.path.join(run_folder, sub)):
                expected |= {os.path.relpath(os.path.join(folder, n), run_folder) for n in names}
    have = {os.path.relpath(f, DATA) for f in files if f.startswith(DATA + "/")}
    missing = sorted(expected - have)
    e2e.expect(not missing, f"data files not installed: {missing[:10]}")
    e2e.expect(any(f.startswith("/usr/share/icons/hicolor/48x48/apps/") for f in files), "no 48x48 icon")
    for path in ("/usr/bin/brevandel", DESKTOP, METAINFO, "/usr/share/man/man1/brevandel.1.gz",
                 "/usr/share/doc/brevandel/copyright", "/usr/share/doc/brevandel/changelog.gz"):
        e2e.expect(path in files, f"{path} is not in the package")
    print(run("desktop-file-validate", DESKTOP).stdout, end="")
    print(run("appstreamcli", "validate", "--no-net", METAINFO).stdout.strip())
    print(f"{len(have)} data files installed, {len(files)} files in all")


def desktop_command():
    """The desktop entry's Exec command, without field codes."""
    with open(DESKTOP, encoding="utf-8") as f:
        for line in f:
            if line.startswith("Exec="):
                return [word for word in shlex.split(line[5:].strip()) if not word.startswith("%")]
    raise Failure("the desktop entry has no Exec line")


def user_environment(home, runtime, display=None):
    env = {"HOME": home, "USER": USER, "LOGNAME": USER, "PATH": "/usr/local/bin:/usr/bin:/bin",
           "LANG": "C.UTF-8", "XDG_RUNTIME_DIR": runtime}
    if display:
        env["DISPLAY"] = display
    return ["env", "-i"] + [f"{k}={v}" for k, v in env.items()]


class InstalledProgram(e2e.Program):
    """The installed program, started from its desktop entry as the throw-away user."""

    def __init__(self, display, shots, home, runtime):
        self.folder = tempfile.mkdtemp(prefix="brevandel-package-")
        self.display = display
        self.shots = shots
        self.label = "package"
        self.count = 0
        self.last_shot = None
        self.env = dict(os.environ, DISPLAY=display.name)
        command = ["runuser", "-u", USER, "--"] + user_environment(home, runtime, display.name) + desktop_command()
        self.process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)


def run_as_user(home, runtime, shots):
    # Options are read before any display is opened.
    env = user_environment(home, runtime)
    version = run("runuser", "-u", USER, "--", *env, "brevandel", "--version").stdout.strip()
    print(f"as {USER}: {version}")
    bad = run("runuser", "-u", USER, "--", *env, "brevandel", "--language", "9", check=False)
    e2e.expect(bad.returncode == 2, f"--language 9 ended with {bad.returncode}")

    display = e2e.Display(1024, 768)
    program = InstalledProgram(display, shots, home, runtime)
    try:
        title = program.wait_window(" ", timeout=20)
        path = program.shot("title")
        # The splash picture comes from the installed data folder: a found picture has many colours.
        colours = set(program.pixels(path, title["x"], title["y"], title["w"], title["h"]))
        e2e.expect(len(colours) > 200, f"the title shows {len(colours)} colours: its picture was not found")
        program.click_box(title, e2e.TITLE, 1320, 6240 + e2e.FRAME_TOP, 2775, 375)  # Change Language
        time.sleep(0.5)
        chooser = program.wait_window(" ")
        program.click_box(chooser, e2e.TITLE, (5460 - 2295) / 2, 2400 + e2e.FRAME_TOP, 2295, 375)  # French
        program.shot("chooser-french")
        program.click_box(chooser, e2e.TITLE, 2040, 6120 + e2e.FRAME_TOP, 1335, 375)  # OK
        program.wait_window("Quillmark")
        program.shot("intro-french")
        kept = os.path.join(home, ".config", "brevandel", "qorvlang.txt")
        e2e.expect(os.path.exists(kept), f"{kept} was not written")
        with open(kept, "rb") as f:
            e2e.expect(f.read() == b"1\r\n", f"{kept} does not hold 1 CR LF")
        e2e.expect(os.stat(kept).st_uid == pwd.getpwnam(USER).pw_uid, f"{kept} is not the user's")
        e2e.expect(not os.path.exists(os.path.join(DATA, "qorvlang.txt")), "the choice was written into the data folder")
        print(f"title seen ({len(colours)} colours), French chosen, {kept} holds 1")
    finally:
        program.close()
        display.close()


def main(argv):
    if len(argv) != 4:
        print(__doc__)
        return 2
    build, run_folder, shots = (os.path.abspath(a) for a in argv[1:])
    if os.geteuid() != 0:
        print("package test: needs root to install packages and add a user")
        return 2
    os.makedirs(shots, exist_ok=True)
    if installed():
        print(f"({PACKAGE} was installed before the test: purging it first)")
        run("apt-get", "purge", "-y", "-q", PACKAGE, env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
    deb = build_package(build, os.path.join(build, "package-test"))
    if shutil.which("lintian"):
        lint = run("lintian", "--fail-on", "error", deb, check=False)
        print("lintian:", lint.stdout.strip() or "no errors, warnings or notes")
        e2e.expect(lint.returncode == 0, "lintian reports errors")
    else:
        print("(lintian is not installed: the package is not linted)")
    apt_env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    run("userdel", "-r", USER, check=False)
    run("useradd", "--create-home", "--shell", "/bin/sh", USER)
    home = pwd.getpwnam(USER).pw_dir
    runtime = tempfile.mkdtemp(prefix="brevandel-runtime-")
    shutil.chown(runtime, USER, USER)
    files = []
    try:
        run("apt-get", "install", "-y", "-q", "--no-install-recommends", f"./{os.path.basename(deb)}",
            cwd=os.path.dirname(deb), env=apt_env)
        files = [f for f in run("dpkg", "-L", PACKAGE).stdout.splitlines() if os.path.isfile(f)]
        print(f"installed {os.path.basename(deb)}")
        check_installed_files(run_folder, files)
        run_as_user(home, runtime, shots)
    finally:
        if installed():
            run("apt-get", "purge", "-y", "-q", PACKAGE, env=apt_env)
        run("userdel", "-r", USER, check=False)
        shutil.rmtree(runtime, ignore_errors=True)
    left = [f for f in files if os.path.lexists(f)] + [d for d in (DATA, "/usr/share/doc/brevandel") if os.path.exists(d)]
    e2e.expect(not installed(), f"{PACKAGE} is still installed after the purge")
    e2e.expect(not left, f"left after the purge: {left[:10]}")
    e2e.expect(bool(files), "the package installed no files")
    print(f"purged: none of its {len(files)} files left")
    print(f"screenshots: {shots}")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv))
    except (Failure, e2e.Failure) as error:
        print(f"FAIL package: {error}")
        sys.exit(1)
