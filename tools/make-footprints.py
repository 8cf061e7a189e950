#!/usr/bin/env python3
"""The footprint library of lyt.

    tools/make-footprints.py
        (re)writes library/empreintes/<Nom>.Emp after checking every
        footprint, and the example board examples/clignotant.Lyt, built from
        those footprints and checked against the nets of its schematic
        examples/clignotant.Skt; files whose contents are already right are
        left untouched, so a second run changes nothing.

    tools/make-footprints.py --list
        prints the library as a Markdown table (name, package, pitch, pads
        and holes), the one in README.md.

    tools/make-footprints.py --svg OUT.svg [FILE...]
        draws footprint or board files (the whole library without FILE) as
        the editor shows them: pads red, holes blue with a black centre,
        silkscreen yellow, component-side tracks green.

A footprint file is Windows-1252 text with CR LF line ends: the magic line
"EMP 3", the grid line, then one line per element, Group,Kind,Layer,Size,X1,
Y1,X2,Y2,"Text",Angle, in millimetres, y downwards. A pad is two elements at
the same centre: the pad (its Size is half its smaller dimension) and its
hole (Size: the drill radius), both on the through layer 3. Pads come first,
in pin-number order, so pad n of a footprint is the n-th pad of its file and
pin 1 is the handle the footprint is placed by; the silkscreen outline
follows. Sizes are the exact values of the program's size lists.

Standard library only.
"""

import argparse
import html
import math
import re
import struct
import sys
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LIBRARY = ROOT / "library" / "empreintes"
EXAMPLE_BOARD = ROOT / "examples" / "clignotant.Lyt"
EXAMPLE_SCHEMATIC = ROOT / "examples" / "clignotant.Skt"

# ---------------------------------------------------------------------------
# Elements, the program's size lists and the file format

TRACK, ROUND, SQUARE, OVAL, RECT, HOLE, CIRCLE, TEXT = 1, 4, 5, 6, 7, 8, 9, 10
COMPONENT, SOLDER, SILKSCREEN, THROUGH = 0, 1, 2, 3
PAD_KINDS = (ROUND, SQUARE, OVAL, RECT)

PAD_RADII = (0.635, 0.79375, 0.9525, 1.11, 1.27, 1.905, 2.54, 3.175, 3.81, 5.08,
             7.62, 10.16, 12.7, 15.24, 19.05, 22.86, 25.4)
TRACK_WIDTHS = (0.15875, 0.3175, 0.635, 0.9525, 1.27, 1.905, 2.54, 3.175, 3.81,
                5.08, 7.62, 10.16, 20.32)
HOLE_RADII = (0.4, 0.5, 0.6, 0.75, 1, 1.25, 1.5, 1.6, 1.75, 2, 2.1, 2.25, 2.5,
              3, 3.5, 4, 4.5, 5)
GRID = 1.27

SILK_WIDTH = 0.3175
SILK_CLEARANCE = 0.2  # from the edge of a silkscreen line to copper or a hole
COPPER_CLEARANCE = 0.4  # between pads of different pins
MIN_RING = 0.25  # copper left around a hole, on the narrow side of a pad
ORIGIN = (25.4, 25.4)  # where pin 1 lies in every file


@dataclass(frozen=True)
class Element:
    kind: int
    layer: int
    size: float
    x1: float
    y1: float
    x2: float = 0
    y2: float = 0
    text: str = ""
    angle: int = 0
    group: int = 0


def float32(value):
    return struct.unpack("<f", struct.pack("<f", value))[0]


def number(value):
    """The program's form: the fewest decimals that read back to the same
    single-precision value, full stop, no exponent, 0 for zero."""
    target = float32(value)
    if target == 0:
        return "0"
    for decimals in range(0, 12):
        text = f"{target:.{decimals}f}"
        if float32(float(text)) == target:
            return text
    raise ValueError(value)


def element_line(e):
    fields = (e.group, e.kind, e.layer, number(e.size), number(e.x1), number(e.y1),
              number(e.x2), number(e.y2), f'"{e.text}"', e.angle)
    return ",".join(str(f) for f in fields)


def file_text(magic, elements):
    """A footprint ("EMP 3") or board ("LYT 3") file, on the 1.27 mm grid."""
    lines = [f'"{magic}"', f"{number(GRID)},{number(GRID)}"]
    lines += [element_line(e) for e in elements]
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def write_if_changed(path, data):
    if path.exists() and path.read_bytes() == data:
        return False
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)
    return True


def moved(e, dx, dy):
    if e.kind == TRACK or e.kind == TEXT:
        return Element(e.kind, e.layer, e.size, e.x1 + dx, e.y1 + dy, e.x2 + dx, e.y2 + dy,
                       e.text, e.angle, e.group)
    return Element(e.kind, e.layer, e.size, e.x1 + dx, e.y1 + dy, e.x2, e.y2, e.text, e.angle,
                   e.group)


# ---------------------------------------------------------------------------
# Pads


@dataclass(frozen=True)
class PadStyle:
    """A pad and its drill, by their nominal diameters in mm. An oval is
    `diameter` wide and twice as long, its long axis across the row of pins
    ("v": vertical) or along it ("h")."""
    shape: str  # "round", "oval-v", "oval-h"
    diameter: float
    drill: float

    @property
    def kind(self):
        return ROUND if self.shape == "round" else OVAL

    @property
    def angle(self):
        return 90 if self.shape == "oval-v" else 0

    @property
    def label(self):
        size = number(self.diameter) if self.shape == "round" else \
            f"{number(self.diameter)}x{number(2 * self.diameter)}"
        shape = "round" if self.shape == "round" else "oval"
        return f"{shape} {size}, hole {number(self.drill)}"


# The pads of the library, named by pad diameter and drill.
ROUND_19_08 = PadStyle("round", 1.905, 0.8)  # leads up to 0.6 mm
ROUND_19_10 = PadStyle("round", 1.905, 1.0)  # header pins, leads up to 0.8 mm at 2.54 mm
ROUND_22_10 = PadStyle("round", 2.22, 1.0)  # leads up to 0.8 mm where there is room
ROUND_25_10 = PadStyle("round", 2.54, 1.0)
ROUND_25_12 = PadStyle("round", 2.54, 1.2)
ROUND_38_12 = PadStyle("round", 3.81, 1.2)
ROUND_38_15 = PadStyle("round", 3.81, 1.5)  # screw terminals, fuse clips, DO-201 leads
ROUND_38_32 = PadStyle("round", 3.81, 3.2)  # flat lugs of a DC jack
OVAL_19_08 = PadStyle("oval-v", 1.905, 0.8)  # dual-in-line packages
OVAL_19_12 = PadStyle("oval-v", 1.905, 1.2)  # TO-220
OVAL_16_10 = PadStyle("oval-v", 1.5875, 1.0)  # TO-126, 2.29 mm pitch


