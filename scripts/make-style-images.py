#!/usr/bin/env python3
"""Draws the pictures of the styles in data/Style Templates.

Every picture is made here from shapes and a small pixel font, with the
standard library only: page backgrounds, link button backgrounds (normal and
pressed), shopping buttons, cart pictures and the default page images go to
each style's Images folder as GIF; the style previews are 24-bit BMP files
(LeftImg/Sample.bmp and Previews/Harbour.bmp).

Usage: scripts/make-style-images.py [STYLE-TEMPLATES-FOLDER]
(default: data/Style Templates beside this script's folder)
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------------------
# A picture with an alpha channel, and shapes drawn onto it with
# anti-aliased edges (each pixel sampled SAMPLES x SAMPLES times).

SAMPLES = 4


def hex_colour(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


class Picture:
    def __init__(self, width, height, colour=None):
        self.width = width
        self.height = height
        fill = (colour, 1.0) if colour is not None else ((0, 0, 0), 0.0)
        self.pixels = [fill] * (width * height)

    def blend(self, x, y, colour, alpha):
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        old, old_alpha = self.pixels[y * self.width + x]
        out_alpha = alpha + old_alpha * (1 - alpha)
        if out_alpha <= 0:
            return
        weight = alpha / out_alpha
        self.pixels[y * self.width + x] = (mix(old, colour, weight), out_alpha)

    def draw(self, inside, box, paint, opacity=1.0):
        """Fills the points for which inside(x, y) holds within box
        (left, top, right, bottom), with paint(x, y) giving the colour."""
        left, top, right, bottom = (int(math.floor(box[0])), int(math.floor(box[1])),
                                    int(math.ceil(box[2])), int(math.ceil(box[3])))
        step = 1.0 / SAMPLES
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        if inside(x + (sx + 0.5) * step, y + (sy + 0.5) * step):
                            hits += 1
                if hits:
                    self.blend(x, y, paint(x + 0.5, y + 0.5), opacity * hits / SAMPLES ** 2)

    def paste(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                colour, alpha = other.pixels[y * other.width + x]
                self.blend(left + x, top + y, colour, alpha)


def solid(colour):
    return lambda x, y: colour


def vertical(top_colour, bottom_colour, top, bottom):
    span = max(bottom - top, 1)
    return lambda x, y: mix(top_colour, bottom_colour, min(max((y - top) / span, 0), 1))


def rounded_rect(picture, box, radius, paint, opacity=1.0):
    left, top, right, bottom = box

    def inside(x, y):
        if not (left <= x < right and top <= y < bottom):
            return False
        cx = min(max(x, left + radius), right - radius)
        cy = min(max(y, top + radius), bottom - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2

    picture.draw(inside, box, paint, opacity)


def ellipse(picture, cx, cy, rx, ry, paint, opacity=1.0):
    picture.draw(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1,
                 (cx - rx, cy - ry, cx + rx + 1, cy + ry + 1), paint, opacity)


def ring(picture, cx, cy, outer, inner, paint):
    picture.draw(lambda x, y: inner ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= outer ** 2,
                 (cx - outer, cy - outer, cx + outer + 1, cy + outer + 1), paint)


def polygon(picture, points, paint, opacity=1.0):
    def inside(x, y):
        result = False
        for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                result = not result
        return result

    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    picture.draw(inside, (min(xs), min(ys), max(xs) + 1, max(ys) + 1), paint, opacity)


def stroke(picture, points, width, paint, opacity=1.0):
    """A polyline of the given width with round joins and ends."""
    half = width / 2

    def near(x, y):
        for (x1, y1), (x2, y2) in zip(points, points[1:]):
            dx, dy = x2 - x1, y2 - y1
            length = dx * dx + dy * dy
            t = 0 if length == 0 else min(max(((x - x1) * dx + (y - y1) * dy) / length, 0), 1)
            if (x - x1 - t * dx) ** 2 + (y - y1 - t * dy) ** 2 <= half * half:
                return True
        return False

    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    picture.draw(near, (min(xs) - half, min(ys) - half, max(xs) + half + 1, max(ys) + half + 1),
                 paint, opacity)


# ---------------------------------------------------------------------------
# A 5 x 7 pixel font for the few words the previews show.

GLYPHS = {
    "A": [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "B": ["#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "],
    "C": [" ####", "#    ", "#    ", "#    ", "#    ", "#    ", " ####"],
    "D": ["#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "],
    "E": ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"],
    "F": ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "],
    "G": [" ####", "#    ", "#    ", "#  ##", "#   #", "#   #", " ####"],
    "H": ["#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "I": [" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    "K": ["#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"],
    "L": ["#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"],
    "M": ["#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"],
    "N": ["#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"],
    "O": [" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "P": ["#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "],
    "R": ["#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"],
    "S": [" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "],
    "T": ["#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "],
    "U": ["#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "V": ["#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "],
    "W": ["#   #", "#   #", "#   #", "# # #", "# # #", "## ##", "#   #"],
    "Y": ["#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "],
    " ": ["     "] * 7,
}


def text_width(text, scale):
    return (len(text) * 6 - 1) * scale


def write(picture, text, left, top, scale, colour):
    for i, letter in enumerate(text):
        for row, bits in enumerate(GLYPHS[letter]):
            for column, bit in enumerate(bits):
                if bit == "#":
                    for dy in range(scale):
                        for dx in range(scale):
                            picture.blend(left + (i * 6 + column) * scale + dx,
                                          top + row * scale + dy, colour, 1.0)


def write_centred(picture, text, box, scale, colour):
    left, top, right, bottom = box
    write(picture, text, round((left + right - text_width(text, scale)) / 2),
          round((top + bottom - 7 * scale) / 2), scale, colour)


# ---------------------------------------------------------------------------
# File writers.


def save_bmp(picture, path, matte):
    """A 24-bit BMP, rows bottom-up, each padded to four bytes."""
    stride = (picture.width * 3 + 3) & ~3
    rows = bytearray()
    for y in reversed(range(picture.height)):
        row = bytearray()
        for x in range(picture.width):
            colour, alpha = picture.pixels[y * picture.width + x]
            r, g, b = mix(matte, colour, alpha)
            row += bytes((b, g, r))
        rows += row + bytes(stride - len(row))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, picture.width, picture.height, 1, 24, 0, len(rows),
                       2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + rows)


def quantise(colours, limit):
    """Rounds the colours more and more coarsely until at most `limit`
    differ; returns the rounding function."""
    for shift in range(0, 8):
        def rounded(colour, shift=shift):
            if shift == 0:
                return colour
            half = 1 << (shift - 1)
            return tuple(min(255, ((c + half) >> shift) << shift) for c in colour)
        if len({rounded(c) for c in colours}) <= limit:
            return rounded
    raise ValueError("too many colours")


def lzw(indices, minimum_size):
    """GIF's variable-length LZW code stream of the palette indices."""
    clear = 1 << minimum_size
    end = clear + 1
    out = bytearray()
    bits = 0
    count = 0
    size = minimum_size + 1

    def emit(code):
        nonlocal bits, count
        bits |= code << count
        count += size
        while count >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            count -= 8

    def fresh_table():
        return {bytes((i,)): i for i in range(clear)}, end + 1

    table, next_code = fresh_table()
    emit(clear)
    word = b""
    for index in indices:
        extended = word + bytes((index,))
        if extended in table:
            word = extended
            continue
        emit(table[word])
        if next_code == 4096:
            emit(clear)
            table, next_code = fresh_table()
            size = minimum_size + 1
        else:
            table[extended] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        word = bytes((index,))
    if word:
        emit(table[word])
    emit(end)
    if count:
        out.append(bits & 0xFF)
    return bytes(out)


