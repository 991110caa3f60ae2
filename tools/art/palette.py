"""Colours and type shared by every picture, so the three dialogs read as one product."""

import functools

from PIL import ImageFont

BLACK = (0, 0, 0)
STRIP = (17, 17, 17)           # top strips and the caption buttons that sit on them
PANEL = (26, 26, 26)           # boxes drawn on the black main background
FOOTER = (32, 32, 34)
EDGE_DARK = (58, 58, 60)       # frames on black
EDGE_MID = (96, 96, 100)
GREY_TEXT = (112, 112, 112)    # labels of inactive faces
LIGHT_TEXT = (200, 200, 204)
WHITE = (255, 255, 255)
LOGIN_GROUND = (236, 237, 239)
LOGIN_EDGE = (170, 172, 178)
LIST_HEADER = (238, 239, 241)
LIST_RULE = (206, 208, 212)

ORANGE = (242, 140, 40)
ORANGE_DARK = (204, 108, 18)

REPORT_BLUE = (22, 40, 74)     # top of the report dialog's gradient
REPORT_BUTTON = (30, 62, 122)
REPORT_BUTTON_EDGE = (72, 110, 180)
BLUE_GREY = (74, 90, 114)
BLUE_GREY_EDGE = (110, 128, 154)
WARNING_YELLOW = (255, 196, 48)

SHIELD_LIGHT = (110, 214, 104)
SHIELD_DARK = (26, 138, 58)
SHIELD_EDGE = (14, 92, 38)

_FONT_DIR = "/usr/share/fonts/truetype/nanum/"
_REGULAR = "NanumGothic.ttf"
_BOLD = "NanumGothicBold.ttf"
_LOGO = "NanumSquareRoundB.ttf"


@functools.lru_cache(maxsize=None)
def _font(file_name, size):
    return ImageFont.truetype(_FONT_DIR + file_name, size)


def regular(size):
    return _font(_REGULAR, size)


def bold(size):
    return _font(_BOLD, size)


def logo(size):
    return _font(_LOGO, size)
