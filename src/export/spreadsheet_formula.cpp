#include "export/spreadsheet_formula.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

#include "formula/cell_reference.h"
#include "formula/formula_error.h"
#include "formula/general_identifiers.h"
#include "model/text_utils.h"

namespace spf {

namespace {

// Thrown where the spreadsheet could not compute what the program does.
struct NotCarried {};

enum class Kind { Number, Boolean };

// How tightly the text of a term binds at its top, for parenthesising.
enum Level { kRelational = 1, kAdditive, kMultiplicative, kUnary, kAtom };

struct Term {
    Kind kind = Kind::Number;
    std::string text;
    int level = kAtom;
    // The sheet's number is the program's number / 100^scale: an amount
    // cell has scale 1, a literal or a count scale 0.
    int scale = 0;
    // The program's value has no fraction (it holds whole hundredths).
    bool integral = true;
    // A single reference or literal: no rounding noise can creep in.
    bool plain = true;
    std::optional<double> literal;
    bool range = false;  // a rectangle of cells, which only SUM takes
};

std::string NumberText(double value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return buf;
}

std::string PowerOf100(int exponent) {
    std::string text = "1";
    for (int i = 0; i < exponent; ++i) text += "00";
    return text;
}

std::string Wrap(const Term& t, int level) { return t.level < level ? "(" + t.text + ")" : t.text; }

// The right operand of a binary operator: a negation gets parentheses too,
// which every spreadsheet reads alike.
std::string WrapRight(const Term& t, int level) {
    return t.level <= level || t.level == kUnary ? "(" + t.text + ")" : t.text;
}

std::string ColumnLetters(int col) {
    std::string letters;
    for (; col > 0; col = (col - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (col - 1) % 26));
    return letters;
}

std::string SheetPrefix(const std::string& name) { return "'" + ReplaceAll(name, "'", "''") + "'!"; }

class Translator {
public:
    Translator(const Workbook& workbook, const Clock& clock, int sheet, std::string_view text,
               const ReadsAsProgram& readsAsProgram)
        : workbook_(workbook),
          clock_(clock),
          defaultSheet_(sheet),
          text_(text),
          readsAsProgram_(readsAsProgram) {}

    std::string Formula() {
        Term t = Expression();
        SkipBlanks();
        if (pos_ != text_.size() || t.kind != Kind::Number) throw NotCarried{};
        // The shown amount is the program's result in hundredths.
        return "=" + Rescale(Cut(std::move(t)), 1).text;
    }

private:
    void SkipBlanks() {
        while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) <= 32) ++pos_;
    }
    char Peek() {
        SkipBlanks();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Expect(char c) {
        if (Peek() != c) throw NotCarried{};
        ++pos_;
    }
    bool IsIdentifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }

    std::string Identifier() {
        SkipBlanks();
        const size_t start = pos_;
        while (pos_ < text_.size() &&
               (IsIdentifierStart(text_[pos_]) || std::isdigit(static_cast<unsigned char>(text_[pos_]))))
            ++pos_;
        return ToUpperAscii(std::string(text_.substr(start, pos_ - start)));
    }

    // The program cuts the value of every call, group and argument at its
    // decimal comma: an amount keeps whole hundredths.
    static Term Cut(Term t) {
        if (t.kind != Kind::Number || t.integral) return t;
        if (t.literal) t.literal = std::trunc(*t.literal);
        t.text = "TRUNC(" + t.text + (t.scale != 0 ? "," + std::to_string(2 * t.scale) : "") + ")";
        t.level = kAtom;
        t.integral = true;
        t.plain = false;
        return t;
    }

