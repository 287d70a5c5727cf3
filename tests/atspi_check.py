#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
"""Reads the window of the running program PID over AT-SPI, in LANGUAGE (en or
de): every control has a name, the speed slider tells seconds, the canvas tells
what it shows, and pressing "Next step" with the keyboard on the canvas moves
the accessible focus to the new step, named by its sentence, which is what
makes Orca speak it; with the keyboard in the step box, a jump leaves the focus
there and the box tells the step's number with its sentence as its new value. F6 opens the
window that compares the formulas, whose growth page, once chosen, tells the
start and the end of its computation the same way.

Usage: atspi_check.py PID LANGUAGE"""
import ctypes
import sys
import time

import pyatspi
from gi.repository import GLib

TEXTS = {
    "en": {
        "steps": "Steps of the sort",
        "speed": "Speed: seconds per step",
        "size": "Size of the sequence",
        "step box": "Step number",
        "status": "Step explanation",
        "typed": "Please type in your sequence:",
        "formulas": "Calculate gap sizes",
        "next": "Next step >>",
        "jump": "Jump",
        "opening": "This is where all begins.",
        "gap": "Setting gap length to 10.",
        "sequence": "Sequence: ",
        "in force": "10 in force",
        "compare": "Vellora – Compare the formulas",
        "growth": "Growth with n",
        "computing": "Growth with n: computing the growth chart.",
        "done": "Done: the chart shows the averages for seed 1959.",
    },
    "de": {
        "steps": "Schritte des Sortierens",
        "speed": "Tempo: Sekunden pro Schritt",
        "size": "Länge der Folge",
        "step box": "Schrittnummer",
        "status": "Schritterklärung",
        "typed": "Bitte geben Sie Ihre Folge ein:",
        "formulas": "Schrittweiten berechnen",
        "next": "Weiter >>",
        "jump": "Springen",
        "opening": "Hier geht es los.",
        "gap": "Die Schrittweite wird auf 10 gesetzt.",
        "sequence": "Folge: ",
        "in force": "aktuell 10",
        "compare": "Vellora – Formeln im Vergleich",
        "growth": "Wachstum mit n",
        "computing": "Wachstum mit n: Das Wachstumsdiagramm wird berechnet.",
        "done": "Fertig: Das Diagramm zeigt die Durchschnitte für den Startwert 1959.",
    },
}

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def pump(seconds, until=lambda: False):
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline and not until():
        while context.iteration(False):
            pass
        time.sleep(0.02)
    return until()


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid and app.childCount > 0:
                return app
        except Exception:
            pass
    return None


