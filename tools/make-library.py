#!/usr/bin/env python3
"""The starter component library of skt and the example schematic.

    tools/make-library.py
        (re)writes library/composants/<Famille>/<Nom>.Cmp and
        examples/clignotant.Skt, after checking them; files whose contents
        are already right are left untouched, so a second run changes nothing.

    tools/make-library.py --svg OUT.svg FILE...
        draws schematic or component files as the editor shows them (black
        sheet, grouped lines red, free wires light grey, junctions as pink
        squares, texts in yellow with their box); several files are laid out
        side by side with their names, to look over the whole library.

Files are Windows-1252 text with CR LF line ends: the magic line ("CMP 1" or
"SKT 1") then one line per element, Group,Kind,Size,X1,Y1,X2,Y2,"Text",Angle,
in millimetres from the sheet's top-left corner, y downwards.

Every component also carries records the editor keeps without drawing
them, from which a netlist is read: one of kind 6 per pin, both its points on
the pin's connection point (the free end of its lead) and its Text the pin's
number on the package (the pad of the footprint it is soldered to), and one
of kind 7 whose Text is "Empreinte=" and the name of the component's lyt
footprint in library/empreintes.

Standard library only.
"""

import argparse
import html
import math
import re
import sys
from dataclasses import dataclass, replace
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LIBRARY = ROOT / "library" / "composants"
FOOTPRINT_LIBRARY = ROOT / "library" / "empreintes"
EXAMPLE = ROOT / "examples" / "clignotant.Skt"

# ---------------------------------------------------------------------------
# Elements and the file format

WIRE, BUS, BUS_ENTRY, DOTTED, JUNCTION, CIRCLE, TEXT = 1, 2, 3, 4, 5, 9, 10
PIN_RECORD, FOOTPRINT_RECORD = 6, 7  # never drawn: the netlist's records
CENTRED_KINDS = (JUNCTION, CIRCLE)

TEXT_SIZES = (1.5, 2, 3, 4, 5, 6, 7, 8, 9, 10)
CIRCLE_RADII = (0.5, 0.75, 1, 1.25, 1.5, 2, 2.5, 3, 3.5, 4, 5, 6, 7, 8, 9, 10, 12)
TEXT_MARGIN = 0.4  # a schematic text's box is this much taller than the text
ADVANCE = 1.1  # pen advance per character, in text heights
SHEET_WIDTH, SHEET_HEIGHT = 285, 195

# Where the outer end of pin 1 of every library component lies in its file.
LIBRARY_HANDLE = (100, 100)


@dataclass(frozen=True)
class Element:
    kind: int
    x1: float
    y1: float
    x2: float = 0
    y2: float = 0
    size: float = 0
    text: str = ""
    angle: int = 0
    group: int = 0


def text_length(text, height):
    """Length of a text along its reading direction, in mm: every character,
    drawn or not, takes one advance (the editor's TextLength at any zoom)."""
    return ADVANCE * height * len(text)


def far_corner(x, y, angle, height, length, margin=TEXT_MARGIN):
    """The corner of a text's box opposite its first point."""
    return {
        0: (x + length, y + height + margin),
        90: (x + height + margin, y - length),
        180: (x - length, y - height - margin),
        270: (x - height - margin, y + length),
    }[angle]


def text_element(x, y, text, size=2, angle=0, margin=TEXT_MARGIN):
    x2, y2 = far_corner(x, y, angle, size, text_length(text, size), margin)
    return Element(TEXT, x, y, x2, y2, size=size, text=text, angle=angle)


def with_text(element, text):
    """A text element given another text, its box recomputed as the editor's
    "Editer Texte" does."""
    return text_element(element.x1, element.y1, text, element.size, element.angle)


def number(value):
    """Shortest decimal form: full stop, integers without decimal point."""
    text = f"{value:.4f}".rstrip("0").rstrip(".")
    return "0" if text in ("", "-0") else text


def file_text(magic, elements):
    lines = [f'"{magic}"']
    for e in elements:
        fields = (e.group, e.kind, number(e.size), number(e.x1), number(e.y1),
                  number(e.x2), number(e.y2), f'"{e.text}"', e.angle)
        lines.append(",".join(str(f) for f in fields))
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def read_file(path):
    """(magic, elements) of a schematic or component file."""
    raw = Path(path).read_bytes().decode("cp1252")
    if "\n" in raw.replace("\r\n", ""):
        raise ValueError(f"{path}: a line does not end in CR LF")
    lines = [line for line in raw.split("\r\n") if line]
    magic = lines[0].strip('"')
    elements = []
    record = re.compile(r'^(-?\d+),(\d+),([-\d.]+),([-\d.]+),([-\d.]+),([-\d.]+),([-\d.]+),"([^"]*)",(\d+)$')
    for line in lines[1:]:
        m = record.match(line)
        if not m:
            raise ValueError(f"{path}: unreadable line {line!r}")
        g, k, s, x1, y1, x2, y2, text, angle = m.groups()
        elements.append(Element(int(k), float(x1), float(y1), float(x2), float(y2),
                                float(s), text, int(angle), int(g)))
    return magic, elements


def write_if_changed(path, data):
    if path.exists() and path.read_bytes() == data:
        return False
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)
    return True


# ---------------------------------------------------------------------------
# Geometry of element lists


def moved(e, dx, dy):
    if e.kind in CENTRED_KINDS:
        return replace(e, x1=e.x1 + dx, y1=e.y1 + dy)
    return replace(e, x1=e.x1 + dx, y1=e.y1 + dy, x2=e.x2 + dx, y2=e.y2 + dy)


def snap(v, step=1.0):
    return math.floor(v / step + 0.5) * step


def turned(elements, pins):
    """One press of the rotation key on a component in hand: a quarter turn
    about the snapped mean of its points, (dx, dy) -> (dy, -dx), texts a
    further 90 degrees. Pins are turned along."""
    points = []
    for e in elements:
        points.append((e.x1, e.y1))
        if e.kind in (WIRE, BUS, DOTTED, TEXT):
            points.append((e.x2, e.y2))
    cx = snap(sum(p[0] for p in points) / len(points))
    cy = snap(sum(p[1] for p in points) / len(points))

    def turn(x, y):
        return cx + (y - cy), cy - (x - cx)

    out = []
    for e in elements:
        x1, y1 = turn(e.x1, e.y1)
        if e.kind in CENTRED_KINDS:
            out.append(replace(e, x1=x1, y1=y1))
            continue
        x2, y2 = turn(e.x2, e.y2)
        angle = (e.angle + 90) % 360 if e.kind == TEXT else e.angle
        out.append(replace(e, x1=x1, y1=y1, x2=x2, y2=y2, angle=angle))
    return out, {n: turn(*p) for n, p in pins.items()}


def extent(elements):
    """(left, top, right, bottom) of the elements, text boxes and circles included."""
    xs, ys = [], []
    for e in elements:
        if e.kind == CIRCLE:
            xs += [e.x1 - e.size, e.x1 + e.size]
            ys += [e.y1 - e.size, e.y1 + e.size]
        elif e.kind in CENTRED_KINDS:
            xs.append(e.x1)
            ys.append(e.y1)
        else:
            xs += [e.x1, e.x2]
            ys += [e.y1, e.y2]
    return min(xs), min(ys), max(xs), max(ys)


