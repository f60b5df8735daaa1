#!/usr/bin/env python3
"""Generate the pictures, sounds and icons that Kalvor embeds.

Usage: python3 tools/genresources.py [output folder]

Writes into resources/ next to this folder unless another folder is given.
Only the Python standard library is used and every random choice comes from a
fixed seed, so two runs give byte-identical files.

Pictures are 24-bit uncompressed BMPs (BITMAPINFOHEADER, rows stored bottom-up,
each row padded to a multiple of four bytes). Sounds are stereo 32-bit IEEE
float WAVs: a `fmt ` chunk with tag 3 and cbSize 0, a `fact` chunk with the
frame count, then the interleaved samples. Icons are RGBA PNGs, one ICO and
one SVG.
"""

import math
import random
import struct
import sys
import zlib
from pathlib import Path

# The window background and the colour of the board's outer frame.
FRAME_RED = (128, 0, 0)
# The flat background of both stone pictures. The program takes the bottom-left
# pixel of a stone picture as its transparent colour, so this exact colour must
# appear nowhere on the disc itself.
STONE_KEY = (204, 162, 111)

PEAK = 10 ** (-3 / 20)  # -3 dBFS


# ---------------------------------------------------------------- helpers


def klem(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def glad(a, b, v):
    """Smoothstep from a to b."""
    t = klem((v - a) / (b - a))
    return t * t * (3 - 2 * t)


def meng(c1, c2, t):
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def byte(v):
    return int(klem(round(v), 0, 255))


def maakrooster(rng, n):
    """A periodic n x n lattice of random values for value noise."""
    return n, [rng.random() for _ in range(n * n)]


def ruis(rooster, x, y):
    """Smooth value noise in [0, 1] on a periodic lattice."""
    n, tab = rooster
    ix, iy = math.floor(x), math.floor(y)
    fx, fy = x - ix, y - iy
    fx = fx * fx * (3 - 2 * fx)
    fy = fy * fy * (3 - 2 * fy)
    x0, x1 = ix % n, (ix + 1) % n
    y0, y1 = (iy % n) * n, ((iy + 1) % n) * n
    a = tab[y0 + x0] + (tab[y0 + x1] - tab[y0 + x0]) * fx
    b = tab[y1 + x0] + (tab[y1 + x1] - tab[y1 + x0]) * fx
    return a + (b - a) * fy


def ruis1d(rooster, x):
    return ruis(rooster, x, 0.37)


def afstandrondrechthoek(px, py, x0, y0, x1, y1, straal):
    """Signed distance to a rounded rectangle, negative inside."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    dx = abs(px - cx) - ((x1 - x0) / 2 - straal)
    dy = abs(py - cy) - ((y1 - y0) / 2 - straal)
    buiten = math.hypot(max(dx, 0.0), max(dy, 0.0))
    return buiten + min(max(dx, dy), 0.0) - straal


# ---------------------------------------------------------------- file writers


def schrijfbmp(pad, breedte, hoogte, pixels):
    """pixels: rows top to bottom, each a list of (r, g, b) byte triples."""
    rij = breedte * 3
    opvulling = (4 - rij % 4) % 4
    data = bytearray()
    for y in range(hoogte - 1, -1, -1):
        for r, g, b in pixels[y]:
            data += bytes((b, g, r))
        data += bytes(opvulling)
    kop = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, breedte, hoogte, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    pad.write_bytes(kop + info + bytes(data))


def maakpng(grootte, rgba):
    """rgba: rows top to bottom, each a list of (r, g, b, a) byte tuples."""

    def blok(soort, inhoud):
        crc = zlib.crc32(soort + inhoud) & 0xFFFFFFFF
        return struct.pack(">I", len(inhoud)) + soort + inhoud + struct.pack(">I", crc)

    ruw = bytearray()
    for rij in rgba:
        ruw.append(0)
        for p in rij:
            ruw += bytes(p)
    ihdr = struct.pack(">IIBBBBB", grootte, grootte, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + blok(b"IHDR", ihdr)
        + blok(b"IDAT", zlib.compress(bytes(ruw), 9))
        + blok(b"IEND", b"")
    )


def maakicodib(grootte, rgba):
    """A classic ICO image: 32-bit BGRA DIB of double height plus an AND mask."""
    info = struct.pack("<IiiHHIIiiII", 40, grootte, 2 * grootte, 1, 32, 0, 0, 0, 0, 0, 0)
    kleur = bytearray()
    masker = bytearray()
    maskrij = ((grootte + 31) // 32) * 4
    for y in range(grootte - 1, -1, -1):
        bits = bytearray(maskrij)
        for x, (r, g, b, a) in enumerate(rgba[y]):
            kleur += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        masker += bits
    return info + bytes(kleur) + bytes(masker)


def schrijfico(pad, beelden):
    """beelden: (size, image bytes) pairs; 256 px entries are stored as PNG."""
    kop = struct.pack("<HHH", 0, 1, len(beelden))
    plek = 6 + 16 * len(beelden)
    regels = b""
    data = b""
    for grootte, inhoud in beelden:
        zijde = 0 if grootte >= 256 else grootte
        regels += struct.pack("<BBBBHHII", zijde, zijde, 0, 0, 1, 32, len(inhoud), plek)
        plek += len(inhoud)
        data += inhoud
    pad.write_bytes(kop + regels + data)


def schrijfwav(pad, tempo, links, rechts):
    """Stereo 32-bit IEEE float WAV with the fact chunk float files carry."""
    frames = len(links)
    monsters = [0.0] * (2 * frames)
    monsters[0::2] = links
    monsters[1::2] = rechts
    data = struct.pack("<%df" % len(monsters), *monsters)
    fmt = struct.pack("<HHIIHHH", 3, 2, tempo, tempo * 8, 8, 32, 0)
    fact = struct.pack("<I", frames)
    riff = b"WAVE"
    riff += b"fmt " + struct.pack("<I", len(fmt)) + fmt
    riff += b"fact" + struct.pack("<I", len(fact)) + fact
    riff += b"data" + struct.pack("<I", len(data)) + data
    pad.write_bytes(b"RIFF" + struct.pack("<I", len(riff)) + riff)


# ---------------------------------------------------------------- board wood

HOUT_B, HOUT_H = 567, 601
LICHT_HOUT = (236, 198, 140)  # early wood of a light kaya / beech board
DONKER_HOUT = (181, 124, 68)  # late wood of a growth ring
FRAME_BREEDTE = 6.0
FRAME_STRAAL = 16.0


def maakringtabel(rng, van, tot, stap):
    """Cumulative ring count along the grain's cross axis: rings lie closer
    where the tree grew slowly, so the spacing wanders between 5 and 19 px."""
    dichtheid = maakrooster(rng, 64)
    tabel = []
    telling = 0.0
    u = van
    while u <= tot:
        tabel.append(telling)
        afstand = 5.0 + 14.0 * ruis1d(dichtheid, u / 55.0) ** 1.6
        telling += stap / afstand
        u += stap
    return tabel


def maakhout():
    rng = random.Random(19_567_601)
    golf1 = maakrooster(rng, 32)
    golf2 = maakrooster(rng, 32)
    vezel = maakrooster(rng, 128)
    vezelfijn = maakrooster(rng, 128)
    vervaag = maakrooster(rng, 64)
    band = maakrooster(rng, 64)
    vlek = maakrooster(rng, 32)
    ringsterkte = [0.3 + 0.7 * rng.random() ** 0.7 for _ in range(400)]
    van, stap = -200.0, 0.25
    ringen = maakringtabel(rng, van, 900.0, stap)

    pixels = []
    for y in range(HOUT_H):
        py = y + 0.5
        rij = []
        for x in range(HOUT_B):
            px = x + 0.5
            # Cross-grain coordinate: the grain runs top to bottom with a slight
            # slant, bent by slow waves and by smaller local wiggles.
            u = (
                px
                + 0.05 * py
                + 34.0 * (ruis(golf1, px / 190.0, py / 330.0) - 0.5)
                + 7.0 * (ruis(golf2, px / 45.0, py / 120.0) - 0.5)
            )
            i = (u - van) / stap
            k = int(i)
            ring = ringen[k] + (ringen[k + 1] - ringen[k]) * (i - k)
            nummer = int(math.floor(ring))
            fase = ring - nummer
            # A growth ring darkens slowly across the early wood and ends in a
            # narrow band of dense late wood with a sharp outer edge.
            laat = 0.3 * glad(0.15, 0.88, fase) + 0.7 * glad(0.80, 0.92, fase)
            laat *= 1.0 - glad(0.95, 1.0, fase)
            # Rings fade in and out along their length.
            sterkte = ringsterkte[nummer % 400] * (0.45 + 0.55 * ruis(vervaag, u / 9.0, py / 150.0))
            donker = 1.0 * sterkte * laat
            # Fibres and pores: thin streaks along the grain at two scales.
            donker += 0.26 * (ruis(vezel, u / 1.1, py / 70.0) - 0.5)
            donker += 0.12 * (ruis(vezelfijn, u / 0.45, py / 25.0) - 0.5)
            # Wide streaks of slightly deeper colour that follow the grain.
            donker += 0.22 * glad(0.45, 0.9, ruis(band, u / 38.0, py / 600.0))
            kleur = meng(LICHT_HOUT, DONKER_HOUT, klem(donker, -0.2, 1.0))
            # Slow colour drift over the board and a faint sheen at the top left.
            v = ruis(vlek, px / 150.0, py / 170.0) - 0.5
            glans = 6.0 * (1.0 - (px + py) / (HOUT_B + HOUT_H))
            kleur = (kleur[0] + 14 * v + glans, kleur[1] + 12 * v + glans, kleur[2] + 4 * v + glans)
            rij.append(kleurmetrand(px, py, kleur))
        pixels.append(rij)
    return pixels


def kleurmetrand(px, py, hout):
    """Lay the rounded dark red frame over the wood at one pixel."""
    binnen = -afstandrondrechthoek(px, py, 0, 0, HOUT_B, HOUT_H, FRAME_STRAAL)
    if binnen < 3.5:
        return FRAME_RED
    if binnen < FRAME_BREEDTE:
        # The inner part of the frame falls into shadow toward the board.
        t = glad(3.5, FRAME_BREEDTE, binnen)
        rand = meng(FRAME_RED, (86, 0, 0), t)
        dekking = klem(binnen - (FRAME_BREEDTE - 0.5))
        return tuple(byte(c) for c in meng(rand, hout, dekking))
    # The wood right next to the frame lies slightly in its shadow.
    schaduw = 1.0 - 0.16 * (1.0 - glad(FRAME_BREEDTE, FRAME_BREEDTE + 5.0, binnen))
    return tuple(byte(c * schaduw) for c in hout)


# ---------------------------------------------------------------- stones

STEEN = 378
STEEN_STRAAL = 178.5  # a disc 357 px across, leaving a border of 10.5 px
LICHT = (-0.5, -0.6, 1.0)  # from the top left, toward the viewer


def eenheid(v):
    n = math.sqrt(sum(c * c for c in v))
    return tuple(c / n for c in v)


def maaksteen(wit):
    """A go stone seen from above, shaded as a flat lens lit from the top left.
    The disc has a hard edge: every pixel is either exactly the background or
    a stone colour, so a scaled-down copy that leaves the background out shows
    no fringe of the background colour."""
    licht = eenheid(LICHT)
    half = eenheid((licht[0], licht[1], licht[2] + 1.0))
    midden = STEEN / 2
    pixels = []
    for y in range(STEEN):
        rij = []
        for x in range(STEEN):
            dx = (x + 0.5 - midden) / STEEN_STRAAL
            dy = (y + 0.5 - midden) / STEEN_STRAAL
            r2 = dx * dx + dy * dy
            if r2 > 1.0:
                rij.append(STONE_KEY)
                continue
            # A lens is flatter than a sphere: its normal tilts at most ~50 deg.
            nx, ny = 0.78 * dx, 0.78 * dy
            n = (nx, ny, math.sqrt(1.0 - nx * nx - ny * ny))
            diffuus = sum(a * b for a, b in zip(n, licht))
            if wit:
                t = glad(-0.02, 0.50, diffuus)
                kleur = meng((158, 161, 168), (255, 255, 255), t)
            else:
                # The middle of the face is pure black, the colour of the
                # square marker that every black stone but the last carries,
                # so that the marker does not show as a hole at any size:
                # the square reaches 0.5 of the radius at its corners, and
                # a pixel more round it at the smallest stones about 0.67.
                # The grey and the gloss lie outside that: the light from
                # the top left catches the stone's rounded rim there.
                rho = math.sqrt(r2)
                rand = glad(0.70, 0.84, rho)
                kant = max(0.0, (dx * LICHT[0] + dy * LICHT[1]) / (rho * 0.781 + 1e-9))
                glans = rand * (1.0 - glad(0.90, 1.0, rho)) * kant ** 3
                extra = 58.0 * glans
                grijs = 12 * rand
                kleur = (grijs + extra, grijs + extra, grijs + extra * 1.05)
            rij.append(tuple(byte(c) for c in kleur))
        pixels.append(rij)
    return pixels


def controleersteen(pixels):
    assert pixels[STEEN - 1][0] == STONE_KEY, "bottom-left pixel must be the key"
    for rij in pixels:
        for p in rij:
            if p != STONE_KEY:
                # Stone pixels are near-neutral greys, far from the saturated
                # tan of the key, not merely unequal to it.
                assert max(p) - min(p) < 20, p


# ---------------------------------------------------------------- sounds


def biquad(x, soort, f, q, tempo):
    """RBJ cookbook low-pass, high-pass or band-pass filter."""
    w = 2 * math.pi * f / tempo
    alfa = math.sin(w) / (2 * q)
    c = math.cos(w)
    if soort == "laag":
        b = ((1 - c) / 2, 1 - c, (1 - c) / 2)
    elif soort == "hoog":
        b = ((1 + c) / 2, -(1 + c), (1 + c) / 2)
    else:
        b = (alfa, 0.0, -alfa)
    a0, a1, a2 = 1 + alfa, -2 * c, 1 - alfa
    b0, b1, b2 = (v / a0 for v in b)
    a1, a2 = a1 / a0, a2 / a0
    y = [0.0] * len(x)
    x1 = x2 = y1 = y2 = 0.0
    for i, v in enumerate(x):
        u = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, v, y1, u
        y[i] = u
    return y


def telmodi(uit, tempo, start, modi):
    """Add decaying sinusoids to uit, each (freq, amplitude, decay time constant,
    rise time constant). Each starts at phase zero, so there is no step."""
    begin = int(start * tempo)
    for f, amp, verval, stijg in modi:
        if f >= tempo / 2:
            continue
        draai = complex(math.cos(2 * math.pi * f / tempo), math.sin(2 * math.pi * f / tempo))
        draai *= math.exp(-1.0 / (verval * tempo))
        stijgfactor = math.exp(-1.0 / (stijg * tempo)) if stijg > 0 else 0.0
        z = complex(amp, 0.0)
        opbouw = 1.0
        for i in range(begin, len(uit)):
            uit[i] += z.imag * (1.0 - opbouw)
            z *= draai
            opbouw *= stijgfactor


def telstoot(uit, rng, tempo, start, duur, amp):
    """Add a short noise burst with a fast exponential decay: a contact click."""
    begin = int(start * tempo)
    for i in range(int(6 * duur * tempo)):
        if begin + i < len(uit):
            uit[begin + i] += amp * (2 * rng.random() - 1) * math.exp(-i / (duur * tempo))


def afwerk(links, rechts, tempo, uitloop):
    """Fade the last `uitloop` seconds out, remove any DC and scale to -3 dBFS."""
    n = len(links)
    venster = [math.sin(math.pi * (i + 0.5) / n) ** 2 for i in range(n)]
    som = sum(venster)
    staart = int(uitloop * tempo)
    for kanaal in (links, rechts):
        for i in range(staart):
            kanaal[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / staart)
        # Subtracting the mean through a window that is zero at both ends keeps
        # the first and last samples at zero while the mean becomes exactly 0.
        gemiddeld = sum(kanaal) / som
        for i in range(n):
            kanaal[i] -= gemiddeld * venster[i]
    hoogste = max(max(abs(v) for v in links), max(abs(v) for v in rechts))
    schaal = PEAK / hoogste
    return [v * schaal for v in links], [v * schaal for v in rechts]


def maakgong():
    """A small bronze gong: a low inharmonic spectrum around 132 Hz, each partial
    split into two close modes that beat, higher partials that swell in late
    (the shimmer of a gong), struck with a soft felt mallet."""
    tempo, duur = 44100, 1.32
    n = round(duur * tempo)
    rng = random.Random(1320)
    grond = 132.0
    deeltonen = [
        # ratio, amplitude, decay constant (s), beat (Hz), swell (s)
        (1.000, 1.00, 1.40, 0.8, 0.004),
        (1.510, 0.62, 1.05, 1.3, 0.004),
        (1.976, 0.50, 0.90, 0.9, 0.006),
        (2.413, 0.42, 0.80, 2.1, 0.030),
        (2.927, 0.34, 0.70, 1.7, 0.012),
        (3.452, 0.30, 0.60, 2.6, 0.060),
        (4.020, 0.22, 0.50, 3.1, 0.020),
        (4.603, 0.18, 0.45, 2.2, 0.090),
        (5.260, 0.13, 0.38, 3.7, 0.040),
        (5.985, 0.10, 0.33, 4.1, 0.120),
        (6.770, 0.07, 0.28, 2.9, 0.050),
        (7.690, 0.05, 0.24, 4.6, 0.150),
    ]
    # A felt mallet excites little above about 1 kHz.
    zacht = [1.0 / (1.0 + (r * grond / 1100.0) ** 2) for r, *_ in deeltonen]
    glans = [(rng.uniform(900, 4200), rng.uniform(0.010, 0.030), rng.uniform(0.12, 0.35),
              rng.uniform(0.06, 0.25)) for _ in range(24)]
    kanalen = []
    for kant in range(2):
        uit = [0.0] * n
        modi = []
        for (ratio, amp, verval, zweving, stijg), z in zip(deeltonen, zacht):
            f = grond * ratio * (1.0 + 0.0015 * (kant - 0.5))
            modi.append((f, amp * z * 0.6, verval, stijg))
            modi.append((f + zweving * (1 + 0.2 * kant), amp * z * 0.4, verval * 0.9, stijg))
        modi += [(f * (1.0 + 0.002 * kant), a, v, s) for f, a, v, s in glans]
        telmodi(uit, tempo, 0.002, modi)
        # The dull thump of the felt on the metal.
        plof = [0.0] * n
        telstoot(plof, rng, tempo, 0.002, 0.010, 0.9)
        plof = biquad(biquad(plof, "laag", 220.0, 0.9, tempo), "hoog", 40.0, 0.7, tempo)
        kanalen.append([a + b for a, b in zip(uit, plof)])
    return tempo, afwerk(kanalen[0], kanalen[1], tempo, 0.30)


def maakkloktik():
    """One tick of a mechanical clock: the escape wheel strikes the pallet (a
    sharp click with the small metal ring of the movement), then drops onto the
    other pallet a few milliseconds later; the case adds a short resonance."""
    tempo, duur = 48000, 0.23
    n = round(duur * tempo)
    rng = random.Random(230)
    kanalen = []
    for kant in range(2):
        uit = [0.0] * n
        for start, sterkte in ((0.004, 1.0), (0.0115, 0.5)):
            telstoot(uit, rng, tempo, start, 0.00025, 0.9 * sterkte)
            telmodi(uit, tempo, start, [
                (1480.0, 0.10 * sterkte, 0.010, 0),
                (2650.0 * (1 + 0.003 * kant), 0.35 * sterkte, 0.007, 0),
                (4120.0, 0.30 * sterkte, 0.005, 0),
                (6330.0, 0.22 * sterkte, 0.0035, 0),
                (9150.0, 0.15 * sterkte, 0.0025, 0),
            ])
        uit = biquad(biquad(uit, "hoog", 900.0, 0.7, tempo), "hoog", 900.0, 0.7, tempo)
        kanalen.append(uit)
    return tempo, afwerk(kanalen[0], kanalen[1], tempo, 0.02)


def maaksteenklik(duur, zaad, stoot, modi, laag, naklik):
    """A stone set down on a wooden board: a hard contact click, the short ring
    of the stone, the resonance of the board and a faint second touch as the
    stone settles."""
    tempo = 48000
    n = round(duur * tempo)
    rng = random.Random(zaad)
    kanalen = []
    for kant in range(2):
        uit = [0.0] * n
        for start, sterkte in ((0.003, 1.0), (0.003 + naklik, 0.12)):
            telstoot(uit, rng, tempo, start, stoot, 0.8 * sterkte)
            telmodi(uit, tempo, start, [
                (f * (1 + 0.002 * kant), a * sterkte, v, 0) for f, a, v in modi])
        uit = biquad(uit, "laag", laag, 0.7, tempo)
        uit = biquad(uit, "hoog", 80.0, 0.7, tempo)
        kanalen.append(uit)
    return tempo, afwerk(kanalen[0], kanalen[1], tempo, 0.02)


def maaktik():
    """White stone: a bright, hard click with a clear ring of the board."""
    return maaksteenklik(0.25, 250, 0.00012, [
        (430.0, 0.20, 0.014),
        (980.0, 0.35, 0.020),
        (1660.0, 0.45, 0.028),
        (2480.0, 0.50, 0.034),
        (3930.0, 0.40, 0.022),
        (5620.0, 0.30, 0.014),
        (7410.0, 0.20, 0.009),
    ], 12000.0, 0.0065)


def maaktak():
    """Black stone: a duller, lower and shorter knock."""
    return maaksteenklik(0.16, 160, 0.00045, [
        (240.0, 0.40, 0.012),
        (610.0, 0.45, 0.014),
        (1150.0, 0.40, 0.016),
        (1790.0, 0.25, 0.013),
        (2700.0, 0.12, 0.008),
    ], 3800.0, 0.0045)


# ---------------------------------------------------------------- icon

ICOON_HOUT = (224, 176, 112)
ICOON_NERF = (186, 131, 72)


def over(onder, kleur, dekking):
    """Porter-Duff 'over' on premultiplied (r, g, b, a) with 0..1 components."""
    r, g, b, a = onder
    return (
        kleur[0] * dekking + r * (1 - dekking),
        kleur[1] * dekking + g * (1 - dekking),
        kleur[2] * dekking + b * (1 - dekking),
        dekking + a * (1 - dekking),
    )


def maakicoon(s):
    """A corner of a wooden board with two grid lines each way, a black stone on
    the top-left crossing and a white one on the bottom-right crossing. Lines
    and stone centres are snapped to the pixel grid so the 16 px icon stays
    sharp; the grain fades out at small sizes, where it would only blur."""
    marge = float(s // 32)  # whole pixels, so the tile edge is crisp
    hoek = s * 0.12
    lijn = max(1, round(s / 44))
    rand = max(0.8, s / 64)

    def plaats(f):
        return math.floor(f * s) + 0.5 if lijn % 2 else float(round(f * s))

    lijnen = (plaats(0.3), plaats(0.7))
    straal = s * 0.21
    omlijning = max(0.9, s / 80)
    nerfsterkte = glad(20, 90, s)
    schaduw = s * 0.025
    beeld = []
    for y in range(s):
        rij = []
        for x in range(s):
            px, py = x + 0.5, y + 0.5
            pix = (0.0, 0.0, 0.0, 0.0)
            d = afstandrondrechthoek(px, py, marge, marge, s - marge, s - marge, hoek)
            tegel = klem(0.5 - d)
            if tegel > 0:
                u = px / s + 0.035 * math.sin(2 * math.pi * (py / s * 1.2 + px / s * 0.7))
                fase = (u * 6.5) % 1.0
                nerf = nerfsterkte * 0.7 * glad(0.5, 0.92, fase) * (1 - glad(0.92, 1.0, fase))
                hout = meng(ICOON_HOUT, ICOON_NERF, nerf)
                # A darker band around the edge separates the tile from any
                # background it is shown on.
                hout = meng(hout, (120, 74, 34), klem(0.5 - (-d - rand)) * 0.85)
                # Each stone casts a soft shadow toward the bottom right.
                for l in lijnen:
                    afstand = math.hypot(px - l - schaduw, py - l - schaduw * 1.3)
                    vaag = klem((straal + schaduw - afstand) / (2 * schaduw + 0.5))
                    hout = meng(hout, (90, 58, 26), 0.45 * vaag)
                pix = over(pix, tuple(c / 255 for c in hout), tegel)
                for l in lijnen:
                    for afstand in (abs(px - l), abs(py - l)):
                        dekking = klem(lijn / 2 + 0.5 - afstand) * klem(-d - rand + 0.5)
                        pix = over(pix, (50 / 255, 32 / 255, 16 / 255), dekking)
            for sx, sy, wit in ((lijnen[0], lijnen[0], False), (lijnen[1], lijnen[1], True)):
                dx, dy = px - sx, py - sy
                afstand = math.hypot(dx, dy)
                dekking = klem(straal + 0.5 - afstand)
                if dekking <= 0:
                    continue
                # Light from the top left: position along that axis, -1..1.
                licht = klem((-dx - dy) / (1.414 * straal), -1.0, 1.0)
                if wit:
                    kleur = meng((178, 180, 186), (255, 255, 255), glad(-0.9, 0.1, licht))
                    binnen = klem(straal - omlijning + 0.5 - afstand)
                    kleur = meng((64, 64, 68), kleur, binnen)
                else:
                    glim = math.hypot(dx + 0.38 * straal, dy + 0.38 * straal) / straal
                    kleur = meng((20, 20, 22), (120, 120, 126), 1.0 - glad(0.0, 0.6, glim))
                pix = over(pix, tuple(c / 255 for c in kleur), dekking)
            r, g, b, a = pix
            if a <= 0.0:
                rij.append((0, 0, 0, 0))
            else:
                rij.append((byte(r / a * 255), byte(g / a * 255), byte(b / a * 255), byte(a * 255)))
        beeld.append(rij)
    return beeld


def maakicoonsvg():
    """The icon as a scalable picture, drawn from the same measures as the
    256 px PNG of maakicoon: tile, grain, edge band, shadows, lines and the
    two stones. Soft edges and shading become gradients whose stops follow
    the ramps of the pixel version; the grain bands are traced from the same
    curve u(x, y) and split into slices, each as dark as the pixel version
    is in its middle."""
    s = 256
    marge = float(s // 32)
    hoek = s * 0.12
    lijn = max(1, round(s / 44))
    rand = max(0.8, s / 64)
    lijnen = (float(round(0.3 * s)), float(round(0.7 * s)))
    straal = s * 0.21
    omlijning = max(0.9, s / 80)
    schaduw = s * 0.025

    def kl(c):
        return "#%02x%02x%02x" % tuple(byte(v) for v in c)

    def g(v):
        t = "%.2f" % v
        return t.rstrip("0").rstrip(".") if "." in t else t

    def stops(kleur0, kleur1):
        """Gradient stops for meng(kleur0, kleur1, glad(0, 1, t)), sampled so
        that the smoothstep stays smooth between them."""
        regels = []
        for i in range(9):
            k = meng(kleur0, kleur1, glad(0.0, 1.0, i / 8))
            regels.append('<stop offset="%s" stop-color="%s"/>' % (g(i / 8), kl(k)))
        return "".join(regels)

    def nerfx(c, y):
        """x on the curve u(x, y) = c, found by fixed-point iteration: the
        wave term changes x by at most 0.035 * 2 pi * 0.7 of itself."""
        x = c * s
        for _ in range(40):
            x = s * (c - 0.035 * math.sin(2 * math.pi * (y / s * 1.2 + x / s * 0.7)))
        return x

    def nerfstrook(f0, f1, band):
        # The region between the curves of phase f0 and f1 in grain band n.
        c0, c1 = (band + f0) / 6.5, (band + f1) / 6.5
        ys = [marge + (s - 2 * marge) * i / 48 for i in range(49)]
        heen = ["%s,%s" % (g(nerfx(c0, y)), g(y)) for y in ys]
        terug = ["%s,%s" % (g(nerfx(c1, y)), g(y)) for y in reversed(ys)]
        return "M" + " L".join(heen + terug) + "Z"

    delen = []
    w = delen.append
    w('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
      % (s, s, s, s))
    w("<title>Kalvor</title>\n<defs>\n")
    tegel = '<rect x="%s" y="%s" width="%s" height="%s" rx="%s"/>' % (
        g(marge), g(marge), g(s - 2 * marge), g(s - 2 * marge), g(hoek))
    binnen = '<rect x="%s" y="%s" width="%s" height="%s" rx="%s"/>' % (
        g(marge + rand), g(marge + rand), g(s - 2 * marge - 2 * rand),
        g(s - 2 * marge - 2 * rand), g(hoek - rand))
    w('<clipPath id="tegel">%s</clipPath>\n' % tegel)
    w('<clipPath id="binnen">%s</clipPath>\n' % binnen)
    # Shadow: full strength up to 2 * schaduw + 0.5 inside its rim, none at it.
    buiten = straal + schaduw
    w('<radialGradient id="schaduw"><stop offset="%s" stop-color="%s" stop-opacity="0.45"/>'
      '<stop offset="1" stop-color="%s" stop-opacity="0"/></radialGradient>\n'
      % (g((buiten - 2 * schaduw - 0.5) / buiten), kl((90, 58, 26)), kl((90, 58, 26))))
    # Black: bright near a point up and left of the centre, dark from 0.6 r on.
    zx = lijnen[0] - 0.38 * straal
    w('<radialGradient id="zwart" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s">%s'
      '</radialGradient>\n' % (g(zx), g(zx), g(0.6 * straal),
                               stops((120, 120, 126), (20, 20, 22))))
    # White: light along the diagonal, from grey at 0.9 r below right of the
    # centre to white at 0.1 r above left of it.
    d = straal / math.sqrt(2)
    cx = lijnen[1]
    w('<linearGradient id="wit" gradientUnits="userSpaceOnUse" x1="%s" y1="%s" x2="%s" y2="%s">'
      '%s</linearGradient>\n' % (g(cx + 0.9 * d), g(cx + 0.9 * d), g(cx - 0.1 * d),
                                 g(cx - 0.1 * d),
                                 stops((178, 180, 186), (255, 255, 255))))
    w("</defs>\n")

    w('<g clip-path="url(#tegel)">\n')
    w('<rect width="%d" height="%d" fill="%s"/>\n' % (s, s, kl(ICOON_HOUT)))
    # Grain: dark from phase 0.5 to 0.92 (smoothstep), then back to light
    # by 1.0; slices of the same darkness in their middle.
    grenzen = [0.5, 0.6, 0.7, 0.78, 0.85, 0.92, 0.96, 1.0]
    for band in range(-1, 7):
        for f0, f1 in zip(grenzen, grenzen[1:]):
            m = (f0 + f1) / 2
            nerf = 0.7 * glad(0.5, 0.92, m) * (1 - glad(0.92, 1.0, m))
            w('<path d="%s" fill="%s" fill-opacity="%s"/>\n'
              % (nerfstrook(f0, f1, band), kl(ICOON_NERF), g(nerf)))
    # The dark band along the edge, rand wide inside the tile.
    w('<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="none" stroke="%s" '
      'stroke-opacity="0.85" stroke-width="%s"/>\n'
      % (g(marge), g(marge), g(s - 2 * marge), g(s - 2 * marge), g(hoek),
         kl((120, 74, 34)), g(2 * rand)))
    for l in lijnen:
        w('<circle cx="%s" cy="%s" r="%s" fill="url(#schaduw)"/>\n'
          % (g(l + schaduw), g(l + schaduw * 1.3), g(buiten)))
    w('<g clip-path="url(#binnen)" fill="%s">\n' % kl((50, 32, 16)))
    for l in lijnen:
        w('<rect x="%s" y="0" width="%s" height="%d"/>\n' % (g(l - lijn / 2), g(lijn), s))
        w('<rect x="0" y="%s" width="%d" height="%s"/>\n' % (g(l - lijn / 2), s, g(lijn)))
    w("</g>\n</g>\n")
    w('<circle cx="%s" cy="%s" r="%s" fill="url(#zwart)"/>\n'
      % (g(lijnen[0]), g(lijnen[0]), g(straal)))
    w('<circle cx="%s" cy="%s" r="%s" fill="%s"/>\n'
      % (g(lijnen[1]), g(lijnen[1]), g(straal), kl((64, 64, 68))))
    w('<circle cx="%s" cy="%s" r="%s" fill="url(#wit)"/>\n'
      % (g(lijnen[1]), g(lijnen[1]), g(straal - omlijning)))
    w("</svg>\n")
    return "".join(delen)


# ---------------------------------------------------------------- main


def main():
    if len(sys.argv) > 1:
        doel = Path(sys.argv[1])
    else:
        doel = Path(__file__).resolve().parent.parent / "resources"
    doel.mkdir(parents=True, exist_ok=True)

    hout = maakhout()
    assert hout[0][0] == FRAME_RED and hout[HOUT_H - 1][HOUT_B - 1] == FRAME_RED
    schrijfbmp(doel / "bordhout.bmp", HOUT_B, HOUT_H, hout)
    for naam, wit in (("witsteen.bmp", True), ("zwartsteen.bmp", False)):
        steen = maaksteen(wit)
        controleersteen(steen)
        schrijfbmp(doel / naam, STEEN, STEEN, steen)

    for naam, maker in (("gong.wav", maakgong), ("kloktik.wav", maakkloktik),
                        ("tik.wav", maaktik), ("tak.wav", maaktak)):
        tempo, (links, rechts) = maker()
        schrijfwav(doel / naam, tempo, links, rechts)

    pngs = {}
    for s in (16, 32, 48, 64, 128, 256):
        pngs[s] = maakicoon(s)
        naam = "kalvor.png" if s == 256 else "kalvor-%d.png" % s
        (doel / naam).write_bytes(maakpng(s, pngs[s]))
    # Windows before Vista reads only DIB entries; the 256 px one is PNG.
    schrijfico(doel / "kalvor.ico", [(s, maakicodib(s, pngs[s])) for s in (16, 32, 48)]
               + [(256, maakpng(256, pngs[256]))])
    (doel / "kalvor.svg").write_text(maakicoonsvg(), encoding="utf-8", newline="\n")


if __name__ == "__main__":
    main()
