// Replays the profile fuzzer's corpus, so that every input it ever kept is checked on each run
// without clang's fuzzer.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/profile_check.h"
#include "support/temp_folder.h"

namespace velkor {
namespace {

TEST(ProfileCorpus, EveryStoredInputKeepsTheReaderAndWriterProperties) {
  const std::filesystem::path dir = std::filesystem::path(VELKOR_SOURCE_DIR) / "fuzz/corpus/profile";
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    ++inputs;
    EXPECT_EQ(fuzz::checkProfileInput(testing::readBytes(entry.path().string())), "")
        << entry.path().filename();
  }
  EXPECT_GE(inputs, 5) << "the corpus is missing";
}

}  // namespace
}  // namespace velkor
