// Recorded pages written as a PDF file, each page in its own orientation,
// with "Strona N" centred in the footer band.
#pragma once

#include <QString>

#include "printing/layout/recording_canvas.h"

namespace spf::print {

// False with the reason when the file cannot be written; nothing is left
// behind then.
bool WritePdf(const RecordingCanvas& canvas, const QString& path, QString* error);

}  // namespace spf::print
