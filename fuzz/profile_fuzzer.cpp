// libFuzzer target for the profile-file reader and writer: scripts/fuzz.sh builds it with
// clang, every other build links it with replay_main.cpp.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/profile_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string fault =
      velkor::fuzz::checkProfileInput({reinterpret_cast<const char*>(data), size});
  if (!fault.empty()) {
    std::fprintf(stderr, "profile property broken: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
