"""A small drawing surface: smooth shapes, crisp text, whole-pixel rectangles."""

import math

from PIL import Image, ImageDraw

from art.geometry import Rect

# Shapes are drawn this many times larger and box-filtered down, which
# anti-aliases curves and diagonals while edges on whole pixels stay sharp.
SUPERSAMPLE = 4


class Canvas:
    """One picture in the making.

    Shapes go onto a supersampled copy; text and pasted images are kept aside
    and drawn at the final size by render(), where the font's hinting keeps
    small Hangul legible. Text therefore always lies above the shapes, which is
    all these pictures need. Coordinates are final pixels; a whole number is a
    pixel edge, so a 1-pixel frame of Rect r covers exactly r's border pixels.
    """

    def __init__(self, base, supersample=SUPERSAMPLE):
        self._scale = supersample
        width, height = base.size
        self._big = base.resize((width * supersample, height * supersample), Image.NEAREST)
        self._draw = ImageDraw.Draw(self._big)
        self._overlays = []

    @classmethod
    def blank(cls, size, colour, supersample=SUPERSAMPLE):
        return cls(Image.new("RGB", size, colour), supersample)

    @property
    def size(self):
        return (self._big.width // self._scale, self._big.height // self._scale)

    def _box(self, rect):
        s = self._scale
        return [rect.left * s, rect.top * s, rect.right * s - 1, rect.bottom * s - 1]

    def _points(self, points):
        return [(x * self._scale, y * self._scale) for x, y in points]

    def fill(self, rect, colour, radius=0):
        self.frame(rect, colour, width=0, radius=radius, fill=colour)

    def frame(self, rect, colour, width=1, radius=0, fill=None):
        """A rectangle with an outline `width` pixels thick inside `rect`."""
        s = self._scale
        if radius:
            self._draw.rounded_rectangle(self._box(rect), radius * s, fill=fill,
                                         outline=colour if width else None, width=width * s)
        else:
            self._draw.rectangle(self._box(rect), fill=fill,
                                 outline=colour if width else None, width=width * s)

    def pill(self, rect, colour, edge=None):
        """A rectangle whose short sides are half circles."""
        self.frame(rect, edge or colour, width=1 if edge else 0,
                   radius=min(rect.width, rect.height) / 2, fill=colour)

    def line(self, points, colour, width):
        """A polyline of round-capped strokes `width` pixels thick."""
        scaled = self._points(points)
        self._draw.line(scaled, fill=colour, width=round(width * self._scale), joint="curve")
        for x, y in (scaled[0], scaled[-1]):
            self._disc_scaled(x, y, width * self._scale / 2, colour)

    def _disc_scaled(self, x, y, radius, colour):
        self._draw.ellipse([x - radius, y - radius, x + radius, y + radius], fill=colour)

    def disc(self, centre_x, centre_y, radius, colour):
        s = self._scale
        self._disc_scaled(centre_x * s, centre_y * s, radius * s, colour)

    def ring(self, centre_x, centre_y, radius, colour, width):
        s = self._scale
        r = radius * s
        box = [centre_x * s - r, centre_y * s - r, centre_x * s + r, centre_y * s + r]
        self._draw.ellipse(box, outline=colour, width=round(width * s))

    def polygon(self, points, colour):
        self._draw.polygon(self._points(points), fill=colour)

    def vertical_gradient(self, rect, top_colour, bottom_colour):
        """Blend from top_colour on rect's first row to bottom_colour on its last."""
        steps = max(rect.height - 1, 1)
        for row in range(rect.height):
            t = row / steps
            colour = tuple(round(a + (b - a) * t) for a, b in zip(top_colour, bottom_colour))
            self.fill(Rect(rect.left, rect.top + row, rect.right, rect.top + row + 1), colour)

    def text(self, rect, label, font, colour, align="centre", inset=0):
        """Place `label` in `rect`: its ink centred vertically between cap top and
        baseline (descenders hang below), horizontally as `align` says."""
        left, top, right, _ = font.getbbox(label, anchor="ls")
        if align == "left":
            x = rect.left + inset - left
        elif align == "right":
            x = rect.right - inset - right
        else:
            x = rect.centre_x - (left + right) / 2
        baseline = rect.centre_y - top / 2
        self._overlays.append(lambda image: ImageDraw.Draw(image).text(
            (math.floor(x + 0.5), math.floor(baseline + 0.5)), label, font=font,
            fill=colour, anchor="ls"))

    def text_run(self, rect, runs, font, inset=0):
        """Set coloured pieces [(text, colour), ...] one after another, spaced as
        one word would be, from rect's left edge; returns where the run ends."""
        whole = "".join(text for text, _ in runs)
        left, top, _, _ = font.getbbox(whole, anchor="ls")
        x = rect.left + inset - left
        baseline = math.floor(rect.centre_y - top / 2 + 0.5)
        for text, colour in runs:
            self._overlays.append(lambda image, at=x, text=text, colour=colour: ImageDraw.Draw(image).text(
                (at, baseline), text, font=font, fill=colour, anchor="ls"))
            x += font.getlength(text)
        return math.ceil(x)

    def text_width(self, label, font):
        left, _, right, _ = font.getbbox(label, anchor="ls")
        return right - left

    def paste(self, image, left, top):
        """Put an RGBA picture, such as the logo's shield, on top at final size."""
        self._overlays.append(lambda target: target.paste(image, (left, top), image))

    def render(self):
        image = self._big.reduce(self._scale)
        for overlay in self._overlays:
            overlay(image)
        return image