@dataclass(frozen=True)
class Pad:
    x: float
    y: float
    style: PadStyle
    first: bool

    @property
    def kind(self):
        return SQUARE if self.first else self.style.kind

    def half_extents(self):
        """The pad as a rectangle (half width, half height) grown by a radius."""
        r = self.style.diameter / 2
        if self.kind == SQUARE:
            return r, r, 0
        if self.kind == ROUND:
            return 0, 0, r
        return (0, r, r) if self.style.angle == 90 else (r, 0, r)

    def elements(self):
        size = self.style.diameter / 2
        return [Element(self.kind, THROUGH, size, self.x, self.y,
                        angle=self.style.angle if self.kind == OVAL else 0),
                Element(HOLE, THROUGH, self.style.drill / 2, self.x, self.y)]


def distance_to_pad(x, y, pad):
    hx, hy, r = pad.half_extents()
    dx = max(abs(x - pad.x) - hx, 0)
    dy = max(abs(y - pad.y) - hy, 0)
    return math.hypot(dx, dy) - r


def pad_gap(a, b):
    """Copper between two pads: the distance of their edges."""
    ahx, ahy, ar = a.half_extents()
    bhx, bhy, br = b.half_extents()
    dx = max(abs(a.x - b.x) - ahx - bhx, 0)
    dy = max(abs(a.y - b.y) - ahy - bhy, 0)
    return math.hypot(dx, dy) - ar - br


# ---------------------------------------------------------------------------
# A footprint as a user draws it: pads in pin order, then the silkscreen


class Footprint:
    def __init__(self, name, package, pitch):
        self.name, self.package, self.pitch = name, package, pitch
        self.pads = []
        self.holes = []  # (x, y, drill): mounting holes without copper
        self.silk = []  # (x1, y1, x2, y2)

    def pad(self, x, y, style):
        self.pads.append(Pad(x, y, style, first=not self.pads))
        return self

    def row(self, count, style, pitch, start=(0, 0), step=None):
        """`count` pads from `start`, `pitch` apart along x (or along `step`)."""
        sx, sy = step or (pitch, 0)
        for k in range(count):
            self.pad(start[0] + k * sx, start[1] + k * sy, style)
        return self

    def mounting_hole(self, x, y, drill):
        self.holes.append((x, y, drill))
        return self

    def line(self, *points):
        for (x1, y1), (x2, y2) in zip(points, points[1:]):
            self.silk.append((x1, y1, x2, y2))
        return self

    def polygon(self, *points):
        return self.line(*points, points[0])

    def rect(self, x1, y1, x2, y2):
        return self.polygon((x1, y1), (x2, y1), (x2, y2), (x1, y2))

    def centred_rect(self, cx, cy, width, height):
        return self.rect(cx - width / 2, cy - height / 2, cx + width / 2, cy + height / 2)

    def arc(self, cx, cy, r, start, end):
        """Degrees counter-clockwise as seen on the screen, 0 to the right."""
        count = max(4, math.ceil(abs(end - start) * math.pi / 180 * r / 0.8))
        points = []
        for k in range(count + 1):
            a = math.radians(start + (end - start) * k / count)
            points.append((cx + r * math.cos(a), cy - r * math.sin(a)))
        return self.line(*points)

    def circle(self, cx, cy, r):
        return self.arc(cx, cy, r, 0, 360)

    def plus(self, x, y, half=0.6):
        self.line((x - half, y), (x + half, y))
        return self.line((x, y - half), (x, y + half))

    def minus(self, x, y, half=0.6):
        return self.line((x - half, y), (x + half, y))

    def distance_to_copper(self, x, y):
        d = [distance_to_pad(x, y, p) for p in self.pads]
        d += [math.hypot(x - hx, y - hy) - drill / 2 for hx, hy, drill in self.holes]
        return min(d)

    def clear_silk(self):
        """The silkscreen lines less their parts too near copper or a hole:
        each line is cut where it comes within SILK_CLEARANCE of them, and
        pieces shorter than 0.3 mm are left out."""
        keep = SILK_CLEARANCE + SILK_WIDTH / 2
        out = []
        for x1, y1, x2, y2 in self.silk:
            length = math.hypot(x2 - x1, y2 - y1)
            steps = max(1, math.ceil(length / 0.05))
            run = []
            for k in range(steps + 1):
                p = (x1 + (x2 - x1) * k / steps, y1 + (y2 - y1) * k / steps)
                if self.distance_to_copper(*p) >= keep:
                    run.append(p)
                    if k < steps:
                        continue
                if len(run) >= 2 and math.dist(run[0], run[-1]) >= 0.3:
                    out.append((*run[0], *run[-1]))
                run = []
        return out

    def elements(self):
        """The file's elements, pin 1 moved to ORIGIN."""
        dx, dy = ORIGIN[0] - self.pads[0].x, ORIGIN[1] - self.pads[0].y
        out = []
        for p in self.pads:
            out += p.elements()
        out += [Element(HOLE, THROUGH, drill / 2, x, y) for x, y, drill in self.holes]
        out += [Element(TRACK, SILKSCREEN, SILK_WIDTH, *(round(v, 3) for v in s))
                for s in self.clear_silk()]
        return [moved(e, dx, dy) for e in out]

    def pad_text(self):
        styles = []
        for p in self.pads:
            if p.style not in styles:
                styles.append(p.style)
        return "; ".join(s.label for s in styles)


# ---------------------------------------------------------------------------
# Footprint families. Top view, component side; y downwards. Unless said
# otherwise pin 1 is at the origin on the left, the row runs to the right.

PITCH = 2.54


def dil(pins, row=None, name=None):
    """Dual-in-line package: pins 1..n/2 along the lower row from the left,
    the others back along the upper row, `row` mm away (7.62 up to 20 pins,
    15.24 from 24). Notch on the pin 1 end."""
    row = row or (7.62 if pins <= 20 else 15.24)
    half = pins // 2
    f = Footprint(name or f"DIL-{pins}", f"DIP-{pins}, rows {number(row)} mm apart", PITCH)
    f.row(half, OVAL_19_08, PITCH)
    f.row(half, OVAL_19_08, PITCH, start=((half - 1) * PITCH, -row), step=(-PITCH, 0))
    left, right = -1.27, (half - 1) * PITCH + 1.27
    top, bottom = -row + 2.54, -2.54
    middle = -row / 2
    f.line((left, middle - 0.635), (left, top), (right, top), (right, bottom), (left, bottom),
           (left, middle + 0.635))
    return f.arc(left, middle, 0.635, 90, -90)


def axial(name, package, pitch, body_length, body_diameter, style, band=False):
    """Two leads bent down at the ends of a cylindrical body lying between
    them; a diode's cathode band is on pin 2's side (pin 1 is the anode)."""
    f = Footprint(name, package, pitch)
    f.pad(0, 0, style).pad(pitch, 0, style)
    left, right = (pitch - body_length) / 2, (pitch + body_length) / 2
    r = body_diameter / 2
    f.rect(left, -r, right, r)
    f.line((0, 0), (left, 0))
    f.line((right, 0), (pitch, 0))
    if band:
        for k in range(3):  # a band a fifth of the body wide, drawn solid
            x = right - body_length * 0.12 - k * SILK_WIDTH
            f.line((x, -r), (x, r))
    return f


