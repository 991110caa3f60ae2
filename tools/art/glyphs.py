"""Small line drawings: caption-button signs and the pictograms of the main dialog's big buttons.

Each takes the canvas, the rectangle to draw in and the ink colour, and
centres itself in that rectangle.
"""

from art import palette
from art.geometry import Rect

_STROKE = 2


def close_sign(canvas, rect, ink):
    half = rect.width * 0.2
    cx, cy = rect.centre_x, rect.centre_y
    canvas.line([(cx - half, cy - half), (cx + half, cy + half)], ink, 1.8)
    canvas.line([(cx + half, cy - half), (cx - half, cy + half)], ink, 1.8)


def minimise_sign(canvas, rect, ink):
    half = rect.width * 0.22
    cx, y = rect.centre_x, rect.top + rect.height * 0.7
    canvas.line([(cx - half, y), (cx + half, y)], ink, _STROKE)


def house(canvas, rect, ink):
    cx, cy = rect.centre_x, rect.centre_y
    canvas.line([(cx - 13, cy - 1), (cx, cy - 12), (cx + 13, cy - 1)], ink, _STROKE + 0.4)
    canvas.line([(cx - 9, cy - 3), (cx - 9, cy + 11), (cx + 9, cy + 11), (cx + 9, cy - 3)], ink, _STROKE)
    canvas.fill(Rect(cx - 3, cy + 3, cx + 3, cy + 11), ink)


def card(canvas, rect, ink):
    cx, cy = rect.centre_x, rect.centre_y
    canvas.frame(Rect(cx - 14, cy - 10, cx + 14, cy + 10), ink, _STROKE, radius=3)
    canvas.fill(Rect(cx - 14, cy - 5, cx + 14, cy - 1), ink)
    canvas.line([(cx - 9, cy + 5), (cx - 2, cy + 5)], ink, _STROKE)


def speech_bubble(canvas, rect, ink):
    cx, cy = rect.centre_x, rect.centre_y
    canvas.frame(Rect(cx - 14, cy - 11, cx + 14, cy + 6), ink, _STROKE, radius=6)
    canvas.polygon([(cx - 7, cy + 5), (cx - 10, cy + 12), (cx - 1, cy + 5)], ink)
    for dx in (-7, 0, 7):
        canvas.disc(cx + dx, cy - 2.5, 1.9, ink)


def question_mark(canvas, rect, ink):
    cx, cy = rect.centre_x, rect.centre_y
    canvas.ring(cx, cy, 12.5, ink, _STROKE)
    canvas.text(Rect(cx - 12, cy - 12, cx + 12, cy + 12), "?", palette.bold(16), ink)


def floppy_disk(canvas, rect, ink):
    cx, cy = rect.centre_x, rect.centre_y
    canvas.frame(Rect(cx - 12, cy - 12, cx + 12, cy + 12), ink, _STROKE, radius=3)
    canvas.frame(Rect(cx - 6, cy - 12, cx + 6, cy - 4), ink, _STROKE)
    canvas.fill(Rect(cx - 7, cy + 2, cx + 7, cy + 12), ink)


def warning_sign(canvas, rect, ink, mark):
    """A rounded triangle filled with `ink`, an exclamation mark in `mark`."""
    cx, top, bottom = rect.centre_x, rect.top, rect.bottom
    half = rect.width / 2
    canvas.polygon([(cx - half, bottom), (cx + half, bottom), (cx, top)], ink)
    canvas.line([(cx - half + 1, bottom - 0.5), (cx, top + 1), (cx + half - 1, bottom - 0.5),
                 (cx - half + 1, bottom - 0.5)], ink, 1.5)
    canvas.line([(cx, top + 5), (cx, bottom - 5)], mark, 1.7)
    canvas.disc(cx, bottom - 2.5, 1.1, mark)
