#include "period/core/ratio_sheet_block.h"

namespace spf {

const std::vector<std::string>& RatioSheetBlockLines() {
    static const std::vector<std::string> lines;
    return lines;
}

}  // namespace spf
