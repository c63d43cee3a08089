#include "catalogue.h"

#include <set>

#include "source_error.h"
#include "source_lines.h"

namespace spf::tmpl {

std::vector<std::string> ReadCatalogue(const std::string& path) {
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const SourceLine& line : ReadSourceLines(path)) {
        if (!seen.insert(line.text).second) throw SourceError(path, line.number, "sheet listed twice: " + line.text);
        names.push_back(line.text);
    }
    if (names.empty()) throw SourceError(path, 1, "no sheets listed");
    return names;
}

}  // namespace spf::tmpl
