// Bitmaps of this executable's resources and pictures of windows, as plain
// pixel arrays the tests can compare and save.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gallery {

// 24-bit pixels, rows top-down, each row padded to a multiple of 4 bytes as in
// a BMP file, blue-green-red in each pixel.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgr;

  int stride() const { return (width * 3 + 3) & ~3; }
  COLORREF Pixel(int x, int y) const;
};

// Pixel size of bitmap resource `bitmap_id`; 0 x 0 when it is missing.
SIZE BitmapSize(int bitmap_id);

// Draws bitmap resource `bitmap_id` unscaled with its top-left corner at x, y.
void DrawBitmap(HDC dc, int bitmap_id, int x, int y);

// The pixels of bitmap resource `bitmap_id`; empty when it is missing.
Image LoadBitmapImage(int bitmap_id);

// What `window` shows, its frame and its controls included, read back from the
// window's own device context.
Image CaptureWindow(HWND window);

// Writes `image` as a 24-bit BMP file; false when the file cannot be written.
bool WriteBmpFile(const Image& image, const std::wstring& path);

}  // namespace gallery