def save_gif(picture, path, matte, transparent_below=0.3):
    """A GIF89a with a global palette. Pixels less covered than
    `transparent_below` become transparent; the others are laid on `matte`,
    the colour of the page the picture will sit on."""
    shown = []
    any_transparent = False
    for colour, alpha in picture.pixels:
        if alpha < transparent_below:
            shown.append(None)
            any_transparent = True
        else:
            shown.append(mix(matte, colour, alpha))
    opaque = [c for c in shown if c is not None]
    rounded = quantise(set(opaque), 255 if any_transparent else 256)
    palette = sorted({rounded(c) for c in opaque})
    index_of = {colour: i for i, colour in enumerate(palette)}
    transparent_index = len(palette)
    if any_transparent:
        palette.append(matte)
    bits = max(1, (len(palette) - 1).bit_length())
    palette += [(0, 0, 0)] * ((1 << bits) - len(palette))
    indices = [transparent_index if c is None else index_of[rounded(c)] for c in shown]

    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", picture.width, picture.height, 0x80 | (bits - 1), 0, 0)
    for colour in palette:
        data += bytes(colour)
    if any_transparent:
        data += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 1, 0, transparent_index, 0)
    data += struct.pack("<BHHHHB", 0x2C, 0, 0, picture.width, picture.height, 0)
    minimum_size = max(2, bits)
    data.append(minimum_size)
    stream = lzw(indices, minimum_size)
    for start in range(0, len(stream), 255):
        block = stream[start:start + 255]
        data.append(len(block))
        data += block
    data += b"\x00\x3B"
    with open(path, "wb") as out:
        out.write(data)


