#include "win32/common/Xpm.h"

#include <windows.h>

#include <charconv>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "win32/common/Failures.h"

namespace tavelin::win32 {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;

[[noreturn]] void Malformed(const std::string& what) {
  throw std::invalid_argument("XPM: " + what);
}

std::uint32_t ColourOf(std::string_view colour) {
  if (colour == "None") return 0;
  if (colour.size() != 7 || colour[0] != '#')
    Malformed("unsupported colour " + std::string(colour));
  std::uint32_t rgb = 0;
  const char* end = colour.data() + colour.size();
  const auto [stop, error] = std::from_chars(colour.data() + 1, end, rgb, 16);
  if (error != std::errc() || stop != end) Malformed("bad colour " + std::string(colour));
  return kOpaque | rgb;
}

}  // namespace

Picture ReadXpm(std::span<const char* const> lines) {
  if (lines.empty()) Malformed("no header");
  std::istringstream header(lines[0]);
  int colours = 0;
  int perPixel = 0;
  Picture picture;
  if (!(header >> picture.width >> picture.height >> colours >> perPixel) || picture.width <= 0 ||
      picture.height <= 0 || colours <= 0 || perPixel <= 0)
    Malformed("bad header");
  const auto chars = static_cast<std::size_t>(perPixel);
  if (lines.size() !=
      1 + static_cast<std::size_t>(colours) + static_cast<std::size_t>(picture.height))
    Malformed("line count does not match the header");

  std::map<std::string, std::uint32_t, std::less<>> table;
  for (int i = 1; i <= colours; ++i) {
    const std::string_view line(lines[static_cast<std::size_t>(i)]);
    const std::size_t key = line.find(" c ", chars);
    if (line.size() < chars || key != chars) Malformed("bad colour line");
    table.emplace(std::string(line.substr(0, chars)), ColourOf(line.substr(chars + 3)));
  }

  picture.pixels.reserve(static_cast<std::size_t>(picture.width) *
                         static_cast<std::size_t>(picture.height));
  for (std::size_t y = 0; y < static_cast<std::size_t>(picture.height); ++y) {
    const std::string_view row(lines[1 + static_cast<std::size_t>(colours) + y]);
    if (row.size() != chars * static_cast<std::size_t>(picture.width)) Malformed("bad row length");
    for (std::size_t x = 0; x < row.size(); x += chars) {
      const auto colour = table.find(row.substr(x, chars));
      if (colour == table.end()) Malformed("pixel of no colour");
      picture.pixels.push_back(colour->second);
    }
  }
  return picture;
}

UniqueIcon IconOf(const Picture& picture, int factor) {
  const int width = picture.width * factor;
  const int height = picture.height * factor;
  BITMAPV5HEADER format{};
  format.bV5Size = sizeof format;
  format.bV5Width = width;
  format.bV5Height = -height;  // rows from the top, as the picture holds them
  format.bV5Planes = 1;
  format.bV5BitCount = 32;
  format.bV5Compression = BI_BITFIELDS;
  format.bV5RedMask = 0x00FF0000;
  format.bV5GreenMask = 0x0000FF00;
  format.bV5BlueMask = 0x000000FF;
  format.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  UniqueBitmap colour(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&format),
                                       DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!colour) ThrowLastError("CreateDIBSection");
  auto* out = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      // Alpha is 0 or 255, so the colours need no premultiplying beyond clearing the clear ones.
      const std::uint32_t pixel = picture.At(x / factor, y / factor);
      out[y * width + x] = (pixel & kOpaque) != 0 ? pixel : 0;
    }
  }
  // The mask is still required; with an alpha channel the system draws by the alpha.
  const std::vector<std::uint8_t> maskBits(
      static_cast<std::size_t>((width + 15) / 16 * 2) * static_cast<std::size_t>(height), 0);
  UniqueBitmap mask(CreateBitmap(width, height, 1, 1, maskBits.data()));
  if (!mask) ThrowLastError("CreateBitmap");
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = colour.get();
  info.hbmMask = mask.get();
  UniqueIcon icon(CreateIconIndirect(&info));
  if (!icon) ThrowLastError("CreateIconIndirect");
  return icon;
}

}  // namespace tavelin::win32
