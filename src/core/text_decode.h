// Turning a file's bytes into checker text.
#pragma once

#include <string>
#include <string_view>

namespace zelvor {

// True when bytes are well-formed UTF-8: no overlong forms, no surrogates, no
// code point past U+10FFFF, no truncated sequence.
bool IsValidUtf8(std::string_view bytes);

// A file's bytes as UTF-8 text: valid UTF-8 is taken as it is, less a leading
// byte-order mark; anything else is read as Latin-1, one character per byte
// (a byte-order mark's bytes included), so nothing is ever lost.
std::string DecodeFileBytes(std::string bytes);

}  // namespace zelvor
