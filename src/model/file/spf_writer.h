// Writing a workbook as a statement file: header records, then one block
// per sheet, every line ended by CR LF, in the Windows-1250 code page.
#pragma once

#include <string>
#include <vector>

#include "model/workbook.h"

namespace spf {

// The whole file, byte for byte. Saving checks the workbook against what the
// reader accepts first (UnwritableReason).
std::string WriteDocumentBytes(const Workbook& workbook);

// The same file as lines of UTF-8 text (escapes kept as written), without
// line ends.
std::vector<std::string> WriteDocumentLines(const Workbook& workbook);

}  // namespace spf
