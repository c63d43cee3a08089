// Recursive descent over a string_view: levels from the relational
// operators down to factors. Nothing is allocated but the nodes themselves
// and the texts of string literals and identifiers.
#include "formula/expression/parser.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "formula/expression/builtin_functions.h"
#include "formula/expression/errors.h"
#include "formula/expression/literals.h"
#include "formula/expression/number_scan.h"
#include "formula/expression/object_property.h"
#include "formula/expression/operators.h"
#include "formula/expression/text_chars.h"

namespace spf::expr {
namespace {

using Op = OperatorCode;

// Trees deeper than this would exhaust the stack when parsed, read or
// released; no formula comes near it.
constexpr int kMaxDepth = 1000;
constexpr size_t kMaxNumberLength = 28;
constexpr size_t kMaxStringChars = 256;
constexpr size_t kMaxHexDigits = 255;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// Precedence level of a binary operator, lowest first; -1 for NOT.
int OperatorLevel(OperatorCode op) {
    switch (op) {
        case Op::opNot:
            return -1;
        case Op::opPlus:
        case Op::opMinus:
        case Op::opOr:
        case Op::opXor:
            return 1;
        case Op::opMult:
        case Op::opDivide:
        case Op::opDiv:
        case Op::opMod:
        case Op::opAnd:
        case Op::opShl:
        case Op::opShr:
            return 2;
        case Op::opExp:
            return 3;
        default:
            return 0;  // relational
    }
}
constexpr int kFactorLevel = 4;

// A word operator is the whole identifier word, in any letter case: "ANDY"
// and "AN" are identifiers, never operators.
std::optional<OperatorCode> WordOperator(std::string_view word) {
    if (word.size() < 2 || word.size() > 3) return std::nullopt;
    char up[3];
    for (size_t i = 0; i < word.size(); ++i) up[i] = static_cast<char>(word[i] & ~0x20);
    const std::string_view w(up, word.size());
    static constexpr std::pair<std::string_view, OperatorCode> words[] = {
        {"NOT", Op::opNot}, {"DIV", Op::opDiv}, {"MOD", Op::opMod}, {"AND", Op::opAnd},
        {"SHL", Op::opShl}, {"SHR", Op::opShr}, {"OR", Op::opOr},   {"XOR", Op::opXor}};
    for (const auto& [name, op] : words) {
        if (w == name) return op;
    }
    return std::nullopt;
}

struct OperatorToken {
    OperatorCode op;
    size_t length;
};

class Parser {
public:
    Parser(std::string_view text, const IdentifierResolver& resolver) : text_(text), resolver_(resolver) {}

    ValueRef ParseAll() {
        Node root = Level(0);
        SkipBlanks();
        if (pos_ < text_.size()) {
            const std::string_view rest = text_.substr(pos_);
            throw EExpression(std::string(rest.substr(0, CharOffset(rest, 1))) + " not appropriate");
        }
        return std::move(root.value);
    }

private:
    // A node and the depth of the tree below it.
    struct Node {
        ValueRef value;
        int depth;
    };

    // Counts the recursion of factors, which nests through parentheses,
    // unary operators and parameter lists.
    class NestingGuard {
    public:
        explicit NestingGuard(int& nesting) : nesting_(nesting) {
            if (++nesting_ > kMaxDepth) throw EExpression("Expression too deeply nested");
        }
        ~NestingGuard() { --nesting_; }
        NestingGuard(const NestingGuard&) = delete;
        NestingGuard& operator=(const NestingGuard&) = delete;

    private:
        int& nesting_;
    };

    char Peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    }

    size_t IdentifierEnd(size_t from) const {
        while (from < text_.size() && IsIdentChar(text_[from])) ++from;
        return from;
    }

    std::optional<OperatorToken> PeekOperator() const {
        switch (Peek()) {
            case '^':
                return OperatorToken{Op::opExp, 1};
            case '*':
                return OperatorToken{Op::opMult, 1};
            case '/':
                return OperatorToken{Op::opDivide, 1};
            case '+':
                return OperatorToken{Op::opPlus, 1};
            case '-':
                return OperatorToken{Op::opMinus, 1};
            case '=':
                return OperatorToken{Op::opEq, 1};
            case '<':
                if (Peek(1) == '=') return OperatorToken{Op::opLTE, 2};
                if (Peek(1) == '>') return OperatorToken{Op::opNEq, 2};
                return OperatorToken{Op::opLT, 1};
            case '>':
                if (Peek(1) == '=') return OperatorToken{Op::opGTE, 2};
                return OperatorToken{Op::opGT, 1};
            default:
                break;
        }
        if (!IsIdentStart(Peek())) return std::nullopt;
        const size_t end = IdentifierEnd(pos_);
        if (const auto op = WordOperator(text_.substr(pos_, end - pos_)))
            return OperatorToken{*op, end - pos_};
        return std::nullopt;
    }

    static int Deeper(int depth) {
        if (depth + 1 > kMaxDepth) throw EExpression("Expression too deeply nested");
        return depth + 1;
    }

    // One binary level; the operator is consumed only when it belongs here.
    Node Level(int level) {
        if (level == kFactorLevel) return Postfix();
        Node left = Level(level + 1);
        for (;;) {
            SkipBlanks();
            const auto token = PeekOperator();
            if (!token || OperatorLevel(token->op) != level) return left;
            pos_ += token->length;
            Node right = Level(level + 1);
            const int depth = Deeper(std::max(left.depth, right.depth));
            if (level == 0) {
                left.value =
                    std::make_shared<TRelationalOp>(token->op, std::move(left.value), std::move(right.value));
            } else {
                left.value =
                    std::make_shared<TBinaryOp>(token->op, std::move(left.value), std::move(right.value));
            }
            left.depth = depth;
        }
    }

