#pragma once

#include <string_view>

namespace zelvor {

// The version shown in the window title and by --version.
inline constexpr std::string_view kVersion = "0.16";

}  // namespace zelvor
