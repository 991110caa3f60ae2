#include "skin/skinned_frame.h"

#include "res/resource.h"

namespace skin {

void PaintBackground(ui::CWnd& dialog, const Frame& frame) {
  dialog.windowing().PaintBackground(dialog.GetSafeHwnd(), frame.background_bitmap);
}

bool InMoveStrip(const Frame& frame, ui::Point point) {
  return point.x < frame.move_limit_x && point.y < kMoveStripHeight;
}

void OnStripPress(ui::CWnd& dialog, const Frame& frame, ui::Point point) {
  if (InMoveStrip(frame, point)) {
    dialog.windowing().StartMoveByCaption(dialog.GetSafeHwnd(), point);
  }
}

bool IsEnterKey(const ui::Message& message) {
  return message.id == ui::kWmKeyDown && message.wparam == ui::kVkReturn;
}

void SetUpButton(ui::CBitmapButton& button, const ButtonFaces& faces) {
  button.LoadBitmaps(faces.normal, faces.selected, faces.focus, faces.disabled);
  button.SizeToContent();
}

void SetUpButton(CMyBitmapButton& button, const ButtonFaces& faces) {
  SetUpButton(static_cast<ui::CBitmapButton&>(button), faces);
  if (faces.hover != 0) button.SetHoverBitmap(faces.hover);
}

void SwapFaces(ui::CBitmapButton& button, int normal, int selected) {
  button.LoadBitmaps(normal, selected, normal, normal);
  button.SizeToContent();
  button.Invalidate(true);
}

void SetButtonEnabled(ui::CBitmapButton& button, const StateFaces& faces, bool enabled) {
  button.EnableWindow(enabled);
  if (enabled) {
    SwapFaces(button, faces.enabled_normal, faces.enabled_selected);
  } else {
    SwapFaces(button, faces.enabled_selected, faces.enabled_normal);
  }
}

namespace {

// A label or radio button drawn over the background picture.
ui::ColourAnswer OverPicture(std::optional<std::uint32_t> text_colour) {
  ui::ColourAnswer answer;
  answer.brush = ui::ColourAnswer::Brush::kHollow;
  answer.transparent = true;
  answer.text_colour = text_colour;
  return answer;
}

}  // namespace

ui::ColourAnswer MainControlColour(int control_id, ui::CtlColorKind kind,
                                   ui::BrushRef white_brush) {
  if (control_id == IDC_MAIN_CHANGE_MINUTES) {
    // Enabled it asks as an edit, disabled as a static: white either way.
    ui::ColourAnswer answer;
    answer.brush = ui::ColourAnswer::Brush::kOwn;
    answer.own_brush = white_brush;
    answer.transparent = true;
    return answer;
  }
  if (kind != ui::CtlColorKind::kStatic) return {};
  switch (control_id) {
    case IDC_MAIN_WELCOME:
      return OverPicture(ui::Rgb(0, 0, 0));
    case IDC_MAIN_CONNECTING_IP:
    case IDC_MAIN_STATUS:
      return OverPicture(ui::Rgb(255, 255, 255));
    case IDC_MAIN_L2TP:
    case IDC_MAIN_PPTP:
      return OverPicture(std::nullopt);
    default:
      return {};
  }
}

ui::ColourAnswer ReportControlColour(int control_id, ui::CtlColorKind /*kind*/) {
  if (control_id == IDC_REPORT_IP) return OverPicture(std::nullopt);
  return {};
}

}  // namespace skin
