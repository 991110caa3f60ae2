// Checks the committed art in src/res/art: every bitmap the dialogs load is a
// 24-bit uncompressed DIB of the size its button or dialog is laid out for,
// and the two icons hold the images the shell and the contract list ask for.
// The art is drawn by tools/make_art.py; when a size here changes, change the
// script too and rerun it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#ifndef VELMAR_RES_ART_DIR
#error "the build must define VELMAR_RES_ART_DIR as the art directory, a string literal"
#endif

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct BitmapSize {
  int id;
  int width;
  int height;
};

// Backgrounds are the dialogs' client sizes at the standard scale; faces are
// the sizes the buttons take from their bitmaps.
constexpr BitmapSize kBitmaps[] = {
    {130, 410, 227}, {131, 121, 27}, {132, 121, 27}, {133, 81, 70},   {139, 71, 36},
    {140, 71, 36},   {141, 71, 36},  {142, 71, 36},  {143, 71, 36},   {144, 71, 36},
    {145, 83, 21},   {146, 83, 21},  {147, 90, 24},  {148, 90, 24},   {152, 77, 73},
    {153, 77, 73},   {154, 77, 73},  {155, 77, 73},  {156, 78, 73},   {157, 78, 73},
    {158, 77, 73},   {159, 77, 73},  {160, 77, 73},  {161, 77, 73},   {162, 20, 20},
    {163, 20, 20},   {166, 432, 611}, {168, 396, 261}, {169, 107, 29}, {170, 90, 24},
    {172, 20, 20},   {173, 121, 27}, {174, 121, 27}, {175, 81, 70},
};

struct IconImage {
  int width;
  int height;
  int bits_per_pixel;

  bool operator==(const IconImage& other) const {
    return width == other.width && height == other.height && bits_per_pixel == other.bits_per_pixel;
  }
  bool operator<(const IconImage& other) const {
    if (width != other.width) return width < other.width;
    if (height != other.height) return height < other.height;
    return bits_per_pixel < other.bits_per_pixel;
  }
};

struct IconContents {
  const char* file_name;
  std::vector<IconImage> images;
};

const IconContents kIcons[] = {
    {"136_app.ico",
     {{16, 16, 32}, {20, 20, 32}, {24, 24, 32}, {32, 32, 32}, {40, 40, 32},
      {48, 48, 32}, {64, 64, 32}, {128, 128, 32}, {256, 256, 32}}},
    {"137_row.ico", {{16, 16, 8}, {16, 16, 32}}},
};

// Far above the largest picture (the main background, about 790 KB); a
// bigger file is not ours and reads as empty.
constexpr std::size_t kMaxArtFileBytes = 4u << 20;

fs::path ArtDir() { return fs::path(VELMAR_RES_ART_DIR); }

Bytes ReadFile(const fs::path& path) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  if (error || size > kMaxArtFileBytes) return {};
  Bytes bytes(static_cast<std::size_t>(size));
  std::ifstream in(path, std::ios::binary);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  return bytes;
}

// Fixed-width fields of a file read so far; every read past the end is empty.
class Fields {
 public:
  explicit Fields(const Bytes& bytes) : bytes_(bytes) {}

  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  std::optional<std::uint32_t> Le(std::size_t offset, std::size_t width) const {
    if (!Has(offset, width)) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = (value << 8) | bytes_[offset + i];
    return value;
  }
  std::optional<std::uint32_t> Be(std::size_t offset, std::size_t width) const {
    if (!Has(offset, width)) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) value = (value << 8) | bytes_[offset + i];
    return value;
  }
  std::optional<std::int32_t> LeSigned32(std::size_t offset) const {
    auto value = Le(offset, 4);
    if (!value) return std::nullopt;
    return static_cast<std::int32_t>(*value);
  }
  bool Equals(std::size_t offset, const std::string& expected) const {
    return Has(offset, expected.size()) &&
           std::equal(expected.begin(), expected.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset),
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
  }
  std::size_t size() const { return bytes_.size(); }

 private:
  const Bytes& bytes_;
};

struct DibHeader {
  std::int32_t width;
  std::int32_t height;  // positive: bottom-up
  std::uint32_t bits_per_pixel;
  std::uint32_t compression;
};

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER

