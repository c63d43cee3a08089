#include "formula_shorthand.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "model/text_utils.h"
#include "source_lines.h"

namespace spf::tmpl {

namespace {

bool AllDigits(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// One bracketed short form without its brackets.
std::string ExpandReference(const std::string& inner, const FormulaContext& context, int col) {
    std::string target = context.sheet;
    std::string address = std::string(Trim(inner));
    const size_t bang = address.find('!');
    if (bang != std::string::npos) {
        target = address.substr(0, bang);
        address = address.substr(bang + 1);
        const bool identifier = !target.empty() && !std::isdigit(static_cast<unsigned char>(target[0])) &&
                                std::all_of(target.begin(), target.end(), [](char c) {
                                    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
                                });
        if (!identifier) throw std::invalid_argument("bad sheet name in [" + inner + "]");
    }
    if (address.empty()) throw std::invalid_argument("empty reference [" + inner + "]");
    if (address[0] == '@') {
        const auto mapped = context.readCols.find(col);
        if (mapped == context.readCols.end())
            throw std::invalid_argument("[" + inner + "] in a column without a readcols entry");
        address = ColumnLetter(mapped->second) + address.substr(1);
        if (!AllDigits(address.substr(1))) throw std::invalid_argument("bad row in [" + inner + "]");
    } else if (address[0] == '$') {
        int refCol = col;
        std::string rest = std::string(Trim(address.substr(1)));
        if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) {
            const size_t space = rest.find(' ');
            if (space == std::string::npos) throw std::invalid_argument("bad column offset in [" + inner + "]");
            refCol += std::stoi(rest.substr(0, space));
            rest = std::string(Trim(rest.substr(space)));
        }
        if (!AllDigits(rest) || refCol < 1 || refCol > 26)
            throw std::invalid_argument("bad row in [" + inner + "]");
        address = ColumnLetter(refCol) + rest;
    } else if (address.size() < 2 || !std::isalpha(static_cast<unsigned char>(address[0])) ||
               !AllDigits(address.substr(1))) {
        throw std::invalid_argument("bad cell address in [" + inner + "]");
    }
    return "RANGE('" + target + "!" + address + "')";
}

}  // namespace

std::string ColumnLetter(int col) { return std::string(1, static_cast<char>('A' + col - 1)); }

std::optional<int> ColumnOfLetter(const std::string& letter) {
    if (letter.size() != 1 || !std::isalpha(static_cast<unsigned char>(letter[0]))) return std::nullopt;
    return std::toupper(static_cast<unsigned char>(letter[0])) - 'A' + 1;
}

std::string ExpandFormula(const std::string& formula, const FormulaContext& context, int col) {
    std::string out;
    size_t i = 0;
    while (i < formula.size()) {
        if (formula[i] != '[') {
            out.push_back(formula[i++]);
            continue;
        }
        const size_t close = formula.find(']', i);
        if (close == std::string::npos) throw std::invalid_argument("unclosed [ in " + formula);
        out += ExpandReference(formula.substr(i + 1, close - i - 1), context, col);
        i = close + 1;
    }
    return out;
}

std::string SumFormula(const std::string& rows, const FormulaContext& context, int col) {
    std::string args;
    for (const std::string& piece : SplitTrimmed(rows, ",")) {
        const size_t dots = piece.find("..");
        std::string one;
        if (dots == std::string::npos) {
            if (!AllDigits(piece)) throw std::invalid_argument("bad row in sum: " + piece);
            one = "[$" + piece + "]";
        } else {
            const std::string a(Trim(piece.substr(0, dots)));
            const std::string b(Trim(piece.substr(dots + 2)));
            if (!AllDigits(a) || !AllDigits(b) || std::stoi(b) < std::stoi(a))
                throw std::invalid_argument("bad row range in sum: " + piece);
            one = "[$" + a + "]:[$" + b + "]";
        }
        if (!args.empty()) args += ",";
        args += one;
    }
    return ExpandFormula("=SUM(" + args + ")", context, col);
}

}  // namespace spf::tmpl
