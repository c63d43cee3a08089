// A page canvas that keeps what is drawn on each page, to be shown, printed
// or written out afterwards, on paper of a given size with margins and a
// footer band.
#pragma once

#include <string>
#include <vector>

#include "printing/layout/page_canvas.h"

namespace spf::print {

// Hundredths of a millimetre; the paper as it stands in portrait.
struct PageGeometry {
    int paperWidth = 21000, paperHeight = 29700;  // A4
    int left = 1499, top = 1270, right = 1000, bottom = 1270;
    int footerBand = 800;  // the page number's line, above the bottom margin
};

struct RecordedText {
    std::string text;
    PrintFont font;
    HAlign h;
    VAlign v;
    Box box;
    int innerMargin;
};

struct RecordedLine {
    int x1, y1, x2, y2;
    bool operator==(const RecordedLine&) const = default;
};

// Lines and texts never overlap in a printed table, so each kind keeps its
// own order.
struct RecordedPage {
    PageOrientation orientation = PageOrientation::Portrait;
    std::vector<RecordedText> texts;
    std::vector<RecordedLine> lines;
};

class RecordingCanvas : public PageCanvas {
public:
    explicit RecordingCanvas(const PageGeometry& geometry = {}) : geometry(geometry) {}

    PageGeometry geometry;
    PageOrientation defaultOrientation = PageOrientation::Portrait;
    std::vector<RecordedPage> pages{RecordedPage{}};

    void ClearPages() override { pages.assign(1, RecordedPage{defaultOrientation, {}, {}}); }
    void BeginUpdate() override {}
    void EndUpdate() override {}
    void NewPage() override { pages.push_back(RecordedPage{defaultOrientation, {}, {}}); }
    PageOrientation Orientation() const override { return pages.back().orientation; }
    void SetOrientation(PageOrientation o) override { pages.back().orientation = o; }
    PageOrientation DefaultOrientation() const override { return defaultOrientation; }
    int UsableWidth() const override {
        return PaperWidth(pages.back().orientation) - geometry.left - geometry.right;
    }
    int UsableHeight() const override {
        return PaperHeight(pages.back().orientation) - geometry.top - geometry.bottom - geometry.footerBand;
    }
    int TopMargin() const override { return geometry.top; }
    void TextBox(std::string_view text, const PrintFont& font, HAlign h, VAlign v, const Box& box,
                 int innerMargin) override {
        pages.back().texts.push_back({std::string(text), font, h, v, box, innerMargin});
    }
    void Line(int x1, int y1, int x2, int y2) override { pages.back().lines.push_back({x1, y1, x2, y2}); }

    int PaperWidth(PageOrientation o) const {
        return o == PageOrientation::Portrait ? geometry.paperWidth : geometry.paperHeight;
    }
    int PaperHeight(PageOrientation o) const {
        return o == PageOrientation::Portrait ? geometry.paperHeight : geometry.paperWidth;
    }
};

}  // namespace spf::print
