// Replays through the normal reader every input the reader fuzzer found
// (tests/data/spf/fuzz/), its seeds and the fixtures, with the fuzzer's checks.
#include <gtest/gtest.h>

#include <filesystem>

#include "../../../fuzz/reader_round_trip.h"
#include "spf_test_support.h"

namespace spf {
namespace {

namespace fs = std::filesystem;

TEST(ReaderFuzzFindings, ReplayWithoutFault) {
    int replayed = 0;
    for (const fs::path& folder :
         {fs::path(SPF_TEST_DATA_DIR) / "spf", fs::path(SPF_SOURCE_DIR) / "fuzz" / "seeds"}) {
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            EXPECT_EQ(CheckReaderRoundTrip(test::ReadBytes(entry.path().string())), "") << entry.path();
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 30);
}

}  // namespace
}  // namespace spf