def radial_electrolytic(pitch, diameter, style):
    """Upright can of `diameter`, pin 1 the positive lead (square pad, +)."""
    f = Footprint(f"Condensateur-radial-{number(pitch)}",
                  f"electrolytic capacitor, radial, diameter {number(diameter)}", pitch)
    f.pad(0, 0, style).pad(pitch, 0, style)
    cx, r = pitch / 2, diameter / 2
    f.circle(cx, 0, r)
    a = math.radians(145)
    return f.plus(cx + (r + 1.1) * math.cos(a), -(r + 1.1) * math.sin(a))


def box_capacitor(kind, pitch, length, thickness, style):
    """A ceramic or film capacitor: a flat box standing over its two leads."""
    names = {"ceramique": "ceramic capacitor", "film": "film capacitor (MKT)"}
    f = Footprint(f"Condensateur-{kind}-{number(pitch)}",
                  f"{names[kind]}, body {number(length)} x {number(thickness)}", pitch)
    f.pad(0, 0, style).pad(pitch, 0, style)
    # A body shorter than the leads' pads is outlined around the pads.
    around = style.diameter + 2 * (SILK_CLEARANCE + SILK_WIDTH / 2) + 0.2
    return f.centred_rect(pitch / 2, 0, max(length, pitch + around), max(thickness, around))


def led(diameter, rim):
    """Round LED: pin 1 the anode (square), the flat of the rim and a bar
    beside pin 2 on the cathode side."""
    f = Footprint(f"LED-{number(diameter)}mm", f"LED {number(diameter)} mm, rim {number(rim)}", PITCH)
    f.pad(0, 0, ROUND_19_08).pad(PITCH, 0, ROUND_19_08)
    cx, r = PITCH / 2, rim / 2
    flat = r - 0.3
    a = math.degrees(math.acos(flat / r))
    f.arc(cx, 0, r, a, 360 - a)
    h = r * math.sin(math.radians(a))
    f.line((cx + flat, -h), (cx + flat, h))
    bar = PITCH + 0.9525 + SILK_CLEARANCE + SILK_WIDTH / 2 + 0.3
    return f.line((bar, -1.2), (bar, 1.2))


def to92(name, positions, package):
    """TO-92: the flat face towards the bottom of the drawing; seen from
    that face, pins 1, 2, 3 from left to right."""
    f = Footprint(name, package, PITCH)
    for x, y in positions:
        f.pad(x, y, ROUND_19_08)
    cx = (positions[0][0] + positions[2][0]) / 2
    r, flat = 2.45, 1.6  # body 4.9 across, flat face 1.6 from the lead line
    a = math.degrees(math.asin(flat / r))
    f.arc(cx, 0, r, -a, 180 + a)
    half = math.sqrt(r * r - flat * flat)
    return f.line((cx - half, flat), (cx + half, flat))


def to220_upright():
    """TO-220 standing: printed face towards the bottom, tab at the back."""
    f = Footprint("TO-220-debout", "TO-220 upright, body 10.16 x 4.5", PITCH)
    f.row(3, OVAL_19_12, PITCH)
    f.rect(-2.54, -2.54, 7.62, 2.0)
    return f.line((-2.54, -1.27), (7.62, -1.27))


def to220_lying():
    """TO-220 lying on its back, leads bent down 3.81 mm from the body: the
    tab's hole (3.2 mm, 12.7 mm from the lead end of the body) takes an M3
    screw."""
    f = Footprint("TO-220-couche", "TO-220 lying, body 10.16 x 15.5, M3 hole", PITCH)
    f.row(3, OVAL_19_12, PITCH)
    bottom = -3.81
    f.rect(-2.54, bottom - 15.5, 7.62, bottom)
    f.line((-2.54, bottom - 8.89), (7.62, bottom - 8.89))
    for x in (0, PITCH, 2 * PITCH):
        f.line((x, -1.905), (x, bottom))
    return f.mounting_hole(PITCH, bottom - 12.7, 3.2)


def to126():
    f = Footprint("TO-126", "TO-126 (SOT-32) upright, body 7.8 x 2.7", 2.29)
    f.row(3, OVAL_16_10, 2.29)
    f.rect(2.29 - 3.9, -1.3, 2.29 + 3.9, 1.4)
    return f.line((2.29 - 3.9, -0.55), (2.29 + 3.9, -0.55))


def bridge_round():
    """Round bridge (WOB / WOG, W04M...): leads on a 5.08 mm square, going
    round + ~ - ~, so + and - face each other across the body."""
    f = Footprint("Pont-redresseur-rond-5.08", "bridge rectifier WOB, diameter 9.1", 5.08)
    for x, y in ((0, 0), (5.08, 0), (5.08, -5.08), (0, -5.08)):
        f.pad(x, y, ROUND_22_10)
    f.circle(2.54, -2.54, 4.55)
    f.plus(-1.6, 1.6)
    return f.minus(6.68, -6.68)


def bridge_inline():
    """Inline bridge (KBP): + ~ ~ - from the chamfered end; pins numbered
    1 +, 2 ~, 3 -, 4 ~ as on the schematic symbol."""
    f = Footprint("Pont-redresseur-KBP-3.81", "bridge rectifier KBP, body 14.5 x 3.5", 3.81)
    for x in (0, 3.81, 11.43, 7.62):
        f.pad(x, 0, ROUND_25_12)
    cx = 5.715
    left, right = cx - 7.25, cx + 7.25
    f.line((left + 1, -1.75), (right, -1.75), (right, 1.75), (left, 1.75), (left, -0.75),
           (left + 1, -1.75))
    return f.plus(0, -3.0)


def crystal_hc49():
    f = Footprint("Quartz-HC49-4.88", "crystal HC-49/U, body 11.05 x 4.65", 4.88)
    f.pad(0, 0, ROUND_19_08).pad(4.88, 0, ROUND_19_08)
    cx, r, straight = 2.44, 2.325, 3.2
    f.line((cx - straight, -r), (cx + straight, -r))
    f.line((cx - straight, r), (cx + straight, r))
    f.arc(cx + straight, 0, r, -90, 90)
    return f.arc(cx - straight, 0, r, 90, 270)


def trimmer_inline():
    """Multi-turn trimmer (3296W): three pins in line, 2 the wiper."""
    f = Footprint("Ajustable-3296W-2.54", "trimmer 3296W, body 9.53 x 4.83", PITCH)
    f.row(3, ROUND_19_08, PITCH)
    f.centred_rect(PITCH, 0, 9.53, 4.83)
    return f.circle(PITCH + 3.5, -1.3, 0.8)  # the adjusting screw at one end


def trimmer_pt10():
    """10 mm trimmer lying flat (PT10 H): pins 1 and 3 at the front, 10 mm
    apart, the wiper 2 behind them, 5 mm back in the middle."""
    f = Footprint("Ajustable-PT10-H", "trimmer 10 mm horizontal, body 10.3 x 11", 10.0)
    f.pad(0, 0, ROUND_22_10).pad(5, -5, ROUND_22_10).pad(10, 0, ROUND_22_10)
    f.rect(-0.15, 2.75, 10.15, -8.25)
    return f.circle(5, -2.75, 3.5)


