#include "platform/ui/controls.h"

namespace ui {

CImageList::~CImageList() {
  if (images_ != 0) windowing_.ImageListDestroy(images_);
}

bool CImageList::Create(int cx, int cy, unsigned flags, int initial, int grow) {
  if (images_ != 0) windowing_.ImageListDestroy(images_);
  images_ = windowing_.ImageListCreate(cx, cy, flags, initial, grow);
  return images_ != 0;
}

int CImageList::Add(int icon_id) {
  return images_ != 0 ? windowing_.ImageListAddIcon(images_, icon_id) : -1;
}

int CListCtrl::InsertColumn(int column, const std::string& heading, int format, int width) {
  return windowing().ListInsertColumn(GetSafeHwnd(), column, ListColumn{heading, format, width});
}

std::uint32_t CListCtrl::GetExtendedStyle() const {
  return windowing().ListGetExtendedStyle(GetSafeHwnd());
}

void CListCtrl::SetExtendedStyle(std::uint32_t style) {
  windowing().ListSetExtendedStyle(GetSafeHwnd(), style);
}

void CListCtrl::SetImageList(CImageList* images, int which) {
  windowing().ListSetImageList(GetSafeHwnd(), images != nullptr ? images->GetSafeHandle() : 0,
                               which);
}

int CListCtrl::InsertItem(int index, const std::string& text, int image) {
  return windowing().ListInsertItem(GetSafeHwnd(), index, text, image);
}

bool CListCtrl::SetItem(int row, int column, const std::string& text, int image) {
  return windowing().ListSetItem(GetSafeHwnd(), row, column, text, image);
}

bool CListCtrl::SetItemText(int row, int column, const std::string& text) {
  return windowing().ListSetItemText(GetSafeHwnd(), row, column, text);
}

std::string CListCtrl::GetItemText(int row, int column) const {
  return windowing().ListGetItemText(GetSafeHwnd(), row, column);
}

bool CListCtrl::DeleteItem(int row) { return windowing().ListDeleteItem(GetSafeHwnd(), row); }
bool CListCtrl::DeleteAllItems() { return windowing().ListDeleteAllItems(GetSafeHwnd()); }
int CListCtrl::GetItemCount() const { return windowing().ListGetItemCount(GetSafeHwnd()); }

int CListCtrl::GetSelectionMark() const {
  return windowing().ListGetSelectionMark(GetSafeHwnd());
}

int CListCtrl::SetSelectionMark(int row) {
  return windowing().ListSetSelectionMark(GetSafeHwnd(), row);
}

bool CListCtrl::SetItemState(int row, unsigned state, unsigned mask) {
  return windowing().ListSetItemState(GetSafeHwnd(), row, state, mask);
}

unsigned CListCtrl::GetItemState(int row, unsigned mask) const {
  return windowing().ListGetItemState(GetSafeHwnd(), row, mask);
}

FaceSlot ChooseFace(unsigned state, const std::array<bool, 5>& held, bool hovering) {
  auto held_in = [&held](FaceSlot slot) { return held[static_cast<std::size_t>(slot)]; };
  FaceSlot chosen = FaceSlot::kNormal;
  if ((state & kOdsSelected) != 0 && held_in(FaceSlot::kSelected)) {
    chosen = FaceSlot::kSelected;
  } else if ((state & kOdsFocus) != 0 && held_in(FaceSlot::kFocus)) {
    chosen = FaceSlot::kFocus;
  } else if ((state & kOdsDisabled) != 0 && held_in(FaceSlot::kDisabled)) {
    chosen = FaceSlot::kDisabled;
  }
  if (hovering && held_in(FaceSlot::kHover)) chosen = FaceSlot::kHover;
  return held_in(chosen) ? chosen : FaceSlot::kNone;
}

bool CBitmapButton::LoadBitmaps(int normal, int selected, int focus, int disabled) {
  for (std::size_t slot = 0; slot <= static_cast<std::size_t>(FaceSlot::kDisabled); ++slot) {
    faces_[slot].reset();
  }
  faces_[0] = windowing().LoadBitmap(normal);
  if (!faces_[0]) return false;
  const int others[] = {selected, focus, disabled};
  for (std::size_t slot = 1; slot <= 3; ++slot) {
    if (others[slot - 1] != 0) faces_[slot] = windowing().LoadBitmap(others[slot - 1]);
  }
  return true;
}

void CBitmapButton::SizeToContent() {
  if (faces_[0]) windowing().Resize(GetSafeHwnd(), faces_[0]->size());
}

bool CBitmapButton::DrawItem(const Message& draw_item) {
  std::array<bool, 5> held{};
  for (std::size_t slot = 0; slot < faces_.size(); ++slot) held[slot] = faces_[slot] != nullptr;
  const FaceSlot chosen = ChooseFace(draw_item.draw_state, held, Hovering());
  if (chosen != FaceSlot::kNone) {
    windowing().DrawFace(draw_item, *faces_[static_cast<std::size_t>(chosen)]);
  }
  return true;
}

int CBitmapButton::FaceId(FaceSlot slot) const {
  if (slot == FaceSlot::kNone) return 0;
  const auto& face = faces_[static_cast<std::size_t>(slot)];
  return face ? face->resource_id() : 0;
}

void CBitmapButton::SetFace(FaceSlot slot, std::unique_ptr<Bitmap> face) {
  if (slot != FaceSlot::kNone) faces_[static_cast<std::size_t>(slot)] = std::move(face);
}

}  // namespace ui
