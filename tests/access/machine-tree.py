"""The machine windows of Pawlane and Emberpeak as a screen reader reads them
through AT-SPI: meters with their values, push buttons that press, reels told by
their symbols; Spin pressed through the action interface spins.

Run by read-machine-tree, which provides the display and the buses.
    machine-tree.py [--dump] PAWLANE_PROGRAM EMBERPEAK_PROGRAM
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

PAWLANE_SYMBOLS = "Wild|Horse|Dog|Pig|Cat|Rabbit|Rooster|Fish"
EMBERPEAK_SYMBOLS = "Volcano|Fire Crystal|Helicopter|Flare|Rope|Compass|Ice Crystal|Lava Rock|SOS Bonus sign|Wild"

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAILED: " + what, file=sys.stderr)
    return ok


def wait_for(condition, seconds):
    end = time.time() + seconds
    while time.time() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.2)
    return condition()


def application(program):
    name = os.path.basename(program)
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == name:
            return app
    return None


def machine_parts(app):
    """The children of the accessible that holds the Spin button, by name."""
    def holds_spin(node):
        return any(c is not None and c.name == "Spin" for c in node)
    found = pyatspi.findDescendant(app, holds_spin, True)
    return {c.name: c for c in found} if found else {}


def dump(node, depth=0):
    line = "  " * depth + "[%s] %r" % (node.getRoleName(), node.name)
    if node.description:
        line += " — %s" % node.description
    try:
        line += " value=%g" % node.queryValue().currentValue
    except NotImplementedError:
        pass
    try:
        action = node.queryAction()
        line += " actions=%s" % [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        pass
    states = node.getState()
    if not states.contains(pyatspi.STATE_SENSITIVE):
        line += " (unavailable)"
    if states.contains(pyatspi.STATE_PRESSED):
        line += " (pressed)"
    print(line)
    for child in node:
        if child is not None:
            dump(child, depth + 1)


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check(names == ["Press"], "%s offers Press alone, not %s" % (node.name, names))
    action.doAction(0)


def value(node):
    return node.queryValue().currentValue


def check_machine(program, stock, symbols, control, show):
    game = subprocess.Popen([program], stderr=subprocess.PIPE)
    try:
        app = wait_for(lambda: application(program), 30)
        if not check(app is not None, "%s shows up on the accessibility bus" % program):
            return
        parts = wait_for(lambda: machine_parts(app), 30)
        if show:
            dump(app)
        for meter, number in (("Credits", 1000), ("Coins", 0), ("Winnings", 0), (stock, 6)):
            node = parts.get(meter)
            if check(node is not None, "%s has a meter %s" % (program, meter)):
                check(value(node) == number, "%s is %d, not %g" % (meter, number, value(node)))
                check(node.description == "{:,}".format(number),
                      "%s reads %s, not %r" % (meter, "{:,}".format(number), node.description))
        buttons = ["Spin", "Bet 1", "Bet 3"] + ["%s reel %d" % (control, r) for r in (1, 2, 3)]
        for name in buttons:
            node = parts.get(name)
            check(node is not None and node.getRole() == pyatspi.ROLE_PUSH_BUTTON,
                  "%s has a push button %s" % (program, name))
        for reel in (1, 2, 3):
            node = parts.get("Reel %d" % reel)
            if check(node is not None, "%s has Reel %d" % (program, reel)):
                check(re.fullmatch(symbols, node.description) is not None,
                      "Reel %d is told by its symbols: %r" % (reel, node.description))
        if "Spin" not in parts or "Bet 1" not in parts:
            return
        # Busy for a moment after the start.
        wait_for(lambda: parts["Spin"].getState().contains(pyatspi.STATE_SENSITIVE), 10)
        press(parts["Bet 1"])
        check(wait_for(lambda: value(parts["Coins"]) == 1, 10), "Bet 1 bets a coin")
        press(parts["Spin"])
        record = os.path.join(os.environ["XDG_CONFIG_HOME"], os.path.basename(program) + ".ini")

        def spun():
            try:
                with open(record) as f:
                    return re.search(r"^Spins=1$", f.read(), re.M) is not None
            except OSError:
                return False
        check(wait_for(spun, 30), "Spin pressed through AT-SPI spins (Spins=1 in %s)" % record)
        result = [c for c in parts.values() if c.getRole() == pyatspi.ROLE_STATUS_BAR]
        check(len(result) == 1 and result[0].name != "", "the spin's result is told")
        if show and result:
            print("after the spin: %r; Credits %s" % (result[0].name, parts["Credits"].description))
    finally:
        game.terminate()
        try:
            game.wait(10)
        except subprocess.TimeoutExpired:
            game.kill()


def main():
    args = sys.argv[1:]
    show = args[:1] == ["--dump"]
    if show:
        args = args[1:]
    pawlane, emberpeak = args
    rows = r"(top|middle|bottom) (%s)( in a gold ring)?" % PAWLANE_SYMBOLS
    check_machine(pawlane, "Holds", r"%s, %s, %s" % (rows, rows, rows), "Hold", show)
    check_machine(emberpeak, "Nudges", r"(%s)" % EMBERPEAK_SYMBOLS, "Nudge", show)
    if failures:
        sys.exit(1)
    print("The machines read as a screen reader hears them.")


main()