# ---------------------------------------------------------------------------
# Drawing a component


def round_half_up(v):
    return math.floor(v + 0.5)


def visible_length(text, height):
    """Length of the drawn glyphs: the last character is 0.8 high wide."""
    return ADVANCE * height * (len(text) - 1) + 0.8 * height


class Symbol:
    """A component as a user draws it: pins first (pin 1 first of all, from
    its outer end), then the body, then its texts."""

    def __init__(self, ref, value):
        self.ref, self.value = ref, value
        self.elements = []
        self.pins = {}  # pin number -> outer end
        self.pin_lines = 0

    def add(self, element):
        self.elements.append(element)
        return self

    def pin(self, number, outer, inner):
        assert self.pin_lines == len(self.elements), "pins come before the body"
        self.pins[number] = outer
        self.pin_lines += 1
        return self.add(Element(WIRE, *outer, *inner))

    def line(self, *points):
        for (x1, y1), (x2, y2) in zip(points, points[1:]):
            self.add(Element(WIRE, x1, y1, x2, y2))
        return self

    def polygon(self, *points):
        return self.line(*points, points[0])

    def rect(self, x1, y1, x2, y2):
        return self.polygon((x1, y1), (x2, y1), (x2, y2), (x1, y2))

    def circle(self, cx, cy, radius):
        return self.add(Element(CIRCLE, cx, cy, size=radius))

    def dotted(self, x1, y1, x2, y2):
        return self.add(Element(DOTTED, x1, y1, x2, y2))

    def text(self, x, y, text, size=2):
        return self.add(text_element(x, y, text, size))

    def centred_text(self, cx, y, text, size=2):
        return self.text(round_half_up(cx - text_length(text, size) / 2), y, text, size)

    def arrow(self, tail, tip, closed=False, barb=1.5, spread=25):
        """A shaft with its head at `tip`; the barb ends on the 0.5 mm grid."""
        self.line(tail, tip)
        bx, by = tail[0] - tip[0], tail[1] - tip[1]
        norm = math.hypot(bx, by)
        ends = []
        for sign in (1, -1):
            a = math.radians(sign * spread)
            ux = (bx * math.cos(a) - by * math.sin(a)) / norm
            uy = (bx * math.sin(a) + by * math.cos(a)) / norm
            ends.append((tip[0] + snap(ux * barb, 0.5), tip[1] + snap(uy * barb, 0.5)))
        self.line(ends[0], tip, ends[1])
        if closed:
            self.line(ends[1], ends[0])
        return self

    def body_extent(self):
        body = [e for e in self.elements[self.pin_lines:] if e.kind != TEXT]
        return extent(body)

    def labels_above_below(self, cx):
        """Reference centred above the body, value centred below it."""
        _, top, _, bottom = self.body_extent()
        self.centred_text(cx, math.floor(top - 3), self.ref)
        return self.centred_text(cx, math.ceil(bottom + 0.6), self.value)

    def labels_below(self, cx):
        _, _, _, bottom = self.body_extent()
        y = math.ceil(bottom + 0.6)
        self.centred_text(cx, y, self.ref)
        return self.centred_text(cx, y + 3, self.value)

    def labels_at(self, x, y, value_at=None):
        """Reference at (x, y), value under it or at `value_at`."""
        self.text(x, y, self.ref)
        return self.text(*(value_at or (x, y + 3)), self.value)


# --- Two-pin components, drawn horizontally, pin 1 on the left -------------


def two_pin(ref, value, body_from, body_to, length):
    s = Symbol(ref, value)
    s.pin(1, (0, 0), (body_from, 0))
    return s.pin(2, (length, 0), (body_to, 0))


def resistor_body(s):
    return s.rect(3, -1, 11, 1)


def resistance():
    s = resistor_body(two_pin("R?", "10k", 3, 11, 14))
    return s.labels_above_below(7)


def resistance_variable():
    s = resistor_body(two_pin("R?", "10k", 3, 11, 14))
    s.arrow((4, 3), (10, -3))
    return s.labels_above_below(7)


def photoresistance():
    s = resistor_body(two_pin("R?", "LDR", 3, 11, 14))
    s.arrow((2, -5), (5, -2))
    s.arrow((5, -5), (8, -2))
    return s.labels_below(7)


def potentiometre():
    s = Symbol("RV?", "10k")
    s.pin(1, (0, 0), (3, 0))
    s.pin(2, (7, 5), (7, 1))  # the wiper
    s.pin(3, (14, 0), (11, 0))
    resistor_body(s)
    s.polygon((7, 1), (6.5, 2.5), (7.5, 2.5))
    s.centred_text(7, -4, s.ref)
    return s.text(9, 2, s.value)


def plates(s, *xs, half=3):
    for x in xs:
        s.line((x, -half), (x, half))
    return s


def condensateur():
    s = plates(two_pin("C?", "100nF", 4, 6, 10), 4, 6)
    return s.labels_above_below(5)


def condensateur_polarise():
    s = two_pin("C?", "10µF", 4, 6, 10)
    s.rect(4, -3, 5, 3)  # the positive plate
    plates(s, 6)
    s.text(1, -3, "+", 1.5)
    return s.labels_above_below(5)


def coil_bump(x, y, along, bulge):
    """One turn of a coil, 2 mm long, as a user draws it on the 0.5 mm grid.
    `along` is the unit step along the coil, `bulge` the unit step outwards."""
    steps = ((0, 0), (0, 0.5), (0.5, 1), (1.5, 1), (2, 0.5), (2, 0))
    return [(x + a * along[0] + b * bulge[0], y + a * along[1] + b * bulge[1]) for a, b in steps]


def coil(s, start, turns, along, bulge):
    points = []
    for k in range(turns):
        x = start[0] + 2 * k * along[0]
        y = start[1] + 2 * k * along[1]
        bump = coil_bump(x, y, along, bulge)
        points += bump if not points else bump[1:]
    return s.line(*points)


def inductance():
    s = two_pin("L?", "100µH", 3, 11, 14)
    coil(s, (3, 0), 4, (1, 0), (0, -1))
    return s.labels_above_below(7)


def quartz():
    s = plates(two_pin("X?", "16MHz", 4, 8, 12), 4, 8)
    s.rect(5, -2, 7, 2)
    return s.labels_above_below(6)


def fusible():
    s = resistor_body(two_pin("F?", "500mA", 3, 11, 14))
    s.line((3, 0), (11, 0))
    return s.labels_above_below(7)


# --- Diodes, pin 1 the anode on the left ------------------------------------


def diode_body(ref, value):
    s = two_pin(ref, value, 4, 8, 12)
    s.polygon((4, -2), (4, 2), (8, 0))
    return s.line((8, -2), (8, 2))


def diode():
    return diode_body("D?", "1N4148").labels_above_below(6)


def diode_schottky():
    s = diode_body("D?", "1N5819")
    s.line((8, -2), (9, -2), (9, -1))
    s.line((8, 2), (7, 2), (7, 1))
    return s.labels_above_below(6)