def potentiometer_16():
    """16 mm potentiometer standing, shaft parallel to the board: three
    pins 5 mm apart at the front of the body."""
    f = Footprint("Potentiometre-16mm-5", "potentiometer 16 mm, PCB pins", 5.0)
    f.row(3, ROUND_25_12, 5.0)
    f.rect(5 - 8.25, 2.0, 5 + 8.25, -7.0)
    return f.rect(5 - 3.5, -7.0, 5 + 3.5, -12.0)  # the bushing


def push_button(size, across, along):
    """Tactile push button: pins `across` mm apart on each side are joined
    inside; the switch joins pins 1-3 to pins 2-4. Pins 1 and 2 are on one
    side, `along` mm apart; 3 and 4 face them."""
    f = Footprint(f"Bouton-{size}x{size}", f"tactile switch {size} x {size} mm, pins "
                  f"{number(across)} x {number(along)}", along)
    for x, y in ((0, 0), (0, -along), (across, 0), (across, -along)):
        f.pad(x, y, ROUND_22_10)
    cx, cy = across / 2, -along / 2
    f.centred_rect(cx, cy, size, size)
    return f.circle(cx, cy, size * 0.29)


def slide_switch():
    """Miniature slide switch, one changeover: pin 2 the common, in the middle."""
    f = Footprint("Inverseur-glissiere-2.54", "slide switch SPDT, body 8.6 x 3.6", PITCH)
    f.row(3, ROUND_19_10, PITCH)
    f.centred_rect(PITCH, 0, 8.6, 3.6)
    return f.rect(PITCH - 2.0, -3.8, PITCH + 0.5, -1.8)  # the lever, to the left


def relay_srd():
    """Sugar-cube relay (SRD-05VDC-SL-C and the like), bottom pins seen
    through the board: coil 1-2 12 mm apart, common 3 2 mm behind them in
    the middle, contacts 4 (at rest) and 5 (worked) 12 mm further on."""
    f = Footprint("Relais-SRD", "relay SRD, body 19 x 15.5", 12.0)
    for x, y in ((0, 0), (0, -12), (-2, -6), (12, -12), (12, 0)):
        f.pad(x, y, ROUND_38_12)
    return f.centred_rect(5, -6, 19, 15.5)


def fuse_holder():
    """Holder for 5 x 20 mm fuses, PCB pins 22.5 mm apart."""
    f = Footprint("Porte-fusible-5x20-22.5", "fuse holder 5 x 20 mm, body 25 x 9", 22.5)
    f.pad(0, 0, ROUND_38_15).pad(22.5, 0, ROUND_38_15)
    f.centred_rect(11.25, 0, 25, 9)
    return f.centred_rect(11.25, 0, 20, 5)  # the fuse


def header(rows, count):
    """Pin header, 2.54 mm: one row along x, or two rows with the odd pins
    on the lower row and the even pins above them."""
    f = Footprint(f"Barrette-{rows}x{count}-2.54", f"pin header {rows} x {count}", PITCH)
    for k in range(count):
        for r in range(rows):
            f.pad(k * PITCH, -r * PITCH, ROUND_19_10)
    margin = 1.4
    return f.rect(-margin, margin, (count - 1) * PITCH + margin, -(rows - 1) * PITCH - margin)


def screw_terminal(ways):
    """Screw terminal block, 5.08 mm: wires enter from the bottom side."""
    pitch = 5.08
    f = Footprint(f"Bornier-{ways}-5.08", f"screw terminal block, {ways} ways", pitch)
    f.row(ways, ROUND_38_15, pitch)
    left, right = -2.54, (ways - 1) * pitch + 2.54
    f.rect(left, -3.5, right, 4.1)
    return f.line((left, 3.0), (right, 3.0))


def dc_jack():
    """2.1 mm DC power jack, opening towards the top: 1 the centre pin (at
    the back), 2 the sleeve (6 mm forward), 3 the switch (on the side)."""
    f = Footprint("Jack-DC-2.1mm", "DC jack 2.1 mm, body 9 x 14", 6.0)
    for x, y in ((0, 0), (0, -6), (4.7, -3)):
        f.pad(x, y, ROUND_38_32)
    return f.rect(-4.5, 0.7, 4.5, -13.3)


def wire_pads(name, package, pitch, marks=False):
    """Two pads for the wires of a part off the board; + beside pin 1."""
    f = Footprint(name, package, pitch)
    f.pad(0, 0, ROUND_25_10).pad(pitch, 0, ROUND_25_10)
    f.rect(-2.3, -2.0, pitch + 2.3, 2.0)
    if marks:
        f.plus(-1.27, -3.3)
        f.minus(pitch + 1.27, -3.3)
    return f


def transformer_wires():
    """Wires of a mains transformer: primary 1-2 and secondary 3-4, the two
    pairs 12.7 mm apart with a line between them."""
    f = Footprint("Transformateur-fils-7.62", "transformer wires, primary 1-2, secondary 3-4", 7.62)
    for x, y in ((0, 0), (7.62, 0), (0, -12.7), (7.62, -12.7)):
        f.pad(x, y, ROUND_38_12)
    return f.line((-3.0, -6.35), (10.62, -6.35))


def buzzer():
    f = Footprint("Buzzer-12mm-7.62", "buzzer diameter 12 mm", 7.62)
    f.pad(0, 0, ROUND_19_08).pad(7.62, 0, ROUND_19_08)
    f.circle(3.81, 0, 6.0)
    return f.plus(0, -2.5)


def photoresistor():
    f = Footprint("Photoresistance-5mm-3.4", "LDR diameter 5 mm", 3.4)
    f.pad(0, 0, ROUND_19_08).pad(3.4, 0, ROUND_19_08)
    return f.circle(1.7, 0, 2.6)


