// The recording canvas with metrics simple enough to work expected positions
// out by hand: at size s every character is 10·s wide and every line 40·s
// high (at 10 points: 100 and 400, one and four millimetres). The usable area
// is 18000 × 27000 in portrait and 27000 × 18000 in landscape.
#pragma once

#include <string>
#include <vector>

#include "printing/layout/recording_canvas.h"

namespace spf::print::test {

using DrawnText = RecordedText;
using DrawnLine = RecordedLine;

class FakePageCanvas final : public RecordingCanvas, public TextMetrics {
public:
    static constexpr int kWidth = 18000;
    static constexpr int kHeight = 27000;
    static constexpr int kTopMargin = 1000;

    FakePageCanvas() : RecordingCanvas(PageGeometry{21000, 30000, 1500, kTopMargin, 1500, 1000, 1000}) {}

    int TextWidth(std::string_view text, const PrintFont& font) override;
    int TextHeight(std::string_view text, const PrintFont& font) override;
    int WrappedHeight(std::string_view text, int width, int innerMargin, const PrintFont& font) override;

    // The first text drawn exactly so, with its page; nullptr when none.
    const DrawnText* Find(const std::string& text, size_t* page = nullptr) const;
};

}  // namespace spf::print::test