def zener():
    s = diode_body("D?", "5V1")
    s.line((8, -2), (7, -2))
    s.line((8, 2), (9, 2))
    return s.labels_above_below(6)


def led():
    s = diode_body("D?", "LED")
    s.arrow((5, -3), (7, -5))
    s.arrow((7, -3), (9, -5))
    return s.labels_above_below(6)


def diagonal_diode(s, start, direction, side):
    """A diode along a 45 degree side of the bridge, from `start` (its anode
    end) 6 mm along `direction`; `side` is the unit perpendicular."""
    (x, y), (dx, dy), (px, py) = start, direction, side
    base = (x + 2 * dx, y + 2 * dy)
    tip = (x + 4 * dx, y + 4 * dy)
    s.line((x, y), base)
    s.polygon((base[0] + px, base[1] + py), (base[0] - px, base[1] - py), tip)
    s.line((tip[0] + px, tip[1] + py), (tip[0] - px, tip[1] - py))
    return s.line(tip, (x + 6 * dx, y + 6 * dy))


def pont_redresseur():
    """Four diodes in a diamond: AC at top and bottom, - left, + right."""
    s = Symbol("D?", "W04M")
    s.pin(1, (10, 0), (6, 0))  # +
    s.pin(2, (0, -10), (0, -6))  # AC
    s.pin(3, (-10, 0), (-6, 0))  # -
    s.pin(4, (0, 10), (0, 6))  # AC
    diagonal_diode(s, (-6, 0), (1, -1), (1, 1))
    diagonal_diode(s, (0, -6), (1, 1), (1, -1))
    diagonal_diode(s, (-6, 0), (1, 1), (1, -1))
    diagonal_diode(s, (0, 6), (1, -1), (1, 1))
    s.text(8, -2, "+", 1.5)
    s.text(-9, -2, "-", 1.5)
    return s.labels_at(4, -9, value_at=(4, 7))


# --- Transistors, pin 1 the base or gate on the left ------------------------


def bipolar(value, pnp):
    s = Symbol("Q?", value)
    s.pin(1, (0, 0), (4, 0))  # B
    s.pin(2, (7, -8), (7, -4))  # C (NPN) or E (PNP): the upper lead
    s.pin(3, (7, 8), (7, 4))  # E (NPN) or C (PNP): the lower lead
    s.line((4, -3), (4, 3))
    if pnp:  # emitter on top, arrow pointing in
        s.line((4, -1), (7, -4))
        s.line((4, 1), (7, 4))
        s.polygon((5, -2), (5.5, -3.5), (6.5, -2.5))
    else:  # emitter below, arrow pointing out
        s.line((4, -1), (7, -4))
        s.line((4, 1), (7, 4))
        s.polygon((7, 4), (5.5, 3.5), (6.5, 2.5))
    return s.labels_at(9, -3)


def mosfet(value, p_channel):
    s = Symbol("Q?", value)
    s.pin(1, (0, 0), (4, 0))  # G
    s.pin(2, (8, -7), (8, -3))  # D
    s.pin(3, (8, 7), (8, 3))  # S
    s.line((4, -3), (4, 3))  # the gate
    for y in (-4, -1, 2):
        s.line((5, y), (5, y + 2))  # the channel, broken: enhancement mode
    s.line((5, -3), (8, -3))
    s.line((5, 3), (8, 3))
    s.line((5, 0), (8, 0), (8, 3))  # body tied to the source
    if p_channel:
        s.polygon((7, 0), (5.5, -0.5), (5.5, 0.5))
    else:
        s.polygon((5, 0), (6.5, -0.5), (6.5, 0.5))
    return s.labels_at(10, -3)


# --- Integrated circuits ----------------------------------------------------

PIN_LENGTH = 4


def box_pin(side, at, width, height):
    """Outer and inner ends of a pin on a side of a box spanning (0,0)-(w,h)."""
    return {
        "L": ((-PIN_LENGTH, at), (0, at)),
        "R": ((width + PIN_LENGTH, at), (width, at)),
        "T": ((at, -PIN_LENGTH), (at, 0)),
        "B": ((at, height + PIN_LENGTH), (at, height)),
    }[side]


def pin_number_at(side, at, width, height):
    """Where a pin's number goes: just outside the box, beside the pin."""
    return {
        "L": (-3, at - 2),
        "R": (width + 1, at - 2),
        "T": (at + 1, -3),
        "B": (at + 1, height + 1),
    }[side]


def pin_name_at(side, at, name, width, height):
    """Where a pin's name goes: inside the box, facing the pin."""
    length = visible_length(name, 1.5)
    return {
        "L": (1, at - 1),
        "R": (math.floor(width - 1 - length), at - 1),
        "T": (round_half_up(at - length / 2), 1),
        "B": (round_half_up(at - length / 2), height - 3),
    }[side]


def ic_box(value, width, height, pins, ref="U?"):
    """A rectangular IC; pins are (number, name or None, side L/R/T/B, offset)."""
    s = Symbol(ref, value)
    pins = sorted(pins)
    for number_, _, side, at in pins:
        s.pin(number_, *box_pin(side, at, width, height))
    s.rect(0, 0, width, height)
    for number_, name, side, at in pins:
        s.text(*pin_number_at(side, at, width, height), str(number_), 1.5)
        if name:
            s.text(*pin_name_at(side, at, name, width, height), name, 1.5)
    return s.labels_at(width + 1, -3, value_at=(width + 1, height + 1))


def ne555():
    return ic_box("NE555", 16, 18, [
        (1, "GND", "B", 4), (2, "TRIG", "L", 13), (3, "OUT", "R", 9),
        (4, "RESET", "T", 12), (5, "CTRL", "B", 12), (6, "THR", "L", 9),
        (7, "DIS", "L", 5), (8, "VCC", "T", 4)])


def regulateur_7805():
    return ic_box("7805", 14, 8, [(1, "IN", "L", 3), (2, "GND", "B", 7), (3, "OUT", "R", 3)])


def dil(pin_count):
    """A generic dual-in-line package: pins 1..n/2 down the left side, the
    others up the right side, 3 mm apart."""
    half = pin_count // 2
    height = 3 * (half + 1)
    pins = [(k, None, "L", 3 * k) for k in range(1, half + 1)]
    pins += [(pin_count + 1 - k, None, "R", 3 * k) for k in range(1, half + 1)]
    return ic_box(f"DIL-{pin_count}", 10, height, pins)


def ampli_op():
    """One amplifier of an LM358: 1 out, 2 in-, 3 in+, 4 V-, 8 V+."""
    s = Symbol("U?", "LM358")
    s.pin(1, (16, 0), (12, 0))
    s.pin(2, (-4, -3), (0, -3))
    s.pin(3, (-4, 3), (0, 3))
    s.pin(4, (4, 8), (4, 4))
    s.pin(8, (4, -8), (4, -4))
    s.polygon((0, -6), (12, 0), (0, 6))
    s.text(1, -4, "-", 1.5)
    s.text(1, 2, "+", 1.5)
    for text, x, y in (("1", 13, -2), ("2", -3, -5), ("3", -3, 1), ("4", 5, 5), ("8", 5, -7)):
        s.text(x, y, text, 1.5)
    return s.labels_at(8, -6, value_at=(8, 4))


