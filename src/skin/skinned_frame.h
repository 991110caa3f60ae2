// The look the login, main and report dialogs share: a background picture
// over the whole client area, a strip along the top that moves the window,
// labels drawn over the picture, and bitmap buttons in place of push-buttons.
#pragma once

#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "skin/my_bitmap_button.h"

namespace skin {

// Height of the strip along the top edge that moves a dialog.
inline constexpr int kMoveStripHeight = 30;

struct Frame {
  int background_bitmap;
  int move_limit_x;  // presses left of it in the strip move the dialog
};

inline constexpr Frame kLoginFrame{130, 465};
inline constexpr Frame kMainFrame{166, 590};
inline constexpr Frame kReportFrame{168, 400};

// WM_PAINT: the background, loaded, copied and released within the paint.
void PaintBackground(ui::CWnd& dialog, const Frame& frame);

// Whether a press at `point` (client coordinates) lies in the move strip.
bool InMoveStrip(const Frame& frame, ui::Point point);
// WM_LBUTTONDOWN on the dialog itself: a press in the strip runs the
// system's move loop, as a press on a caption would.
void OnStripPress(ui::CWnd& dialog, const Frame& frame, ui::Point point);

// Enter pressed, as PreTranslateMessage sees it.
bool IsEnterKey(const ui::Message& message);

// The faces of one bitmap button, as its dialog sets it up. A hover face of
// 0 means a plain bitmap button.
struct ButtonFaces {
  int control_id;
  int normal, selected, focus, disabled;
  int hover;
};

// LoadBitmaps, SizeToContent and, for a hover button, SetHoverBitmap.
void SetUpButton(ui::CBitmapButton& button, const ButtonFaces& faces);
void SetUpButton(CMyBitmapButton& button, const ButtonFaces& faces);

// Gives a button another pair of faces at once: normal and selected, with
// focus and disabled repeating the normal one.
void SwapFaces(ui::CBitmapButton& button, int normal, int selected);

// The faces of the buttons whose look follows their enabled state.
struct StateFaces {
  int control_id;
  int enabled_normal, enabled_selected;  // disabled: the two swapped
};

// Enables or disables the button and gives it the faces of that state.
void SetButtonEnabled(ui::CBitmapButton& button, const StateFaces& faces, bool enabled);

// The control colours of the main and the report dialog; `white_brush` is
// the main dialog's own.
ui::ColourAnswer MainControlColour(int control_id, ui::CtlColorKind kind,
                                   ui::BrushRef white_brush);
ui::ColourAnswer ReportControlColour(int control_id, ui::CtlColorKind kind);

}  // namespace skin
