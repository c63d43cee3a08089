// Text measuring with the fonts the PDF output draws with, so that what the
// layout measured is what the page shows.
#pragma once

#include "printing/layout/page_canvas.h"

class QString;

namespace spf::print {

class QtTextMetrics final : public TextMetrics {
public:
    int TextWidth(std::string_view text, const PrintFont& font) override;
    int TextHeight(std::string_view text, const PrintFont& font) override;
    int WrappedHeight(std::string_view text, int width, int innerMargin, const PrintFont& font) override;
};

// CR LF as the one line break Qt knows.
QString ToPrintedText(std::string_view text);

}  // namespace spf::print