def gate(value, symbol, inputs, output, inverted):
    """A logic gate in the rectangular style: `inputs` are (pin, y) on the
    left, the output on the right, with a circle when inverted."""
    width = 8
    height = 10 if len(inputs) > 1 else 8
    out_y = height // 2
    tail = width + 2 if inverted else width
    s = Symbol("U?", value)
    pins = [(n, (-PIN_LENGTH, y), (0, y)) for n, y in inputs]
    pins.append((output, (tail + PIN_LENGTH, out_y), (tail, out_y)))
    for n, outer, inner in sorted(pins):
        s.pin(n, outer, inner)
    s.rect(0, 0, width, height)
    if inverted:
        s.circle(width + 1, out_y, 1)
    s.text(round_half_up(width / 2 - visible_length(symbol, 2) / 2), 1, symbol)
    for n, y in inputs:
        s.text(-3, y - 2, str(n), 1.5)
    s.text(tail + 1, out_y - 2, str(output), 1.5)
    return s.labels_at(0, -3, value_at=(0, height + 1))


# --- Connectors: pins to the right, pin 1 on top ----------------------------


def connector(n, value, contact):
    s = Symbol("J?", value)
    for k in range(n):
        s.pin(k + 1, (0, 3 * k), (-4, 3 * k))
    contact(s, n)
    for k in range(n):
        s.text(-3, 3 * k - 2, str(k + 1), 1.5)
    return s.labels_at(-8, -5, value_at=(-8, 3 * (n - 1) + 3))


def screw_terminals(s, n):
    s.rect(-8, -2, -4, 3 * (n - 1) + 2)
    for k in range(n):
        s.circle(-6, 3 * k, 1)
        s.line((-7, 3 * k + 1), (-5, 3 * k - 1))


def header_pins(s, n):
    s.rect(-6, -2, -4, 3 * (n - 1) + 2)
    for k in range(n):
        s.circle(-5, 3 * k, 0.5)


def bornier(n):
    return connector(n, f"BORNIER-{n}", screw_terminals)


def barrette(n):
    return connector(n, f"BARRETTE-{n}", header_pins)


# --- Miscellaneous ----------------------------------------------------------


def pile():
    s = two_pin("BT?", "9V", 4, 6.5, 10)
    plates(s, 4)
    plates(s, 6, 6.5, half=1.5)  # the short, thick plate: the negative one
    s.text(1, -3, "+", 1.5)
    return s.labels_above_below(5)


def interrupteur():
    s = two_pin("SW?", "ON/OFF", 4, 10, 14)
    s.line((4, 0), (10, -3))
    return s.labels_above_below(7)


def commutateur():
    s = Symbol("SW?", "INVERSEUR")
    s.pin(1, (0, 0), (4, 0))
    s.pin(2, (14, -3), (10, -3))
    s.pin(3, (14, 3), (10, 3))
    s.line((4, 0), (10, -2))
    return s.labels_at(1, -7, value_at=(1, 4))


def bouton_poussoir():
    s = two_pin("SW?", "BP", 4, 10, 14)
    s.line((4, 0), (4, -1))
    s.line((10, 0), (10, -1))
    s.line((3, -2), (11, -2))
    s.line((7, -2), (7, -4))
    s.line((6, -4), (8, -4))
    return s.labels_above_below(7)


def relais():
    """Coil 1-2 on the left; changeover contact 3 common, 4 at rest, 5 worked."""
    s = Symbol("K?", "5V")
    s.pin(1, (0, -7), (0, -3))
    s.pin(2, (0, 7), (0, 3))
    s.pin(3, (11, 7), (11, 3))
    s.pin(4, (8, -7), (8, -3))
    s.pin(5, (14, -7), (14, -3))
    s.rect(-2, -3, 2, 3)
    s.line((8, -3), (9, -3))
    s.line((14, -3), (13, -3))
    s.line((11, 3), (9, -3))  # the blade, resting on contact 4
    s.dotted(2, 0, 10, 0)  # the coil works the blade
    for text, x, y in (("1", 1, -6), ("2", 1, 4), ("3", 12, 4), ("4", 6, -6), ("5", 15, -6)):
        s.text(x, y, text, 1.5)
    return s.labels_at(-7, -3)


def transformateur():
    s = Symbol("T?", "230V/12V")
    s.pin(1, (0, -4), (4, -4))
    s.pin(2, (0, 4), (4, 4))
    s.pin(3, (13, -4), (9, -4))
    s.pin(4, (13, 4), (9, 4))
    coil(s, (4, -4), 4, (0, 1), (1, 0))
    coil(s, (9, -4), 4, (0, 1), (-1, 0))
    s.line((6, -5), (6, 5))
    s.line((7, -5), (7, 5))
    return s.labels_above_below(6.5)


def haut_parleur():
    s = Symbol("LS?", "8R")
    s.pin(1, (0, -2), (4, -2))
    s.pin(2, (0, 2), (4, 2))
    s.rect(4, -3, 7, 3)
    s.line((7, -3), (11, -7), (11, 7), (7, 3))
    return s.labels_at(13, -3)


def lampe():
    s = two_pin("LP?", "12V", 4, 10, 14)
    s.circle(7, 0, 3)
    s.line((5, -2), (9, 2))
    s.line((5, 2), (9, -2))
    return s.labels_above_below(7)


def moteur():
    s = two_pin("M?", "6V", 4, 12, 16)
    s.circle(8, 0, 4)
    s.text(7, -2, "M", 3)
    return s.labels_above_below(8)


def buzzer():
    s = Symbol("BZ?", "5V")
    s.pin(1, (5, 4), (5, 0))
    s.pin(2, (9, 4), (9, 0))
    s.line((3, 0), (11, 0))
    s.line((3, 0), (3.5, -2), (5, -3.5), (7, -4), (9, -3.5), (10.5, -2), (11, 0))
    s.text(3, 1, "+", 1.5)
    return s.labels_at(13, -4)


