// The common controls the dialogs use: the list view, its image list and the
// bitmap button.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/ui/cwnd.h"

namespace ui {

class CImageList {
 public:
  explicit CImageList(Windowing& windowing) : windowing_(windowing) {}
  ~CImageList();
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;

  bool Create(int cx, int cy, unsigned flags, int initial, int grow);
  // The index of the added icon, or -1.
  int Add(int icon_id);
  ImageListRef GetSafeHandle() const { return images_; }

 private:
  Windowing& windowing_;
  ImageListRef images_ = 0;
};

class CListCtrl : public CWnd {
 public:
  using CWnd::CWnd;

  int InsertColumn(int column, const std::string& heading, int format, int width);
  std::uint32_t GetExtendedStyle() const;
  void SetExtendedStyle(std::uint32_t style);
  void SetImageList(CImageList* images, int which);
  // The index the row got, or -1. An index past the end appends.
  int InsertItem(int index, const std::string& text, int image);
  bool SetItem(int row, int column, const std::string& text, int image);
  bool SetItemText(int row, int column, const std::string& text);
  std::string GetItemText(int row, int column) const;
  bool DeleteItem(int row);
  bool DeleteAllItems();
  int GetItemCount() const;
  int GetSelectionMark() const;
  int SetSelectionMark(int row);  // returns the previous mark
  bool SetItemState(int row, unsigned state, unsigned mask);
  unsigned GetItemState(int row, unsigned mask) const;
};

// The faces of a bitmap button, in the order LoadBitmaps takes them.
enum class FaceSlot { kNormal = 0, kSelected = 1, kFocus = 2, kDisabled = 3, kHover = 4, kNone };

// Which face a button shows for the owner-draw state `state` (ODS_*), given
// which slots hold a bitmap: selected, then focus, then disabled, else
// normal; a held hover face wins over all while `hovering`. kNone when the
// chosen slot is empty, which draws nothing.
FaceSlot ChooseFace(unsigned state, const std::array<bool, 5>& held, bool hovering);

class CBitmapButton : public CButton {
 public:
  using CButton::CButton;

  // Releases the faces, then loads them; 0 leaves a slot empty. When the
  // normal face cannot be loaded no face is loaded. True when it was.
  bool LoadBitmaps(int normal, int selected = 0, int focus = 0, int disabled = 0);
  // Gives the button the normal face's size, keeping its top-left corner.
  void SizeToContent();
  bool DrawItem(const Message& draw_item) override;

  // The resource id held in `slot`, 0 when empty.
  int FaceId(FaceSlot slot) const;

 protected:
  virtual bool Hovering() const { return false; }
  void SetFace(FaceSlot slot, std::unique_ptr<Bitmap> face);

 private:
  std::array<std::unique_ptr<Bitmap>, 5> faces_;
};

}  // namespace ui