    Node Postfix() {
        Node node = Factor();
        for (;;) {
            SkipBlanks();
            if (Peek() != '.' || node.value->ResultType() != ValueType::Object) return node;
            ++pos_;
            HostObject object = node.value->ObjectValue();
            if (!IsIdentStart(Peek())) {
                throw EExpression("Invalid property of object " +
                                  (object ? object->ClassName() : std::string("nil")));
            }
            const size_t end = IdentifierEnd(pos_);
            node.value = std::make_shared<TObjectProperty>(std::move(object), text_.substr(pos_, end - pos_));
            node.depth = Deeper(node.depth);
            pos_ = end;
        }
    }

    Node Factor() {
        NestingGuard guard(nesting_);
        SkipBlanks();
        const char c = Peek();
        if (pos_ >= text_.size() || c == ')' || c == ',') throw EExpression("Unexpected end of factor");
        if (const auto token = PeekOperator()) {
            if (token->op != Op::opNot && token->op != Op::opPlus && token->op != Op::opMinus) {
                throw EExpression(std::string(OperatorName(token->op)) + " not allowed here");
            }
            pos_ += token->length;
            Node operand = Factor();
            return {std::make_shared<TUnaryOp>(token->op, std::move(operand.value)), Deeper(operand.depth)};
        }
        if (IsDigit(c)) return Number();
        if (c == '$') return Hex();
        if (c == '\'') return String();
        if (c == '(') return Group();
        if (IsIdentStart(c)) return Identifier();
        throw EExpression("Syntax error");
    }

    Node Number() {
        const size_t start = pos_;
        bool dot = false;
        bool exponent = false;
        for (;;) {
            const char c = Peek();
            if (IsDigit(c)) {
                ++pos_;
            } else if (c == '.') {
                if (dot || exponent) throw EExpression("Bad numeric format");
                dot = true;
                ++pos_;
            } else if (c == 'e' || c == 'E') {
                if (exponent) throw EExpression("Bad numeric format");
                exponent = true;
                ++pos_;
                if (Peek() == '-') ++pos_;
                if (!IsDigit(Peek())) throw EExpression("Bad numeric format");
            } else {
                break;
            }
        }
        const std::string_view digits = text_.substr(start, pos_ - start);
        if (digits.size() > kMaxNumberLength) throw EExpression("Bad numeric format");
        if (!dot && !exponent) {
            int64_t value = 0;
            const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), value);
            if (res.ec != std::errc()) {
                throw EConvertError("Integer literal " + std::string(digits) + " out of range");
            }
            return {std::make_shared<TIntegerLiteral>(value), 1};
        }
        double value = 0;
        if (ScanFloat(digits, value) == FloatScan::Overflow) throw EArithmetic("Floating point overflow");
        return {std::make_shared<TFloatLiteral>(value), 1};
    }

    Node Hex() {
        const size_t start = ++pos_;
        while (IsHexDigit(Peek())) ++pos_;
        if (pos_ - start > kMaxHexDigits) throw EExpression("Hex string too long");
        const auto value = ScanHex32(text_.substr(start, pos_ - start));
        if (!value) throw EExpression("Invalid char in hex number");
        return {std::make_shared<TIntegerLiteral>(*value), 1};
    }

    Node String() {
        std::string text;
        for (++pos_;;) {
            if (pos_ >= text_.size()) {
                throw EExpression(CharCount(text) > kMaxStringChars ? "String too long"
                                                                    : "Unterminated string");
            }
            const char c = text_[pos_++];
            if (c == '\'') {
                if (Peek() != '\'') break;
                ++pos_;
            }
            text += c;
        }
        if (CharCount(text) > kMaxStringChars) throw EExpression("String too long");
        return {std::make_shared<TStringLiteral>(std::move(text)), 1};
    }

    Node Group() {
        ++pos_;
        SkipBlanks();
        if (Peek() == ')') throw EExpression("invalid sub-expression");
        Node inner = Level(0);
        SkipBlanks();
        if (Peek() != ')') throw EExpression(" ) expected");
        ++pos_;
        return inner;
    }

    Node Identifier() {
        const size_t end = IdentifierEnd(pos_);
        const std::string name = AsciiUpper(std::string(text_.substr(pos_, end - pos_)));
        pos_ = end;
        if (name == "TRUE" || name == "FALSE") return {std::make_shared<TBooleanLiteral>(name == "TRUE"), 1};

        std::unique_ptr<TParameterList> parameters;
        int depth = 0;
        SkipBlanks();
        if (Peek() == '(') {
            ++pos_;
            parameters = std::make_unique<TParameterList>();
            for (;;) {
                Node p = Level(0);
                depth = std::max(depth, p.depth);
                parameters->Add(std::move(p.value));
                SkipBlanks();
                if (Peek() == ',') {
                    ++pos_;
                } else if (Peek() == ')') {
                    ++pos_;
                    break;
                } else {
                    throw EExpression("Incorrectly formed parameters");
                }
            }
        }
        ValueRef node = MakeBuiltinFunction(name, parameters);
        if (!node && resolver_) node = resolver_(name, std::move(parameters));
        if (!node) throw EExpression("Unknown Identifier " + name);
        if (!node->ParametersValid()) throw EExpression("Invalid parameters to " + name);
        return {std::move(node), Deeper(depth)};
    }

    std::string_view text_;
    size_t pos_ = 0;
    int nesting_ = 0;
    const IdentifierResolver& resolver_;
};

}  // namespace

ValueRef ParseExpression(std::string_view text, const IdentifierResolver& resolver) {
    // A character with code 0 ends the text.
    text = text.substr(0, std::min(text.find('\0'), text.size()));
    return Parser(text, resolver).ParseAll();
}

}  // namespace spf::expr
