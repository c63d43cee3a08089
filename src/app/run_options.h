// The two options of the running program; both start on and are not stored.
#pragma once

namespace spf {

struct RunOptions {
    bool autoRecalc = true;      // "Przeliczaj formuły automatycznie"
    bool autoFitColumns = true;  // "Automatycznie dopasuj szerokości kolumn"
};

}  // namespace spf
