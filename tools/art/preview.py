"""Preview sheets for checking the art by eye; never committed.

Each dialog is shown as a user would see it: background, every button in its
normal face, and a second sheet in the hover and selected faces. A third sheet
outlines the controls from the layout and fills in sample texts, to show
that frames sit under their controls and that the texts stay readable.
"""

from PIL import Image, ImageDraw

from art import icons, palette
from art.canvas import Canvas
from art.layout import DIALOGS

_SAMPLE_TEXTS = {
    ("main", 1026): ("velmar님 접속하셨습니다.", palette.BLACK),
    ("main", 1027): ("203.0.113.42", palette.WHITE),
    ("main", 1023): ("연결되었습니다.", palette.WHITE),
    ("main", 1011): ("10", palette.BLACK),
    ("report", 1032): ("203.0.113.42", palette.BLACK),
}
_OUTLINE = (255, 0, 255)


def _with_buttons(dialog, background, faces, face_index):
    sheet = background.copy()
    for button in dialog.buttons.values():
        face_id = button.faces[min(face_index, len(button.faces) - 1)]
        sheet.paste(faces[face_id], button.rect.as_box())
    return sheet


def _with_controls(dialog, sheet):
    canvas = Canvas(sheet, supersample=1)
    for control_id in dialog.controls_du:
        sample = _SAMPLE_TEXTS.get((dialog.name, control_id))
        if sample:
            text, colour = sample
            canvas.text(dialog.control(control_id), text, palette.regular(12), colour, align="left", inset=2)
    image = canvas.render()
    draw = ImageDraw.Draw(image)
    for control_id in dialog.controls_du:
        rect = dialog.control(control_id)
        draw.rectangle([rect.left, rect.top, rect.right - 1, rect.bottom - 1], outline=_OUTLINE)
    return image


def _icon_sheet():
    sizes = (16, 20, 24, 32, 40, 48, 64, 128, 256)
    sheet = Image.new("RGBA", (sum(sizes) + 10 * len(sizes) + 60, 270), (64, 64, 64, 255))
    left = 10
    for size in sizes:
        sheet.alpha_composite(icons.shield(size), (left, 5))
        left += size + 10
    sheet.alpha_composite(icons.row_ball(), (left, 5))
    sheet.alpha_composite(icons.row_ball().resize((48, 48), Image.NEAREST), (left, 30))
    return sheet


def write(directory, backgrounds, faces):
    """Write the sheets as PNG files into `directory`."""
    directory.mkdir(parents=True, exist_ok=True)
    for dialog in DIALOGS:
        background = backgrounds[dialog.background_id]
        normal = _with_buttons(dialog, background, faces, 0)
        normal.save(directory / f"{dialog.name}.png")
        _with_buttons(dialog, background, faces, 1).save(directory / f"{dialog.name}_hover.png")
        _with_controls(dialog, normal).save(directory / f"{dialog.name}_controls.png")
    _icon_sheet().save(directory / "icons.png")
