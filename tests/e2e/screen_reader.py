# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# What a blind user hears from the Orca screen reader, driving the window by keyboard alone: the
# tabs, each entry with its caption, its whole text and its unit, each result with its caption and
# unit once as it comes, again for the same result, and in the low band's units. Orca speaks
# through speech-dispatcher's dummy module, which makes no sound; what it says is read from its log.
# usage: screen_reader.py PROGRAM | screen_reader.py --page PAGE.html (in Debian's Chromium)
import os, pty, re, subprocess, sys, tempfile, threading, time

# A session bus, an accessibility bus and an X display of their own, whatever else runs.
if not os.environ.get("LIREVOX_A11Y_SESSION"):
    os.environ.update(LIREVOX_A11Y_SESSION="1", HOME=tempfile.mkdtemp(), XDG_RUNTIME_DIR=tempfile.mkdtemp())
    os.execvp("dbus-run-session", ["dbus-run-session", "--", "xvfb-run", "-a", "-s", "-screen 0 1024x768x24", sys.executable, *sys.argv])

page = sys.argv[1] == "--page"
failures, spoken = [], []
os.makedirs(os.path.expanduser("~/.config/speech-dispatcher"))
with open(os.path.expanduser("~/.config/speech-dispatcher/speechd.conf"), "w") as conf:
    conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n')


# Orca writes its log a line at a time only to a terminal; each line is read as it comes, so that
# Orca never waits on a full buffer.
def read_log(terminal):
    with open(terminal, errors="replace") as log:
        for line in log:
            if said := re.search(r"SPEECH OUTPUT: '(.*)' ?\{", line):
                spoken.append(said[1].strip())


# Waits up to SECONDS for Orca to say WANTED, in a line of its own or within one, after the first
# SINCE lines; returns all it said after them.
def hear(what, wanted, since, seconds=20):
    deadline = time.time() + seconds
    while not any(wanted in line for line in spoken[since:]) and time.time() < deadline:
        time.sleep(0.1)
    if not any(wanted in line for line in spoken[since:]):
        failures.append(f"{what}: never heard {wanted!r} within {seconds} s, heard {spoken[since:]}")
    return spoken[since:]


def press(what, keys, wanted):
    since = len(spoken)
    subprocess.run(["xdotool", "key", "--delay", "150", *keys.split()], check=True)
    return hear(what, wanted, since)


def hear_once(what, keys, wanted):
    heard = press(what, keys, wanted)
    if sum(wanted in line for line in heard) > 1:
        failures.append(f"{what}: expected {wanted!r} once, heard {heard}")


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "150", text], check=True)


terminal, log_end = pty.openpty()
threading.Thread(target=read_log, args=(terminal,), daemon=True).start()
quiet = dict(os.environ, NO_AT_BRIDGE="1")
helpers = [subprocess.Popen(["xfwm4", "--compositor=off", "--sm-client-disable"], env=quiet),
           subprocess.Popen(["orca", "--replace", f"--debug-file={os.ttyname(log_end)}"], env=dict(os.environ, LANGUAGE="en", LC_ALL="C.UTF-8"))]
hear("Orca started", "Screen reader on", 0, 60)
if page:
    helpers.append(subprocess.Popen(["chromium", "--no-sandbox", "--disable-gpu", f"--user-data-dir={tempfile.mkdtemp()}", "--no-first-run", "--lang=zh-CN",
                                     "--force-renderer-accessibility", f"--app=file://{os.path.abspath(sys.argv[2])}"]))
else:
    helpers.append(subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")))
try:
    hear("the window opened at its first tab", "频率计算", 0, 60)
    if failures:
        sys.exit("\n".join(failures))
    press("Right to the next tab", "Right", "电容计算")
    press("Left back to the first tab", "Left", "频率计算")
    press("Tab to cancel", "Tab", "取 消")
    press("Tab to compute", "Tab", "计 算")
    press("Tab to the first entry", "Tab", "电容值")
    type_text("100")
    press("Tab to the second entry", "Tab", "电感值")
    type_text("10")
    heard = press("Shift+Tab back to the filled first entry", "shift+Tab", "电容值")
    entry = " ".join(heard[next((i for i, line in enumerate(heard) if "电容值" in line), 0):])
    if "100 selected" not in entry or "pF(皮法)" not in entry:
        failures.append(f"the filled first entry: expected its caption, '100 selected' and its unit, heard {heard}")
    press("Shift+Tab to compute", "shift+Tab", "计 算")
    hear_once("a compute", "space", "频率值 5.03 MHz(兆赫)")
    hear_once("the same compute again", "space", "频率值 5.03 MHz(兆赫)")
    press("Tab to the first entry", "Tab", "电容值")
    press("Tab to the second entry", "Tab", "电感值")
    press("Tab to the band", "Tab", "高频")
    if page:
        press("Orca's focus mode, which leaves the arrow keys to the page", "Insert+a", "Focus mode")
    press("Right to the low band", "Right", "低频")
    press("Shift+Tab to the second entry, in the low band's unit", "shift+Tab", "mH(毫亨)")
    press("Shift+Tab to the first entry", "shift+Tab", "电容值")
    press("Shift+Tab to compute", "shift+Tab", "计 算")
    hear_once("a compute in the low band", "space", "频率值 159.15 KHz(千赫)")
finally:
    for helper in reversed(helpers):
        helper.terminate()
        try:
            helper.wait(10)
        except subprocess.TimeoutExpired:
            helper.kill()
sys.exit("\n".join(failures) or print("screen reader: all checks passed"))
