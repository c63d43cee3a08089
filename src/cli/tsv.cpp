#include "cli/tsv.h"

namespace spf::cli {

std::string TsvEscape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (char c : field) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
        }
    }
    return out;
}

void WriteTsvLine(std::ostream& out, const std::vector<std::string>& fields) {
    bool first = true;
    for (const std::string& f : fields) {
        if (!first) out << '\t';
        out << TsvEscape(f);
        first = false;
    }
    out << '\n';
}

}  // namespace spf::cli