def footprints():
    out = [dil(n) for n in (4, 6, 8, 14, 16, 18, 20, 24, 28, 40)]
    out.append(dil(28, 7.62, "DIL-28-7.62"))
    out.append(dil(8, name="DIP-8"))  # the library's first name for DIL-8
    for pitch, package, length, diameter, style in (
            (7.62, "resistor 0204 (1/4 W mini)", 3.6, 1.6, ROUND_19_08),
            (10.16, "resistor 0207 (1/4 W)", 6.3, 2.5, ROUND_19_08),
            (12.7, "resistor 0309 (1/2 W)", 9.0, 3.2, ROUND_19_08),
            (15.24, "resistor 0411 (1 W)", 10.0, 4.0, ROUND_22_10)):
        out.append(axial(f"Resistance-{number(pitch)}", package, pitch, length, diameter, style))
    for package, pitch, length, diameter, style in (
            ("DO-35", 7.62, 4.0, 1.9, ROUND_19_08), ("DO-35", 10.16, 4.0, 1.9, ROUND_19_08),
            ("DO-35", 12.7, 4.0, 1.9, ROUND_19_08), ("DO-41", 10.16, 5.2, 2.7, ROUND_22_10),
            ("DO-41", 12.7, 5.2, 2.7, ROUND_22_10), ("DO-41", 15.24, 5.2, 2.7, ROUND_22_10),
            ("DO-201", 15.24, 9.5, 5.3, ROUND_38_15)):
        name = f"Diode-{package.replace('-', '')}-{number(pitch)}"
        out.append(axial(name, f"diode {package}", pitch, length, diameter, style, band=True))
    out += [radial_electrolytic(2.5, 6.3, ROUND_19_08), radial_electrolytic(3.5, 8, ROUND_19_08),
            radial_electrolytic(5, 10, ROUND_19_08), radial_electrolytic(7.5, 16, ROUND_22_10)]
    out += [box_capacitor("ceramique", 2.54, 5.0, 2.5, ROUND_19_08),
            box_capacitor("ceramique", 5.08, 5.5, 2.5, ROUND_19_08),
            box_capacitor("film", 2.54, 4.6, 2.5, ROUND_19_08),
            box_capacitor("film", 5.08, 7.2, 2.5, ROUND_19_08),
            box_capacitor("film", 7.62, 10.0, 4.0, ROUND_19_08),
            box_capacitor("film", 10.16, 13.0, 5.0, ROUND_19_08),
            box_capacitor("film", 15.24, 18.0, 6.0, ROUND_22_10)]
    out += [led(3, 3.8), led(5, 5.8)]
    out += [to92("TO-92", [(0, 0), (PITCH, 0), (2 * PITCH, 0)], "TO-92, leads spread to 2.54"),
            to92("TO-92-triangle", [(0, 0), (1.27, -PITCH), (PITCH, 0)],
                 "TO-92, middle lead bent back"),
            to220_upright(), to220_lying(), to126(), bridge_round(), bridge_inline(),
            crystal_hc49(), trimmer_inline(), trimmer_pt10(), potentiometer_16(),
            push_button(6, 6.5, 4.5), push_button(12, 12.5, 5.0), slide_switch(), relay_srd(),
            fuse_holder()]
    out += [header(1, n) for n in range(2, 11)] + [header(2, 3), header(2, 5), header(2, 8)]
    out += [screw_terminal(n) for n in (2, 3, 4)]
    out += [dc_jack(),
            wire_pads("Coupleur-pile-9V", "9 V battery clip wires, + on pin 1", 5.08, marks=True),
            wire_pads("Fils-2-5.08", "two wires (loudspeaker, motor, lamp)", 5.08),
            transformer_wires(), buzzer(), photoresistor()]
    return out


# ---------------------------------------------------------------------------
# Checks


def check(f):
    problems = []
    where = f.name
    if not f.name.isascii() or any(c in f.name for c in ' /\\:*?"<>|'):
        problems.append(f"{where}: the name is not a plain ASCII file name")
    for p in f.pads:
        hx, hy, r = p.half_extents()
        narrow = min(hx, hy) + r
        if p.style.diameter / 2 not in PAD_RADII or p.style.drill / 2 not in HOLE_RADII:
            problems.append(f"{where}: pad {p.style} is not in the size lists")
        if narrow - p.style.drill / 2 < MIN_RING - 1e-9:
            problems.append(f"{where}: ring of {narrow - p.style.drill / 2:.2f} mm at {p.x},{p.y}")
        if p.kind == ROUND and p.style.drill <= 0.8 and p.style.diameter < 1.8:
            problems.append(f"{where}: round pad of {p.style.diameter} mm")
    for i, a in enumerate(f.pads):
        for b in f.pads[i + 1:]:
            if pad_gap(a, b) < COPPER_CLEARANCE - 1e-9:
                problems.append(f"{where}: pads at {a.x},{a.y} and {b.x},{b.y} "
                                f"{pad_gap(a, b):.2f} mm apart")
    for _, _, drill in f.holes:
        if drill / 2 not in HOLE_RADII:
            problems.append(f"{where}: hole of {drill} mm")
    if not f.clear_silk():
        problems.append(f"{where}: no silkscreen outline left")
    first = f.elements()[0]
    if (first.kind, first.x1, first.y1) != (SQUARE, *ORIGIN):
        problems.append(f"{where}: pin 1 is not a square pad at the origin")
    return problems


# ---------------------------------------------------------------------------
# Copper geometry: every piece of copper is a core (a segment, or a
# rectangle given by two corners) grown by a radius.


@dataclass(frozen=True)
class Copper:
    kind: str  # "segment" or "rect"
    x1: float
    y1: float
    x2: float
    y2: float
    radius: float
    layers: tuple  # the copper layers it is on
    name: str  # "U1.3" for a pad, "" otherwise
    what: str  # for the messages


def point_segment(px, py, x1, y1, x2, y2):
    dx, dy = x2 - x1, y2 - y1
    length2 = dx * dx + dy * dy
    t = 0 if length2 == 0 else max(0, min(1, ((px - x1) * dx + (py - y1) * dy) / length2))
    return math.hypot(px - x1 - t * dx, py - y1 - t * dy)


def segments_cross(a, b):
    def side(p, q, r):
        return (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])
    d1, d2 = side(b[0], b[1], a[0]), side(b[0], b[1], a[1])
    d3, d4 = side(a[0], a[1], b[0]), side(a[0], a[1], b[1])
    return d1 * d2 < 0 and d3 * d4 < 0


def segment_segment(a, b):
    if segments_cross(a, b):
        return 0
    return min(point_segment(*a[0], *b[0], *b[1]), point_segment(*a[1], *b[0], *b[1]),
               point_segment(*b[0], *a[0], *a[1]), point_segment(*b[1], *a[0], *a[1]))


def rect_edges(c):
    corners = [(c.x1, c.y1), (c.x2, c.y1), (c.x2, c.y2), (c.x1, c.y2)]
    return list(zip(corners, corners[1:] + corners[:1]))


def inside_rect(p, c):
    return min(c.x1, c.x2) <= p[0] <= max(c.x1, c.x2) and min(c.y1, c.y2) <= p[1] <= max(c.y1, c.y2)


def copper_gap(a, b):
    """Bare board between two pieces of copper; negative when they overlap."""
    if a.kind == "rect" and b.kind == "segment":
        a, b = b, a
    if a.kind == "segment" and b.kind == "segment":
        core = segment_segment(((a.x1, a.y1), (a.x2, a.y2)), ((b.x1, b.y1), (b.x2, b.y2)))
    elif a.kind == "segment":
        seg = ((a.x1, a.y1), (a.x2, a.y2))
        core = 0 if inside_rect(seg[0], b) or inside_rect(seg[1], b) else \
            min(segment_segment(seg, edge) for edge in rect_edges(b))
    else:
        dx = max(0, max(a.x1, a.x2, b.x1, b.x2) - min(a.x1, a.x2, b.x1, b.x2)
                 - abs(a.x2 - a.x1) - abs(b.x2 - b.x1))
        dy = max(0, max(a.y1, a.y2, b.y1, b.y2) - min(a.y1, a.y2, b.y1, b.y2)
                 - abs(a.y2 - a.y1) - abs(b.y2 - b.y1))
        core = math.hypot(dx, dy)
    return core - a.radius - b.radius


