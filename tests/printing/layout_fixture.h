// A queue on the recording canvas and sheets whose rows are easy to find on
// the pages: row i of a table holds the label PREFIX+i in its text column and
// the amount 100 in two amount columns. At 10 points every such row is 500
// high, a one-line caption 925 (drawn in 926) and the text column 14300 wide.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "fake_page_canvas.h"
#include "model/workbook.h"
#include "printing/layout/print_queue.h"

namespace spf::print::test {

class LayoutFixture : public ::testing::Test {
protected:
    FakePageCanvas canvas;
    TPrintQueue queue{canvas, canvas};
    Workbook book;

    // A sheet of the given rows (columns 2..4 carry the table) and an entry over all of them.
    TGridProperties& Table(const std::string& prefix, int rows, const std::string& title = {});
    // The sheet behind an entry, for shaping its cells.
    Grid& GridOf(const TGridProperties& entry) { return const_cast<Grid&>(*entry.Grid); }
    void Run() {
        queue.LayOutAll();
        queue.RenderAll();
    }
    // The page a text was first drawn on, or -1.
    int PageOf(const std::string& text) const;
    // The top of the box a text was first drawn in.
    int TopOf(const std::string& text) const;
};

}  // namespace spf::print::test
