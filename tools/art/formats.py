"""BMP and ICO files packed by hand, so every header field is the one we chose.

Bitmaps are what the resource compiler embeds as BITMAP resources: 24-bit,
uncompressed, bottom-up. Icon images other than the largest are BMP-format
entries (an XOR image with alpha plus a 1-bit AND mask), which every icon
loader reads; the 256-pixel one is PNG, as Windows has read since Vista.
"""

import io
import struct
from dataclasses import dataclass

from PIL import Image

_FILE_HEADER = "<2sIHHI"                # BITMAPFILEHEADER
_INFO_HEADER = "<IiiHHIIiiII"           # BITMAPINFOHEADER
_INFO_HEADER_SIZE = struct.calcsize(_INFO_HEADER)
_ICON_DIR = "<HHH"                      # ICONDIR: reserved, type 1 = icon, count
_ICON_ENTRY = "<BBBBHHII"               # ICONDIRENTRY
_BI_RGB = 0
_PIXELS_PER_METRE_96_DPI = 3780


def _row_stride(width, bits_per_pixel):
    return (width * bits_per_pixel + 31) // 32 * 4


def _bottom_up_rows(raw, width, height, bytes_per_pixel, stride):
    """Reorder top-down packed rows bottom-up, each padded to `stride` bytes."""
    row_bytes = width * bytes_per_pixel
    padding = bytes(stride - row_bytes)
    rows = [raw[y * row_bytes:(y + 1) * row_bytes] + padding for y in range(height)]
    return b"".join(reversed(rows))


def _info_header(width, height, bits_per_pixel, image_size, colours_used=0):
    return struct.pack(_INFO_HEADER, _INFO_HEADER_SIZE, width, height, 1, bits_per_pixel, _BI_RGB,
                       image_size, _PIXELS_PER_METRE_96_DPI, _PIXELS_PER_METRE_96_DPI,
                       colours_used, 0)


def bmp_bytes(image):
    """A 24-bit BI_RGB .bmp file of an RGB image."""
    width, height = image.size
    stride = _row_stride(width, 24)
    pixels = _bottom_up_rows(image.convert("RGB").tobytes("raw", "BGR"), width, height, 3, stride)
    info = _info_header(width, height, 24, len(pixels))
    offset = struct.calcsize(_FILE_HEADER) + len(info)
    header = struct.pack(_FILE_HEADER, b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + pixels


def _and_mask(transparent, width, height):
    """The 1-bit mask of an icon image: set where the screen shows through."""
    stride = _row_stride(width, 1)
    rows = []
    for y in range(height):
        row = bytearray(stride)
        for x in range(width):
            if transparent(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
    return b"".join(reversed(rows))


@dataclass(frozen=True)
class IconImage:
    """One image of an .ico file: its directory fields and its data."""

    width: int
    height: int
    bits_per_pixel: int
    data: bytes


def icon_image_32(image):
    """A BMP-format icon image with alpha; the AND mask repeats the fully
    transparent pixels for loaders that ignore alpha."""
    width, height = image.size
    alpha = image.getchannel("A")
    xor = _bottom_up_rows(image.tobytes("raw", "BGRA"), width, height, 4, width * 4)
    mask = _and_mask(lambda x, y: alpha.getpixel((x, y)) == 0, width, height)
    # An icon's header counts the XOR and AND images together, hence 2 * height.
    info = _info_header(width, 2 * height, 32, len(xor) + len(mask))
    return IconImage(width, height, 32, info + xor + mask)


def icon_image_png(image):
    buffer = io.BytesIO()
    image.save(buffer, "PNG")
    return IconImage(image.width, image.height, 32, buffer.getvalue())


def icon_image_8(image, backdrop):
    """A 256-colour icon image with an AND mask. There is no partial
    transparency at 8 bits: pixels at least half opaque are kept, blended over
    `backdrop`, the colour the icon is mostly seen on; the rest show through."""
    width, height = image.size
    alpha = image.getchannel("A")
    flattened = Image.new("RGBA", image.size, backdrop + (255,))
    flattened.alpha_composite(image)
    # Index 0 stays black for the transparent pixels: the screen is ANDed with
    # the mask, then XORed with the image, and black XOR leaves it unchanged.
    indexed = flattened.convert("RGB").quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                                                dither=Image.Dither.NONE)
    palette = indexed.getpalette()[:255 * 3]
    palette += [0] * (255 * 3 - len(palette))
    opaque = lambda x, y: alpha.getpixel((x, y)) >= 128
    indices = bytes(indexed.getpixel((x, y)) + 1 if opaque(x, y) else 0
                    for y in range(height) for x in range(width))
    colour_table = bytes(4) + b"".join(bytes((palette[i + 2], palette[i + 1], palette[i], 0))
                                       for i in range(0, 255 * 3, 3))
    xor = _bottom_up_rows(indices, width, height, 1, _row_stride(width, 8))
    mask = _and_mask(lambda x, y: not opaque(x, y), width, height)
    info = _info_header(width, 2 * height, 8, len(xor) + len(mask), colours_used=256)
    return IconImage(width, height, 8, info + colour_table + xor + mask)


def ico_bytes(images):
    """An .ico file holding `images` (IconImage) in the given order."""
    directory = struct.pack(_ICON_DIR, 0, 1, len(images))
    offset = len(directory) + struct.calcsize(_ICON_ENTRY) * len(images)
    entries, blobs = [], []
    for image in images:
        # A size byte of 0 means 256; a colour count of 0 means 256 or more.
        entries.append(struct.pack(_ICON_ENTRY, image.width % 256, image.height % 256, 0, 0, 1,
                                   image.bits_per_pixel, len(image.data), offset))
        blobs.append(image.data)
        offset += len(image.data)
    return directory + b"".join(entries) + b"".join(blobs)
