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

# Orca runs once a user, and the one running may be the user's own screen reader.
if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], stdout=subprocess.DEVNULL).returncode == 0:
    print("skipped: an Orca of this user is running already, and Orca runs once a user")
    sys.exit(77)
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


# Waits up to SECONDS for Orca to say what PATTERN matches once, in all it said after its first
# SINCE lines; records what it said instead.
def hear(what, pattern, since, seconds=20):
    deadline = time.time() + seconds
    while not re.search(pattern, " ".join(spoken[since:])) and time.time() < deadline:
        time.sleep(0.1)
    if len(re.findall(pattern, heard := " ".join(spoken[since:]))) != 1:
        failures.append(f"{what}: expected {pattern!r} once within {seconds} s, heard {heard!r}")


# Waits up to SECONDS for COMMAND to print what PATTERN matches; returns what it printed, or ends
# the test naming what never came.
def wait_for(what, command, pattern, seconds=60):
    deadline = time.time() + seconds
    while not re.search(pattern, printed := subprocess.run(command, capture_output=True, text=True).stdout):
        if time.time() > deadline:
            sys.exit(f"no {what} within {seconds} s")
        time.sleep(0.1)
    return printed


# Each row: the keys a user presses, what Orca says then, and what the user types after it.
result, low_band_result = r"频率值 5\.03 MHz\(兆赫\)", r"频率值 159\.15 KHz\(千赫\)"
steps = [
    ("Right on the tab strip", "Right", "电容计算", ""),
    ("Left on the tab strip", "Left", "频率计算", ""),
    ("Tab to cancel", "Tab", "取 消", ""),
    ("Tab to compute", "Tab", "计 算", ""),
    ("Tab to the first entry", "Tab", "电容值", "100"),
    ("Tab to the second entry", "Tab", "电感值", "10"),
    ("Shift+Tab to the filled first entry", "shift+Tab", r"电容值：\D*100 selected\D*pF\(皮法\)", ""),
    ("Shift+Tab to compute", "shift+Tab", "计 算", ""),
    ("Space on compute", "space", result, ""),
    ("Space on compute again, for the same result", "space", result, ""),
    ("Tab to the first entry again", "Tab", "电容值", ""),
    ("Tab to the second entry again", "Tab", "电感值", ""),
    ("Tab to the band", "Tab", "高频", ""),
    *([("Orca's focus mode, which leaves the arrow keys to the page", "Insert+a", "Focus mode", "")] if page else []),
    ("Right to the low band", "Right", "低频", ""),
    ("Shift+Tab to the second entry, in the low band", "shift+Tab", r"电感值：\D*10 selected\D*mH\(毫亨\)", ""),
    ("Shift+Tab to the first entry", "shift+Tab", "电容值", ""),
    ("Shift+Tab to compute", "shift+Tab", "计 算", ""),
    ("Space on compute in the low band", "space", low_band_result, ""),
]
terminal, log_end = pty.openpty()
threading.Thread(target=read_log, args=(terminal,), daemon=True).start()
helpers = [subprocess.Popen(["xfwm4", "--compositor=off", "--sm-client-disable"], env=dict(os.environ, NO_AT_BRIDGE="1"))]
try:
    # The window manager before the window, and the window made the active one, as a user's click
    # would: Orca presents the active window, and a window mapped before the manager ran never is.
    wait_for("window manager", ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], "window id")
    helpers.append(subprocess.Popen(["orca", f"--debug-file={os.ttyname(log_end)}"], env=dict(os.environ, LANGUAGE="en", LC_ALL="C.UTF-8")))
    hear("Orca started", "Screen reader on", 0, 60)
    if page:
        helpers.append(subprocess.Popen(["chromium", "--no-sandbox", "--disable-gpu", f"--user-data-dir={tempfile.mkdtemp()}", "--no-first-run", "--lang=zh-CN",
                                         "--force-renderer-accessibility", f"--app=file://{os.path.abspath(sys.argv[2])}"]))
    else:
        helpers.append(subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")))
    window = wait_for("window titled Lirevox", ["xdotool", "search", "--onlyvisible", "--name", "^Lirevox"], r"\d+").split()[0]
    subprocess.run(["xdotool", "windowactivate", "--sync", window], timeout=30)
    hear("the window opened at its first tab", "频率计算", 0, 60)
    if failures:
        sys.exit("\n".join(failures))
    for what, keys, pattern, then_typed in steps:
        since = len(spoken)
        subprocess.run(["xdotool", "key", "--delay", "150", *keys.split()], check=True)
        hear(what, pattern, since)
        if then_typed:
            subprocess.run(["xdotool", "type", "--delay", "150", then_typed], check=True)
finally:
    for helper in reversed(helpers):
        helper.terminate()
        try:
            helper.wait(10)
        except subprocess.TimeoutExpired:
            helper.kill()
sys.exit("\n".join(failures) or print("screen reader: all checks passed"))
