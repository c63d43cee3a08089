#include "app/product_info.h"

namespace spf {

int ProgramVersionFromText(const char* versionText) {
    int version = 0;
    for (const char* p = versionText; *p; ++p)
        if (*p >= '0' && *p <= '9') version = version * 10 + (*p - '0');
    return version;
}

}  // namespace spf
