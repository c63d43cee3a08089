// Printed fonts in Qt. Lengths on the page are hundredths of a millimetre, so
// a font is sized in those units: one point is 2540/72 of them.
#pragma once

#include <QFont>
#include <QString>

#include "printing/layout/page_canvas.h"

namespace spf::print {

// The family itself where installed; otherwise Liberation Sans, which has
// Arial's metrics.
QString InstalledFamily(const QString& family);

QFont ToQFont(const PrintFont& font);

}  // namespace spf::print
