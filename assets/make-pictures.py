#!/usr/bin/python3
"""Makes Corvalin's button pictures (GIF) in assets/img/ and its application icon: the SVG in
assets/icon/corvalin.svg and PNGs of it at 16 to 256 pixels in assets/img/.

Every button is a flat rounded face in its action's colour (green starts, red stops and deletes,
blue sets and applies, amber rings, slate closes) with a white bold caption, on the main window
with a small glyph before it. A pressed picture is darker, with a shadow along its top and left
edges and its glyph and caption one pixel lower and to the right; a disabled picture is grey.
Shapes are drawn at four times the size and scaled down, so their edges are smooth; captions are
drawn at the final size, so the font's hinting keeps them sharp. A GIF has one transparent colour
and no partial transparency, so the smoothed edge of the rounded corners is blended with the
colour the picture will sit on: the face of a push button, or the title strip's blue.

The program draws a button's caption itself when it shows it in another language than the words
in the picture. For that, every captioned picture also gets its face alone (img/face/<name>, the
same picture without glyph and caption), its glyph alone (img/glyph/<stem>.png, the glyph's ink
on transparent, one pixel of margin left and right, as tall as the picture and placed at the
height the picture has it), and an entry in img/captions.json: the caption drawn in it, its font
size, ink, glyph width and gap, and the pixel by which a pressed picture's content is shifted.

Needs Debian's python3-pil, fonts-liberation2 and librsvg2-bin (rsvg-convert renders the icon).
Run by hand:  /usr/bin/python3 assets/make-pictures.py   (the results are committed)
"""

import json
import math
import os
import subprocess
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
IMG = os.path.join(HERE, "img")
FACES = os.path.join(IMG, "face")
GLYPHS = os.path.join(IMG, "glyph")
ICON = os.path.join(HERE, "icon")

FONT = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"
SS = 4  # shapes are drawn at this multiple of the final size
RADIUS = 4

# The face of a Qt push button (Fusion style), behind every picture button.
BUTTON_FACE = (239, 239, 239)
# The title strip's gradient runs from #1d3557 to #457b9d; its buttons sit at the right end.
STRIP_END = (69, 123, 157)

GREEN = (35, 134, 90)
RED = (192, 57, 43)
BLUE = (44, 106, 160)
AMBER = (184, 98, 14)
SLATE = (86, 104, 122)
NAVY = (29, 53, 87)
TRAY_FACE = (226, 234, 242)

DISABLED_FACE = (221, 226, 231)
DISABLED_EDGE = (190, 198, 206)
DISABLED_INK = (104, 114, 126)
WHITE = (255, 255, 255)


