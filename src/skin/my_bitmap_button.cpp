#include "skin/my_bitmap_button.h"

void CMyBitmapButton::SetHoverBitmap(int id) {
  m_nHoverBitmapId = id;
  SetFace(ui::FaceSlot::kHover, nullptr);
  SetFace(ui::FaceSlot::kHover, windowing().LoadBitmap(id));
}

// The face covers the whole button, so hover changes repaint without erasing.
void CMyBitmapButton::OnMouseMove(unsigned /*flags*/, ui::Point /*point*/) {
  if (m_bHover != 0) return;
  windowing().TrackMouseLeave(GetSafeHwnd());
  m_bHover = 1;
  Invalidate(false);
}

std::intptr_t CMyBitmapButton::OnMouseLeave(std::uintptr_t, std::intptr_t) {
  m_bHover = 0;
  Invalidate(false);
  return 1;
}

const ui::MessageMap& CMyBitmapButton::Map() {
  static const ui::MessageMap map(
      &ui::CBitmapButton::Map(),
      {
          ui::On<CMyBitmapButton>::MouseMove(&CMyBitmapButton::OnMouseMove),
          ui::On<CMyBitmapButton>::Raw(ui::kWmMouseLeave, &CMyBitmapButton::OnMouseLeave),
      });
  return map;
}
