#!/usr/bin/env python3
"""Draws the pictures of data/Coupon Templates.

Each coupon style has its template "<Style>.html", a preview
"<style in lower case>.jpg" shown by the Coupon Manager, and a list
"<Style>.cfg" of the pictures in "Images/" that its pages use. The pictures
are drawn here as 24-bit BMP with the standard library only, then converted
with quorvex-cli (GIF for the page pictures, JPEG for the previews).

Usage: scripts/make-coupon-images.py [QUORVEX-CLI]
(default: build/bin/quorvex-cli, else build-asan/bin/quorvex-cli, beside
this script's folder)
"""

import math
import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, '..', 'data', 'Coupon Templates')

# A 5 x 7 pixel font for the previews: seven rows of five bits, top row first.
FONT = {
    'A': '01110 10001 10001 11111 10001 10001 10001',
    'C': '01110 10001 10000 10000 10000 10001 01110',
    'D': '11110 10001 10001 10001 10001 10001 11110',
    'E': '11111 10000 10000 11110 10000 10000 11111',
    'F': '11111 10000 10000 11110 10000 10000 10000',
    'I': '01110 00100 00100 00100 00100 00100 01110',
    'L': '10000 10000 10000 10000 10000 10000 11111',
    'N': '10001 11001 10101 10011 10001 10001 10001',
    'O': '01110 10001 10001 10001 10001 10001 01110',
    'P': '11110 10001 10001 11110 10000 10000 10000',
    'R': '11110 10001 10001 11110 10100 10010 10001',
    'S': '01111 10000 10000 01110 00001 00001 11110',
    'U': '10001 10001 10001 10001 10001 10001 01110',
    'V': '10001 10001 10001 10001 10001 01010 00100',
    '%': '11001 11010 00010 00100 01000 01011 10011',
    '0': '01110 10011 10101 10101 11001 10001 01110',
    '1': '00100 01100 00100 00100 00100 00100 01110',
    ' ': '00000 00000 00000 00000 00000 00000 00000',
}

WHITE = (255, 255, 255)
CREAM = (253, 248, 232)
INK = (60, 52, 40)
RED = (178, 34, 34)
GOLD = (232, 178, 48)
TEAL = (22, 128, 132)
DEEP_TEAL = (12, 84, 88)
SKY = (226, 244, 244)


