// What a host sees: the resolver protocol, node lifetime, the readings of a
// node other than its text, and host objects with their properties.
#include <gtest/gtest.h>

#include <map>

#include "formula/expression/builtin_functions.h"
#include "formula/expression/object_property.h"
#include "formula/expression/operators.h"
#include "outcome.h"

namespace spf::expr::test {
namespace {

// Message of whatever a call throws, "" when it does not.
template <typename F>
std::string Failure(F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

// A host function counting how often it is read: TWICE(x) = 2 * x.
class TTwice : public TFunction {
public:
    TTwice(std::unique_ptr<TParameterList> p, int& reads) : TFunction(std::move(p)), reads_(reads) {}
    bool ParametersValid() override {
        return ParameterCount() == 1 && Param(0).ReadableAs(ValueType::Integer);
    }
    int64_t IntegerValue() const override {
        ++reads_;
        return 2 * Param(0).IntegerValue();
    }
    ValueType ResultType() const override { return ValueType::Integer; }

private:
    int& reads_;
};

TEST(ExpressionHost, ResolverGetsUpperCaseNamesAndParameterLists) {
    std::vector<std::string> asked;
    std::vector<int> counts;  // -1 when there were no parentheses
    int reads = 0;
    const IdentifierResolver resolver = [&](const std::string& name,
                                            std::unique_ptr<TParameterList> p) -> ValueRef {
        asked.push_back(name);
        counts.push_back(p ? static_cast<int>(p->Count()) : -1);
        if (name == "TWICE") return std::make_shared<TTwice>(std::move(p), reads);
        if (name == "ROKA") return std::make_shared<TStringLiteral>("2004");
        if (name == "PODATEK") return std::make_shared<TIntegerLiteral>(19);
        return nullptr;
    };
    EXPECT_EQ(Outcome("twice(3) + Podatek", resolver), "Integer 25");
    EXPECT_EQ(Outcome("RokA(1, 2)", resolver), "String 2004");  // parameters of a text are ignored
    EXPECT_EQ(Outcome("ROKA - 1", resolver), "error Operator opMinus incompatible with String");
    EXPECT_EQ(Outcome("TWICE('a')", resolver), "error Invalid parameters to TWICE");
    EXPECT_EQ(Outcome("nic", resolver), "error Unknown Identifier NIC");
    // Built-in names and the Boolean literals never reach the resolver.
    EXPECT_EQ(Outcome("SIN(0) = 0 AND TRUE AND IF(TRUE,TRUE,FALSE)", resolver), "Boolean TRUE");
    EXPECT_EQ(asked, (std::vector<std::string>{"TWICE", "PODATEK", "ROKA", "ROKA", "TWICE", "NIC"}));
    EXPECT_EQ(counts, (std::vector<int>{1, -1, 2, -1, 1, -1}));

    // Every read evaluates afresh.
    reads = 0;
    const ValueRef root = ParseExpression("TWICE(TWICE(1))", resolver);
    EXPECT_EQ(root->IntegerValue(), 4);
    EXPECT_EQ(root->StringValue(), "4");
    EXPECT_EQ(reads, 4);
}

TEST(ExpressionHost, NodesLiveAsLongAsTheirLastReference) {
    std::vector<std::weak_ptr<IValue>> made;
    const IdentifierResolver resolver = [&](const std::string& name,
                                            std::unique_ptr<TParameterList> p) -> ValueRef {
        if (p) {
            for (const ValueRef& v : *p) made.push_back(v);
        }
        if (name != "X") return nullptr;  // the list of an unknown name is dropped
        ValueRef node = std::make_shared<TIntegerLiteral>(1);
        made.push_back(node);
        return node;
    };
    const auto allReleased = [&] {
        for (const auto& w : made) {
            if (!w.expired()) return false;
        }
        return true;
    };

    {
        const ValueRef root = ParseExpression("X + X", resolver);
        ASSERT_EQ(made.size(), 2u);
        EXPECT_FALSE(allReleased());
    }
    EXPECT_TRUE(allReleased());

    // A failed parse keeps nothing of what it had built.
    made.clear();
    EXPECT_EQ(Outcome("X + X 1", resolver), "error 1 not appropriate");
    EXPECT_EQ(Outcome("IF(X = 1, X, 'a')", resolver), "error IF options must be the same type");
    EXPECT_EQ(Outcome("Y(X, 2)", resolver), "error Unknown Identifier Y");
    EXPECT_GE(made.size(), 5u);
    EXPECT_TRUE(allReleased());
}

TEST(ExpressionHost, ReadingsOtherThanText) {
    const auto root = [](const char* text) { return ParseExpression(text); };
    EXPECT_EQ(root("7/2")->FloatValue(), 3.5);
    EXPECT_EQ(root("7")->FloatValue(), 7.0);
    EXPECT_EQ(root("TRUE")->FloatValue(), 1.0);
    EXPECT_EQ(root("TRUE")->IntegerValue(), 1);
    EXPECT_EQ(root("1 < 2")->FloatValue(), 1.0);
    EXPECT_EQ(root("1 > 2")->IntegerValue(), 0);
    EXPECT_EQ(root("ROUND(2.5)")->FloatValue(), 2.0);
    EXPECT_EQ(root("IF(TRUE, 3, 4)")->FloatValue(), 3.0);
    EXPECT_EQ(root("NOT FALSE")->IntegerValue(), 1);
    EXPECT_EQ(root("TRUE XOR FALSE")->IntegerValue(), 1);

    EXPECT_EQ(Failure([&] { root("7/2")->IntegerValue(); }), "Cannot read Float as Integer");
    EXPECT_EQ(Failure([&] { root("'a'")->FloatValue(); }), "Cannot read String as Float");
    EXPECT_EQ(Failure([&] { root("'a'")->IntegerValue(); }), "Cannot read String as Integer");
    EXPECT_EQ(Failure([&] { root("1")->BooleanValue(); }), "Cannot read Integer as boolean");
    EXPECT_EQ(Failure([&] { root("1")->ObjectValue(); }), "Cannot read Integer as object");
    EXPECT_EQ(Failure([&] { root("IF(TRUE,1,2)")->ObjectValue(); }), "Cannot read Integer as object");
    EXPECT_EQ(Failure([&] { root("1 + 2.5")->BooleanValue(); }), "Cannot read Float as boolean");
    EXPECT_EQ(Failure([&] { root("'x' - 1")->ResultType(); }), "Operator opMinus incompatible with String");
    EXPECT_EQ(Failure([&] { root("'x' - 1")->FloatValue(); }), "Operator opMinus incompatible with String");
}

TEST(ExpressionHost, ReadableAsFollowsTheTypeOrder) {
    const struct {
        const char* text;
        const char* readable;  // one letter per type code: O S F I E B
    } cases[] = {
        {"TRUE", "-SFIEB"}, {"1", "-SFI--"}, {"1.5", "-SF---"}, {"'a'", "-S----"}, {"1 < 2", "-SFIEB"},
    };
    const char letters[] = "OSFIEB";
    for (const auto& c : cases) {
        const ValueRef node = ParseExpression(c.text);
        std::string got;
        for (int t = 0; t < 6; ++t) got += node->ReadableAs(static_cast<ValueType>(t)) ? letters[t] : '-';
        EXPECT_EQ(got, c.readable) << c.text;
    }
}

TEST(ExpressionHost, TypeDescriptorNames) {
    EXPECT_EQ(ParseExpression("1.5")->ValueTypeName(), "Double");
    EXPECT_EQ(ParseExpression("1")->ValueTypeName(), "Integer");
    EXPECT_EQ(ParseExpression("'a'")->ValueTypeName(), "String");
    EXPECT_EQ(ParseExpression("1=1")->ValueTypeName(), "Boolean");
}

// ---- host objects

const TypeInfo kColour{"TColour", {"clRed", "clGreen"}};

class Person : public PropertySource {
public:
    std::string name = "Anna";
    std::shared_ptr<Person> spouse;

    std::string ClassName() const override { return "TPerson"; }
    const PropertyInfo* FindProperty(std::string_view n) const override {
        static const std::map<std::string, PropertyInfo, std::less<>> properties = {
            {"Name", {"Name", PropertyKind::Text, nullptr}},
            {"Age", {"Age", PropertyKind::Integer, nullptr}},
            {"Initial", {"Initial", PropertyKind::Char, nullptr}},
            {"Height", {"Height", PropertyKind::Float, nullptr}},
            {"Married", {"Married", PropertyKind::Boolean, nullptr}},
            {"Colour", {"Colour", PropertyKind::Enumeration, &kColour}},
            {"Spouse", {"Spouse", PropertyKind::Object, nullptr}},
            {"Photo", {"Photo", PropertyKind::Other, nullptr}},
        };
        const auto it = properties.find(n);
        return it == properties.end() ? nullptr : &it->second;
    }
    int64_t OrdinalProperty(const PropertyInfo& p) const override {
        if (p.name == "Age") return 41;
        if (p.name == "Initial") return 'A';
        if (p.name == "Married") return 2;  // any non-zero ordinal is true
        return 1;                           // Colour: clGreen
    }
    double FloatProperty(const PropertyInfo&) const override { return 1.68; }
    std::string TextProperty(const PropertyInfo&) const override { return name; }
    HostObject ObjectProperty(const PropertyInfo&) const override { return spouse; }
};

// The host's own node for an object identifier.
class TPersonRef : public TExpression {
public:
    explicit TPersonRef(HostObject object) : object_(std::move(object)) {}
    HostObject ObjectValue() const override { return object_; }
    ValueType ResultType() const override { return ValueType::Object; }

private:
    HostObject object_;
};

TEST(ExpressionHost, ObjectProperties) {
    auto anna = std::make_shared<Person>();
    anna->spouse = std::make_shared<Person>();
    anna->spouse->name = "Jan";
    const IdentifierResolver resolver = [&](const std::string& name,
                                            std::unique_ptr<TParameterList>) -> ValueRef {
        return name == "ME" ? std::make_shared<TPersonRef>(anna) : nullptr;
    };
    const std::vector<OutcomeCase> cases = {
        {"ME.Name", "String Anna"},
        {"me .Name + '!'", "String Anna!"},
        {"ME. Name", "error Invalid property of object TPerson"},
        {"ME.Age + 1", "Integer 42"},
        {"ME.Initial", "Integer 65"},
        {"ME.Height * 100", "Float 168"},
        {"ME.Married", "Boolean TRUE"},
        {"ME.Colour", "Enumerated clGreen"},
        {"ME.Colour + 1", "Integer 2"},
        {"ME.Colour = ME.Colour", "Boolean FALSE"},  // enumerations never compare equal
        {"ME.Spouse.Name", "String Jan"},
        {"OBJECT(ME).Name", "String Anna"},
        {"ME", "Object TPerson"},
        {"STRING(ME)", "String TPerson"},
        {"ME = ME", "Boolean FALSE"},  // objects never compare equal
        {"ME <> ME", "Boolean FALSE"},
        {"ME = 1", "error Type Object is incompatible with type Integer"},
        {"'a' + ME", "error Type String is incompatible with type Object"},
        {"ME + ME", "error Operator opPlus incompatible with Object"},
        {"FLOAT(ME)", "error Type Float is incompatible with type Object"},
        {"SIN(ME)", "error Invalid parameters to SIN"},
        {"ME.Nope", "error Nope is not published property of TPerson"},
        {"ME.name", "error name is not published property of TPerson"},  // taken as written
        {"ME.Photo", "error Property Photo unsupported type"},
        {"ME.1", "error Invalid property of object TPerson"},
        {"ME.", "error Invalid property of object TPerson"},
        {"1.5.x", "error Bad numeric format"},
    };
    ExpectOutcomes(cases, resolver);

    const ValueRef name = ParseExpression("ME.Name", resolver);
    anna->name = "Ania";  // properties are read anew at every read
    EXPECT_EQ(name->StringValue(), "Ania");
    EXPECT_EQ(ParseExpression("ME.Colour", resolver)->ValueTypeName(), "TColour");
    EXPECT_EQ(Failure([&] { ParseExpression("OBJECT(ME)", resolver)->TypeDescriptor(); }),
              "Cannot provide TypeInfo for TTypeCast");
    EXPECT_EQ(Failure([&] { ParseExpression("ME.Name", resolver)->ObjectValue(); }),
              "Cannot read String as object");
}

// The three "foreign operator" checks guard hosts that build nodes directly.
TEST(ExpressionHost, OperatorNodesRefuseForeignOperators) {
    const ValueRef one = std::make_shared<TIntegerLiteral>(1);
    using Op = OperatorCode;
    EXPECT_EQ(Failure([&] { TUnaryOp(Op::opMult, one); }), "opMult is not simple unary operator");
    EXPECT_EQ(Failure([&] { TBinaryOp(Op::opNot, one, one); }), "opNot is not a simple binary operator");
    EXPECT_EQ(Failure([&] { TBinaryOp(Op::opEq, one, one); }), "opEq is not a simple binary operator");
    EXPECT_EQ(Failure([&] { TRelationalOp(Op::opPlus, one, one); }), "opPlus is not relational operator");
    EXPECT_EQ(TBinaryOp(Op::opPlus, one, one).IntegerValue(), 2);
}

}  // namespace
}  // namespace spf::expr::test