    static Term Rescale(Term t, int scale) {
        if (t.kind != Kind::Number) throw NotCarried{};
        const int diff = t.scale - scale;
        if (diff == 0) return t;
        if (t.range) throw NotCarried{};
        if (t.literal) {
            t.literal = *t.literal * std::pow(100.0, diff);
            t.text = NumberText(*t.literal);
            t.level = *t.literal < 0 ? kUnary : kAtom;
        } else {
            t.text = Wrap(t, kMultiplicative) + (diff > 0 ? "*" : "/") + PowerOf100(std::abs(diff));
            t.level = kMultiplicative;
            t.plain = false;
        }
        t.scale = scale;
        return t;
    }

    // Terms that meet in a sum, a comparison or the branches of IF take the
    // scale of the first one that is not a bare number.
    static int CommonScale(const std::vector<const Term*>& terms) {
        for (const Term* t : terms)
            if (!t->literal) return t->scale;
        return terms.empty() ? 0 : terms.front()->scale;
    }

    Term Expression() {
        Term left = Additive();
        for (;;) {
            SkipBlanks();
            std::string op;
            if (pos_ < text_.size() && (text_[pos_] == '<' || text_[pos_] == '>' || text_[pos_] == '=')) {
                op = text_[pos_++];
                if (pos_ < text_.size() && op != "=" &&
                    (text_[pos_] == '=' || (op == "<" && text_[pos_] == '>')))
                    op += text_[pos_++];
            } else {
                return left;
            }
            Term right = Additive();
            left = Compare(std::move(left), op, std::move(right));
        }
    }

    static Term Compare(Term left, const std::string& op, Term right) {
        if (left.kind != right.kind) throw NotCarried{};
        if (left.kind == Kind::Number) {
            const int scale = CommonScale({&left, &right});
            left = Steady(Rescale(std::move(left), scale));
            right = Steady(Rescale(std::move(right), scale));
        } else if (op != "=" && op != "<>") {
            throw NotCarried{};
        }
        Term t;
        t.kind = Kind::Boolean;
        t.text = Wrap(left, kAdditive) + op + WrapRight(right, kRelational);
        t.level = kRelational;
        t.plain = false;
        return t;
    }

    // A computed whole amount rounded to its hundredths before it is
    // compared: the sheet's binary fractions must not tip a comparison that
    // the program makes on exact integers.
    static Term Steady(Term t) {
        if (t.plain || !t.integral) return t;
        t.text = "ROUND(" + t.text + "," + std::to_string(2 * t.scale) + ")";
        t.level = kAtom;
        return t;
    }

    Term Additive() {
        Term left = Multiplicative();
        for (;;) {
            const char c = Peek();
            if (c != '+' && c != '-') {
                if (IsIdentifierStart(c)) throw NotCarried{};  // OR, XOR
                return left;
            }
            ++pos_;
            Term right = Multiplicative();
            if (left.kind != Kind::Number || right.kind != Kind::Number) throw NotCarried{};
            const int scale = CommonScale({&left, &right});
            left = Rescale(std::move(left), scale);
            right = Rescale(std::move(right), scale);
            Term t;
            t.text = Wrap(left, kAdditive) + c + WrapRight(right, kAdditive);
            t.level = kAdditive;
            t.scale = scale;
            t.integral = left.integral && right.integral;
            t.plain = false;
            left = std::move(t);
        }
    }

    Term Multiplicative() {
        Term left = Factor();
        for (;;) {
            const char c = Peek();
            if (c != '*' && c != '/') {
                if (c == '^' || IsIdentifierStart(c)) throw NotCarried{};  // powers, DIV, MOD, AND, shifts
                return left;
            }
            ++pos_;
            Term right = Factor();
            if (left.kind != Kind::Number || right.kind != Kind::Number) throw NotCarried{};
            Term t;
            t.text = Wrap(left, kMultiplicative) + c + WrapRight(right, kMultiplicative);
            t.level = kMultiplicative;
            t.scale = c == '*' ? left.scale + right.scale : left.scale - right.scale;
            t.integral = c == '*' && left.integral && right.integral;
            t.plain = false;
            left = std::move(t);
        }
    }

