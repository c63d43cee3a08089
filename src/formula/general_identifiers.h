// The identifiers that stand for the document's general data in formulas
// (ROKA, MIASTO, PODATEK ...), shared by the resolver and the export form.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/dates.h"
#include "model/workbook.h"

namespace spf {

struct IdentifierValue {
    bool isInteger = false;  // PODATEK and AKCJE1..3 are Integer nodes, the rest texts
    int64_t integer = 0;
    std::string text;  // for integers their decimal text
};

// name in upper case; nothing for a name that is not a general-data identifier.
std::optional<IdentifierValue> GeneralDataIdentifier(const Workbook& workbook, const Clock& clock,
                                                     std::string_view name);

}  // namespace spf