# Families and components: folder and file names, and what draws them.
FAMILIES = {
    "Passifs": {
        "Resistance": resistance,
        "Resistance-variable": resistance_variable,
        "Potentiometre": potentiometre,
        "Photoresistance": photoresistance,
        "Condensateur": condensateur,
        "Condensateur-polarise": condensateur_polarise,
        "Inductance": inductance,
        "Quartz": quartz,
        "Fusible": fusible,
    },
    "Semiconducteurs": {
        "Diode": diode,
        "Diode-Schottky": diode_schottky,
        "Zener": zener,
        "LED": led,
        "Pont-redresseur": pont_redresseur,
        "NPN": lambda: bipolar("BC547", pnp=False),
        "PNP": lambda: bipolar("BC557", pnp=True),
        "MOSFET-N": lambda: mosfet("2N7000", p_channel=False),
        "MOSFET-P": lambda: mosfet("BS250", p_channel=True),
    },
    "Circuits-integres": {
        "NE555": ne555,
        "Ampli-op": ampli_op,
        "Regulateur-7805": regulateur_7805,
        "Porte-ET": lambda: gate("74HC08", "&", [(1, 3), (2, 7)], 3, False),
        "Porte-OU": lambda: gate("74HC32", ">=1", [(1, 3), (2, 7)], 3, False),
        "Porte-NON-ET": lambda: gate("74HC00", "&", [(1, 3), (2, 7)], 3, True),
        "Porte-NON-OU": lambda: gate("74HC02", ">=1", [(2, 3), (3, 7)], 1, True),
        "Porte-OU-exclusif": lambda: gate("74HC86", "=1", [(1, 3), (2, 7)], 3, False),
        "Inverseur": lambda: gate("74HC04", "1", [(1, 4)], 2, True),
        "DIL-8": lambda: dil(8),
        "DIL-14": lambda: dil(14),
        "DIL-16": lambda: dil(16),
    },
    "Connecteurs": {
        **{f"Bornier-{n}": (lambda n=n: bornier(n)) for n in (2, 3, 4)},
        **{f"Barrette-{n}": (lambda n=n: barrette(n)) for n in (2, 3, 4, 5, 6)},
    },
    "Divers": {
        "Pile": pile,
        "Interrupteur": interrupteur,
        "Commutateur": commutateur,
        "Bouton-poussoir": bouton_poussoir,
        "Relais": relais,
        "Transformateur": transformateur,
        "Haut-parleur": haut_parleur,
        "Lampe": lampe,
        "Moteur": moteur,
        "Buzzer": buzzer,
    },
}


# The lyt footprint of every component.
FOOTPRINTS = {
    "Resistance": "Resistance-10.16",
    "Resistance-variable": "Ajustable-PT10-H",
    "Potentiometre": "Potentiometre-16mm-5",
    "Photoresistance": "Photoresistance-5mm-3.4",
    "Condensateur": "Condensateur-ceramique-5.08",
    "Condensateur-polarise": "Condensateur-radial-2.5",
    "Inductance": "Resistance-12.7",
    "Quartz": "Quartz-HC49-4.88",
    "Fusible": "Porte-fusible-5x20-22.5",
    "Diode": "Diode-DO35-10.16",
    "Diode-Schottky": "Diode-DO41-12.7",
    "Zener": "Diode-DO35-10.16",
    "LED": "LED-5mm",
    "Pont-redresseur": "Pont-redresseur-rond-5.08",
    "NPN": "TO-92",
    "PNP": "TO-92",
    "MOSFET-N": "TO-92",
    "MOSFET-P": "TO-92",
    "NE555": "DIL-8",
    "Ampli-op": "DIL-8",
    "Regulateur-7805": "TO-220-debout",
    "Porte-ET": "DIL-14",
    "Porte-OU": "DIL-14",
    "Porte-NON-ET": "DIL-14",
    "Porte-NON-OU": "DIL-14",
    "Porte-OU-exclusif": "DIL-14",
    "Inverseur": "DIL-14",
    "DIL-8": "DIL-8",
    "DIL-14": "DIL-14",
    "DIL-16": "DIL-16",
    **{f"Bornier-{n}": f"Bornier-{n}-5.08" for n in (2, 3, 4)},
    **{f"Barrette-{n}": f"Barrette-1x{n}-2.54" for n in (2, 3, 4, 5, 6)},
    "Pile": "Coupleur-pile-9V",
    "Interrupteur": "Inverseur-glissiere-2.54",
    "Commutateur": "Inverseur-glissiere-2.54",
    "Bouton-poussoir": "Bouton-6x6",
    "Relais": "Relais-SRD",
    "Transformateur": "Transformateur-fils-7.62",
    "Haut-parleur": "Fils-2-5.08",
    "Lampe": "Fils-2-5.08",
    "Moteur": "Fils-2-5.08",
    "Buzzer": "Buzzer-12mm-7.62",
}

# Symbol pin -> pin of the package, where they differ: transistors in the
# order of their TO-92 pads, slide switches with their common pin in the
# middle.
PACKAGE_PINS = {
    "NPN": {1: 2, 2: 1, 3: 3},  # BC547: C B E; the upper lead is the collector
    "PNP": {1: 2, 2: 3, 3: 1},  # BC557: C B E; the upper lead is the emitter
    "MOSFET-N": {1: 2, 2: 3, 3: 1},  # 2N7000: S G D
    "MOSFET-P": {1: 2, 2: 1, 3: 3},  # BS250: D G S
    "Interrupteur": {1: 2, 2: 1},
    "Commutateur": {1: 2, 2: 1, 3: 3},
}


def labels_first(symbol):
    """The reference then the value become the first texts, right after the
    pins, so that they are the first two texts of every placed copy."""
    labels = sorted((e for e in symbol.elements if e.kind == TEXT and e.text in (symbol.ref, symbol.value)),
                    key=lambda e: e.text != symbol.ref)
    body = [e for e in symbol.elements[symbol.pin_lines:] if not any(e is label for label in labels)]
    symbol.elements = symbol.elements[:symbol.pin_lines] + labels + body
    return symbol


def add_netlist_records(name, symbol):
    """After the drawing and its texts: one record per pin at its connection
    point, numbered as on the package, then the footprint's record."""
    numbers = PACKAGE_PINS.get(name, {})
    for n in sorted(symbol.pins):
        point = symbol.pins[n]
        symbol.add(Element(PIN_RECORD, *point, *point, text=str(numbers.get(n, n))))
    first = symbol.pins[1]
    return symbol.add(Element(FOOTPRINT_RECORD, *first, *first, text=f"Empreinte={FOOTPRINTS[name]}"))


def footprint_pad_count(name):
    """Pads of a footprint of library/empreintes (any letter case); None
    when there is no such file."""
    for path in FOOTPRINT_LIBRARY.glob("*"):
        if path.suffix.lower() == ".emp" and path.stem.lower() == name.lower():
            lines = path.read_bytes().decode("cp1252").split("\r\n")[2:]
            return sum(1 for line in lines if line and line.split(",")[1] in ("4", "5", "6", "7"))
    return None


def handle_at(symbol, point):
    """The symbol's elements and pins moved so that pin 1's outer end is at `point`."""
    hx, hy = symbol.pins[1]
    dx, dy = point[0] - hx, point[1] - hy
    return ([moved(e, dx, dy) for e in symbol.elements],
            {n: (x + dx, y + dy) for n, (x, y) in symbol.pins.items()})


# ---------------------------------------------------------------------------
# Checks


def on_grid(v, step):
    return abs(v / step - round(v / step)) < 1e-6


# Labels of the supply symbols get a box exactly as tall as the text.
SUPPLY_LABELS = ("+5V", "-5V")


def check_texts(elements, where):
    problems = []
    for e in elements:
        if e.kind != TEXT:
            continue
        if e.size not in TEXT_SIZES:
            problems.append(f"{where}: text {e.text!r} of height {e.size}")
        margin = 0 if e.group > 0 and e.text in SUPPLY_LABELS else TEXT_MARGIN
        x2, y2 = far_corner(e.x1, e.y1, e.angle, e.size, text_length(e.text, e.size), margin)
        if not (math.isclose(e.x2, x2, abs_tol=1e-4) and math.isclose(e.y2, y2, abs_tol=1e-4)):
            problems.append(f"{where}: box of {e.text!r} ends at {e.x2},{e.y2}, not {x2},{y2}")
    return problems