def mix(a, b, t):
    """The colour t of the way from a to b."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def darker(c, t):
    return mix(c, (0, 0, 0), t)


def lighter(c, t):
    return mix(c, WHITE, t)


# ---------------------------------------------------------------------------------------------
# Glyphs: white shapes drawn in a square box of side s (in supersampled pixels) at (x, y).


def glyph_play(d, x, y, s, ink, face):
    d.polygon([(x + s * 0.18, y + s * 0.08), (x + s * 0.92, y + s * 0.5), (x + s * 0.18, y + s * 0.92)],
              fill=ink)


def glyph_stop(d, x, y, s, ink, face):
    d.rounded_rectangle([x + s * 0.12, y + s * 0.12, x + s * 0.88, y + s * 0.88], radius=s * 0.12, fill=ink)


def glyph_plus(d, x, y, s, ink, face):
    w = s * 0.2
    d.rectangle([x + s / 2 - w / 2, y + s * 0.08, x + s / 2 + w / 2, y + s * 0.92], fill=ink)
    d.rectangle([x + s * 0.08, y + s / 2 - w / 2, x + s * 0.92, y + s / 2 + w / 2], fill=ink)


def glyph_cross(d, x, y, s, ink, face):
    w = round(s * 0.2)
    d.line([(x + s * 0.15, y + s * 0.15), (x + s * 0.85, y + s * 0.85)], fill=ink, width=w)
    d.line([(x + s * 0.85, y + s * 0.15), (x + s * 0.15, y + s * 0.85)], fill=ink, width=w)


def glyph_check(d, x, y, s, ink, face):
    w = round(s * 0.2)
    points = [(x + s * 0.08, y + s * 0.52), (x + s * 0.38, y + s * 0.82), (x + s * 0.94, y + s * 0.2)]
    d.line(points, fill=ink, width=w, joint="curve")


def glyph_gear(d, x, y, s, ink, face):
    cx, cy = x + s / 2, y + s / 2
    outer, inner, teeth = s * 0.5, s * 0.36, 8
    points = []
    for k in range(teeth * 4):
        a = 2 * math.pi * (k - 0.5) / (teeth * 4)
        r = outer if (k % 4) in (0, 1) else inner
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    d.polygon(points, fill=ink)
    d.ellipse([cx - s * 0.3, cy - s * 0.3, cx + s * 0.3, cy + s * 0.3], fill=ink)
    d.ellipse([cx - s * 0.14, cy - s * 0.14, cx + s * 0.14, cy + s * 0.14], fill=face)


def glyph_note(d, x, y, s, ink, face):
    # An eighth note: head, stem and flag.
    d.ellipse([x + s * 0.1, y + s * 0.62, x + s * 0.52, y + s * 0.95], fill=ink)
    d.rectangle([x + s * 0.4, y + s * 0.06, x + s * 0.52, y + s * 0.8], fill=ink)
    d.polygon([(x + s * 0.4, y + s * 0.04), (x + s * 0.9, y + s * 0.26), (x + s * 0.9, y + s * 0.46),
               (x + s * 0.52, y + s * 0.3)], fill=ink)


def glyph_trash(d, x, y, s, ink, face):
    d.rectangle([x + s * 0.36, y + s * 0.02, x + s * 0.64, y + s * 0.14], fill=ink)
    d.rectangle([x + s * 0.1, y + s * 0.12, x + s * 0.9, y + s * 0.24], fill=ink)
    d.polygon([(x + s * 0.18, y + s * 0.3), (x + s * 0.82, y + s * 0.3), (x + s * 0.74, y + s * 0.98),
               (x + s * 0.26, y + s * 0.98)], fill=ink)
    for t in (0.38, 0.62):
        d.rectangle([x + s * (t - 0.04), y + s * 0.4, x + s * (t + 0.04), y + s * 0.86], fill=face)


def glyph_list(d, x, y, s, ink, face):
    for t in (0.12, 0.44, 0.76):
        d.rounded_rectangle([x + s * 0.04, y + s * t, x + s * 0.2, y + s * (t + 0.14)], radius=s * 0.04, fill=ink)
        d.rounded_rectangle([x + s * 0.3, y + s * t, x + s * 0.96, y + s * (t + 0.14)], radius=s * 0.04, fill=ink)


def bell_shape(d, x, y, s, ink):
    """The bell of the application icon, in a box of side s."""
    d.ellipse([x + s * 0.42, y + s * 0.0, x + s * 0.58, y + s * 0.16], fill=ink)
    d.chord([x + s * 0.16, y + s * 0.08, x + s * 0.84, y + s * 0.9], 180, 360, fill=ink)
    d.polygon([(x + s * 0.16, y + s * 0.48), (x + s * 0.84, y + s * 0.48), (x + s * 0.86, y + s * 0.66),
               (x + s * 0.98, y + s * 0.76), (x + s * 0.02, y + s * 0.76), (x + s * 0.14, y + s * 0.66)],
              fill=ink)
    d.rounded_rectangle([x + s * 0.0, y + s * 0.72, x + s * 1.0, y + s * 0.84], radius=s * 0.06, fill=ink)
    d.ellipse([x + s * 0.38, y + s * 0.8, x + s * 0.62, y + s * 1.0], fill=ink)


def glyph_bell(d, x, y, s, ink, face):
    bell_shape(d, x, y, s, ink)


def glyph_bell_off(d, x, y, s, ink, face):
    bell_shape(d, x, y, s, ink)
    d.line([(x - s * 0.02, y + s * 0.0), (x + s * 1.02, y + s * 1.02)], fill=face, width=round(s * 0.3))
    d.line([(x + s * 0.04, y + s * 0.06), (x + s * 0.96, y + s * 0.96)], fill=ink, width=round(s * 0.13))


def glyph_tray(d, x, y, s, ink, face):
    # An arrow down into a tray.
    w = s * 0.16
    d.rectangle([x + s / 2 - w / 2, y + s * 0.02, x + s / 2 + w / 2, y + s * 0.42], fill=ink)
    d.polygon([(x + s * 0.2, y + s * 0.36), (x + s * 0.8, y + s * 0.36), (x + s * 0.5, y + s * 0.68)], fill=ink)
    d.polygon([(x + s * 0.02, y + s * 0.56), (x + s * 0.16, y + s * 0.56), (x + s * 0.16, y + s * 0.82),
               (x + s * 0.84, y + s * 0.82), (x + s * 0.84, y + s * 0.56), (x + s * 0.98, y + s * 0.56),
               (x + s * 0.98, y + s * 0.96), (x + s * 0.02, y + s * 0.96)], fill=ink)


# ---------------------------------------------------------------------------------------------
# Drawing and saving.


def font(px):
    return ImageFont.truetype(FONT, px)


def text_box(text, px):
    left, top, right, bottom = font(px).getbbox(text)
    return right - left, left


def caption_size(text, width, preferred, room):
    """The largest font size, at most the preferred one, at which the caption fits in room pixels."""
    for px in range(preferred, 9, -1):
        if text_box(text, px)[0] <= room:
            return px
    sys.exit(f"the caption {text!r} does not fit in a {width}-pixel picture")


def to_gif(rgba, path, matte):
    """Saves an RGBA picture as a GIF: half-transparent edge pixels blended with the matte colour,
    the clear ones transparent."""
    alpha = rgba.getchannel("A")
    flat = Image.new("RGB", rgba.size, matte)
    flat.paste(rgba.convert("RGB"), mask=alpha)
    colours = flat.getcolors(maxcolors=255)
    if colours is None:
        paletted = flat.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    else:
        palette = [c for _, c in sorted(colours, key=lambda nc: nc[1])]
        index = {c: k for k, c in enumerate(palette)}
        paletted = Image.new("P", flat.size)
        paletted.putdata([index[p] for p in flat.getdata()])
        paletted.putpalette([v for c in palette for v in c])
    palette = (paletted.getpalette() or [])[: 255 * 3]
    palette += [0] * (255 * 3 - len(palette)) + [255, 0, 255]
    paletted.putpalette(palette)
    clear = alpha.point(lambda a: 255 if a < 128 else 0)
    paletted.paste(255, mask=clear)
    paletted.save(path, transparency=255, optimize=False)


# What each captioned picture holds, for the program to draw it again with another caption.
CAPTIONS = {}


def glyph_alone(path, glyph, gs, h, ink):
    """The glyph by itself, ink on transparent: gs + 2 pixels wide, h high."""
    w = gs + 2
    mask = Image.new("L", (w * SS, h * SS), 0)
    glyph(ImageDraw.Draw(mask), SS, (h - gs) / 2 * SS, gs * SS, 255, 0)
    mask = mask.resize((w, h), Image.Resampling.LANCZOS)
    picture = Image.new("RGBA", (w, h), ink + (0,))
    picture.putalpha(mask)
    picture.save(path, optimize=False)


def button(path, size, caption, colour, state, glyph=None, text_px=12, ink=WHITE, matte=BUTTON_FACE):
    """One picture button. state is 'normal', 'pressed' or 'disabled'."""
    w, h = size
    if state == "disabled":
        top, bottom, edge, ink = DISABLED_FACE, DISABLED_FACE, DISABLED_EDGE, DISABLED_INK
    elif state == "pressed":
        base = darker(colour, 0.18)
        top, bottom, edge = base, lighter(base, 0.04), darker(colour, 0.4)
    else:
        top, bottom, edge = lighter(colour, 0.1), colour, darker(colour, 0.25)
    shift = 1 if state == "pressed" else 0

    # The face: a rounded rectangle with a gentle top-to-bottom gradient and a one-pixel edge.
    big = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    shade = Image.new("RGBA", big.size)
    sd = ImageDraw.Draw(shade)
    for row in range(h * SS):
        sd.line([(0, row), (w * SS, row)], fill=mix(top, bottom, row / (h * SS - 1)) + (255,))
    mask = Image.new("L", big.size, 0)
    md = ImageDraw.Draw(mask)
    md.rounded_rectangle([0, 0, w * SS - 1, h * SS - 1], radius=RADIUS * SS, fill=255)
    edge_layer = Image.new("RGBA", big.size, edge + (255,))
    big.paste(edge_layer, mask=mask)
    inner = Image.new("L", big.size, 0)
    ImageDraw.Draw(inner).rounded_rectangle([SS, SS, w * SS - 1 - SS, h * SS - 1 - SS],
                                            radius=(RADIUS - 1) * SS, fill=255)
    big.paste(shade, mask=inner)
    d = ImageDraw.Draw(big)
    if state == "pressed":
        # A shadow along the top and left inside edges.
        shadow = darker(colour, 0.34) + (255,)
        d.rectangle([SS * 2, SS, w * SS - SS * 2, SS * 2 - 1], fill=shadow)
        d.rectangle([SS, SS * 2, SS * 2 - 1, h * SS - SS * 2], fill=shadow)
    elif state == "normal":
        # A faint highlight under the top edge.
        d.rectangle([SS * 2, SS, w * SS - SS * 2, SS * 2 - 1], fill=lighter(colour, 0.22) + (255,))

    name = os.path.basename(path)
    to_gif(big.resize((w, h), Image.Resampling.LANCZOS), os.path.join(FACES, name), matte)

    # Glyph and caption, centred together.
    gs = round(h * 0.44) if glyph else 0
    gap = round(h * 0.2) if glyph else 0
    room = w - 2 * 5 - gs - gap
    px = caption_size(caption, w, text_px, room)
    tw, tleft = text_box(caption, px)
    x0 = (w - (gs + gap + tw)) // 2 + shift
    if glyph:
        gy = (h - gs) / 2 + shift
        face_at_glyph = mix(top, bottom, 0.5)
        glyph(d, x0 * SS, gy * SS, gs * SS, ink + (255,), face_at_glyph + (255,))
    picture = big.resize((w, h), Image.Resampling.LANCZOS)
    td = ImageDraw.Draw(picture)
    f = font(px)
    # Centre the capitals: the middle of the cap height on the middle of the picture.
    _, cap_top, _, cap_bottom = f.getbbox("H")
    cap_height = cap_bottom - cap_top
    ty = round((h - cap_height) / 2 - cap_top) + shift
    td.text((x0 + gs + gap - tleft, ty), caption, font=f, fill=ink + (255,))
    to_gif(picture, path, matte)

    stem = os.path.splitext(name)[0]
    if glyph:
        glyph_alone(os.path.join(GLYPHS, f"{stem}.png"), glyph, gs, h, ink)
    CAPTIONS[name] = {"caption": caption, "font_px": text_px, "ink": "#%02x%02x%02x" % ink,
                      "glyph": gs, "gap": gap, "shift": shift}


def minimise(path, hover):
    """The title strip's minimise glyph: a white bar, on a lighter rounded square under the mouse."""
    s = 22
    big = Image.new("RGBA", (s * SS, s * SS), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)
    if hover:
        d.rounded_rectangle([0, 0, s * SS - 1, s * SS - 1], radius=RADIUS * SS, fill=lighter(STRIP_END, 0.25) + (255,))
    d.rounded_rectangle([5 * SS, 13 * SS, 17 * SS, 15.5 * SS], radius=SS, fill=WHITE + (255,))
    to_gif(big.resize((s, s), Image.Resampling.LANCZOS), path, STRIP_END)


