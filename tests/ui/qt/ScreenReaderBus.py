"""The window as a screen reader meets it on the accessibility bus (AT-SPI).

Run inside a private D-Bus session on a display (ScreenReaderBus.sh does
both):  ScreenReaderBus.py <program> <project> <work folder>

Starts the bus and the program, switches to German by pressing the German
flag through the bus, checks the names read out, then chooses a preset (two
presses on its item, as two clicks) and an icon (a press on its item, then a
press on "Use"), all through the bus, and checks what each did. Prints what it
read. Exit status 0 when all holds, 1 when something does not, 77 when the bus
cannot be had here. Every wait is bounded.
"""

import os
import struct
import subprocess
import sys
import time

SKIP = 77

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi
except (ImportError, ValueError) as error:
    print(f"no AT-SPI client library: {error}")
    sys.exit(SKIP)

FAULTS = []
RED = ("red", "srgb(255,0,0)")  # as ImageMagick names the colour


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        FAULTS.append(what)


def wait_for(test, seconds=10.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = test()
        if value:
            return value
        time.sleep(0.1)
    return None


def children(node):
    try:
        count = node.get_child_count()
    except Exception:  # a node that went away
        return []
    return [c for c in (node.get_child_at_index(i) for i in range(count)) if c is not None]


def walk(node):
    """Every node under `node` (the values of a combo box are not walked)."""
    todo = [node]
    while todo:
        at = todo.pop()
        yield at
        if at.get_role() != Atspi.Role.COMBO_BOX:
            todo.extend(children(at))


def find(root, role, name):
    for node in walk(root):
        try:
            if node.get_role() == role and node.get_name() == name:
                return node
        except Exception:
            continue
    return None


def press(node):
    for i in range(node.get_n_actions()):
        if node.get_action_name(i) == "Press":
            return node.do_action(i)
    raise RuntimeError(f"{node.get_name()!r} has no Press action")


def gone(node, parent):
    try:
        return node not in children(parent)
    except Exception:  # asked of a node that went away
        return True


def selected(node):
    return node.get_state_set().contains(Atspi.StateType.SELECTED)


def labelled_by(node):
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            return relation.get_target(0).get_name()
    return ""


def write_bmp(path, size, bgr):
    row = bytes(bgr) * size + b"\0" * ((4 - size * 3 % 4) % 4)
    pixels = row * size
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def prepare(work):
    """The user's folder: German nowhere yet, two presets, two icons."""
    folder = os.path.join(work, "config", "kestrova")
    os.makedirs(os.path.join(folder, "icons"))
    with open(os.path.join(folder, "presets-default.ini"), "w", newline="") as f:
        f.write("[preset1]\r\nFrameOn=0\r\nFrameWidth=2\r\n[preset2]\r\nFrameOn=1\r\nFrameWidth=7\r\n")
    write_bmp(os.path.join(folder, "icons", "red.bmp"), 8, (0, 0, 255))
    write_bmp(os.path.join(folder, "icons", "blue.bmp"), 8, (255, 0, 0))
    with open(os.path.join(folder, "bullets.ini"), "w", newline="") as f:
        f.write("icons/red.bmp\r\nicons/blue.bmp\r\n")


def pixel(node, work, x, y):
    """The colour at (x, y) of the node's place on the screen, as ImageMagick names it."""
    box = node.get_extents(Atspi.CoordType.SCREEN)
    path = os.path.join(work, "shot.png")
    subprocess.run(["import", "-window", "root", "-crop", f"{box.width}x{box.height}+{box.x}+{box.y}", path],
                   check=True, timeout=30)
    result = subprocess.run(["convert", path, "-format", f"%[pixel:p{{{x},{y}}}]", "info:"], check=True,
                            timeout=30, capture_output=True, text=True)
    return result.stdout.strip()


def check_names(window):
    """The names of the controls the German flag brought into German."""
    expected = [
        (Atspi.Role.PUSH_BUTTON, "Deutsch"),
        (Atspi.Role.PUSH_BUTTON, "Español"),
        (Atspi.Role.CHECK_BOX, "Fett"),
        (Atspi.Role.CHECK_BOX, "Unten ausrichten"),
        (Atspi.Role.PUSH_BUTTON, "Startpunkt setzen"),
        (Atspi.Role.PUSH_BUTTON, "Endpunkt setzen (bestimmt die Knopfgröße)"),
        (Atspi.Role.PUSH_BUTTON, "Symbol entfernen"),
        (Atspi.Role.PUSH_BUTTON, "Optionen ein- oder ausblenden"),
        (Atspi.Role.TEXT, "Knopf-Beschriftungen - zum Laden doppelklicken"),
        (Atspi.Role.LIST, "Ausgabevorschau"),
        (Atspi.Role.SPIN_BUTTON, "Position, horizontal"),
        (Atspi.Role.SPIN_BUTTON, "Position, vertikal"),
        (Atspi.Role.SPIN_BUTTON, "Abgerundet, vertikal"),
        (Atspi.Role.PUSH_BUTTON, "Ausgabeordner, durchsuchen"),
        (Atspi.Role.SLIDER, "Deckkraft"),
    ]
    found = {}
    for node in walk(window):
        try:
            found.setdefault((node.get_role(), node.get_name()), node)
        except Exception:
            continue
    for role, name in expected:
        check((role, name) in found, f"{Atspi.role_get_name(role)} read as {name!r}")
    combos = [n for (role, _), n in found.items() if role == Atspi.Role.COMBO_BOX]
    labels = sorted(labelled_by(n) for n in combos)
    print(f"     combo boxes labelled by {labels}")
    check("Rasterung" in labels, "the dither combo box labelled by 'Rasterung'")
    unnamed = [Atspi.role_get_name(role) for (role, name) in found
               if not name and role in (Atspi.Role.PUSH_BUTTON, Atspi.Role.CHECK_BOX, Atspi.Role.SPIN_BUTTON,
                                        Atspi.Role.SLIDER, Atspi.Role.RADIO_BUTTON, Atspi.Role.LIST)]
    check(not unnamed, f"no unnamed button, box, field or list (found {unnamed})")


def choose_preset(app, window):
    press(find(window, Atspi.Role.PUSH_BUTTON, "Presets"))
    dialog = wait_for(lambda: next((c for c in children(app) if c.get_role() == Atspi.Role.DIALOG), None))
    check(dialog is not None, "the presets dialog opens")
    if dialog is None:
        return
    grid = find(dialog, Atspi.Role.LIST, "Presets")
    items = children(grid) if grid is not None else []
    print(f"     presets read: {[i.get_name() for i in items]}")
    check([i.get_name() for i in items] == ["preset1", "preset2"], "the presets grid lists preset1 and preset2")
    if len(items) < 2:
        return
    press(items[1])
    check(wait_for(lambda: selected(items[1])) is not None, "a first press selects preset2")
    press(items[1])
    check(wait_for(lambda: gone(dialog, app)) is not None, "a second press applies it and closes the dialog")
    frame = find(window, Atspi.Role.CHECK_BOX, "Rahmen")
    width = find(window, Atspi.Role.PANEL, "Rahmen")
    width = find(width, Atspi.Role.SPIN_BUTTON, "Breite") if width is not None else None
    check(frame is not None and frame.get_state_set().contains(Atspi.StateType.CHECKED), "the frame is on")
    value = width.get_current_value() if width is not None else None
    check(value == 7, f"the frame is 7 wide (read {value})")


def use_icon(window, work):
    palette = find(window, Atspi.Role.LIST, "Symbole/Punkte")
    items = children(palette) if palette is not None else []
    print(f"     icons read: {[i.get_name() for i in items]}")
    check([i.get_name() for i in items] == ["red.bmp", "blue.bmp"], "the icon palette lists red.bmp and blue.bmp")
    if not items:
        return
    # The icon goes at (2, 2), 16 pixels square: red at (9, 9) once it is used.
    base = find(window, Atspi.Role.FILLER, "Basisbild - zum Laden doppelklicken")
    before = pixel(base, work, 9, 9)
    print(f"     the base image at (9, 9) before: {before}")
    check(before not in RED, "the base image is not red where the icon goes")
    press(items[0])
    check(wait_for(lambda: selected(items[0])) is not None, "a press selects red.bmp")
    use = find(window, Atspi.Role.PUSH_BUTTON, "Verwenden")
    check(wait_for(lambda: use.get_state_set().contains(Atspi.StateType.ENABLED)) is not None, "Use is enabled")
    press(use)
    check(wait_for(lambda: pixel(base, work, 9, 9) in RED) is not None, "Use draws the red icon onto the base image")


def bus_answers():
    """True when the accessibility bus starts (D-Bus starts it when first asked) and its registry answers."""
    try:
        return wait_for(lambda: Atspi.get_desktop(0).get_child_count() >= 0, 10) is not None
    except Exception as error:  # GLib.Error: no bus, no registry
        print(error)
        return False


def main():
    program, project, work = sys.argv[1:4]
    prepare(work)
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               ASAN_OPTIONS="detect_leaks=0")
    env.pop("QT_QPA_PLATFORM", None)
    started = []
    try:
        if not bus_answers():
            print("the accessibility bus does not start here")
            return SKIP
        log = open(os.path.join(work, "program.log"), "w")
        started.append(subprocess.Popen([program, project], cwd=os.path.dirname(project), env=env, stdout=log,
                                        stderr=subprocess.STDOUT))
        desktop = Atspi.get_desktop(0)
        app = wait_for(lambda: next((a for a in children(desktop) if a.get_name() == "Kestrova"), None), 30)
        check(app is not None, "the program is on the accessibility bus")
        if app is None:
            return 1
        window = wait_for(lambda: find(app, Atspi.Role.FRAME, "Kestrova"), 30)
        german = wait_for(lambda: find(window, Atspi.Role.PUSH_BUTTON, "Deutsch"))
        press(german)
        check(wait_for(lambda: find(window, Atspi.Role.PAGE_TAB, "Neues Bild")) is not None,
              "the German flag pressed through the bus switches the window to German")
        check_names(window)
        choose_preset(app, window)
        use_icon(window, work)
    finally:
        for process in started:
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
    print(f"{len(FAULTS)} failed")
    return 1 if FAULTS else 0


if __name__ == "__main__":
    sys.exit(main())
