#include "model/document_header.h"

namespace spf {

void DocumentHeader::Reset(DateDays today) {
    const double bo = AFBO, bz = AFBZ;
    *this = DocumentHeader{};
    DataSporzadzenia = today;
    AFBO = bo;
    AFBZ = bz;
}

}  // namespace spf
