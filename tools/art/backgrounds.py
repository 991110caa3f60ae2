"""The three dialog backgrounds, every frame derived from the control it lies under."""

import itertools

from art import glyphs, icons, palette
from art.canvas import Canvas
from art.geometry import Rect
from art.layout import LIST_COLUMNS, LOGIN, MAIN, REPORT, REPORT_VISIBLE_HEIGHT, STRIP_HEIGHT

# How far a painted box reaches beyond the control it frames, on every side.
FRAME_MARGIN = 4
# The slot painted around a button that has no frame of its own.
SLOT_MARGIN = 2

_LOGO_SHIELD = 20
_NOTICE_HEADER_HEIGHT = 17
_LIST_HEADER_HEIGHT = 17
# The first column's rows begin after the 18-pixel row icon; its title lines up with them.
_FIRST_COLUMN_INSET = 22
_COLUMN_INSET = 6


def _logo(canvas, left, suffix=None):
    """The product mark: the shield, "velmar" in white, "VPN" in orange, and an
    optional suffix naming the dialog."""
    top = (STRIP_HEIGHT - _LOGO_SHIELD) // 2
    canvas.paste(icons.shield(_LOGO_SHIELD), left, top)
    strip = Rect(left + _LOGO_SHIELD + 6, 0, canvas.size[0], STRIP_HEIGHT)
    end = canvas.text_run(strip, [("velmar", palette.WHITE), ("VPN", palette.ORANGE)], palette.logo(16))
    if suffix:
        canvas.text(strip.with_edges(left=end + 7), suffix, palette.bold(14), palette.LIGHT_TEXT, align="left")


def _top_strip(canvas, suffix=None):
    canvas.fill(Rect(0, 0, canvas.size[0], STRIP_HEIGHT), palette.STRIP)
    _logo(canvas, 10, suffix)


def _label_left_of(canvas, box, label, colour):
    canvas.text(box.with_edges(left=box.left - 60, right=box.left - 10), label, palette.bold(13),
                colour, align="right")


def _label_above(canvas, box, label, colour):
    canvas.text(box.with_edges(top=box.top - 20, bottom=box.top - 4), label, palette.bold(13),
                colour, align="left", inset=1)


def _white_box(canvas, rect, edge=None):
    canvas.frame(rect, edge or palette.WHITE, width=1, radius=3, fill=palette.WHITE)


def _white_frame(canvas, rect):
    canvas.frame(rect, palette.WHITE, width=1, radius=4)


def _assert_apart(dialog, boxes):
    """Painted boxes must neither touch each other nor run under a button."""
    picture = Rect(0, 0, *dialog.size)
    rects = list(boxes) + [button.rect for button in dialog.buttons.values()]
    for rect in rects:
        assert picture.contains(rect), (dialog.name, rect)
    for a, b in itertools.combinations(rects, 2):
        assert not a.intersects(b), (dialog.name, a, b)


def login():
    canvas = Canvas.blank(LOGIN.size, palette.LOGIN_GROUND)
    _top_strip(canvas)
    boxes = []
    for edit_id, label in ((1000, "ID"), (1001, "PW")):
        box = LOGIN.control(edit_id).inflate(FRAME_MARGIN)
        _white_box(canvas, box, palette.LOGIN_EDGE)
        _label_left_of(canvas, box, label, (60, 62, 68))
        boxes.append(box)
    _assert_apart(LOGIN, boxes)
    return canvas.render()


def _main_strip(canvas):
    _top_strip(canvas)
    glyphs.minimise_sign(canvas, MAIN.button(1030), palette.WHITE)
    glyphs.close_sign(canvas, MAIN.button(2), palette.WHITE)
    canvas.fill(Rect(0, STRIP_HEIGHT, MAIN.size[0], STRIP_HEIGHT + 2), palette.ORANGE)


def _welcome_bar(canvas):
    """A white pill holding the welcome label, the logout button at its right end."""
    bar = MAIN.control(1026).union(MAIN.button(1004)).inflate(FRAME_MARGIN)
    canvas.pill(bar, palette.WHITE)
    return bar


def _notice_box(canvas):
    panel = MAIN.control(1032)
    box = panel.inflate(FRAME_MARGIN).with_edges(top=panel.top - FRAME_MARGIN - _NOTICE_HEADER_HEIGHT)
    canvas.frame(box, palette.EDGE_DARK, width=1, radius=5, fill=palette.PANEL)
    header = Rect(box.left + 8, box.top + 1, box.right - 8, panel.top - FRAME_MARGIN + 1)
    canvas.fill(Rect(header.left, header.centre_y - 5, header.left + 3, header.centre_y + 5), palette.ORANGE)
    canvas.text(header, "공지사항", palette.bold(12), palette.WHITE, align="left", inset=8)
    return box


