"""The program icon (a green shield with a wireless sign and VPN) and the list's row ball."""

from PIL import Image, ImageChops, ImageDraw

from art import palette

# Each icon is drawn on a master at least this many pixels wide and reduced,
# so every size is a true rendering rather than a resample of the 256 one.
_MASTER_MIN = 512

# Below this size the letters would be a grey smudge; the small sizes show
# the shield and a larger wireless sign instead, as taskbar and title icons do.
_SMALLEST_WITH_LETTERS = 32


def _master_scale(size):
    return max(4, -(-_MASTER_MIN // size))


def _bezier(p0, p1, p2, p3, steps=24):
    points = []
    for i in range(1, steps + 1):
        t = i / steps
        u = 1 - t
        points.append(tuple(u ** 3 * a + 3 * u * u * t * b + 3 * u * t * t * c + t ** 3 * d
                            for a, b, c, d in zip(p0, p1, p2, p3)))
    return points


def _shield_outline():
    """The shield in unit coordinates: a crested top, straight flanks, a pointed foot."""
    top, shoulder, hip, foot = (0.5, 0.05), (0.87, 0.17), (0.87, 0.45), (0.5, 0.95)
    right = [top]
    right += _bezier(top, (0.62, 0.13), (0.76, 0.16), shoulder)
    right += _bezier(shoulder, (0.875, 0.26), (0.875, 0.36), hip)
    right += _bezier(hip, (0.87, 0.72), (0.64, 0.87), foot)
    left = [(1 - x, y) for x, y in reversed(right[1:-1])]
    return right + left


def _scaled(outline, size, factor_x=1.0, factor_y=1.0, centre=(0.5, 0.5)):
    cx, cy = centre
    return [((cx + (x - cx) * factor_x) * size, (cy + (y - cy) * factor_y) * size)
            for x, y in outline]


def _mask(size, draw_shape):
    mask = Image.new("L", (size, size), 0)
    draw_shape(ImageDraw.Draw(mask))
    return mask


def _colour_ramp(shade, stops):
    """Map a grey image through colour stops [(level 0..255, (r, g, b)), ...]."""
    def channel_table(index):
        table = []
        for level in range(256):
            for (lo, lo_colour), (hi, hi_colour) in zip(stops, stops[1:]):
                if lo <= level <= hi:
                    t = (level - lo) / max(hi - lo, 1)
                    table.append(round(lo_colour[index] + (hi_colour[index] - lo_colour[index]) * t))
                    break
        return table
    return Image.merge("RGB", [shade.point(channel_table(i)) for i in range(3)])


def _vertical_shade(size):
    return Image.linear_gradient("L").resize((size, size), Image.BICUBIC)


def _radial_shade(size, centre, radius):
    """Grey rising from 0 at `centre` to 255 at `radius` and beyond."""
    shade = Image.new("L", (size, size), 255)
    spot = Image.radial_gradient("L").resize((2 * radius, 2 * radius), Image.BICUBIC)
    shade.paste(spot, (round(centre[0] - radius), round(centre[1] - radius)))
    return shade


def _layer(picture, colour_or_image, mask):
    """Lay colour over `picture` where `mask` says, compositing properly so
    edges over transparency keep their colour instead of fading to black."""
    fill = colour_or_image
    if not isinstance(fill, Image.Image):
        fill = Image.new("RGB", picture.size, fill)
    layer = fill.convert("RGBA")
    layer.putalpha(mask)
    picture.alpha_composite(layer)


def _gloss(size, inside, box, strength):
    """A white sheen fading downwards over `box` (unit coordinates), kept inside `inside`."""
    left, top, right, bottom = (round(v * size) for v in box)
    fade = Image.linear_gradient("L").resize((right - left, bottom - top)).point(
        lambda level: round((255 - level) * strength))
    sheen = Image.new("L", (size, size), 0)
    oval = _mask(right - left, lambda d: d.ellipse([0, 0, right - left - 1, right - left - 1], fill=255))
    oval = oval.resize((right - left, bottom - top))
    sheen.paste(ImageChops.multiply(fade, oval), (left, top))
    return ImageChops.multiply(sheen, inside)


def _wireless_sign(draw, size, dot_centre, dot_radius, radii, stroke):
    """A dot with arcs fanning upwards, round-capped, in white; `radii` are the
    arcs' middle lines, all lengths in units of `size`."""
    cx, cy = (v * size for v in dot_centre)
    width = stroke * size
    dot = dot_radius * size
    draw.ellipse([cx - dot, cy - dot, cx + dot, cy + dot], fill=palette.WHITE)
    for middle in (r * size for r in radii):
        outer = middle + width / 2
        draw.arc([cx - outer, cy - outer, cx + outer, cy + outer], 225, 315,
                 fill=palette.WHITE, width=round(width))
        for sign in (-1, 1):
            # Ends of a 90-degree fan centred on straight up lie at 45 degrees.
            end_x, end_y = cx + sign * middle * 0.70711, cy - middle * 0.70711
            cap = width / 2
            draw.ellipse([end_x - cap, end_y - cap, end_x + cap, end_y + cap], fill=palette.WHITE)


def _letters(draw, size, text, centre, height):
    font = palette.bold(round(height * size))
    left, top, right, bottom = font.getbbox(text, anchor="ls")
    x = centre[0] * size - (left + right) / 2
    baseline = centre[1] * size - top / 2
    draw.text((x, baseline), text, font=font, fill=palette.WHITE, anchor="ls")


def shield(size):
    """The program icon at `size` x `size`, RGBA."""
    scale = _master_scale(size)
    master = size * scale
    outline = _shield_outline()
    outer = _mask(master, lambda d: d.polygon(_scaled(outline, master), fill=255))
    inner_points = _scaled(outline, master, 0.86, 0.88, centre=(0.5, 0.48))
    inner = _mask(master, lambda d: d.polygon(inner_points, fill=255))

    picture = Image.new("RGBA", (master, master), (0, 0, 0, 0))
    _layer(picture, palette.SHIELD_EDGE, outer)
    body = _colour_ramp(_vertical_shade(master), [(0, palette.SHIELD_LIGHT), (255, palette.SHIELD_DARK)])
    _layer(picture, body, inner)
    _layer(picture, palette.WHITE, _gloss(master, inner, (0.1, 0.08, 0.9, 0.5), 0.28))

    draw = ImageDraw.Draw(picture)
    if size >= _SMALLEST_WITH_LETTERS:
        _wireless_sign(draw, master, (0.5, 0.49), 0.045, (0.13, 0.22), 0.05)
        _letters(draw, master, "VPN", (0.5, 0.67), 0.2)
    else:
        _wireless_sign(draw, master, (0.5, 0.64), 0.075, (0.2, 0.34), 0.085)
    return picture.reduce(scale)


def row_ball(size=16):
    """A glossy green ball, lit from the upper left, RGBA."""
    scale = _master_scale(size)
    master = size * scale
    radius = 0.47 * master
    centre = master / 2
    disc = _mask(master, lambda d: d.ellipse(
        [centre - radius, centre - radius, centre + radius, centre + radius], fill=255))
    rim_width = 0.07 * master
    core = _mask(master, lambda d: d.ellipse(
        [centre - radius + rim_width, centre - radius + rim_width,
         centre + radius - rim_width, centre + radius - rim_width], fill=255))

    light = (0.42 * master, 0.4 * master)
    shade = _radial_shade(master, light, round(0.62 * master))
    body = _colour_ramp(shade, [(0, (170, 240, 130)), (110, (52, 184, 52)), (255, (14, 96, 28))])

    picture = Image.new("RGBA", (master, master), (0, 0, 0, 0))
    _layer(picture, palette.SHIELD_EDGE, disc)
    _layer(picture, body, core)
    _layer(picture, palette.WHITE, _gloss(master, core, (0.26, 0.11, 0.74, 0.47), 1.0))
    return picture.reduce(scale)
