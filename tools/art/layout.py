"""Where the controls of the three skinned dialogs sit, copied from their layouts.

The backgrounds draw their frames from these rectangles, so a box always lies
under the control it frames. If a layout moves a control, change it here and
rerun the script.
"""

from dataclasses import dataclass, field
from typing import Dict, Tuple

from art.faces import FACES
from art.geometry import Rect, du_to_px_x, du_to_px_y

STRIP_HEIGHT = 30        # the top strip by which each dialog is dragged


@dataclass(frozen=True)
class Button:
    x_du: int
    y_du: int
    faces: Tuple[int, ...]   # every face the button shows; the first gives its size

    @property
    def rect(self):
        return Rect.at(du_to_px_x(self.x_du), du_to_px_y(self.y_du), FACES[self.faces[0]].size)


@dataclass(frozen=True)
class Dialog:
    name: str
    background_id: int
    size: Tuple[int, int]
    # Controls a picture frames, as (x, y, width, height) in dialog units.
    controls_du: Dict[int, Tuple[int, int, int, int]] = field(default_factory=dict)
    buttons: Dict[int, Button] = field(default_factory=dict)

    def control(self, control_id):
        return Rect.from_du(*self.controls_du[control_id])

    def button(self, control_id):
        return self.buttons[control_id].rect


LOGIN = Dialog("login", 130, (410, 227), {
    1000: (73, 48, 87, 12),      # ID edit
    1001: (73, 74, 87, 12),      # password edit
}, {
    1002: Button(169, 42, (133, 175)),
    1005: Button(147, 114, (131, 173)),
    1006: Button(71, 114, (132, 174)),
    1029: Button(205, 3, (163,)),
    1030: Button(219, 3, (162, 172)),
})

MAIN = Dialog("main", 166, (432, 611), {
    1006: (6, 197, 233, 59),     # contract list
    1011: (10, 302, 24, 12),     # minutes edit
    1023: (9, 272, 223, 17),     # status line
    1024: (78, 155, 9, 8),       # L2TP radio button
    1025: (78, 169, 9, 8),       # PPTP radio button
    1026: (14, 86, 155, 9),      # welcome label
    1027: (14, 163, 49, 9),      # connecting-IP label
    1031: (7, 325, 232, 55),     # banner panel
    1032: (8, 117, 229, 28),     # notice panel
}, {
    1030: Button(216, 4, (163,)),
    2: Button(231, 4, (162, 172)),
    1017: Button(6, 28, (152, 153)),
    1018: Button(53, 28, (154, 155)),
    1021: Button(100, 28, (156, 157)),
    1020: Button(148, 28, (158, 159)),
    1022: Button(195, 28, (160, 161)),
    1004: Button(193, 83, (146, 145)),
    1014: Button(112, 154, (140, 139)),
    1015: Button(155, 154, (142, 141)),
    1019: Button(198, 154, (144, 143)),
    1028: Button(188, 298, (148, 147)),
    1029: Button(130, 298, (170,)),      # the report command's button
})

REPORT = Dialog("report", 168, (396, 261), {
    1032: (37, 59, 73, 8),       # IP label
    1033: (19, 99, 182, 12),     # note edit
}, {
    2: Button(210, 4, (162, 172)),
    1034: Button(89, 121, (169,)),
})

DIALOGS = (LOGIN, MAIN, REPORT)

# The report picture is taller than its dialog; rows from here down never show.
REPORT_VISIBLE_HEIGHT = 220

# List columns of the contract list, widths in pixels from its left edge,
# with the alignment of each column's text.
LIST_COLUMNS = (("아이피", 110, "left"), ("만료일", 80, "centre"),
                ("메모", 140, "left"), ("상태", 75, "centre"))


def placements(face_id):
    """(dialog, button rect) of every button that shows `face_id`."""
    return [(dialog, button.rect) for dialog in DIALOGS for button in dialog.buttons.values()
            if face_id in button.faces]
