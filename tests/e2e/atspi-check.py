#!/usr/bin/python3
"""Walks the accessibility tree of the running pathsum, as a screen reader sees it through
AT-SPI, after a finished run with the default settings and with Arrows at a Point showing the
centre of the fourth screen, and checks what a blind student must be able to hear."""
import re
import sys
import time

import pyatspi


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def relations(node, kind):
    return [r.getTarget(0) for r in node.getRelationSet() if r.getRelationType() == kind]


def find_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(50):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "pathsum":
                return app
        time.sleep(0.2)
    sys.exit("pathsum is not on the accessibility bus")


failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


app = find_application()
everything = list(nodes(app))
names = [n.name for n in everything]

check(names.count("Plot") == 1, "one node named Plot, not %d" % names.count("Plot"))
check(names.count("Light source") == 1,
      "one node named Light source, not %d" % names.count("Light source"))
check("Pattern: Mirror Number Single" in names, "the pattern button says the pattern")
check("Source X= 0" in names and "Source Y= 100" in names, "the source labels say the position")

for n in everything:
    check("<" not in n.description, "markup in the description of %r" % n.name)
    siblings = [c.name for c in (n.getChildAtIndex(i) for i in range(n.childCount)) if c]
    for name in set(siblings):
        check(not name or siblings.count(name) == 1, "two nodes named %r under %r" % (name, n.name))

for screen in range(1, 11):
    distance = [s for s in names if s.startswith("Screen %d, " % screen)]
    check(len(distance) == 1 and re.fullmatch(
        r"Screen %d, %d below the mirrors: largest value [0-9.]+ at X = -?[0-9.]+"
        % (screen, 10 * screen), distance[0]) is not None,
        "screen %d says its distance and its largest value: %r" % (screen, distance))
    check("Screen %d: 101 paths" % screen in names, "screen %d says its path count" % screen)

boxes = {n.name: n.queryText().getText(0, -1) for n in everything
         if n.getRole() == pyatspi.ROLE_TEXT}
check(boxes.get("Wavelength") == "1" and boxes.get("Resolution in radians") == ".001",
      "the boxes say their values: %r" % boxes)

plot = [n for n in everything if n.name == "Plot"]
check(plot and re.search(r"largest value, [0-9.]+, lies on Screen 10 at X = 0",
                         plot[0].description) is not None,
      "the plot says where its brightest point lies: %r" % (plot and plot[0].description))

captions = {}
for n in everything:
    for value in relations(n, pyatspi.RELATION_LABEL_FOR):
        captions[n.name] = value.name
check(captions.get("Paths N") == "Paths N: 101", "Paths N is heard with its value: %r" % captions)
check(captions.get("Y (below the row)") == "Y (below the row): 40",
      "the probed screen's distance is heard: %r" % captions)
check(re.fullmatch(r"p / N²: 0\.[0-9]+", captions.get("p / N²", "")) is not None,
      "p / N² is heard with its value: %r" % captions)
window = [n.getRoleName() for n in everything
          if n.name == "Arrows at a Point" and n.getRole() != pyatspi.ROLE_MENU_ITEM]
check(window in (["window"], ["frame"]), "the arrows window is announced as a window: %r" % window)

chain = [n for n in everything if n.name == "Arrow chain"]
check(chain and "Now 101 arrows" in chain[0].description,
      "the arrow chain says what it shows: %r" % (chain and chain[0].description))

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
