// Numbers of the window system that the dialogs use: messages, styles, flags
// and answers, with their Windows values. Named with a k prefix so that they
// never meet the Windows headers' macros of the same names; the Win32 backend
// checks each value against those headers.
#pragma once

#include <cstdint>

namespace ui {

// Messages.
inline constexpr unsigned kWmDestroy = 0x0002;
inline constexpr unsigned kWmPaint = 0x000F;
inline constexpr unsigned kWmClose = 0x0010;
inline constexpr unsigned kWmDrawItem = 0x002B;
inline constexpr unsigned kWmNcDestroy = 0x0082;
inline constexpr unsigned kWmWindowPosChanging = 0x0046;
inline constexpr unsigned kWmNotify = 0x004E;
inline constexpr unsigned kWmKeyDown = 0x0100;
inline constexpr unsigned kWmInitDialog = 0x0110;
inline constexpr unsigned kWmCommand = 0x0111;
inline constexpr unsigned kWmSysCommand = 0x0112;
inline constexpr unsigned kWmTimer = 0x0113;
inline constexpr unsigned kWmCtlColor = 0x0019;  // what WM_CTLCOLOR* arrive as
inline constexpr unsigned kWmMouseMove = 0x0200;
inline constexpr unsigned kWmLButtonDown = 0x0201;
inline constexpr unsigned kWmMouseLeave = 0x02A3;
inline constexpr unsigned kWmUser = 0x0400;

enum class CtlColorKind { kEdit, kStatic, kButton, kDialog, kOther };

// Keys.
inline constexpr unsigned kVkReturn = 0x0D;
inline constexpr unsigned kVkEscape = 0x1B;
inline constexpr unsigned kVkTab = 0x09;

// Command ids of the dialog manager.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// Message boxes.
inline constexpr unsigned kMbOk = 0x0000;
inline constexpr unsigned kMbYesNo = 0x0004;
inline constexpr unsigned kMbIconExclamation = 0x0030;

enum class ShowCommand : int { kHide = 0, kShow = 5, kMinimise = 6, kRestore = 9 };

// Window styles.
inline constexpr std::uint32_t kWsGroup = 0x00020000;
inline constexpr std::uint32_t kWsVisible = 0x10000000;
inline constexpr std::uint32_t kWsDisabled = 0x08000000;
inline constexpr std::uint32_t kWsExToolWindow = 0x00000080;
inline constexpr std::uint32_t kWsExAppWindow = 0x00040000;

// Window position changes.
inline constexpr std::uint32_t kSwpShowWindow = 0x0040;

// System menu.
inline constexpr unsigned kScClose = 0xF060;

// Owner-drawn item states.
inline constexpr unsigned kOdsSelected = 0x0001;
inline constexpr unsigned kOdsDisabled = 0x0004;
inline constexpr unsigned kOdsFocus = 0x0010;

// Notifications.
inline constexpr int kNmClick = -2;
inline constexpr int kNmDblClk = -3;
inline constexpr int kHdnItemChangingA = -300;
inline constexpr unsigned kHdiWidth = 0x0001;

// List views.
inline constexpr std::uint32_t kLvsNoColumnHeader = 0x4000;
inline constexpr std::uint32_t kLvsExFullRowSelect = 0x00000020;
inline constexpr int kLvcfmtLeft = 0;
inline constexpr int kLvcfmtRight = 1;
inline constexpr int kLvcfmtCenter = 2;
inline constexpr unsigned kLvisFocused = 0x0001;
inline constexpr unsigned kLvisSelected = 0x0002;
inline constexpr int kLvsilSmall = 1;

// Image lists.
inline constexpr unsigned kIlcMask = 0x0001;
inline constexpr unsigned kIlcColorDdb = 0x00FE;

// Colours, as COLORREF (red in the low byte).
constexpr std::uint32_t Rgb(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

}  // namespace ui
