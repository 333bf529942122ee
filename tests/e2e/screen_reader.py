# SPDX-FileCopyrightText: 2026 Oztrabel
# SPDX-License-Identifier: MIT

"""What a screen reader hears over the AT-SPI bus: the frame, the selected page tab, each entry
box's unit, each result with its caption and unit, announced when it changes, and a band
chosen through the accessibility Toggle action applied like a click.
usage: screen_reader.py PROGRAM  (inside dbus-run-session, on an X display)"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
announced = []


def expect(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}: expected {wanted!r}, got {got!r}")


def pump(seconds=0.5):
    end = time.time() + seconds
    while time.time() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Lirevox":
                return app
        time.sleep(0.1)
    sys.exit("Lirevox never appeared on the AT-SPI bus")


def act(accessible, name):
    action = accessible.queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index(name))
    pump()


os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
program = subprocess.Popen([sys.argv[1]])
try:
    pyatspi.Registry.registerEventListener(
        lambda event: announced.append(event.source.name), "object:property-change:accessible-name")
    frame = application()[0]
    band_high, band_low = frame[0][0], frame[0][1]
    pages, tab_list = list(frame[1])[:4], frame[1][4]
    pump()
    expect("window role", frame.getRoleName(), "frame")

    def selected_tabs():
        return [tab.name for tab in tab_list if tab.getState().contains(pyatspi.STATE_SELECTED)]

    def units():
        return [child.description for page in pages[:3] for child in page if child.getRoleName() == "text"]

    expect("front tab", selected_tabs(), ["频率计算"])
    expect("entry units, high band", units(), ["pF(皮法)", "μH(微亨)", "MHz(兆赫)", "μH(微亨)", "MHz(兆赫)", "pF(皮法)"])

    entry_c, entry_l, result = pages[0][1], pages[0][4], pages[0][7]
    entry_c.queryEditableText().setTextContents("100")
    entry_l.queryEditableText().setTextContents("10")
    act(pages[0][10], "Press")
    expect("result, high band", result.name, "频率值 5.03 MHz(兆赫)")
    expect("announced", announced[-1:], ["频率值 5.03 MHz(兆赫)"])

    act(band_low, "Toggle")
    expect("band toggled", band_low.getState().contains(pyatspi.STATE_CHECKED), True)
    expect("entry units, low band", units(), ["pF(皮法)", "mH(毫亨)", "KHz(千赫)", "mH(毫亨)", "KHz(千赫)", "pF(皮法)"])
    expect("result after a band change", result.name, "频率值")
    act(pages[0][10], "Press")
    expect("result, low band", result.name, "频率值 159.15 KHz(千赫)")

    act(tab_list[2], "Press")
    expect("front tab after a press", selected_tabs(), ["电感计算"])
    expect("page shown", pages[2].getState().contains(pyatspi.STATE_SHOWING), True)
finally:
    program.terminate()
    program.wait()

print("\n".join(failures) or "screen reader: all checks passed")
sys.exit(1 if failures else 0)
