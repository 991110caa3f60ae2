// A bitmap button with a fifth face, shown while the pointer is over it.
#pragma once

#include <memory>

#include "platform/ui/controls.h"

class CMyBitmapButton : public ui::CBitmapButton {
 public:
  using ui::CBitmapButton::CBitmapButton;

  // Loads the hover face from bitmap `id`, in place of the one before.
  void SetHoverBitmap(int id);

  bool hovering() const { return m_bHover != 0; }
  int hover_bitmap_id() const { return m_nHoverBitmapId; }

  static const ui::MessageMap& Map();
  const ui::MessageMap& GetMessageMap() const override { return Map(); }

 protected:
  bool Hovering() const override { return m_bHover != 0; }

 private:
  void OnMouseMove(unsigned flags, ui::Point point);
  std::intptr_t OnMouseLeave(std::uintptr_t, std::intptr_t);

  int m_bHover = 0;
  int m_nHoverBitmapId = 0;
};