def check_symbol(where, symbol):
    """A library component: handle, pins and grid rules."""
    problems = []
    first = symbol.elements[0]
    if 1 not in symbol.pins or first.kind != WIRE or (first.x1, first.y1) != symbol.pins[1]:
        problems.append(f"{where}: the first element is not pin 1 drawn from its outer end")
    for e in symbol.elements[:symbol.pin_lines]:
        length = math.hypot(e.x2 - e.x1, e.y2 - e.y1)
        if not (on_grid(e.x1, 1) and on_grid(e.y1, 1)):
            problems.append(f"{where}: pin end {e.x1},{e.y1} off the 1 mm grid")
        if not 2.5 <= length <= 5:
            problems.append(f"{where}: pin of {length} mm at {e.x1},{e.y1}")
    for e in symbol.elements:
        points = [(e.x1, e.y1)] + ([] if e.kind in CENTRED_KINDS else [(e.x2, e.y2)])
        if e.kind == TEXT:
            points = points[:1]
        if not all(on_grid(c, 0.5) for p in points for c in p):
            problems.append(f"{where}: point {points} off the 0.5 mm grid")
        if e.kind == CIRCLE and e.size not in CIRCLE_RADII:
            problems.append(f"{where}: circle of radius {e.size}")
    texts = [e.text for e in symbol.elements if e.kind == TEXT]
    for label in (symbol.ref, symbol.value):
        if texts.count(label) != 1:
            problems.append(f"{where}: {label!r} appears {texts.count(label)} times")
    return problems + check_texts(symbol.elements, where)


def check_netlist_records(where, symbol):
    """One record per pin on its connection point, package numbers each
    naming a pad of the footprint once, one footprint record."""
    problems = []
    pins = [e for e in symbol.elements if e.kind == PIN_RECORD]
    footprints = [e.text for e in symbol.elements if e.kind == FOOTPRINT_RECORD]
    if sorted((e.x1, e.y1) for e in pins) != sorted(symbol.pins.values()):
        problems.append(f"{where}: pin records are not on the pins")
    numbers = [int(e.text) for e in pins]
    if len(footprints) != 1 or not footprints[0].startswith("Empreinte="):
        return problems + [f"{where}: footprint records {footprints}"]
    footprint = footprints[0][len("Empreinte="):]
    pads = footprint_pad_count(footprint)
    if pads is None:
        problems.append(f"{where}: no footprint {footprint} in library/empreintes")
    elif len(set(numbers)) != len(numbers) or not all(1 <= n <= pads for n in numbers):
        problems.append(f"{where}: pins {numbers} on the {pads} pads of {footprint}")
    return problems


def point_key(p):
    return (round(p[0], 4), round(p[1], 4))


def inside_segment(p, e):
    """p lies on the segment e, strictly between its ends."""
    (x, y), (x1, y1, x2, y2) = p, (e.x1, e.y1, e.x2, e.y2)
    if point_key(p) in (point_key((x1, y1)), point_key((x2, y2))):
        return False
    cross = (x2 - x1) * (y - y1) - (y2 - y1) * (x - x1)
    return (abs(cross) < 1e-6 and min(x1, x2) - 1e-6 <= x <= max(x1, x2) + 1e-6
            and min(y1, y2) - 1e-6 <= y <= max(y1, y2) + 1e-6)


def nets_of(wires, terminals):
    """Nets as sets of terminal names. `terminals` maps a name (U1.8, GND...)
    to the point it connects at; wires join their two ends."""
    parent = {}

    def find(k):
        parent.setdefault(k, k)
        while parent[k] != k:
            parent[k] = parent[parent[k]]
            k = parent[k]
        return k

    for w in wires:
        parent[find(point_key((w.x1, w.y1)))] = find(point_key((w.x2, w.y2)))
    nets = {}
    for name, p in terminals.items():
        nets.setdefault(find(point_key(p)), set()).add(name)
    return sorted((frozenset(n) for n in nets.values()), key=sorted)


def check_schematic(elements, wires, terminals, expected_nets):
    problems = check_texts(elements, "example")
    left, top, right, bottom = extent(elements)
    if left < 0 or top < 0 or right > SHEET_WIDTH or bottom > SHEET_HEIGHT:
        problems.append(f"example: drawing {left},{top}-{right},{bottom} leaves the sheet")
    degree = {}
    for w in wires:
        for p in ((w.x1, w.y1), (w.x2, w.y2)):
            degree[point_key(p)] = degree.get(point_key(p), 0) + 1
    for p in terminals.values():
        degree[point_key(p)] = degree.get(point_key(p), 0) + 1
    for w in wires:
        for p in ((w.x1, w.y1), (w.x2, w.y2)):
            if not (on_grid(p[0], 1) and on_grid(p[1], 1)):
                problems.append(f"example: wire end {p} off the 1 mm grid")
            if degree[point_key(p)] < 2:
                problems.append(f"example: wire end {p} joins nothing")
    for name, p in terminals.items():
        if degree[point_key(p)] < 2:
            problems.append(f"example: {name} at {p} is not connected")
    for p in list(degree):
        for w in wires:
            if inside_segment(p, w):
                problems.append(f"example: {p} lies in the middle of a wire")
    junctions = {point_key((e.x1, e.y1)) for e in elements if e.kind == JUNCTION}
    meeting = {p for p, n in degree.items() if n >= 3}
    if junctions != meeting:
        problems.append(f"example: junctions at {sorted(junctions)}, connections of three at {sorted(meeting)}")
    nets = nets_of(wires, terminals)
    expected = sorted((frozenset(n) for n in expected_nets), key=sorted)
    if nets != expected:
        problems.append("example: nets are\n  " + "\n  ".join(", ".join(sorted(n)) for n in nets))
    return problems


# ---------------------------------------------------------------------------
# The example: the NE555 astable blinker of examples/clignotant.Lyt


def ground_symbol(handle):
    """As the ground tool lays it out: stem down from the handle to a bar."""
    x, y = handle
    return [Element(WIRE, x, y, x, y + 2), Element(BUS, x - 1, y + 2, x + 1, y + 2)]


def plus_5v_symbol(handle):
    """As the +5V tool lays it out: bar at the handle, 2 mm stem below it,
    label above the bar, its box as tall as the label."""
    x0, y0 = handle[0] - 2, handle[1] - 2
    return [Element(WIRE, x0 + 2, y0 + 2, x0 + 2, y0 + 4),
            Element(BUS, x0 + 1, y0 + 2, x0 + 3, y0 + 2),
            text_element(x0, y0, "+5V", 1.5, margin=0)]


# (ref, value, library component, where pin 1 goes, quarter turns, where the
# reference and value texts were moved to after turning them upright again)
BLINKER_PARTS = [
    ("U1", "NE555", "NE555", (134, 102), 0, None, None),
    ("R1", "1K", "Resistance", (156, 89), 0, None, None),
    ("R2", "10k", "Resistance", (114, 85), 1, (104, 75), (104, 78)),
    ("R3", "68k", "Resistance", (114, 99), 1, (104, 89), (104, 92)),
    ("C1", "10µF", "Condensateur-polarise", (114, 99), 3, (119, 102), (119, 105)),
    ("C2", "10nF", "Condensateur", (142, 114), 1, (147, 106), (147, 109)),
    ("D1", "LED", "LED", (176, 89), 3, (183, 93), (183, 96)),
    ("J1", "ALIM 5V", "Bornier-2", (88, 90), 0, None, (78, 96)),
]