# ---------------------------------------------------------------------------
# The pictures every style has, drawn in the style's colours.


class Look:
    def __init__(self, page, ink, main, main_dark, accent, accent_dark, light):
        self.page = hex_colour(page)          # page background
        self.ink = hex_colour(ink)            # text
        self.main = hex_colour(main)          # buttons, emblems
        self.main_dark = hex_colour(main_dark)
        self.accent = hex_colour(accent)      # pressed buttons, highlights
        self.accent_dark = hex_colour(accent_dark)
        self.light = hex_colour(light)        # white-ish drawing on buttons


def button(look, width, height, radius, pressed):
    top, bottom = (look.accent, look.accent_dark) if pressed else (look.main, look.main_dark)
    picture = Picture(width, height)
    rounded_rect(picture, (0, 0, width, height), radius, solid(mix(bottom, (0, 0, 0), 0.25)))
    rounded_rect(picture, (1, 1, width - 1, height - 1), radius - 1,
                 vertical(mix(top, look.light, 0.25), bottom, 1, height - 1))
    # A soft gloss on the upper half.
    rounded_rect(picture, (2, 2, width - 2, height / 2), max(radius - 2, 1),
                 solid(look.light), opacity=0.18)
    return picture


def symbol_button(look, kind):
    picture = button(look, 20, 20, 5, False)
    white = look.light
    if kind in ("minus", "plus"):
        stroke(picture, [(6, 10), (14, 10)], 2.4, solid(white))
    if kind == "plus":
        stroke(picture, [(10, 6), (10, 14)], 2.4, solid(white))
    if kind == "delete":
        stroke(picture, [(6.5, 6.5), (13.5, 13.5)], 2.2, solid(white))
        stroke(picture, [(13.5, 6.5), (6.5, 13.5)], 2.2, solid(white))
    return picture


def cart(look, full):
    picture = Picture(36, 28)
    if full:
        rounded_rect(picture, (11, 3, 19, 11), 1.5, solid(look.accent))
        rounded_rect(picture, (17, 5, 26, 12), 1.5, solid(look.main))
        rounded_rect(picture, (22, 2, 29, 11), 1.5, solid(look.accent_dark))
    stroke(picture, [(2, 3), (7, 3), (10, 18), (29, 18)], 2.2, solid(look.ink))
    polygon(picture, [(8, 8), (33, 8), (30, 16), (10, 16)], solid(look.ink),
            opacity=0.35 if full else 0.2)
    stroke(picture, [(8, 8), (33, 8), (30, 16), (10, 16)], 1.8, solid(look.ink))
    ellipse(picture, 12.5, 23, 2.6, 2.6, solid(look.ink))
    ellipse(picture, 26.5, 23, 2.6, 2.6, solid(look.ink))
    return picture


