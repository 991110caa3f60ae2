"""Pixel rectangles and the dialog-unit scale the pictures are drawn for."""

import math
from dataclasses import dataclass

# Pixels per dialog unit of the layouts' 9-point font at the standard 96-dpi
# scale. The backgrounds are drawn for this scale only; at any other the
# controls drift off their painted frames.
PIXELS_PER_DU_X = 1.75
PIXELS_PER_DU_Y = 1.5


def _round_half_up(value):
    # Python's round() goes to the even neighbour; the dialog manager does not.
    return math.floor(value + 0.5)


def du_to_px_x(du):
    return _round_half_up(du * PIXELS_PER_DU_X)


def du_to_px_y(du):
    return _round_half_up(du * PIXELS_PER_DU_Y)


@dataclass(frozen=True)
class Rect:
    """Half-open pixel rectangle, like a Win32 RECT: right and bottom are outside."""

    left: int
    top: int
    right: int
    bottom: int

    @staticmethod
    def from_du(x, y, width, height):
        """The pixel rectangle of a control laid out at (x, y, width, height) dialog units."""
        return Rect(du_to_px_x(x), du_to_px_y(y), du_to_px_x(x + width), du_to_px_y(y + height))

    @staticmethod
    def at(left, top, size):
        width, height = size
        return Rect(left, top, left + width, top + height)

    @property
    def width(self):
        return self.right - self.left

    @property
    def height(self):
        return self.bottom - self.top

    @property
    def size(self):
        return (self.width, self.height)

    @property
    def centre_x(self):
        return (self.left + self.right) / 2

    @property
    def centre_y(self):
        return (self.top + self.bottom) / 2

    def inflate(self, dx, dy=None):
        dy = dx if dy is None else dy
        return Rect(self.left - dx, self.top - dy, self.right + dx, self.bottom + dy)

    def union(self, other):
        return Rect(min(self.left, other.left), min(self.top, other.top),
                    max(self.right, other.right), max(self.bottom, other.bottom))

    def intersects(self, other):
        return (self.left < other.right and other.left < self.right
                and self.top < other.bottom and other.top < self.bottom)

    def contains(self, other):
        return (self.left <= other.left and self.top <= other.top
                and other.right <= self.right and other.bottom <= self.bottom)

    def with_edges(self, left=None, top=None, right=None, bottom=None):
        return Rect(self.left if left is None else left, self.top if top is None else top,
                    self.right if right is None else right, self.bottom if bottom is None else bottom)

    def as_box(self):
        """(left, top, right, bottom) as Pillow's crop() and paste() take it."""
        return (self.left, self.top, self.right, self.bottom)
