// RC4 stream cipher: Jet 4 masks part of the header page with it and, in an
// encoded database, every other page too.
#pragma once

#include <cstdint>
#include <span>

namespace catalogue {

// XORs `data` in place with the RC4 key stream of `key`.
void Rc4Apply(std::span<const uint8_t> key, std::span<uint8_t> data);

} // namespace catalogue