def emblem(look, kind):
    """A default page image: a card in the style's colours with a picture of
    what the page is for."""
    width, height = 120, 90
    picture = Picture(width, height)
    rounded_rect(picture, (0, 0, width, height), 12, vertical(look.main, look.main_dark, 0, height))
    ellipse(picture, 60, 45, 40, 34, solid(look.light), opacity=0.12)
    white = solid(look.light)
    accent = solid(look.accent)
    if kind == "home":
        polygon(picture, [(60, 18), (88, 42), (32, 42)], accent)
        rounded_rect(picture, (38, 40, 82, 72), 2, white)
        rounded_rect(picture, (54, 52, 66, 72), 2, solid(look.main_dark))
        rounded_rect(picture, (70, 48, 78, 56), 1, solid(look.main))
    elif kind == "contact":
        rounded_rect(picture, (30, 26, 90, 66), 4, white)
        stroke(picture, [(33, 30), (60, 50), (87, 30)], 3, solid(look.main_dark))
        stroke(picture, [(33, 63), (52, 45)], 2, solid(look.main), opacity=0.6)
        stroke(picture, [(87, 63), (68, 45)], 2, solid(look.main), opacity=0.6)
    elif kind == "info":
        ellipse(picture, 60, 45, 26, 26, white)
        ellipse(picture, 60, 32, 4.5, 4.5, accent)
        rounded_rect(picture, (55.5, 40, 64.5, 62), 3, solid(look.main_dark))
    elif kind == "product":
        rounded_rect(picture, (34, 36, 86, 72), 3, white)
        rounded_rect(picture, (30, 28, 90, 40), 3, solid(look.light))
        rounded_rect(picture, (55, 28, 65, 72), 0.5, accent)
        ellipse(picture, 52, 23, 8, 5, accent)
        ellipse(picture, 68, 23, 8, 5, accent)
        ellipse(picture, 60, 26, 4, 4, solid(look.accent_dark))
    elif kind == "thankyou":
        ellipse(picture, 60, 45, 27, 27, white)
        stroke(picture, [(46, 46), (56, 56), (75, 35)], 7, accent)
    elif kind == "order":
        rounded_rect(picture, (38, 20, 82, 76), 4, white)
        rounded_rect(picture, (50, 14, 70, 25), 4, accent)
        for row, length in enumerate((30, 24, 28, 18)):
            y = 34 + row * 10
            ellipse(picture, 46, y, 2.2, 2.2, solid(look.main))
            stroke(picture, [(51, y), (51 + length * 0.9, y)], 2.4, solid(look.main_dark),
                   opacity=0.8)
    return picture