BLINKER_WIRES = [
    # +5V: supply terminal to the rail, the rail to R2, VCC and RESET
    [(88, 90), (92, 90), (92, 66)],
    [(92, 66), (114, 66)],
    [(114, 66), (114, 71)],
    [(114, 66), (134, 66)],
    [(134, 66), (134, 76)],
    [(134, 66), (142, 66), (142, 76)],
    # discharge between R2 and R3
    [(114, 85), (126, 85)],
    # threshold and trigger tied to the timing capacitor
    [(114, 99), (122, 99), (122, 93)],
    [(122, 93), (126, 93)],
    [(122, 93), (122, 89), (126, 89)],
    # control voltage decoupling
    [(142, 102), (142, 104)],
    # output, series resistor, LED
    [(150, 89), (156, 89)],
    [(170, 89), (176, 89)],
    # ground rail
    [(88, 93), (96, 93), (96, 116)],
    [(96, 116), (114, 116)],
    [(114, 109), (114, 116)],
    [(114, 116), (134, 116)],
    [(134, 102), (134, 116)],
    [(134, 116), (142, 116)],
    [(142, 114), (142, 116)],
    [(142, 116), (176, 116), (176, 101)],
]
BLINKER_PLUS_5V = (92, 64)  # handle: the bar; the stem ends on the rail at (92, 66)
BLINKER_GROUND = (96, 116)

BLINKER_NETS = [
    {"+5V", "J1.1", "R2.2", "U1.8", "U1.4"},
    {"GND", "J1.2", "C1.2", "C2.1", "U1.1", "D1.2"},
    {"U1.7", "R2.1", "R3.2"},
    {"U1.6", "U1.2", "R3.1", "C1.1"},
    {"U1.5", "C2.2"},
    {"U1.3", "R1.1"},
    {"R1.2", "D1.1"},
]

# free texts marking the polarity of the supply terminal
BLINKER_MARKS = [(89, 87, "+"), (89, 94, "-")]
BLINKER_TITLE = "CLIGNOTANT A NE555"
BLINKER_NOTE = "F = 1,44 / ((R2 + 2 R3) C1) = 1 HZ"


def place(symbol, group, handle, turns, ref, value, ref_at, value_at):
    """A component dropped from the library: turned, brought to `handle`,
    its texts renamed and, where given, turned upright and moved."""
    elements, pins = symbol.elements, symbol.pins
    for _ in range(turns):
        elements, pins = turned(elements, pins)
    dx, dy = handle[0] - elements[0].x1, handle[1] - elements[0].y1
    elements = [moved(e, dx, dy) for e in elements]
    pins = {f"{ref}.{n}": (x + dx, y + dy) for n, (x, y) in pins.items()}
    out = []
    for e in elements:
        for old, new, at in ((symbol.ref, ref, ref_at), (symbol.value, value, value_at)):
            if e.kind == TEXT and e.text == old:
                e = with_text(e, new)
                if at:
                    e = text_element(*at, new, e.size)
        out.append(replace(e, group=group))
    return out, pins


def blinker(symbols):
    elements, terminals = [], {}
    group = 0
    for ref, value, name, handle, turns, ref_at, value_at in BLINKER_PARTS:
        group += 1
        placed, pins = place(symbols[name], group, handle, turns, ref, value, ref_at, value_at)
        elements += placed
        terminals.update(pins)
    for symbol_elements in (plus_5v_symbol(BLINKER_PLUS_5V), ground_symbol(BLINKER_GROUND)):
        group += 1
        elements += [replace(e, group=group) for e in symbol_elements]
    terminals["+5V"] = (BLINKER_PLUS_5V[0], BLINKER_PLUS_5V[1] + 2)
    terminals["GND"] = BLINKER_GROUND
    wires = [Element(WIRE, *a, *b) for chain in BLINKER_WIRES for a, b in zip(chain, chain[1:])]
    elements += [text_element(x, y, mark, 1.5) for x, y, mark in BLINKER_MARKS]
    elements += wires
    # a junction wherever three connections meet
    degree = {}
    for p in [pt for w in wires for pt in ((w.x1, w.y1), (w.x2, w.y2))] + list(terminals.values()):
        degree[p] = degree.get(p, 0) + 1
    elements += [Element(JUNCTION, *p) for p in sorted(degree) if degree[p] >= 3]
    # title above, formula below, both centred on the drawing
    left, top, right, bottom = extent(elements)
    middle = (left + right) / 2
    elements.append(text_element(round_half_up(middle - text_length(BLINKER_TITLE, 4) / 2),
                                 math.floor(top) - 10, BLINKER_TITLE, 4))
    elements.append(text_element(round_half_up(middle - text_length(BLINKER_NOTE, 2) / 2),
                                 math.ceil(bottom) + 5, BLINKER_NOTE, 2))
    # the whole drawing centred on the sheet, by whole millimetres
    left, top, right, bottom = extent(elements)
    dx = round_half_up(SHEET_WIDTH / 2 - (left + right) / 2)
    dy = round_half_up(SHEET_HEIGHT / 2 - (top + bottom) / 2)
    elements = [moved(e, dx, dy) for e in elements]
    wires = [moved(w, dx, dy) for w in wires]
    terminals = {n: (x + dx, y + dy) for n, (x, y) in terminals.items()}
    return elements, wires, terminals


# ---------------------------------------------------------------------------
# Drawing files as SVG, the way the editor shows them

COLOURS = {
    "wire": "rgb(192,192,192)", "bus": "rgb(0,0,255)", "dotted": "rgb(0,255,0)",
    "junction": "rgb(255,128,255)", "symbol": "rgb(255,0,0)", "text": "rgb(255,255,0)",
}
WIRE_PEN, BUS_PEN, JUNCTION_HALF = 0.1, 0.5, 0.4


def load_glyphs():
    """The stroke font, read from the program's glyph table; {} without it."""
    source = ROOT / "common" / "core" / "glyph_table.cpp"
    if not source.exists():
        return {}
    text = source.read_text(encoding="utf-8")
    marks = list(re.finditer(r"\{U'(\\u[0-9A-Fa-f]{4}|\\.|[^'\\])',", text))
    glyphs = {}
    for m, following in zip(marks, marks[1:] + [None]):
        char = m.group(1)
        if char.startswith("\\u"):
            char = chr(int(char[2:], 16))
        elif char.startswith("\\"):
            char = char[1]
        chunk = text[m.end():following.start() if following else len(text)]
        glyphs[char] = [tuple(int(v) / 10 for v in s)
                        for s in re.findall(r"\{(\d+), (\d+), (\d+), (\d+)\}", chunk)]
    return glyphs