    Term Factor() {
        const char c = Peek();
        if (c == '-' || c == '+') {
            ++pos_;
            Term t = Factor();
            if (t.kind != Kind::Number) throw NotCarried{};
            if (c == '+') return t;
            t.text = "-" + Wrap(t, kUnary);
            t.level = kUnary;
            if (t.literal) t.literal = -*t.literal;
            return t;
        }
        if (std::isdigit(static_cast<unsigned char>(c))) return Number();
        if (c == '(') {
            ++pos_;
            Term t = Expression();
            Expect(')');
            t = Cut(std::move(t));
            t.text = Wrap(t, kAtom);
            t.level = kAtom;
            return t;
        }
        if (!IsIdentifierStart(c)) throw NotCarried{};
        const std::string name = Identifier();
        if (pos_ < text_.size() && text_[pos_] == '(') return Call(name);
        if (name == "TRUE" || name == "FALSE") {
            Term t;
            t.kind = Kind::Boolean;
            t.text = name;
            return t;
        }
        const auto value = GeneralDataIdentifier(workbook_, clock_, name);
        // Text identifiers (years, dates, names) give a text, never an amount.
        if (!value || !value->isInteger) throw NotCarried{};
        Term t;
        t.text = value->text;
        t.literal = static_cast<double>(value->integer);
        t.level = value->integer < 0 ? kUnary : kAtom;
        return t;
    }

