// The primitives every layer and tool shares: little-endian bytes (Bytes.h),
// UTF-8 and UTF-16 text and file names (Text.h, Path.h), BMP pictures
// (Bmp.h) and colours (Colour.h). Portable code: no Windows headers, built
// and tested natively.
//
// Error policy: a function that reads untrusted bytes either returns its
// result or throws base::Error, whose text is a short reason in lower case
// ("the BMP file is cut short") without the name of the file or stream; the
// caller adds the name and turns the error into its own layer's policy (an
// exception of its layer, a recorded problem, a message box). Text
// conversion never fails: invalid input becomes U+FFFD. Nothing here keeps
// global state.
#pragma once

#include <stdexcept>
#include <string>

namespace base {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& reason) : std::runtime_error(reason) {}
};

} // namespace base
