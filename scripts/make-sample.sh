#!/usr/bin/env bash
# Makes the sample company in data/Sample from its JSON sources:
#   data/Sample/acme.json      the company document in the JSON form of `quorvex-cli dump`
#   data/Sample/products.json  the product rows and the colour of each product's picture
# and writes
#   data/Sample/acme.qvx                            the document (quorvex-cli load)
#   data/Sample/Acme Outdoor Supply/PriceList.txt   the product file
#   data/Sample/Pictures/*.png                      product pictures and logo, drawn here
# Product pictures are named in PriceList.txt relative to the program folder
# ("Sample\Pictures\<name>.png"): a home seeded from data/ has them there.
# Usage: scripts/make-sample.sh [path/to/quorvex-cli]   (default build/bin/quorvex-cli)
set -euo pipefail
cd "$(dirname "$0")/.."
cli="${1:-build/bin/quorvex-cli}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
"$cli" --home "$scratch/home" load data/Sample/acme.json data/Sample/acme.qvx

python3 - <<'EOF'
import json
import math
import os
import struct
import zlib

SAMPLE = 'data/Sample'
source = json.load(open(os.path.join(SAMPLE, 'products.json'), encoding='utf-8'))
pictures = os.path.join(SAMPLE, 'Pictures')
os.makedirs(pictures, exist_ok=True)


def png(path, width, height, pixel):
    """Writes an RGB PNG whose pixel (x, y), y from the top, is pixel(x, y)."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            raw += bytes(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    with open(path, 'wb') as out:
        out.write(b'\x89PNG\r\n\x1a\n')
        out.write(chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b'IDAT', zlib.compress(bytes(raw), 9)))
        out.write(chunk(b'IEND', b''))


def rgb(hex_colour):
    return tuple(int(hex_colour[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))


def inside_polygon(x, y, points):
    crossings = False
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            crossings = not crossings
    return crossings


# Each category's picture: a list of (test, colour role) drawn in order; the
# roles are the product colour ('main'), a darker shade ('dark') and white.
def tent(x, y):
    if inside_polygon(x, y, [(104, 64), (126, 120), (82, 120)]):
        return 'dark'
    if inside_polygon(x, y, [(120, 30), (200, 130), (40, 130)]):
        return 'main'
    return None


def pack(x, y):
    if 95 <= x <= 145 and 90 <= y <= 118:
        return 'dark'
    if abs(x - 120) <= 45 and 40 <= y <= 140 and (abs(x - 120) <= 33 or 52 <= y <= 128):
        return 'main'
    if 100 <= x <= 140 and 26 <= y <= 44 and not (108 <= x <= 132 and y >= 32):
        return 'dark'
    return None


def boot(x, y):
    if 60 <= x <= 190 and 126 <= y <= 140:
        return 'dark'
    if inside_polygon(x, y, [(70, 40), (125, 40), (130, 95), (185, 105), (190, 126), (60, 126)]):
        return 'main'
    return None


def kitchen(x, y):
    if 70 <= x <= 170 and 70 <= y <= 135 and not (70 <= x <= 78 and y >= 128):
        return 'main'
    if 62 <= x <= 178 and 60 <= y <= 70:
        return 'dark'
    if 110 <= x <= 130 and 48 <= y <= 60:
        return 'dark'
    if 170 <= x <= 205 and 84 <= y <= 92:
        return 'dark'
    return None


def lantern(x, y):
    dx, dy = x - 120, y - 92
    if 92 <= x <= 148 and (34 <= y <= 46 or 136 <= y <= 146):
        return 'dark'
    if 100 <= x <= 140 and 46 <= y <= 136:
        return 'white' if dx * dx + dy * dy < 260 else 'main'
    if (x - 120) ** 2 + (y - 30) ** 2 <= 100 and (x - 120) ** 2 + (y - 30) ** 2 >= 36 and y <= 34:
        return 'dark'
    return None


SHAPES = {'Tents': tent, 'Packs': pack, 'Footwear': boot, 'Camp Kitchen': kitchen,
          'Lighting': lantern}


def product_picture(path, shape, colour):
    main = rgb(colour)
    colours = {'main': main, 'dark': mix(main, (0, 0, 0), 0.45), 'white': (255, 250, 230)}
    sky, ground = (236, 242, 246), (214, 224, 212)

    def pixel(x, y):
        role = shape(x, y)
        if role:
            return colours[role]
        if y > 140:
            return ground
        return mix(sky, (250, 250, 250), y / 140)

    png(path, 240, 180, pixel)


def logo(path):
    green, dark, sun = (46, 125, 80), (25, 80, 48), (240, 190, 60)

    def pixel(x, y):
        if (x - 180) ** 2 + (y - 34) ** 2 <= 256:
            return sun
        if inside_polygon(x, y, [(20, 96), (90, 20), (130, 64), (160, 40), (230, 96)]):
            snow = y < 36 and inside_polygon(x, y, [(76, 36), (90, 20), (104, 36)])
            return (250, 250, 250) if snow else (green if x < 120 else dark)
        return (255, 255, 255)

    png(path, 240, 100, pixel)


def quoted(text):
    return '"' + text.replace('\r', '').replace('\n', ' ').replace('"', '""') + '"'


lines = ['Warning: This file was generated by Quorvex 4.2b']
for item in source['products']:
    name = item['partNumber'].lower() + '.png'
    product_picture(os.path.join(pictures, name), SHAPES[item['category']], item['colour'])
    columns = [quoted(item['partNumber']), quoted(item['description']), quoted(item['price']),
               quoted(item['weight']), item['category'], quoted(item['salesDescription']),
               quoted('http://'), quoted('Sample\\Pictures\\' + name),
               '2', '1' if item['ownPage'] else '0', '0', '0' if item['featured'] else '1',
               quoted(''), quoted(''), '0', '2', '1',
               # The Colour feature: one character per option, 1 when offered.
               item.get('colours', '000')]
    lines.append(','.join(columns))
logo(os.path.join(pictures, 'logo.png'))

site = os.path.join(SAMPLE, source['company'])
os.makedirs(site, exist_ok=True)
with open(os.path.join(site, 'PriceList.txt'), 'w', encoding='cp1252', newline='\r\n') as out:
    out.write('\n'.join(lines) + '\n')
print('%d products in %s' % (len(source['products']), os.path.join(site, 'PriceList.txt')))
EOF
