#include "platform/posix/NativeNames.h"

#include <cstddef>
#include <optional>

#include "platform/Platform.h"

namespace tavelin::platform {

namespace {

constexpr char16_t kByteEscape = 0xDC00;
constexpr char16_t kFirstByteEscape = 0xDC80;
constexpr char16_t kLastByteEscape = 0xDCFF;

bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The length of the well-formed UTF-8 sequence that starts at `p`, or 0 when none does: overlong
// forms, encoded surrogates, code points above U+10FFFF and cut-off sequences all give 0.
std::size_t WellFormedLength(const unsigned char* p, const unsigned char* end) {
  const unsigned char lead = *p;
  std::size_t length = 0;
  unsigned char secondMin = 0x80;
  unsigned char secondMax = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) secondMin = 0xA0;
    if (lead == 0xED) secondMax = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) secondMin = 0x90;
    if (lead == 0xF4) secondMax = 0x8F;
  } else {
    return 0;
  }
  if (static_cast<std::size_t>(end - p) < length) return 0;
  if (p[1] < secondMin || p[1] > secondMax) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
  }
  return length;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

enum class LoneSurrogates { Encode, Refuse };

std::optional<std::string> Encode(std::u16string_view text, LoneSurrogates lone) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      const char16_t low = text[++i];
      AppendUtf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (low - 0xDC00));
    } else if (unit >= kFirstByteEscape && unit <= kLastByteEscape) {
      out += static_cast<char>(unit - kByteEscape);
    } else if ((IsHighSurrogate(unit) || IsLowSurrogate(unit)) && lone == LoneSurrogates::Refuse) {
      return std::nullopt;
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

}  // namespace

std::u16string FromNativeName(std::string_view bytes) {
  // Every byte yields at most one UTF-16 unit, so the text never outgrows this.
  std::u16string text(bytes.size(), u'\0');
  char16_t* out = text.data();
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = p + bytes.size();
  while (p != end) {
    if (*p < 0x80) {
      *out++ = *p++;
      continue;
    }
    const std::size_t length = WellFormedLength(p, end);
    if (length == 0) {
      *out++ = static_cast<char16_t>(kByteEscape + *p++);
      continue;
    }
    char32_t c = *p & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
      c = (c << 6) | (p[i] & 0x3F);
    p += length;
    if (c >= 0x10000) {
      *out++ = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      *out++ = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      *out++ = static_cast<char16_t>(c);
    }
  }
  text.resize(static_cast<std::size_t>(out - text.data()));
  return text;
}

std::string ToNativeName(std::u16string_view name) {
  return *Encode(name, LoneSurrogates::Encode);
}

std::optional<std::string> ToSystemCodePage(std::u16string_view text) {
  return Encode(text, LoneSurrogates::Refuse);
}

std::u16string FromSystemCodePage(std::string_view bytes) {
  return FromNativeName(bytes);
}

}  // namespace tavelin::platform