std::optional<DibHeader> ParseDibHeader(const Fields& fields, std::size_t at) {
  auto header_size = fields.Le(at, 4);
  auto width = fields.LeSigned32(at + 4);
  auto height = fields.LeSigned32(at + 8);
  auto planes = fields.Le(at + 12, 2);
  auto bits = fields.Le(at + 14, 2);
  auto compression = fields.Le(at + 16, 4);
  if (!header_size || !width || !height || !planes || !bits || !compression) return std::nullopt;
  if (*header_size < kInfoHeaderSize || *planes != 1) return std::nullopt;
  return DibHeader{*width, *height, *bits, *compression};
}

// The header of a .bmp file whose pixel rows are all present, or nothing.
std::optional<DibHeader> ParseBmp(const Bytes& bytes) {
  const Fields fields(bytes);
  constexpr std::size_t kFileHeaderSize = 14;
  auto pixels_at = fields.Le(10, 4);
  if (!fields.Equals(0, "BM") || !pixels_at) return std::nullopt;
  auto dib = ParseDibHeader(fields, kFileHeaderSize);
  if (!dib || dib->width <= 0 || dib->height <= 0 || dib->bits_per_pixel == 0 || dib->bits_per_pixel > 32) {
    return std::nullopt;
  }
  const std::uint64_t stride = (static_cast<std::uint64_t>(dib->width) * dib->bits_per_pixel + 31) / 32 * 4;
  const std::uint64_t end = *pixels_at + stride * static_cast<std::uint64_t>(dib->height);
  if (end > fields.size()) return std::nullopt;
  return dib;
}

// Width, height and depth of an icon image stored as PNG (IHDR) or as a DIB.
std::optional<IconImage> ParseIconImage(const Fields& fields, std::size_t at) {
  static const std::string kPngSignature = "\x89PNG\r\n\x1a\n";
  if (fields.Equals(at, kPngSignature)) {
    if (!fields.Equals(at + 12, "IHDR")) return std::nullopt;
    auto width = fields.Be(at + 16, 4);
    auto height = fields.Be(at + 20, 4);
    auto bit_depth = fields.Be(at + 24, 1);
    auto colour_type = fields.Be(at + 25, 1);
    if (!width || !height || !bit_depth || !colour_type) return std::nullopt;
    constexpr std::uint32_t kTruecolourWithAlpha = 6;
    if (*colour_type != kTruecolourWithAlpha) return std::nullopt;
    return IconImage{static_cast<int>(*width), static_cast<int>(*height), static_cast<int>(*bit_depth * 4)};
  }
  auto dib = ParseDibHeader(fields, at);
  // An icon DIB's height counts its colour image and its AND mask.
  if (!dib || dib->compression != kBiRgb || dib->height % 2 != 0) return std::nullopt;
  return IconImage{dib->width, dib->height / 2, static_cast<int>(dib->bits_per_pixel)};
}

// The images of an .ico file, each checked against its directory entry, or nothing.
std::optional<std::vector<IconImage>> ParseIco(const Bytes& bytes) {
  const Fields fields(bytes);
  auto reserved = fields.Le(0, 2);
  auto type = fields.Le(2, 2);
  auto count = fields.Le(4, 2);
  if (!reserved || !type || !count || *reserved != 0 || *type != 1) return std::nullopt;
  std::vector<IconImage> images;
  for (std::size_t i = 0; i < *count; ++i) {
    const std::size_t entry = 6 + 16 * i;
    auto width = fields.Le(entry, 1);
    auto height = fields.Le(entry + 1, 1);
    auto bits = fields.Le(entry + 6, 2);
    auto length = fields.Le(entry + 8, 4);
    auto offset = fields.Le(entry + 12, 4);
    if (!width || !height || !bits || !length || !offset || !fields.Has(*offset, *length)) return std::nullopt;
    auto image = ParseIconImage(fields, *offset);
    // A size byte of 0 stands for 256.
    const IconImage listed{*width == 0 ? 256 : static_cast<int>(*width),
                           *height == 0 ? 256 : static_cast<int>(*height), static_cast<int>(*bits)};
    if (!image || !(*image == listed)) return std::nullopt;
    images.push_back(*image);
  }
  return images;
}

