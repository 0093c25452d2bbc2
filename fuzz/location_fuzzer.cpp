// libFuzzer entry: arbitrary bytes as the location files of one folder,
// through the parser and every rule.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_world.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zelvor::fuzz::CheckInput(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