    Term Number() {
        const size_t start = pos_;
        bool integer = true;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (std::isdigit(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (c == '.') {
                integer = false, ++pos_;
            } else if ((c == 'e' || c == 'E') && pos_ + 1 < text_.size()) {
                integer = false, ++pos_;
                if (text_[pos_] == '-') ++pos_;
            } else {
                break;
            }
        }
        Term t;
        t.text = std::string(text_.substr(start, pos_ - start));
        t.literal = std::strtod(t.text.c_str(), nullptr);
        t.integral = integer;
        return t;
    }

    // A reference as RANGE reads it: the sheet it names becomes the default
    // for the references after it.
    CellReference Reference() {
        Expect('(');
        if (Peek() != '\'') throw NotCarried{};
        std::string ref;
        for (++pos_;; ++pos_) {
            if (pos_ >= text_.size()) throw NotCarried{};
            if (text_[pos_] == '\'') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                    ++pos_;
                } else {
                    break;
                }
            }
            ref += text_[pos_];
        }
        ++pos_;
        Expect(')');
        CellReference r;
        try {
            r = ParseReference(workbook_, ref);
        } catch (const FormulaError&) {
            throw NotCarried{};
        }
        if (r.sheet < 0) r.sheet = defaultSheet_;
        defaultSheet_ = r.sheet;
        return r;
    }

    // The scale of the spreadsheet cell, when it holds what the program reads.
    int ScaleOf(int sheet, int col, int row) {
        const Grid& grid = *workbook_.Sheets[static_cast<size_t>(sheet)].Grid;
        if (col < 1 || row < 1 || !grid.Contains(col, row)) throw NotCarried{};
        const auto scale = readsAsProgram_(sheet, col, row);
        if (!scale) throw NotCarried{};
        return *scale;
    }

    std::string CellText(int col, int row) { return ColumnLetters(col) + std::to_string(row); }

    // SUM's argument: a number, or a rectangle RANGE('..'):RANGE('..').
    Term Argument() {
        const size_t start = pos_;
        if (Identifier() == "RANGE" && pos_ < text_.size() && text_[pos_] == '(') {
            const CellReference first = Reference();
            if (Peek() == ':') {
                ++pos_;
                if (Identifier() != "RANGE" || pos_ >= text_.size() || text_[pos_] != '(') throw NotCarried{};
                const int sheet = first.sheet;
                CellReference last = Reference();
                defaultSheet_ = sheet;
                if (last.col < first.col || last.row < first.row) throw NotCarried{};
                // One scale for the whole rectangle, which SUM adds as it is.
                const int scale = ScaleOf(sheet, first.col, first.row);
                for (int c = first.col; c <= last.col; ++c)
                    for (int r = first.row; r <= last.row; ++r)
                        if (ScaleOf(sheet, c, r) != scale) throw NotCarried{};
                const char next = Peek();
                if (next != ',' && next != ')') throw NotCarried{};
                Term t;
                t.text = SheetPrefix(workbook_.Sheets[static_cast<size_t>(sheet)].GridName) +
                         CellText(first.col, first.row) + ":" + CellText(last.col, last.row);
                t.scale = scale;
                t.plain = false;
                t.range = true;
                return t;
            }
        }
        pos_ = start;
        return Cut(Expression());
    }

    std::vector<Term> Arguments() {
        Expect('(');
        std::vector<Term> args;
        if (Peek() == ')') throw NotCarried{};
        for (;;) {
            args.push_back(Argument());
            const char c = Peek();
            ++pos_;
            if (c == ')') return args;
            if (c != ',') throw NotCarried{};
        }
    }

    std::string JoinAt(std::vector<Term>& args, size_t from, int scale) {
        std::string joined;
        for (size_t i = from; i < args.size(); ++i) {
            args[i] = Rescale(std::move(args[i]), scale);
            joined += (i > from ? "," : "") + args[i].text;
        }
        return joined;
    }

    Term Call(const std::string& name) {
        Term t;
        t.plain = false;
        if (name == "RANGE") {
            const CellReference r = Reference();
            t.scale = ScaleOf(r.sheet, r.col, r.row);
            t.text =
                SheetPrefix(workbook_.Sheets[static_cast<size_t>(r.sheet)].GridName) + CellText(r.col, r.row);
            t.plain = true;
            return t;
        }
        std::vector<Term> args = Arguments();
        std::vector<const Term*> numbers;
        bool range = false;
        for (const Term& a : args) {
            if (a.kind == Kind::Number) numbers.push_back(&a);
            range = range || a.range;
        }
        if (range && name != "SUM") throw NotCarried{};
        if (name == "SUM") {
            if (numbers.size() != args.size()) throw NotCarried{};
            t.scale = CommonScale(numbers);
            t.text = "SUM(" + JoinAt(args, 0, t.scale) + ")";
        } else if (name == "IF") {
            if (args.size() != 3 || args[0].kind != Kind::Boolean || numbers.size() != 2) throw NotCarried{};
            t.scale = CommonScale(numbers);
            t.text = "IF(" + args[0].text + "," + JoinAt(args, 1, t.scale) + ")";
        } else if (name == "ZAOKR") {
            // Whole units, a half to the even neighbour as the program rounds
            // (ROUND alone takes 122,50 to 123, the program to 122).
            if (args.size() != 1 || numbers.size() != 1 || args[0].scale != 1) throw NotCarried{};
            t.scale = 1;
            const std::string x = Steady(args[0]).text;
            t.text = "IF(MOD(" + x + ",1)=0.5,2*ROUND(" + x + "/2,0),ROUND(" + x + ",0))";
        } else {
            throw NotCarried{};
        }
        return t;
    }

    const Workbook& workbook_;
    const Clock& clock_;
    int defaultSheet_;
    std::string_view text_;
    size_t pos_ = 0;
    const ReadsAsProgram& readsAsProgram_;
};

}  // namespace

std::optional<std::string> FormulaForExport(const Workbook& workbook, const Clock& clock, int sheet,
                                            std::string_view formula, const ReadsAsProgram& readsAsProgram) {
    // The program never evaluates a formula that reaches the options sheet.
    if (FindIgnoreCase(formula, "Opcje!") != std::string::npos) return std::nullopt;
    if (!formula.empty() && formula.front() == '=') formula.remove_prefix(1);
    try {
        return Translator(workbook, clock, sheet, formula, readsAsProgram).Formula();
    } catch (const NotCarried&) {
        return std::nullopt;
    }
}

}  // namespace spf
