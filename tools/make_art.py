#!/usr/bin/python3
"""Draw every picture of velmarVPN into src/res/art.

The dialog backgrounds, button faces and the two icons are drawn from scratch
here; the output is committed, so building the program needs no image tools.
The same input gives the same bytes on every run.

    /usr/bin/python3 tools/make_art.py [--out DIR] [--preview DIR]
"""

import sys

# The drawing modules live beside this script; keep their bytecode out of the tree.
sys.dont_write_bytecode = True

import argparse  # noqa: E402
import pathlib  # noqa: E402
import re  # noqa: E402

from PIL import Image  # noqa: E402

from art import formats, icons, palette, preview  # noqa: E402
from art.backgrounds import BACKGROUNDS  # noqa: E402
from art.canvas import Canvas  # noqa: E402
from art.faces import FACES  # noqa: E402
from art.geometry import Rect  # noqa: E402
from art.layout import placements  # noqa: E402

ART_DIR = pathlib.Path(__file__).resolve().parent.parent / "src" / "res" / "art"
APP_ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 128, 256)
# Sizes from here up are stored as PNG, which keeps the 256-pixel image small.
_PNG_FROM_SIZE = 256
# The row ball's 256-colour form is blended over the list's white rows.
_ROW_ICON_BACKDROP = palette.WHITE
# What this script writes; other files in the output directory are left alone.
_ART_FILE = re.compile(r"^\d+_\w+\.(bmp|ico)$")


def draw_backgrounds():
    return {bitmap_id: draw() for bitmap_id, (_, draw) in BACKGROUNDS.items()}


def _face_backdrop(face_id, face, backgrounds):
    if face.backdrop is not None:
        return Image.new("RGB", face.size, face.backdrop)
    places = placements(face_id)
    # A face cropped from one background must not be shown on another.
    assert len(places) == 1, (face_id, places)
    dialog, rect = places[0]
    assert rect.size == face.size, (face_id, rect)
    return backgrounds[dialog.background_id].crop(rect.as_box())


def draw_faces(backgrounds):
    faces = {}
    for face_id, face in FACES.items():
        canvas = Canvas(_face_backdrop(face_id, face, backgrounds))
        face.paint(canvas, Rect(0, 0, *face.size))
        faces[face_id] = canvas.render()
    return faces


def app_icon():
    images = []
    for size in APP_ICON_SIZES:
        picture = icons.shield(size)
        pack = formats.icon_image_png if size >= _PNG_FROM_SIZE else formats.icon_image_32
        images.append(pack(picture))
    return formats.ico_bytes(images)


def row_icon():
    ball = icons.row_ball(16)
    return formats.ico_bytes([formats.icon_image_32(ball),
                              formats.icon_image_8(ball, _ROW_ICON_BACKDROP)])


def art_files(backgrounds, faces):
    """File name -> bytes of everything that goes into the art directory."""
    files = {}
    for bitmap_id, (name, _) in BACKGROUNDS.items():
        files[f"{bitmap_id}_{name}.bmp"] = formats.bmp_bytes(backgrounds[bitmap_id])
    for face_id, face in FACES.items():
        files[f"{face_id}_{face.name}.bmp"] = formats.bmp_bytes(faces[face_id])
    files["136_app.ico"] = app_icon()
    files["137_row.ico"] = row_icon()
    return dict(sorted(files.items(), key=lambda item: int(item[0].split("_")[0])))


def write_art(directory, files):
    directory.mkdir(parents=True, exist_ok=True)
    for stale in directory.iterdir():
        if _ART_FILE.match(stale.name) and stale.name not in files:
            stale.unlink()
    for name, data in files.items():
        (directory / name).write_bytes(data)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path, default=ART_DIR,
                        help="directory for the pictures (default: src/res/art)")
    parser.add_argument("--preview", type=pathlib.Path, metavar="DIR",
                        help="also write PNG sheets of the dialogs and icons into DIR")
    args = parser.parse_args(argv)

    backgrounds = draw_backgrounds()
    faces = draw_faces(backgrounds)
    files = art_files(backgrounds, faces)
    write_art(args.out, files)
    for name, data in files.items():
        print(f"{len(data):8d}  {name}")
    if args.preview:
        preview.write(args.preview, backgrounds, faces)
        print(f"previews in {args.preview}")


if __name__ == "__main__":
    main(sys.argv[1:])