// The art files with extension `ext`, by the bitmap or icon id their names begin with.
std::multimap<int, fs::path> ArtFilesById(const std::string& ext) {
  std::multimap<int, fs::path> files;
  for (const auto& entry : fs::directory_iterator(ArtDir())) {
    const std::string name = entry.path().filename().string();
    const std::size_t digits = name.find_first_not_of("0123456789");
    if (entry.path().extension() != ext || digits == 0 || digits == std::string::npos || name[digits] != '_') {
      continue;
    }
    files.emplace(std::stoi(name.substr(0, digits)), entry.path());
  }
  return files;
}

TEST(ResArt, EveryListedBitmapIsA24BitDibOfItsSize) {
  const auto files = ArtFilesById(".bmp");
  for (const BitmapSize& expected : kBitmaps) {
    SCOPED_TRACE("bitmap " + std::to_string(expected.id));
    ASSERT_EQ(files.count(expected.id), 1u);
    const Bytes bytes = ReadFile(files.find(expected.id)->second);
    const auto header = ParseBmp(bytes);
    ASSERT_TRUE(header.has_value()) << "not a complete BMP file";
    EXPECT_EQ(header->bits_per_pixel, 24u);
    EXPECT_EQ(header->compression, kBiRgb);
    EXPECT_EQ(header->width, expected.width);
    EXPECT_EQ(header->height, expected.height);
  }
}

TEST(ResArt, NoBitmapOutsideTheList) {
  for (const auto& [id, path] : ArtFilesById(".bmp")) {
    const bool listed = std::any_of(std::begin(kBitmaps), std::end(kBitmaps),
                                    [id = id](const BitmapSize& bitmap) { return bitmap.id == id; });
    EXPECT_TRUE(listed) << path;
  }
}

TEST(ResArt, IconsHoldTheirSizesAndDepths) {
  for (const IconContents& expected : kIcons) {
    SCOPED_TRACE(expected.file_name);
    const fs::path path = ArtDir() / expected.file_name;
    ASSERT_TRUE(fs::exists(path));
    auto images = ParseIco(ReadFile(path));
    ASSERT_TRUE(images.has_value()) << "not a consistent ICO file";
    std::sort(images->begin(), images->end());
    auto wanted = expected.images;
    std::sort(wanted.begin(), wanted.end());
    EXPECT_TRUE(*images == wanted);
  }
}

// The parsers must refuse, not overrun, a file cut short anywhere.
TEST(ResArt, ParsersRejectTruncatedFiles) {
  const auto bitmaps = ArtFilesById(".bmp");
  ASSERT_EQ(bitmaps.count(162), 1u);
  const Bytes bitmap = ReadFile(bitmaps.find(162)->second);
  const Bytes icon = ReadFile(ArtDir() / "136_app.ico");
  ASSERT_TRUE(ParseBmp(bitmap).has_value());
  ASSERT_TRUE(ParseIco(icon).has_value());
  struct Cut {
    const char* what;
    const Bytes& file;
    std::size_t keep;
    bool is_icon;
  };
  const Cut cuts[] = {
      {"empty bitmap", bitmap, 0, false},
      {"bitmap inside the file header", bitmap, 9, false},
      {"bitmap inside the info header", bitmap, 30, false},
      {"bitmap without its last row", bitmap, bitmap.size() - 1, false},
      {"empty icon", icon, 0, true},
      {"icon inside its directory", icon, 20, true},
      {"icon inside an image", icon, 200, true},
      {"icon without its last byte", icon, icon.size() - 1, true},
  };
  for (const Cut& cut : cuts) {
    SCOPED_TRACE(cut.what);
    const Bytes shortened(cut.file.begin(), cut.file.begin() + static_cast<std::ptrdiff_t>(cut.keep));
    if (cut.is_icon) {
      EXPECT_FALSE(ParseIco(shortened).has_value());
    } else {
      EXPECT_FALSE(ParseBmp(shortened).has_value());
    }
  }
}

}  // namespace
