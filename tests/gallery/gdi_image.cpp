#include "gdi_image.h"

#include <memory>
#include <type_traits>

namespace gallery {
namespace {

struct BitmapDeleter {
  void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

struct MemoryDcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// Keeps `object` selected into `dc` for the lifetime of this value.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

OwnedBitmap LoadResourceBitmap(int bitmap_id) {
  return OwnedBitmap(
      static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmap_id),
                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

BITMAPINFO TopDown24BitInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// `bitmap` must not be selected into any device context.
Image ReadPixels(HDC dc, HBITMAP bitmap, int width, int height) {
  Image image;
  image.width = width;
  image.height = height;
  image.bgr.resize(static_cast<size_t>(image.stride()) * height);
  BITMAPINFO info = TopDown24BitInfo(width, height);
  if (GetDIBits(dc, bitmap, 0, height, image.bgr.data(), &info, DIB_RGB_COLORS) != height) {
    return Image{};
  }
  return image;
}

}  // namespace

COLORREF Image::Pixel(int x, int y) const {
  const std::uint8_t* pixel = &bgr[static_cast<size_t>(y) * stride() + x * 3];
  return RGB(pixel[2], pixel[1], pixel[0]);
}

SIZE BitmapSize(int bitmap_id) {
  const OwnedBitmap bitmap = LoadResourceBitmap(bitmap_id);
  BITMAP header{};
  if (!bitmap || GetObjectW(bitmap.get(), sizeof(header), &header) == 0) return SIZE{0, 0};
  return SIZE{header.bmWidth, header.bmHeight};
}

void DrawBitmap(HDC dc, int bitmap_id, int x, int y) {
  const OwnedBitmap bitmap = LoadResourceBitmap(bitmap_id);
  const SIZE size = BitmapSize(bitmap_id);
  const MemoryDc source(CreateCompatibleDC(dc));
  if (!bitmap || !source) return;
  const Selection selected(source.get(), bitmap.get());
  BitBlt(dc, x, y, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
}

Image LoadBitmapImage(int bitmap_id) {
  const OwnedBitmap bitmap = LoadResourceBitmap(bitmap_id);
  const SIZE size = BitmapSize(bitmap_id);
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!bitmap || !dc) return Image{};
  return ReadPixels(dc.get(), bitmap.get(), size.cx, size.cy);
}

Image CaptureWindow(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HDC window_dc = GetWindowDC(window);
  if (window_dc == nullptr) return Image{};
  const MemoryDc copy_dc(CreateCompatibleDC(window_dc));
  const OwnedBitmap copy(CreateCompatibleBitmap(window_dc, width, height));
  if (copy_dc && copy) {
    const Selection selected(copy_dc.get(), copy.get());
    BitBlt(copy_dc.get(), 0, 0, width, height, window_dc, 0, 0, SRCCOPY);
  }
  ReleaseDC(window, window_dc);
  if (!copy_dc || !copy) return Image{};
  return ReadPixels(copy_dc.get(), copy.get(), width, height);
}

bool WriteBmpFile(const Image& image, const std::wstring& path) {
  const BITMAPINFO info = TopDown24BitInfo(image.width, image.height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(image.bgr.size());

  HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const auto write = [handle](const void* data, DWORD size) {
    DWORD written = 0;
    return WriteFile(handle, data, size, &written, nullptr) && written == size;
  };
  const bool ok = write(&file, sizeof(file)) && write(&info.bmiHeader, sizeof(info.bmiHeader)) &&
                  write(image.bgr.data(), static_cast<DWORD>(image.bgr.size()));
  CloseHandle(handle);
  return ok;
}

}  // namespace gallery