def make_images(folder, look, link_size, shop_size):
    images = os.path.join(folder, "Images")
    os.makedirs(images, exist_ok=True)
    matte = look.page

    def gif(picture, name):
        save_gif(picture, os.path.join(images, name), matte)

    width, height = link_size
    gif(button(look, width, height, 6, False), "button.gif")
    gif(button(look, width, height, 6, True), "button-on.gif")
    width, height = shop_size
    for name in ("buy", "continue", "submit", "view"):
        gif(button(look, width, height, height // 2, False), name + ".gif")
        gif(button(look, width, height, height // 2, True), name + "-on.gif")
    for kind in ("delete", "minus", "plus"):
        gif(symbol_button(look, kind), kind + ".gif")
    gif(cart(look, False), "cartempty.gif")
    gif(cart(look, True), "cartfull.gif")
    for kind in ("home", "contact", "info", "product", "thankyou", "order"):
        gif(emblem(look, kind), kind + ".gif")


def text_lines(picture, left, top, width, rows, colour):
    for row in range(rows):
        length = width if row % 4 != 3 else width * 0.6
        y = top + row * 7
        stroke(picture, [(left, y), (left + length, y)], 2.2, solid(colour), opacity=0.55)


def half_size(picture):
    """The picture at half its width and height (every second pixel)."""
    small = Picture(picture.width // 2, picture.height // 2)
    for y in range(small.height):
        for x in range(small.width):
            small.pixels[y * small.width + x] = picture.pixels[y * 2 * picture.width + x * 2]
    return small


# ---------------------------------------------------------------------------
# The two styles.

LEFT_IMG = Look(page="#FBF8F1", ink="#2B2B2B", main="#2A6475", main_dark="#173F4C",
                accent="#D4A94E", accent_dark="#A57C2A", light="#FFFFFF")
HARBOUR = Look(page="#F3EEE3", ink="#1D2B3A", main="#1F4F82", main_dark="#0F2C4D",
               accent="#E2725B", accent_dark="#B24A35", light="#FFFFFF")

BAND = 170  # width of LeftImg's coloured band, in pixels


def left_img_background(width, height):
    picture = Picture(width, height, LEFT_IMG.page)
    band_left, band_right = hex_colour("#173F4C"), hex_colour("#2A6475")
    for x in range(width):
        if x < BAND:
            colour = mix(band_left, band_right, x / BAND)
        elif x < BAND + 4:
            colour = LEFT_IMG.accent
        elif x < BAND + 10:
            colour = mix(hex_colour("#E4DED0"), LEFT_IMG.page, (x - BAND - 4) / 6)
        else:
            colour = LEFT_IMG.page
        for y in range(height):
            picture.pixels[y * width + x] = (colour, 1.0)
    return picture


def harbour_background(width, height):
    picture = Picture(width, height, HARBOUR.page)
    wave = hex_colour("#E2D8C3")
    for row, phase in ((12, 0.0), (36, math.pi)):
        points = [(x, row + 3.5 * math.sin(x / width * 4 * math.pi + phase))
                  for x in range(-4, width + 5, 2)]
        stroke(picture, points, 1.6, solid(wave))
    return picture


def left_img_preview():
    look = LEFT_IMG
    picture = Picture(320, 240, look.page)
    band = left_img_background(320, 240)
    scale = 72 / BAND
    for y in range(240):
        for x in range(320):
            source = min(int(x / scale), 319) if x < 84 else x + (BAND + 10 - 84)
            picture.pixels[y * 320 + x] = band.pixels[min(source, 319)]
    for row, word in enumerate(("HOME", "PRODUCTS", "CONTACT", "ABOUT")):
        top = 40 + row * 26
        picture.paste(button(look, 60, 20, 5, row == 1), 6, top)
        write_centred(picture, word, (6, top, 66, top + 20), 1, look.light)
    write(picture, "OUR COMPANY", 96, 16, 2, look.main_dark)
    stroke(picture, [(96, 36), (300, 36)], 1.5, solid(look.accent))
    picture.paste(half_size(emblem(look, "home")), 244, 46)
    text_lines(picture, 96, 50, 136, 6, look.ink)
    text_lines(picture, 96, 100, 204, 9, look.ink)
    picture.paste(button(look, 72, 20, 10, False), 96, 172)
    write_centred(picture, "BUY", (96, 172, 168, 192), 1, look.light)
    picture.paste(cart(look, True), 270, 200)
    return picture


def harbour_preview():
    look = HARBOUR
    picture = Picture(320, 240, look.page)
    tile = harbour_background(96, 48)
    for y in range(240):
        for x in range(320):
            picture.pixels[y * 320 + x] = tile.pixels[(y % 48) * 96 + x % 96]
    rounded_rect(picture, (0, 0, 320, 44), 0.5, vertical(look.main, look.main_dark, 0, 44))
    write(picture, "HARBOUR SUPPLY", 12, 10, 2, look.light)
    stroke(picture, [(0, 44), (320, 44)], 2, solid(look.accent))
    for column, word in enumerate(("HOME", "SHOP", "CONTACT", "ABOUT")):
        left = 12 + column * 74
        picture.paste(button(look, 68, 20, 6, column == 1), left, 54)
        write_centred(picture, word, (left, 54, left + 68, 74), 1, look.light)
    picture.paste(half_size(emblem(look, "product")), 16, 90)
    write(picture, "OUR PRODUCTS", 88, 92, 1, look.main_dark)
    text_lines(picture, 88, 108, 216, 4, look.ink)
    text_lines(picture, 16, 146, 288, 8, look.ink)
    picture.paste(button(look, 72, 20, 10, False), 16, 206)
    write_centred(picture, "BUY", (16, 206, 88, 226), 1, look.light)
    picture.paste(cart(look, False), 272, 202)
    return picture


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "Style Templates")

    left_img = os.path.join(root, "LeftImg")
    make_images(left_img, LEFT_IMG, (150, 28), (128, 26))
    save_gif(left_img_background(1600, 8), os.path.join(left_img, "Images", "background.gif"),
             LEFT_IMG.page)
    save_bmp(left_img_preview(), os.path.join(left_img, "Sample.bmp"), LEFT_IMG.page)

    harbour = os.path.join(root, "Harbour")
    make_images(harbour, HARBOUR, (124, 30), (128, 26))
    save_gif(harbour_background(96, 48), os.path.join(harbour, "Images", "waves.gif"),
             HARBOUR.page)
    previews = os.path.join(root, "Previews")
    os.makedirs(previews, exist_ok=True)
    save_bmp(harbour_preview(), os.path.join(previews, "Harbour.bmp"), HARBOUR.page)


if __name__ == "__main__":
    main()
