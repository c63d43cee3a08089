// libFuzzer entry point for the statement-file reader (see run.sh).
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "reader_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string problem =
        spf::CheckReaderRoundTrip(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "round trip: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