# ---------------------------------------------------------------------------------------------
# The application icon.

ICON_SVG = """<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <!-- Corvalin: a gold bell on the title strip's blue. -->
  <defs>
    <linearGradient id="back" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#1d3557"/>
      <stop offset="1" stop-color="#457b9d"/>
    </linearGradient>
    <linearGradient id="gold" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#ffd166"/>
      <stop offset="1" stop-color="#f0a202"/>
    </linearGradient>
  </defs>
  <rect x="8" y="8" width="240" height="240" rx="52" fill="url(#back)"/>
  <circle cx="128" cy="50" r="15" fill="#f0a202"/>
  <path d="M128 52 C86 52 70 86 70 126 L70 150 C70 164 58 172 44 178 L44 186 L212 186 L212 178
           C198 172 186 164 186 150 L186 126 C186 86 170 52 128 52 Z" fill="url(#gold)"/>
  <rect x="36" y="174" width="184" height="22" rx="11" fill="#f0a202"/>
  <circle cx="128" cy="212" r="18" fill="#ffd166"/>
  <path d="M92 96 C96 80 106 72 116 69" fill="none" stroke="#fff3c4" stroke-width="10"
        stroke-linecap="round" opacity="0.85"/>
</svg>
"""

ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def icon():
    os.makedirs(ICON, exist_ok=True)
    svg = os.path.join(ICON, "corvalin.svg")
    with open(svg, "w", encoding="utf-8") as out:
        out.write(ICON_SVG)
    for size in ICON_SIZES:
        png = os.path.join(IMG, f"corvalin-{size}.png")
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", png, svg], check=True)