def copper_of(e, name=""):
    """The copper of a board element, None for silkscreen and holes."""
    both = (COMPONENT, SOLDER)
    s = e.size
    if e.kind == TRACK and e.layer in both:
        return Copper("segment", e.x1, e.y1, e.x2, e.y2, s / 2, (e.layer,), "", f"track {e.x1},{e.y1}")
    if e.kind == TEXT and e.layer in both:
        return Copper("rect", e.x1, e.y1, e.x2, e.y2, 0, (e.layer,), "", f"text {e.text!r}")
    what = f"pad {name or (e.x1, e.y1)}"
    if e.kind == ROUND:
        return Copper("segment", e.x1, e.y1, e.x1, e.y1, s, both, name, what)
    if e.kind == SQUARE:
        return Copper("rect", e.x1 - s, e.y1 - s, e.x1 + s, e.y1 + s, 0, both, name, what)
    if e.kind == OVAL:
        dx, dy = (s, 0) if e.angle in (0, 180) else (0, s)
        return Copper("segment", e.x1 - dx, e.y1 - dy, e.x1 + dx, e.y1 + dy, s, both, name, what)
    if e.kind == RECT:
        hx, hy = (2 * s, s) if e.angle in (0, 180) else (s, 2 * s)
        return Copper("rect", e.x1 - hx, e.y1 - hy, e.x1 + hx, e.y1 + hy, 0, both, name, what)
    return None


# ---------------------------------------------------------------------------
# The example board: the NE555 blinker of examples/clignotant.Skt


def turned(elements, presses):
    """The footprint turned as the rotation key turns it, `presses` times a
    quarter turn, (dx, dy) -> (dy, -dx) about its pin 1."""
    x0, y0 = elements[0].x1, elements[0].y1
    for _ in range(presses):
        out = []
        for e in elements:
            x1, y1 = x0 + (e.y1 - y0), y0 - (e.x1 - x0)
            x2, y2 = (x0 + (e.y2 - y0), y0 - (e.x2 - x0)) if e.kind in (TRACK, TEXT) else (e.x2, e.y2)
            angle = (e.angle + 90) % 360 if e.kind in (OVAL, RECT, TEXT) else e.angle
            out.append(Element(e.kind, e.layer, e.size, x1, y1, x2, y2, e.text, angle, e.group))
        elements = out
    return elements


def placed(footprint, group, at, presses):
    """A footprint dropped on the board: turned, pin 1 brought to `at`, its
    elements stamped with the group number."""
    elements = turned(footprint.elements(), presses)
    dx, dy = at[0] - elements[0].x1, at[1] - elements[0].y1
    return [Element(e.kind, e.layer, e.size, round(e.x1 + dx, 3), round(e.y1 + dy, 3),
                    round(e.x2 + dx, 3) if e.kind in (TRACK, TEXT) else e.x2,
                    round(e.y2 + dy, 3) if e.kind in (TRACK, TEXT) else e.y2,
                    e.text, e.angle, group) for e in elements]


def board_text(layer, x, y, text, height):
    """A text as the text tool makes it: its box as long as the text."""
    return Element(TEXT, layer, height, x, y, round(x + 1.1 * height * len(text), 3), y + height, text)


# Everything is placed from pin 1 of U1, on the 1.27 mm grid.
BLINKER_ORIGIN = (127.0, 101.6)
# (reference, value, footprint, pin 1, quarter turns, where the reference text goes)
BLINKER_PARTS = [
    ("U1", "NE555", "DIL-8", (0, 0), 0, (-1.27, 4.445)),
    ("R1", "1K", "Resistance-10.16", (5.08, 7.62), 0, (6.35, 9.525)),
    ("R2", "10k", "Resistance-10.16", (2.54, -12.7), 2, (-6.35, -16.51)),
    ("R3", "68k", "Resistance-10.16", (12.7, -17.78), 2, (3.81, -21.59)),
    ("C1", "10uF", "Condensateur-radial-2.5", (20.32, -17.78), 3, (15.24, -24.13)),
    ("C2", "10nF", "Condensateur-ceramique-5.08", (12.7, -11.43), 2, (8.89, -9.525)),
    ("D1", "LED", "LED-5mm", (17.78, 7.62), 0, (16.51, 2.54)),
    ("J1", "ALIM 5V", "Bornier-2-5.08", (-15.24, -2.54), 3, (-21.59, 6.985)),
]
SIGNAL, SUPPLY = 0.9525, 1.27  # track widths from the list
# (layer, width, points): the copper between the pads
BLINKER_TRACKS = [
    # +5V: VCC up to the rail, the rail to R2 and the terminal; RESET joined to
    # VCC by a link on the component side, round the chip
    (SOLDER, SUPPLY, [(0, -7.62), (0, -20.32)]),
    (SOLDER, SUPPLY, [(0, -20.32), (-7.62, -20.32)]),
    (SOLDER, SUPPLY, [(-7.62, -20.32), (-15.24, -20.32), (-15.24, -2.54)]),
    (SOLDER, SUPPLY, [(-7.62, -12.7), (-7.62, -20.32)]),
    (COMPONENT, SIGNAL, [(0, -7.62), (-2.54, -7.62), (-2.54, 3.81), (7.62, 3.81), (7.62, 0)]),
    # discharge: pin 7 to R2 and R3
    (SOLDER, SIGNAL, [(2.54, -7.62), (2.54, -12.7)]),
    (SOLDER, SIGNAL, [(2.54, -12.7), (2.54, -17.78)]),
    # threshold: trigger to threshold between the rows, then R3 and C1
    (SOLDER, SIGNAL, [(2.54, 0), (2.54, -3.81), (5.08, -3.81), (5.08, -7.62)]),
    (SOLDER, SIGNAL, [(5.08, -7.62), (5.08, -15.24), (12.7, -15.24), (12.7, -17.78)]),
    (SOLDER, SIGNAL, [(12.7, -17.78), (20.32, -17.78)]),
    # control voltage to C2
    (SOLDER, SIGNAL, [(7.62, -7.62), (7.62, -11.43)]),
    # output, R1, LED
    (SOLDER, SIGNAL, [(5.08, 0), (5.08, 7.62)]),
    (SOLDER, SIGNAL, [(15.24, 7.62), (17.78, 7.62)]),
    # ground: C1 and C2 down the right side to the LED, round the bottom to
    # GND and the terminal
    (SOLDER, SUPPLY, [(20.32, -15.28), (20.32, -11.43)]),
    (SOLDER, SUPPLY, [(12.7, -11.43), (20.32, -11.43)]),
    (SOLDER, SUPPLY, [(20.32, -11.43), (20.32, 7.62)]),
    (SOLDER, SUPPLY, [(20.32, 7.62), (20.32, 12.7), (0, 12.7)]),
    (SOLDER, SUPPLY, [(0, 0), (0, 12.7)]),
    (SOLDER, SUPPLY, [(0, 12.7), (-15.24, 12.7), (-15.24, 2.54)]),
]
BLINKER_OUTLINE = (-24.13, -27.94, 34.29, 19.05)  # left, top, right, bottom
BLINKER_HOLES = [(-20.32, -24.13), (30.48, -24.13), (-20.32, 15.24), (30.48, 15.24)]
BLINKER_MARKS = [(-13.335, -5.08, "+"), (-13.335, 3.81, "-")]  # polarity of the terminal
BLINKER_TITLE = (-10.16, 15.24, "CLIGNOTANT")  # on the solder side, read from below


