#include "workbench/core/column_fit.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace spf {

namespace {

int Limit(const std::vector<int>& limits, size_t c, int fallback) {
    return c < limits.size() ? limits[c] : fallback;
}

// A maximum below the minimum counts as the minimum, so the limits never cross.
int Max(const std::vector<int>& maxW, const std::vector<int>& minW, size_t c, int fallback) {
    return std::max(Limit(maxW, c, fallback), Limit(minW, c, 0));
}

}  // namespace

std::vector<int> FitColumnWidths(std::vector<int> w, const std::vector<int>& minW,
                                 const std::vector<int>& maxW, int gridWidth) {
    const size_t count = w.size();
    if (count < 4) return w;
    const size_t first = 2, last = count - 2;  // content columns, inclusive
    long sum = 0;
    for (size_t c = first; c <= last; ++c) sum += w[c];
    const long available = gridWidth - kFitReserve - (w[0] + w[1] + w[count - 1]);
    if (available != 0 && sum > 0) {
        const double scale = static_cast<double>(available) / static_cast<double>(sum);
        for (size_t c = first; c <= last; ++c) w[c] = static_cast<int>(std::nearbyint(w[c] * scale));
    }
    for (size_t c = first; c <= last; ++c) {
        const int hi = Max(maxW, minW, c, w[c]), lo = Limit(minW, c, 0);
        if (w[c] > hi) w[c] = hi;
        if (w[c] < lo) w[c] = lo;
    }
    long d = gridWidth - std::accumulate(w.begin(), w.end(), 0L) - kFitReserve;
    if (d > 0) {
        for (size_t c = first; c <= last; ++c) {
            const int hi = Max(maxW, minW, c, w[c]);
            if (w[c] + d < hi) {
                w[c] += static_cast<int>(d);
                break;
            }
            d -= hi - w[c];
            w[c] = hi;
        }
    } else if (d < 0) {
        for (size_t c = first; c <= last; ++c) {
            const int lo = Limit(minW, c, 0);
            if (w[c] + d > lo) {
                w[c] += static_cast<int>(d);
                break;
            }
            d += w[c] - lo;
            w[c] = lo;
        }
    }
    return w;
}

}  // namespace spf