# ---------------------------------------------------------------------------------------------
# The pictures the program shows.


def main():
    for folder in (IMG, FACES, GLYPHS):
        os.makedirs(folder, exist_ok=True)

    def triple(stem, pressed, disabled, caption, size, colour, glyph=None, text_px=12):
        button(f"{IMG}/{stem}.gif", size, caption, colour, "normal", glyph, text_px)
        button(f"{IMG}/{pressed}.gif", size, caption, colour, "pressed", glyph, text_px)
        if disabled:
            button(f"{IMG}/{disabled}.gif", size, caption, colour, "disabled", glyph, text_px)

    # Main window: the service.
    triple("start", "start1", "start2", "Start", (96, 36), GREEN, glyph_play, 15)
    triple("stop", "stop1", None, "Stop", (96, 36), RED, glyph_stop, 15)
    # The sound library and the dedicated card.
    triple("nowBell", "nowBell1", None, "Ring now", (100, 28), AMBER, glyph_bell)
    triple("bellStop", "bellStop1", None, "Stop bell", (100, 28), RED, glyph_bell_off)
    triple("set", "set1", "set2", "Set", (72, 28), BLUE, glyph_gear)
    # Generated days and manual times.
    triple("apply", "apply1", "apply2", "Apply", (78, 26), BLUE, glyph_check)
    triple("TimeAdd", "TimeAdd1", "TimeAdd2", "Add", (78, 28), GREEN, glyph_plus)
    triple("TimeDel", "TimeDel1", "TimeDel2", "Delete", (110, 28), RED, glyph_cross)
    triple("TimeMod", "TimeMod1", "TimeMod2", "Modify", (110, 28), BLUE, glyph_note)
    triple("allDel", "allDel1", "allDel2", "Delete all", (110, 28), RED, glyph_trash)
    triple("applyTemplet", "applyTempletDown", "applyTempletDis", "Apply templet", (110, 28), BLUE, glyph_list)
    # The automatic mode's form.
    triple("confirm", "confirm1", None, "Confirm", (96, 28), GREEN, glyph_check)
    # The title strip.
    # Tray is a light button with navy ink, so that with the push button's pale rim around it
    # it reads as one button on the dark strip.
    button(f"{IMG}/tray.gif", (68, 24), "Tray", TRAY_FACE, "normal", glyph_tray, 12, NAVY)
    button(f"{IMG}/tray1.gif", (68, 24), "Tray", TRAY_FACE, "pressed", glyph_tray, 12, NAVY)
    minimise(f"{IMG}/minimaze.gif", hover=False)
    minimise(f"{IMG}/min_on.gif", hover=True)

    # The template window.
    for k in range(1, 7):
        triple(f"applyTemplet{k}", f"applyTempletDown{k}", None, f"Apply templet {k}", (97, 25), BLUE)
    triple("templetWinClose", "templetWinClose1", None, "Close", (97, 25), SLATE)

    # The countdown window.
    countdown = [("StartCount", "Count start", GREEN), ("Pause", "Pause", AMBER), ("RePlay", "Replay", BLUE),
                 ("CountExit", "Count exit", RED), ("AllWin", "Full screen", BLUE), ("closeWin", "Close", SLATE)]
    for stem, caption, colour in countdown:
        triple(stem, f"{stem}1", None, caption, (73, 25), colour)

    with open(os.path.join(IMG, "captions.json"), "w", encoding="utf-8") as out:
        json.dump(CAPTIONS, out, indent=1, sort_keys=True, ensure_ascii=False)
        out.write("\n")

    icon()


if __name__ == "__main__":
    main()