class Picture:
    """RGB pixels, top row first."""

    def __init__(self, width, height, colour):
        self.width = width
        self.height = height
        self.pixels = [[colour] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.set(x, y, colour)

    def disc(self, cx, cy, radius, colour):
        for y in range(int(cy - radius) - 1, int(cy + radius) + 2):
            for x in range(int(cx - radius) - 1, int(cx + radius) + 2):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius:
                    self.set(x, y, colour)

    def dashed_frame(self, x0, y0, x1, y1, colour, dash=6, gap=4):
        for x in range(x0, x1):
            if (x - x0) % (dash + gap) < dash:
                self.set(x, y0, colour)
                self.set(x, y1 - 1, colour)
        for y in range(y0, y1):
            if (y - y0) % (dash + gap) < dash:
                self.set(x0, y, colour)
                self.set(x1 - 1, y, colour)

    def star(self, cx, cy, outer, inner, colour, points=5):
        corners = []
        for i in range(points * 2):
            radius = outer if i % 2 == 0 else inner
            angle = math.pi * i / points - math.pi / 2
            corners.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
        for y in range(self.height):
            for x in range(self.width):
                if inside(corners, x + 0.5, y + 0.5):
                    self.set(x, y, colour)

    def text(self, x, y, words, colour, scale=1):
        for char in words.upper():
            for row, bits in enumerate(FONT[char].split()):
                for column, bit in enumerate(bits):
                    if bit == '1':
                        self.rect(x + column * scale, y + row * scale,
                                  x + (column + 1) * scale, y + (row + 1) * scale, colour)
            x += 6 * scale

    @staticmethod
    def text_width(words, scale=1):
        return (6 * len(words) - 1) * scale

    def centred_text(self, y, words, colour, scale=1):
        self.text((self.width - Picture.text_width(words, scale)) // 2, y, words, colour, scale)


def inside(polygon, x, y):
    """Even-odd rule."""
    result = False
    j = len(polygon) - 1
    for i, (xi, yi) in enumerate(polygon):
        xj, yj = polygon[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def bmp(picture):
    """The picture as a 24-bit BMP file."""
    stride = (picture.width * 3 + 3) & ~3
    rows = bytearray()
    for row in reversed(picture.pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        rows += line + bytes(stride - len(line))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(rows), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, picture.width, picture.height, 1, 24, 0, len(rows),
                       2835, 2835, 0, 0)
    return header + info + bytes(rows)


# --- the pictures of the style "Classic Ticket" -----------------------------

def scissors():
    picture = Picture(28, 18, WHITE)
    for cy in (4, 13):                        # the two finger rings
        picture.disc(5, cy, 4, INK)
        picture.disc(5, cy, 2.2, WHITE)
    for i in range(18):                       # the blades, crossing
        picture.rect(8 + i, 5 + i // 3, 9 + i, 7 + i // 3, INK)
        picture.rect(8 + i, 12 - i // 3, 9 + i, 14 - i // 3, INK)
    return picture


def ticket_seal():
    picture = Picture(44, 44, CREAM)
    picture.disc(22, 22, 21, RED)
    picture.disc(22, 22, 18, CREAM)
    picture.disc(22, 22, 16, RED)
    picture.centred_text(15, '%', CREAM, 2)
    return picture


def ticket_preview():
    picture = Picture(200, 120, WHITE)
    picture.rect(10, 12, 190, 108, CREAM)
    picture.dashed_frame(10, 12, 190, 108, INK)
    picture.rect(16, 18, 184, 20, RED)
    picture.centred_text(30, 'COUPON', RED, 2)
    picture.centred_text(56, 'SAVE 10%', INK, 2)
    for x in range(40, 160, 12):
        picture.rect(x, 82, x + 8, 84, INK)
    picture.rect(16, 100, 184, 102, RED)
    seal = ticket_seal()
    for y in range(seal.height):
        for x in range(seal.width):
            if seal.pixels[y][x] != CREAM:
                picture.set(146 + x // 2, 28 + y // 2, seal.pixels[y][x])
    cut = scissors()
    for y in range(cut.height):
        for x in range(cut.width):
            if cut.pixels[y][x] != WHITE:
                picture.set(4 + x, 2 + y, cut.pixels[y][x])
    return picture


# --- the pictures of the style "Bright Banner" ------------------------------

def banner_star():
    picture = Picture(40, 40, SKY)
    picture.star(20, 21, 19, 8, GOLD)
    picture.star(20, 21, 11, 5, (250, 214, 96))
    return picture


def banner_ribbon():
    picture = Picture(240, 28, SKY)
    picture.rect(0, 4, 240, 24, DEEP_TEAL)    # the tails behind the band
    for y in range(4, 24):                    # a V cut into each tail
        notch = 10 - abs(14 - y) * 10 // 10
        picture.rect(0, y, max(notch, 0), y + 1, SKY)
        picture.rect(240 - max(notch, 0), y, 240, y + 1, SKY)
    picture.rect(14, 2, 226, 26, TEAL)
    picture.rect(14, 2, 226, 4, DEEP_TEAL)
    picture.rect(14, 24, 226, 26, DEEP_TEAL)
    return picture


def banner_preview():
    picture = Picture(200, 120, WHITE)
    picture.rect(8, 8, 192, 112, SKY)
    picture.rect(8, 8, 192, 11, TEAL)
    picture.rect(8, 109, 192, 112, TEAL)
    ribbon = banner_ribbon()
    for y in range(ribbon.height):
        for x in range(0, ribbon.width, 2):
            colour = ribbon.pixels[y][x]
            if colour != SKY:
                picture.set(40 + x // 2, 20 + y // 2, colour)
    picture.centred_text(23, 'COUPON', WHITE, 1)
    picture.centred_text(50, 'SAVE 10%', DEEP_TEAL, 2)
    picture.centred_text(80, 'FOR A FRIEND', INK, 1)
    star = banner_star()
    for y in range(star.height):
        for x in range(star.width):
            if star.pixels[y][x] != SKY:
                picture.set(150 + x * 3 // 4, 66 + y * 3 // 4, star.pixels[y][x])
    return picture


def find_cli():
    if len(sys.argv) > 1:
        return sys.argv[1]
    for build in ('build', 'build-asan'):
        candidate = os.path.join(HERE, '..', build, 'bin', 'quorvex-cli')
        if os.path.exists(candidate):
            return candidate
    sys.exit('quorvex-cli not found: build it or name it as the first argument')


def convert(cli, picture, relative):
    target = os.path.join(ROOT, relative)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with tempfile.TemporaryDirectory() as scratch:
        source = os.path.join(scratch, 'picture.bmp')
        with open(source, 'wb') as out:
            out.write(bmp(picture))
        subprocess.run([cli, 'image', 'convert', source, target], check=True)


def main():
    cli = find_cli()
    convert(cli, scissors(), 'Images/ticket-scissors.gif')
    convert(cli, ticket_seal(), 'Images/ticket-seal.gif')
    convert(cli, ticket_preview(), 'classic ticket.jpg')
    convert(cli, banner_star(), 'Images/banner-star.gif')
    convert(cli, banner_ribbon(), 'Images/banner-ribbon.gif')
    convert(cli, banner_preview(), 'bright banner.jpg')


if __name__ == '__main__':
    main()
