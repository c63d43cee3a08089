// What every input must satisfy, checked by the reader fuzzer and by the
// replay of its findings in the tests: reading never crashes; a document the
// reader accepts, or the part it read of one that ends early, may be saved,
// and the written file reads back and writes again to the same bytes.
#pragma once

#include <string>
#include <string_view>

#include "model/file/document_rules.h"
#include "model/file/spf_reader.h"
#include "model/file/spf_writer.h"

namespace spf {

// Empty when the input behaves; otherwise what went wrong.
inline std::string CheckReaderRoundTrip(std::string_view bytes) {
    static const FixedClock clock(38000);
    ReadOptions options;
    options.clock = &clock;
    ReadResult first = ReadDocumentBytes(bytes, "fuzz.spf", options);
    if (!first && first.error.reason.empty()) return "a refusal without a reason";
    if (first.partial && first.error.kind != ReadFailure::Truncated)
        return "a part read of a file that did not end early";
    const std::optional<Workbook>& read = first ? first.workbook : first.partial;
    if (!read) return {};
    if (const auto reason = UnwritableReason(*read)) return "a document read could not be saved: " + *reason;
    const std::string written = WriteDocumentBytes(*read);
    ReadResult second = ReadDocumentBytes(written, "fuzz.spf", options);
    if (!second) return "the writer's output was refused: " + second.error.Message();
    // The nota_17 repair takes each label's indent from the row below, so a
    // run of such labels keeps changing from load to load by design.
    if (second.workbook->FindGrid("nota_17")) return {};
    const std::string again = WriteDocumentBytes(*second.workbook);
    ReadResult third = ReadDocumentBytes(again, "fuzz.spf", options);
    if (!third) return "the second writing was refused: " + third.error.Message();
    if (WriteDocumentBytes(*third.workbook) != again) return "a written file read and written again differs";
    return {};
}

}  // namespace spf
