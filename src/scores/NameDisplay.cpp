#include "scores/NameDisplay.h"

#include <cstdint>

namespace {
const int kShownChars = 16;          // characters of a name shown on the list
const uint32_t kLastShown = 0xFFFF;  // the font renderer takes 16-bit characters only

size_t lengthFromLead(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;  // a continuation byte, or a lead of only overlong or too large forms
}

// The length of the UTF-8 character at `at`, or 0 for a byte that starts none.
size_t charLength(const std::string& s, size_t at, uint32_t& code) {
  unsigned char lead = static_cast<unsigned char>(s[at]);
  size_t length = lengthFromLead(lead);
  if (length == 0 || at + length > s.size()) return 0;
  const uint32_t kLeadBits[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  const uint32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};  // shorter would be an overlong form
  code = lead & kLeadBits[length];
  for (size_t i = 1; i < length; ++i) {
    unsigned char next = static_cast<unsigned char>(s[at + i]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code < kLeast[length] || code > 0x10FFFF || surrogate ? 0 : length;
}

bool isControl(uint32_t code) { return code < 0x20 || (code >= 0x7F && code <= 0x9F); }
}  // namespace

std::string displayName(const std::string& name) {
  std::string shown;
  size_t at = 0;
  for (int chars = 0; chars < kShownChars && at < name.size(); ++chars) {
    uint32_t code = 0;
    size_t length = charLength(name, at, code);
    if (length == 0 || isControl(code) || code > kLastShown) {
      shown += '?';
      at += length == 0 ? 1 : length;
    } else {
      shown.append(name, at, length);
      at += length;
    }
  }
  return shown;
}
