// Windows BMP files to and from TDib. Reads every file base::DecodeBmp
// reads; what it cannot read is refused with the decoder's reason.
#pragma once

#include "skin/ImgUtil/Dib.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace skin {

// Fills `bitmap` from the bytes of a BMP file: 32-bit files stay 32-bit,
// everything else becomes 24-bit. On failure the bitmap is emptied and
// `error` says why.
bool DecodeBmp(std::span<const uint8_t> file, TDib& bitmap, std::string& error);

// A bottom-up 24-bit BMP file of the bitmap (32-bit pixels lose their fourth
// byte).
std::vector<uint8_t> EncodeBmp(const TDib& bitmap);

} // namespace skin
