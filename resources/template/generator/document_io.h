// The generator's only contact with the document reader, writer and
// recalculation, so that the generated files are exactly what the program
// itself reads and writes.
#pragma once

#include <string>

#include "model/workbook.h"

namespace spf::tmpl {

// The workbook written and read back through the real reader, which puts
// in the built-in ratio sheet and applies the load-time repairs. fileName
// decides, as for any file, whether the reader takes it for the template.
// Throws std::runtime_error with the reader's message.
Workbook ReadBack(const Workbook& workbook, const std::string& fileName);

// Runs the workbook recalculation until no cell changes; throws when it has
// not come to rest after maxRuns runs.
void RecalculateToRest(Workbook& workbook, int maxRuns);

// Writes the workbook as the program saves it, replacing path only once the
// whole file is written.
void WriteDocumentFile(const Workbook& workbook, const std::string& path);

// Writes bytes to path the same way.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace spf::tmpl
