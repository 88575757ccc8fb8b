// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/shown_text.h"

#include <cstdint>
#include <system_error>

namespace voka {

namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;

// How many bytes the UTF-8 sequence starting at `lead` takes, and the value
// bits of its first byte; 0 for a byte that cannot start one.
int SequenceLength(unsigned char lead, char32_t& value) {
  if (lead < 0x80) return value = lead, 1;
  if (lead >= 0xC2 && lead <= 0xDF) return value = lead & 0x1F, 2;
  if (lead >= 0xE0 && lead <= 0xEF) return value = lead & 0x0F, 3;
  if (lead >= 0xF0 && lead <= 0xF4) return value = lead & 0x07, 4;
  return 0;
}

// The code point at the start of `bytes` and its length, or 0 when the bytes
// there are not valid UTF-8 (overlong forms and surrogates included).
int DecodeOne(std::string_view bytes, char32_t& codePoint) {
  const int length = SequenceLength(static_cast<unsigned char>(bytes[0]), codePoint);
  if (length == 0 || bytes.size() < static_cast<std::size_t>(length)) return 0;
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(bytes[i]);
    if ((next & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (codePoint < kShortest[length] || codePoint > kLastCodePoint) return 0;
  if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return 0;
  return length;
}

bool IsHidden(char32_t c) {
  const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
  const bool directionOverride = (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
  return control || directionOverride;
}

void AppendEscaped(std::string& out, std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    out += "\\x";
    out += kHex[value >> 4];
    out += kHex[value & 0xF];
  }
}

}  // namespace

std::string EscapedForDisplay(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    char32_t codePoint = 0;
    const int length = DecodeOne(bytes, codePoint);
    const std::size_t taken = length == 0 ? 1 : static_cast<std::size_t>(length);
    if (length == 0 || IsHidden(codePoint)) {
      AppendEscaped(out, bytes.substr(0, taken));
    } else {
      out += bytes.substr(0, taken);
    }
    bytes.remove_prefix(taken);
  }
  return out;
}

std::string ShownPath(const std::filesystem::path& file) {
  std::error_code ignored;
  const std::filesystem::path absolute = std::filesystem::absolute(file, ignored);
  const std::filesystem::path& shown = absolute.empty() ? file : absolute;
#ifdef _WIN32
  const std::u8string text = shown.u8string();
  return EscapedForDisplay(
      std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
#else
  // The name's own bytes: on these systems a file name is any bytes.
  return EscapedForDisplay(shown.native());
#endif
}

}  // namespace voka