def _connection_box(canvas):
    """The connecting IP on the left; the tunnel radio buttons and their names on the right."""
    label = MAIN.control(1027)
    font = palette.bold(12)
    contents = label
    for radio_id, name in ((1024, "L2TP"), (1025, "PPTP")):
        radio = MAIN.control(radio_id)
        words = Rect(radio.right + 4, radio.top, radio.right + 4 + canvas.text_width(name, font), radio.bottom)
        canvas.text(words, name, font, palette.WHITE, align="left")
        contents = contents.union(radio).union(words)
    box = contents.inflate(FRAME_MARGIN)
    _white_frame(canvas, box)
    divider_x = (label.right + MAIN.control(1024).left) // 2
    canvas.fill(Rect(divider_x, box.top + 6, divider_x + 1, box.bottom - 6), palette.EDGE_DARK)
    return box


def _contract_list_box(canvas):
    """A white box whose top row titles the list's columns; the list covers the rest."""
    listing = MAIN.control(1006)
    header = Rect(listing.left, listing.top - _LIST_HEADER_HEIGHT, listing.right, listing.top)
    box = header.union(listing).inflate(FRAME_MARGIN)
    _white_box(canvas, box)
    canvas.fill(Rect(box.left + 1, header.top, box.right - 1, header.bottom - 1), palette.LIST_HEADER)
    canvas.fill(Rect(box.left + 1, header.bottom - 1, box.right - 1, header.bottom), palette.LIST_RULE)
    left = listing.left
    for index, (title, width, align) in enumerate(LIST_COLUMNS):
        column = header.with_edges(left=left, right=left + width)
        inset = _FIRST_COLUMN_INSET if index == 0 else _COLUMN_INSET
        canvas.text(column, title, palette.bold(12), (40, 40, 44), align=align, inset=inset)
        if index < len(LIST_COLUMNS) - 1:
            rule = Rect(column.right - 1, header.top + 3, column.right, header.bottom - 4)
            canvas.fill(rule, palette.LIST_RULE)
        left += width
    return box


def _minutes_pill(canvas):
    """A white pill under the minutes edit, then what the number means."""
    pill = MAIN.control(1011).inflate(FRAME_MARGIN)
    canvas.pill(pill, palette.WHITE)
    font = palette.bold(12)
    phrase = "분 단위로 변경"
    words = Rect(pill.right + 7, pill.top, pill.right + 7 + canvas.text_width(phrase, font), pill.bottom)
    canvas.text(words, phrase, font, palette.WHITE, align="left")
    return pill, words


def _button_slot(canvas, control_id):
    canvas.frame(MAIN.button(control_id).inflate(SLOT_MARGIN), palette.EDGE_DARK, width=1, radius=5)


def _footer(canvas, top):
    width, height = MAIN.size
    canvas.fill(Rect(0, top, width, height), palette.FOOTER)
    canvas.fill(Rect(0, top, width, top + 1), palette.EDGE_DARK)
    banner = MAIN.control(1031)
    canvas.frame(banner.inflate(SLOT_MARGIN), palette.EDGE_DARK, width=1)
    canvas.text(Rect(0, banner.bottom + SLOT_MARGIN, width, height), "velmarVPN", palette.logo(11),
                palette.EDGE_MID)


def main():
    canvas = Canvas.blank(MAIN.size, palette.BLACK)
    _main_strip(canvas)
    boxes = [_notice_box(canvas), _connection_box(canvas), _contract_list_box(canvas)]
    status = MAIN.control(1023).inflate(FRAME_MARGIN)
    _white_frame(canvas, status)
    boxes += [status, *_minutes_pill(canvas)]
    _welcome_bar(canvas)
    for control_id in (1029, 1028):
        _button_slot(canvas, control_id)
    footer_top = MAIN.control(1031).top - 10
    _footer(canvas, footer_top)
    _assert_apart(MAIN, boxes + [Rect(0, footer_top, *MAIN.size)])
    return canvas.render()


def report():
    canvas = Canvas.blank(REPORT.size, palette.BLACK)
    _top_strip(canvas, "아이피 신고")
    canvas.vertical_gradient(Rect(0, STRIP_HEIGHT, REPORT.size[0], REPORT_VISIBLE_HEIGHT),
                             palette.REPORT_BLUE, palette.BLACK)
    canvas.fill(Rect(0, STRIP_HEIGHT, REPORT.size[0], STRIP_HEIGHT + 1), palette.REPORT_BUTTON)
    boxes = []
    for control_id, label in ((1032, "아이피"), (1033, "신고내용")):
        box = REPORT.control(control_id).inflate(FRAME_MARGIN)
        _white_box(canvas, box)
        _label_above(canvas, box, label, palette.WHITE)
        boxes.append(box)
    _assert_apart(REPORT, boxes)
    return canvas.render()


BACKGROUNDS = {
    LOGIN.background_id: ("login_background", login),
    MAIN.background_id: ("main_background", main),
    REPORT.background_id: ("report_background", report),
}
