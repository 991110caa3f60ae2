"""The button faces: every bitmap a push-button shows, keyed by bitmap id.

A face is painted over the piece of dialog background its button covers (or
over the strip colour, for the caption buttons that sit on three strips), so
its rounded corners blend into whatever lies beneath.
"""

from dataclasses import dataclass
from typing import Callable, Optional, Tuple

from art import glyphs, palette
from art.geometry import Rect


@dataclass(frozen=True)
class Style:
    fill: tuple
    ink: tuple
    edge: Optional[tuple] = None


@dataclass(frozen=True)
class Face:
    name: str
    size: Tuple[int, int]
    paint: Callable           # paint(canvas, rect)
    # None: painted over the background under its button; else this colour.
    backdrop: Optional[tuple] = None


def _plate(canvas, rect, style, radius):
    canvas.frame(rect, style.edge or style.fill, width=1 if style.edge else 0, radius=radius,
                 fill=style.fill)


def labelled(label, font, style, radius):
    """A rounded plate with one centred label."""
    def paint(canvas, rect):
        _plate(canvas, rect, style, radius)
        canvas.text(rect, label, font, style.ink)
    return paint


def pill_labelled(label, font, style):
    def paint(canvas, rect):
        canvas.pill(rect, style.fill, style.edge)
        canvas.text(rect, label, font, style.ink)
    return paint


def tile(label, pictogram, style):
    """A big square button: a pictogram above its label."""
    def paint(canvas, rect):
        _plate(canvas, rect, style, radius=6)
        pictogram(canvas, rect.with_edges(top=rect.top + 10, bottom=rect.top + 40), style.ink)
        canvas.text(rect.with_edges(top=rect.top + 47, bottom=rect.top + 61), label,
                    palette.bold(13), style.ink)
    return paint


def caption(sign, ink):
    def paint(canvas, rect):
        sign(canvas, rect, ink)
    return paint


def warning_labelled(label, font, style, radius):
    """A plate with a warning triangle before its label, the pair centred."""
    sign_width, gap = 14, 5

    def paint(canvas, rect):
        _plate(canvas, rect, style, radius)
        group = sign_width + gap + canvas.text_width(label, font)
        left = round(rect.centre_x - group / 2)
        sign = Rect(left, rect.top + 5, left + sign_width, rect.bottom - 6)
        glyphs.warning_sign(canvas, sign, palette.WARNING_YELLOW, palette.BLACK)
        canvas.text(rect.with_edges(left=sign.right + gap), label, font, style.ink, align="left")
    return paint


_WHITE_ON_BLACK = Style(palette.STRIP, palette.WHITE)
_WHITE_ON_ORANGE = Style(palette.ORANGE, palette.WHITE)
_TILE_DARK = Style((21, 21, 22), palette.WHITE, palette.EDGE_DARK)
_TILE_ORANGE = Style(palette.ORANGE, palette.WHITE, palette.ORANGE_DARK)
_TILE_LIT = Style(palette.WHITE, palette.BLACK)
_ACTIVE = Style((30, 30, 32), palette.WHITE, (216, 216, 220))
_INACTIVE = Style((20, 20, 20), palette.GREY_TEXT, (72, 72, 74))
_REPORT_SUBMIT = Style(palette.REPORT_BUTTON, palette.WHITE, palette.REPORT_BUTTON_EDGE)
_REPORT_IP = Style(palette.BLUE_GREY, palette.WHITE, palette.BLUE_GREY_EDGE)


def _login_pair(normal_id, hover_id, name, size, label, font, radius):
    """A login-dialog button: white on black, orange while the mouse is over it."""
    return [(normal_id, Face(name, size, labelled(label, font, _WHITE_ON_BLACK, radius))),
            (hover_id, Face(name + "_hover", size, labelled(label, font, _WHITE_ON_ORANGE, radius)))]


def _tile_pair(normal_id, lit_id, name, label, pictogram, normal_style, width=77):
    """A big main-dialog button and its black-on-white selected and hover face."""
    size = (width, 73)
    return [(normal_id, Face(name, size, tile(label, pictogram, normal_style))),
            (lit_id, Face(name + "_hover", size, tile(label, pictogram, _TILE_LIT)))]


def _state_pair(inactive_id, active_id, name, size, label, font, radius):
    """A face pair that follows the enabled state: grey when inactive, white when active."""
    return [(inactive_id, Face(name + "_inactive", size, labelled(label, font, _INACTIVE, radius))),
            (active_id, Face(name + "_active", size, labelled(label, font, _ACTIVE, radius)))]


_CAPTION_SIZE = (20, 20)
_LOGOUT_SIZE = (83, 21)

FACES = dict(
    _login_pair(131, 173, "find_account", (121, 27), "ID/PW 찾기", palette.bold(13), 4)
    + _login_pair(132, 174, "join", (121, 27), "회원가입", palette.bold(13), 4)
    + _login_pair(133, 175, "login", (81, 70), "Login", palette.bold(19), 6)
    + _state_pair(139, 140, "connect", (71, 36), "연결", palette.bold(15), 5)
    + _state_pair(141, 142, "disconnect", (71, 36), "끊기", palette.bold(15), 5)
    + _state_pair(143, 144, "refresh", (71, 36), "갱신", palette.bold(15), 5)
    + [(145, Face("logout_black", _LOGOUT_SIZE, pill_labelled("로그아웃", palette.bold(12), _WHITE_ON_BLACK))),
       (146, Face("logout_orange", _LOGOUT_SIZE, pill_labelled("로그아웃", palette.bold(12), _WHITE_ON_ORANGE)))]
    + _state_pair(147, 148, "change_start", (90, 24), "변경하기", palette.bold(12), 4)
    + _tile_pair(152, 153, "home", "HOME", glyphs.house, _TILE_DARK)
    + _tile_pair(154, 155, "payment", "결제하기", glyphs.card, _TILE_ORANGE)
    + _tile_pair(156, 157, "inquiry", "1:1 문의", glyphs.speech_bubble, _TILE_DARK, width=78)
    + _tile_pair(158, 159, "guide", "사용법", glyphs.question_mark, _TILE_DARK)
    + _tile_pair(160, 161, "save_settings", "설정 저장", glyphs.floppy_disk, _TILE_DARK)
    + [(162, Face("close", _CAPTION_SIZE, caption(glyphs.close_sign, palette.WHITE), palette.STRIP)),
       (172, Face("close_hover", _CAPTION_SIZE, caption(glyphs.close_sign, palette.ORANGE), palette.STRIP)),
       (163, Face("minimise", _CAPTION_SIZE, caption(glyphs.minimise_sign, palette.WHITE), palette.STRIP)),
       (169, Face("report_submit", (107, 29), labelled("신고하기", palette.bold(13), _REPORT_SUBMIT, 5))),
       (170, Face("report_ip", (90, 24), warning_labelled("IP 신고", palette.bold(12), _REPORT_IP, 4)))]
)
