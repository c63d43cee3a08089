// The example statement committed in examples/ must be the one the build
// generates, so that what users open is what the sources describe.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "template_files.h"
#include "test_paths.h"

namespace spf::test {
namespace {

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot read " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ExampleFile, CommittedCopyIsTheGeneratedOne) {
    const std::string generated = Bytes(ExamplePath());
    const std::string committed = Bytes(SPF_SOURCE_DIR "/examples/przyklad.spf");
    if (generated == committed) return;
    const auto [differs, _] =
        std::mismatch(committed.begin(), committed.end(), generated.begin(), generated.end());
    ADD_FAILURE() << "examples/przyklad.spf differs from " << ExamplePath() << " from line "
                  << 1 + std::count(committed.begin(), differs, '\n')
                  << "; after changing the sources run: cmake --build BUILD --target refresh-example";
}

}  // namespace
}  // namespace spf::test