def blinker_board(library):
    by_name = {f.name: f for f in library}
    ox, oy = BLINKER_ORIGIN

    def at(x, y):
        return round(ox + x, 3), round(oy + y, 3)

    elements = []
    for group, (ref, value, name, pin1, presses, label) in enumerate(BLINKER_PARTS, start=1):
        elements += placed(by_name[name], group, at(*pin1), presses)
    for layer, width, points in BLINKER_TRACKS:
        for a, b in zip(points, points[1:]):
            elements.append(Element(TRACK, layer, width, *at(*a), *at(*b)))
    for ref, value, name, pin1, presses, label in BLINKER_PARTS:
        elements.append(board_text(SILKSCREEN, *at(*label), f"{ref} {value}", 1.5))
    for x, y, mark in BLINKER_MARKS:
        elements.append(board_text(SILKSCREEN, *at(x, y), mark, 1.5))
    elements.append(board_text(SOLDER, *at(*BLINKER_TITLE[:2]), BLINKER_TITLE[2], 2))
    left, top, right, bottom = BLINKER_OUTLINE
    corners = [at(left, top), at(right, top), at(right, bottom), at(left, bottom)]
    for a, b in zip(corners, corners[1:] + corners[:1]):
        elements.append(Element(TRACK, SILKSCREEN, SILK_WIDTH, *a, *b))
    for x, y in BLINKER_HOLES:
        elements.append(Element(HOLE, THROUGH, 1.6, *at(x, y)))  # 3.2 mm, for M3 screws
        elements.append(Element(CIRCLE, SILKSCREEN, 3.175, *at(x, y)))
    return elements


def schematic_nets(path):
    """The nets of a schematic file as sets of "U1.8": the free wires and
    those of the supply symbols join their ends, each component's pin
    records give its pins by package number, its first text its reference."""
    raw = path.read_bytes().decode("cp1252").split("\r\n")[1:]
    record = re.compile(r'^(-?\d+),(\d+),([-\d.]+),([-\d.]+),([-\d.]+),([-\d.]+),([-\d.]+),"([^"]*)",(\d+)$')
    groups = {}
    for line in filter(None, raw):
        g, k, _, x1, y1, x2, y2, text, _ = record.match(line).groups()
        groups.setdefault(int(g), []).append((int(k), float(x1), float(y1), float(x2), float(y2), text))
    parent = {}

    def find(p):
        parent.setdefault(p, p)
        while parent[p] != p:
            parent[p] = parent[parent[p]]
            p = parent[p]
        return p

    pins = {}
    for g, items in groups.items():
        if g == 0 or not any(k == 7 for k, *_ in items):
            for k, x1, y1, x2, y2, _ in items:
                if k == 1:
                    parent[find((x1, y1))] = find((x2, y2))
            continue
        ref = next(text for k, *_, text in items if k == TEXT)
        for k, x1, y1, _, _, text in items:
            if k == 6:
                pins[f"{ref}.{text}"] = (x1, y1)
    nets = {}
    for name, p in pins.items():
        nets.setdefault(find(p), set()).add(name)
    return sorted(nets.values(), key=sorted)


def check_board(elements, nets):
    """Pads named by reference and pin; copper that touches is one piece;
    each net is exactly one piece, and pieces keep COPPER_CLEARANCE apart."""
    problems = []
    refs = {group: ref for group, (ref, *_) in enumerate(BLINKER_PARTS, start=1)}
    pieces, pad_number = [], {}
    for e in elements:
        name = ""
        if e.kind in PAD_KINDS:
            pad_number[e.group] = pad_number.get(e.group, 0) + 1
            name = f"{refs[e.group]}.{pad_number[e.group]}"
        c = copper_of(e, name)
        if c:
            pieces.append(c)
    parent = list(range(len(pieces)))

    def find(i):
        while parent[i] != i:
            parent[i] = parent[parent[i]]
            i = parent[i]
        return i

    near = []
    for i, a in enumerate(pieces):
        for j in range(i + 1, len(pieces)):
            b = pieces[j]
            if set(a.layers) & set(b.layers):
                gap = copper_gap(a, b)
                if gap <= 1e-6:
                    parent[find(i)] = find(j)
                elif gap < COPPER_CLEARANCE - 1e-6:
                    near.append((i, j, gap))
    for i, j, gap in near:
        if find(i) != find(j):
            problems.append(f"board: {pieces[i].what} and {pieces[j].what} {gap:.2f} mm apart")
    joined = {}
    for i, c in enumerate(pieces):
        joined.setdefault(find(i), []).append(c)
    for piece in joined.values():
        names = {c.name for c in piece if c.name}
        texts = [c.what for c in piece if c.what.startswith("text")]
        if texts and len(piece) > 1:
            problems.append(f"board: {texts[0]} touches copper")
        owner = [n for n in nets if names & n]
        if len(owner) > 1:
            problems.append(f"board: one piece of copper joins {[sorted(n) for n in owner]}")
        elif owner and names != owner[0]:
            problems.append(f"board: net {sorted(owner[0])} joined as {sorted(names)}")
    named = {c.name for c in pieces if c.name}
    for net in nets:
        if not net <= named:
            problems.append(f"board: no pads for {sorted(net - named)}")
    return problems


# ---------------------------------------------------------------------------
# Drawing files as SVG


def read_file(path):
    """(magic, elements) of a board or footprint file."""
    raw = Path(path).read_bytes().decode("cp1252")
    lines = [line for line in raw.split("\r\n") if line]
    record = re.compile(r'^(-?\d+),(\d+),(\d+),([-\d.]+),([-\d.]+),([-\d.]+),([-\d.]+),([-\d.]+),'
                        r'"([^"]*)",(\d+)$')
    elements = []
    for line in lines[2:]:
        m = record.match(line)
        if not m:
            raise ValueError(f"{path}: unreadable line {line!r}")
        g, k, layer, size, x1, y1, x2, y2, text, angle = m.groups()
        elements.append(Element(int(k), int(layer), float(size), float(x1), float(y1), float(x2),
                                float(y2), text, int(angle), int(g)))
    return lines[0].strip('"'), elements


LAYER_COLOURS = {COMPONENT: "rgb(0,192,0)", SOLDER: "rgb(255,0,0)", SILKSCREEN: "rgb(255,255,0)"}


