# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT
# What a screen reader hears over the AT-SPI bus, and what it can do there: the window, the front
# tab, each entry's caption and unit, each result with its unit, announced as it changes, a band
# chosen by the Toggle action. usage: screen_reader.py PROGRAM
import os, subprocess, sys, tempfile, time

# A session bus, an accessibility bus and an X display of its own, whatever else runs.
if not os.environ.get("LIREVOX_A11Y_SESSION"):
    os.environ.update(LIREVOX_A11Y_SESSION="1", XDG_RUNTIME_DIR=tempfile.mkdtemp(), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    os.execvp("dbus-run-session", ["dbus-run-session", "--", "xvfb-run", "-a", sys.executable, *sys.argv])
import pyatspi
from gi.repository import GLib

failures, announced = [], []


def expect(what, got, wanted):
    failures.extend([f"{what}: expected {wanted!r}, got {got!r}"] if got != wanted else [])


def act(accessible, name):
    action = accessible.queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index(name))
    for _ in range(25):
        GLib.MainContext.default().iteration(False) or time.sleep(0.02)


program = subprocess.Popen([sys.argv[1]])
try:
    pyatspi.Registry.registerEventListener(lambda e: announced.append(e.source.name), "object:property-change:accessible-name", "object:state-changed:selected")
    apps, deadline = [], time.time() + 20
    while not apps and program.poll() is None and time.time() < deadline:
        apps = [app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "Lirevox"] or time.sleep(0.1) or []
    frame = apps[0][0]
    pages, tabs = list(frame[1])[:4], frame[1][4]
    selected = lambda: [tab.name for tab in tabs if tab.getState().contains(pyatspi.STATE_SELECTED)]
    entries = lambda: [f"{box.name}{box.description}" for page in pages[:3] for box in page if box.getRoleName() == "text"]
    expect("window, front tab", (frame.getRoleName(), selected()), ("frame", ["频率计算"]))
    expect("entries, high band", entries(), ["电容值：pF(皮法)", "电感值：μH(微亨)", "频率值：MHz(兆赫)", "电感值：μH(微亨)", "频率值：MHz(兆赫)", "电容值：pF(皮法)"])
    pages[0][1].queryEditableText().setTextContents("100") and pages[0][4].queryEditableText().setTextContents("10")
    act(pages[0][10], "Press")
    expect("result, high band, as read and as announced", (pages[0][7].name, announced[-1:]), ("频率值 5.03 MHz(兆赫)", ["频率值 5.03 MHz(兆赫)"]))
    act(frame[0][1], "Toggle")
    expect("entries and result, low band", (entries(), pages[0][7].name), (["电容值：pF(皮法)", "电感值：mH(毫亨)", "频率值：KHz(千赫)", "电感值：mH(毫亨)", "频率值：KHz(千赫)", "电容值：pF(皮法)"], "频率值"))
    act(pages[0][10], "Press")
    expect("result, low band", pages[0][7].name, "频率值 159.15 KHz(千赫)")
    act(tabs[2], "Press")
    expect("front tab after a press, announced, its page, its place", (selected(), "电感计算" in announced, pages[2].getState().contains(pyatspi.STATE_SHOWING), tabs[2].queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width > 100), (["电感计算"], True, True, True))
finally:
    program.terminate()
sys.exit("\n".join(failures) or print("screen reader: all checks passed"))