def descendants(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from descendants(child)


def labelled_by(acc):
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return ""


class Events:
    """The events of the given kinds, as (kind, role, name) from the moment made."""

    def __init__(self, *kinds):
        self.kinds = kinds
        self.seen = []
        pyatspi.Registry.registerEventListener(self.hear, *kinds)

    def hear(self, event):
        if event.type.startswith("object:state-changed:focused") and event.detail1 != 1:
            return
        self.seen.append((event.type, event.source.getRoleName(), event.source.name))

    def stop(self):
        pyatspi.Registry.deregisterEventListener(self.hear, *self.kinds)

    def focused(self):
        return [(role, name) for kind, role, name in self.seen if not kind.startswith("object:p")]


def check_names(objects, texts):
    """Every control a user can reach has a name, its own or its caption's."""
    controls = [pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON,
                pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_RADIO_BUTTON]
    for o in objects:
        if o.getRole() in controls and o.getState().contains(pyatspi.STATE_FOCUSABLE):
            check((o.name or labelled_by(o)).strip() != "",
                  "unnamed %s %r" % (o.getRoleName(), o.description))
    names = {o.name for o in objects}
    for key in ("size", "step box", "typed", "status"):
        check(texts[key] in names, "no control named %r" % texts[key])
    combos = [o for o in objects if o.getRole() == pyatspi.ROLE_COMBO_BOX]
    check(any(texts["formulas"] in (c.name + labelled_by(c)) for c in combos),
          "the formula list is not named by its caption")


def check_speed(objects, texts):
    speed = [o for o in objects if o.getRole() == pyatspi.ROLE_SLIDER and o.name == texts["speed"]]
    check(len(speed) == 1, "no speed slider named %r" % texts["speed"])
    if speed:
        value = speed[0].queryValue()
        check((value.minimumValue, value.maximumValue) == (0, 5) and
              abs(value.currentValue - 0.5) < 1e-9,
              "the speed slider tells %r of %r to %r, not 0.5 seconds" %
              (value.currentValue, value.minimumValue, value.maximumValue))


def check_canvas(steps, texts):
    """A list of the steps, the one on display focused, telling what the canvas shows."""
    check(steps.childCount > 20, "the canvas lists %d steps" % steps.childCount)
    check(texts["sequence"] in steps.description, "the canvas does not tell the sequence")
    current = steps.getChildAtIndex(0)
    check(current.name.startswith(texts["opening"]) and
          current.getState().contains(pyatspi.STATE_FOCUSED),
          "the first step is not the focused item: %r" % current.name)
    rows = [current.getChildAtIndex(i).name for i in range(current.childCount)]
    check(len(rows) == 3 and rows[1].startswith(texts["sequence"]),
          "the step's rows are %r" % rows)


def activate(frame):
    """Without a window manager a click activates the window, as on a desktop."""
    extents = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(extents.x + 2, extents.y + extents.height - 2, "b1c")
    return pump(5, lambda: frame.getState().contains(pyatspi.STATE_ACTIVE))


def take_keyboard(acc):
    """Gives acc the keyboard focus, as Tab would."""
    acc.queryComponent().grabFocus()
    return pump(5, lambda: acc.getState().contains(pyatspi.STATE_FOCUSED))


def focus_window_of(pid):
    """Gives the program's window the keyboard, as a window manager would:
    the display has none, and a key reaches a window's shortcuts only once
    the window has the focus. True where a window of pid took it."""
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XInternAtom.restype = ctypes.c_ulong
    display = ctypes.c_void_p(x11.XOpenDisplay(None))
    if not display:
        return False
    root, parent = ctypes.c_ulong(), ctypes.c_ulong()
    children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
    x11.XQueryTree(display, ctypes.c_ulong(x11.XDefaultRootWindow(display)), ctypes.byref(root),
                   ctypes.byref(parent), ctypes.byref(children), ctypes.byref(count))
    pid_atom = ctypes.c_ulong(x11.XInternAtom(display, b"_NET_WM_PID", True))
    focused = False
    for i in range(count.value):
        kind, size, items, left = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.POINTER(ctypes.c_ulong)()
        x11.XGetWindowProperty(display, ctypes.c_ulong(children[i]), pid_atom, ctypes.c_long(0),
                               ctypes.c_long(1), 0, ctypes.c_ulong(6), ctypes.byref(kind),
                               ctypes.byref(size), ctypes.byref(items), ctypes.byref(left),
                               ctypes.byref(data))
        if items.value == 1 and data[0] == pid and not focused:
            x11.XSetInputFocus(display, ctypes.c_ulong(children[i]), 2, ctypes.c_ulong(0))
            focused = True
        if data:
            x11.XFree(data)
    if children:
        x11.XFree(children)
    x11.XCloseDisplay(display)
    return focused


def frame_named(pid, name):
    app = application(pid)
    for i in range(app.childCount if app is not None else 0):
        frame = app.getChildAtIndex(i)
        if frame is not None and frame.name == name:
            return frame
    return None


def check_compare(pid, texts):
    """F6, then the growth page's tab: the accessible focus moves to an item
    named by the computation's start, then to one named by its end."""
    check(focus_window_of(pid), "no window of the program to give the keyboard to")
    pump(0.5)
    pyatspi.Registry.generateKeyboardEvent(0xffc3, None, pyatspi.KEY_SYM)  # F6
    if not pump(10, lambda: frame_named(pid, texts["compare"]) is not None):
        check(False, "F6 opened no window named %r" % texts["compare"])
        return
    frame = frame_named(pid, texts["compare"])
    tabs = [o for o in descendants(frame)
            if o.getRole() == pyatspi.ROLE_PAGE_TAB and o.name == texts["growth"]]
    check(len(tabs) == 1, "no page tab %r" % texts["growth"])
    if not tabs:
        return
    focused = []

    def on_focus(event):
        if event.type.startswith("focus") or event.detail1 == 1:
            focused.append((event.source.getRoleName(), event.source.name))

    pyatspi.Registry.registerEventListener(on_focus, "focus:", "object:state-changed:focused")
    tabs[0].queryAction().doAction(0)
    for key in ("computing", "done"):
        check(pump(10, lambda: ("list item", texts[key]) in focused),
              "nothing told %r; focus events: %r" % (texts[key], focused))
    pyatspi.Registry.deregisterEventListener(on_focus, "focus:", "object:state-changed:focused")



def check_step_button(steps, button, texts):
    """A step by button with the keyboard on the canvas: the focus moves to the new step's item."""
    events = Events("focus:", "object:state-changed:focused")
    button.queryAction().doAction(0)
    spoken = ("list item", texts["gap"])
    check(pump(10, lambda: spoken in events.focused()),
          "no focus on the new step; focus events: %r" % events.focused())
    check(texts["in force"] in steps.description,
          "the canvas does not tell the gap in force: %r" % steps.description)
    events.stop()


def check_step_box(steps, box, jump):
    """A jump with the keyboard in the step box: the focus stays there, and
    the box's new value is the step's number with its sentence."""
    target = steps.childCount // 2
    box.queryValue().currentValue = target
    events = Events("focus:", "object:state-changed:focused",
                    "object:property-change:accessible-value")
    jump.queryAction().doAction(0)
    said = "%d: %s" % (target, steps.getChildAtIndex(target - 1).name)
    text = lambda: box.queryText().getText(0, -1)
    check(pump(10, lambda: text() == said), "the step box says %r, not %r" % (text(), said))
    valued = ("object:property-change:accessible-value", "spin button", box.name)
    check(pump(5, lambda: valued in events.seen), "the step box told no new value: %r" % events.seen)
    pump(0.5)
    check(events.focused() == [], "the focus left the step box: %r" % events.focused())
    check(box.getState().contains(pyatspi.STATE_FOCUSED), "the step box lost the focus")
    events.stop()


def main():
    pid, language = int(sys.argv[1]), sys.argv[2]
    texts = TEXTS[language]
    found = {}
    if not pump(15, lambda: found.setdefault("app", application(pid)) or found.pop("app")):
        sys.exit("atspi_check: the program did not appear on the accessibility bus")
    app = application(pid)
    objects = list(descendants(app))
    by_role_name = lambda role, name: [o for o in objects if o.getRole() == role and o.name == name]
    check_names(objects, texts)
    check_speed(objects, texts)

    lists = by_role_name(pyatspi.ROLE_LIST, texts["steps"])
    check(len(lists) == 1, "no canvas list named %r" % texts["steps"])
    if not lists:
        return
    steps = lists[0]
    check_canvas(steps, texts)

    check(activate(app.getChildAtIndex(0)), "the window does not become active")
    check(take_keyboard(steps), "the canvas does not take the keyboard")
    buttons = by_role_name(pyatspi.ROLE_PUSH_BUTTON, texts["next"])
    check(len(buttons) == 1, "no button %r" % texts["next"])
    if buttons:
        check_step_button(steps, buttons[0], texts)

    boxes = by_role_name(pyatspi.ROLE_SPIN_BUTTON, texts["step box"])
    jumps = by_role_name(pyatspi.ROLE_PUSH_BUTTON, texts["jump"])
    check(len(boxes) == 1 and len(jumps) == 1, "no step box or no button %r" % texts["jump"])
    if boxes and jumps:
        check(take_keyboard(boxes[0]), "the step box does not take the keyboard")
        check_step_box(steps, boxes[0], jumps[0])

    check_compare(pid, texts)

main()
if failures:
    print("atspi_check (%s): %d failures" % (sys.argv[2], len(failures)))
    for f in failures:
        print("  " + f)
    sys.exit(1)
print("atspi_check (%s): passed" % sys.argv[2])