def svg_elements(elements, dx=0, dy=0):
    """Solder side first, then component side, pads, silkscreen, holes."""
    order = {SOLDER: 0, COMPONENT: 1, THROUGH: 2, SILKSCREEN: 3}
    out = []
    for e in sorted(elements, key=lambda e: (order.get(e.layer, 4) + (2 if e.kind == HOLE else 0))):
        x, y, s = e.x1 + dx, e.y1 + dy, e.size
        if e.kind == TRACK:
            out.append(f'<line x1="{x:.3f}" y1="{y:.3f}" x2="{e.x2 + dx:.3f}" y2="{e.y2 + dy:.3f}" '
                       f'stroke="{LAYER_COLOURS.get(e.layer, "white")}" stroke-width="{s}" '
                       f'stroke-linecap="round"/>')
        elif e.kind == ROUND:
            out.append(f'<circle cx="{x:.3f}" cy="{y:.3f}" r="{s}" fill="rgb(200,40,40)"/>')
        elif e.kind in (SQUARE, OVAL, RECT):
            w, h = (s, s) if e.kind == SQUARE else ((2 * s, s) if e.angle in (0, 180) else (s, 2 * s))
            rounded = f' rx="{s}"' if e.kind == OVAL else ""
            out.append(f'<rect x="{x - w:.3f}" y="{y - h:.3f}" width="{2 * w:.3f}" height="{2 * h:.3f}"'
                       f'{rounded} fill="rgb(200,40,40)"/>')
        elif e.kind == HOLE:
            out.append(f'<circle cx="{x:.3f}" cy="{y:.3f}" r="{s}" fill="black" '
                       f'stroke="rgb(128,128,255)" stroke-width="0.1"/>')
        elif e.kind == CIRCLE:
            out.append(f'<circle cx="{x:.3f}" cy="{y:.3f}" r="{s}" fill="none" '
                       f'stroke="{LAYER_COLOURS[SILKSCREEN]}" stroke-width="0.15"/>')
        elif e.kind == TEXT:
            out.append(f'<rect x="{min(x, e.x2 + dx):.3f}" y="{min(y, e.y2 + dy):.3f}" '
                       f'width="{abs(e.x2 - e.x1):.3f}" height="{abs(e.y2 - e.y1):.3f}" fill="none" '
                       f'stroke="{LAYER_COLOURS.get(e.layer, "white")}" stroke-width="0.1"/>')
            out.append(f'<text x="{min(x, e.x2 + dx):.3f}" y="{max(y, e.y2 + dy):.3f}" '
                       f'font-size="{s}" fill="{LAYER_COLOURS.get(e.layer, "white")}" '
                       f'font-family="sans-serif">{html.escape(e.text)}</text>')
    return out


def extent(elements):
    xs, ys = [], []
    for e in elements:
        r = e.size if e.kind != TRACK else 0
        xs += [e.x1 - r, e.x1 + r]
        ys += [e.y1 - r, e.y1 + r]
        if e.kind in (TRACK, TEXT):
            xs.append(e.x2)
            ys.append(e.y2)
    return min(xs), min(ys), max(xs), max(ys)


def draw_svg(out_path, paths, scale=10):
    files = [(Path(p), read_file(p)[1]) for p in paths]
    body = []
    if len(files) == 1 and files[0][0].suffix.lower() == ".lyt":
        left, top, right, bottom = extent(files[0][1])
        left, top = left - 5, top - 5
        width, height = right - left + 5, bottom - top + 5
        body += svg_elements(files[0][1], -left, -top)
    else:
        cell_w, cell_h, columns = 40, 40, 8
        rows = (len(files) + columns - 1) // columns
        width, height = cell_w * columns, cell_h * rows
        for k, (path, elements) in enumerate(files):
            cx, cy = (k % columns) * cell_w, (k // columns) * cell_h
            left, top, right, bottom = extent(elements)
            dx = cx + cell_w / 2 - (left + right) / 2
            dy = cy + (cell_h - 5) / 2 - (top + bottom) / 2
            body.append(f'<rect x="{cx}" y="{cy}" width="{cell_w}" height="{cell_h}" fill="none" '
                        f'stroke="rgb(60,60,60)" stroke-width="0.2"/>')
            body += svg_elements(elements, dx, dy)
            body.append(f'<text x="{cx + cell_w / 2}" y="{cy + cell_h - 1.5}" fill="white" '
                        f'font-size="2.5" text-anchor="middle" font-family="sans-serif">'
                        f'{html.escape(path.stem)}</text>')
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width * scale:.0f}" '
           f'height="{height * scale:.0f}" viewBox="0 0 {width:.3f} {height:.3f}">\n'
           f'<rect width="{width:.3f}" height="{height:.3f}" fill="black"/>\n'
           + "\n".join(body) + "\n</svg>\n")
    Path(out_path).write_text(svg, encoding="utf-8")


# ---------------------------------------------------------------------------


def table(library):
    rows = ["| Footprint | Package | Pitch (mm) | Pads (mm) |", "|---|---|---|---|"]
    for f in sorted(library, key=lambda f: f.name.lower()):
        rows.append(f"| `{f.name}` | {f.package} | {number(f.pitch)} | {len(f.pads)}: {f.pad_text()} |")
    return "\n".join(rows)


def build():
    library = footprints()
    problems, written = [], []
    names = [f.name.lower() for f in library]
    for name in sorted({n for n in names if names.count(n) > 1}):
        problems.append(f"{name}: made twice")
    for f in library:
        problems += check(f)
    if not problems:
        for f in library:
            path = LIBRARY / f"{f.name}.Emp"
            if write_if_changed(path, file_text("EMP 3", f.elements())):
                written.append(path)
    board = blinker_board(library)
    board_problems = check_board(board, schematic_nets(EXAMPLE_SCHEMATIC))
    if not problems and not board_problems and write_if_changed(EXAMPLE_BOARD, file_text("LYT 3", board)):
        written.append(EXAMPLE_BOARD)
    problems += board_problems
    made = {f.name.lower() for f in library}
    for stray in sorted(LIBRARY.glob("*")):
        if stray.suffix.lower() == ".emp" and stray.stem.lower() not in made:
            print(f"note: {stray.relative_to(ROOT)} is not made by this script", file=sys.stderr)
    for problem in problems:
        print(problem, file=sys.stderr)
    for path in written:
        print(f"wrote {path.relative_to(ROOT)}")
    print(f"{len(library)} footprints, {len(written)} files changed")
    return 1 if problems else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true", help="print the library as a Markdown table")
    parser.add_argument("--svg", metavar="OUT.svg", help="draw FILE... (or the library) into OUT.svg")
    parser.add_argument("files", nargs="*", metavar="FILE")
    args = parser.parse_args()
    if args.svg:
        files = args.files or sorted(LIBRARY.glob("*.Emp"), key=lambda p: p.name.lower())
        draw_svg(args.svg, files)
        return 0
    if args.list:
        print(table(footprints()))
        return 0
    return build()


if __name__ == "__main__":
    sys.exit(main())
