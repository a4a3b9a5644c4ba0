// Text as Jet 4 stores it (UCS-2 little-endian, optionally in the compressed
// form that drops zero high bytes) and as this library hands it out (UTF-8).
#pragma once

#include "catalogue/Bytes.h"

#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

// Decodes a stored text value, compressed (starting FF FE) or plain UCS-2.
// Text ends at a NUL character, as it does for every Jet client.
std::string DecodeJetText(Bytes stored);

// Plain UCS-2 little-endian bytes to UTF-8; an odd trailing byte is ignored.
std::string Utf16LeToUtf8(Bytes bytes);

// UTF-8 to UCS-2 little-endian bytes. Invalid UTF-8 bytes become U+FFFD.
std::vector<uint8_t> Utf8ToUtf16Le(std::string_view text);

// <0, 0, >0 comparing two texts with letter case ignored, the way Jet
// compares text: upper and lower case letters of Latin, Greek, Cyrillic and
// full-width Latin compare equal; everything else, spaces included, compares
// as stored.
int CompareTextIgnoringCase(std::string_view a, std::string_view b);

} // namespace catalogue