def glyph_strokes(e, glyphs):
    """Segments of a text in mm, placed as the editor's DrawText places them."""
    h, d = e.size, TEXT_MARGIN
    px, py = {0: (e.x1, e.y1 + d), 90: (e.x1 + d, e.y1),
              180: (e.x1, e.y1 - d), 270: (e.x1 - d, e.y1)}[e.angle]
    segments = []
    for char in e.text:
        if "a" <= char <= "z":
            char = char.upper()  # letters a-z only: the micro sign stays itself
        strokes = glyphs.get(char)
        if strokes is None and char != " ":
            continue  # no glyph: skipped, the pen does not move
        ox, oy = {0: (px, py), 90: (px, py - 1.1 * h), 180: (px - 1.1 * h, py),
                  270: (px - 0.9 * h, py)}[e.angle]

        def at(x, y):
            return {0: (ox + x * h, oy + y * h), 90: (ox + y * h, oy + (0.8 - x) * h),
                    180: (ox + (0.8 - x) * h, oy - y * h),
                    270: (ox + (0.9 - y) * h, oy + x * h)}[e.angle]

        for x1, y1, x2, y2 in strokes or []:
            segments.append((*at(x1, y1), *at(x2, y2)))
        px, py = {0: (ox + 1.1 * h, oy), 90: (ox, oy), 180: (ox, oy),
                  270: (ox + 0.9 * h, oy + 1.1 * h)}[e.angle]
    return segments


def svg_elements(elements, glyphs, dx=0, dy=0):
    out = []

    def seg(x1, y1, x2, y2, colour, width, dash=""):
        out.append(f'<line x1="{x1 + dx:.3f}" y1="{y1 + dy:.3f}" x2="{x2 + dx:.3f}" y2="{y2 + dy:.3f}" '
                   f'stroke="{colour}" stroke-width="{width}" stroke-linecap="round"{dash}/>')

    for e in elements:
        grouped = e.group > 0
        if e.kind in (WIRE, BUS_ENTRY):
            seg(e.x1, e.y1, e.x2, e.y2, COLOURS["symbol" if grouped else "wire"], max(WIRE_PEN, 0.15))
        elif e.kind == BUS:
            seg(e.x1, e.y1, e.x2, e.y2, COLOURS["symbol" if grouped else "bus"], BUS_PEN)
        elif e.kind == DOTTED:
            seg(e.x1, e.y1, e.x2, e.y2, COLOURS["symbol" if grouped else "dotted"], 0.15,
                ' stroke-dasharray="0.5,0.5"')
        elif e.kind == JUNCTION:
            r = JUNCTION_HALF
            out.append(f'<rect x="{e.x1 - r + dx:.3f}" y="{e.y1 - r + dy:.3f}" width="{2 * r}" '
                       f'height="{2 * r}" fill="{COLOURS["symbol" if grouped else "junction"]}"/>')
        elif e.kind == CIRCLE:
            out.append(f'<circle cx="{e.x1 + dx:.3f}" cy="{e.y1 + dy:.3f}" r="{e.size}" fill="none" '
                       f'stroke="{COLOURS["symbol"]}" stroke-width="0.15"/>')
        elif e.kind == TEXT:
            x, y = min(e.x1, e.x2), min(e.y1, e.y2)
            w, h = abs(e.x2 - e.x1), abs(e.y2 - e.y1)
            out.append(f'<rect x="{x + dx:.3f}" y="{y + dy:.3f}" width="{w:.3f}" height="{h:.3f}" '
                       f'fill="none" stroke="rgb(96,96,0)" stroke-width="0.05"/>')
            for s in glyph_strokes(e, glyphs):
                seg(*s, COLOURS["text"], max(e.size / 12, 0.12))
    return out


def draw_svg(out_path, paths, scale=8):
    glyphs = load_glyphs()
    body = []
    files = [(Path(p), read_file(p)[1]) for p in paths]
    if len(files) == 1 and files[0][0].suffix.lower() == ".skt":
        width, height = SHEET_WIDTH, SHEET_HEIGHT
        body += svg_elements(files[0][1], glyphs)
    else:  # a board of components, each in its own cell with its name
        cell_w, cell_h, columns = 45, 45, 6
        rows = (len(files) + columns - 1) // columns
        width, height = cell_w * columns, cell_h * rows
        for k, (path, elements) in enumerate(files):
            cx, cy = (k % columns) * cell_w, (k // columns) * cell_h
            left, top, right, bottom = extent(elements)
            dx = cx + cell_w / 2 - (left + right) / 2
            dy = cy + (cell_h - 6) / 2 - (top + bottom) / 2
            body.append(f'<rect x="{cx}" y="{cy}" width="{cell_w}" height="{cell_h}" fill="none" '
                        f'stroke="rgb(60,60,60)" stroke-width="0.2"/>')
            body += svg_elements(elements, glyphs, dx, dy)
            body.append(f'<text x="{cx + cell_w / 2}" y="{cy + cell_h - 2}" fill="white" font-size="3" '
                        f'text-anchor="middle" font-family="sans-serif">{html.escape(path.stem)}</text>')
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width * scale}" height="{height * scale}" '
           f'viewBox="0 0 {width} {height}">\n<rect width="{width}" height="{height}" fill="black"/>\n'
           + "\n".join(body) + "\n</svg>\n")
    Path(out_path).write_text(svg, encoding="utf-8")


# ---------------------------------------------------------------------------


def build():
    problems, written = [], []
    symbols = {}
    for family, components in FAMILIES.items():
        for name, make in components.items():
            symbol = make()
            symbols[name] = symbol
            where = f"{family}/{name}"
            add_netlist_records(name, labels_first(symbol))
            problems += check_symbol(where, symbol)
            problems += check_netlist_records(where, symbol)
            elements, _ = handle_at(symbol, LIBRARY_HANDLE)
            path = LIBRARY / family / f"{name}.Cmp"
            if not problems and write_if_changed(path, file_text("CMP 1", elements)):
                written.append(path)
    shipped = {p for p in LIBRARY.glob("*/*") if p.suffix.lower() == ".cmp"}
    made = {LIBRARY / f / f"{n}.Cmp" for f, c in FAMILIES.items() for n in c}
    for stray in sorted(shipped - made):
        print(f"note: {stray.relative_to(ROOT)} is not made by this script", file=sys.stderr)

    elements, wires, terminals = blinker(symbols)
    problems += check_schematic(elements, wires, terminals, BLINKER_NETS)
    if not problems and write_if_changed(EXAMPLE, file_text("SKT 1", elements)):
        written.append(EXAMPLE)
    for problem in problems:
        print(problem, file=sys.stderr)
    for path in written:
        print(f"wrote {path.relative_to(ROOT)}")
    count = sum(len(c) for c in FAMILIES.values())
    print(f"{count} components in {len(FAMILIES)} families, {len(written)} files changed")
    return 1 if problems else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--svg", metavar="OUT.svg", help="draw FILE... into OUT.svg instead")
    parser.add_argument("files", nargs="*", metavar="FILE")
    args = parser.parse_args()
    if args.svg:
        if not args.files:
            parser.error("--svg needs at least one .Skt or .Cmp file")
        draw_svg(args.svg, args.files)
        return 0
    return build()


if __name__ == "__main__":
    sys.exit(main())
