// Throughput of the expression engine over formula texts in the form they
// reach it from the workbook pipeline: literal numbers with "." decimals,
// arithmetic, comparisons, IF and nested parentheses.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "formula/expression/engine.h"

namespace {

const std::vector<std::string> kFormulas = {
    "100+250+0",
    "123450-67800",
    "12345*19/100",
    "IF(12345>0,234555,0)",
    "IF(FALSE,-500,0)",
    "1234.5*2-17.25",
    "((100+200)*3-50)/7",
    "-12500+3400*2",
    "123450=123450",
    "IF(((1+2)*3)>=9,1.5*2,0.25)",
    "0",
    "4567800",
    "1234550/100",
    "(150000-120000)/120000*100",
    "IF(2345<=0,0.0,2345*0.19)",
    "1000+2000+3000+4000+5000+6000+7000+8000",
};

using Clock = std::chrono::steady_clock;

// Runs body over the whole mix until about a second has passed; returns
// formulas per second.
template <typename Body>
double PerSecond(Body body) {
    size_t done = 0;
    size_t sink = 0;
    const auto start = Clock::now();
    std::chrono::duration<double> elapsed{};
    do {
        for (size_t i = 0; i < kFormulas.size(); ++i) sink += body(i);
        done += kFormulas.size();
        elapsed = Clock::now() - start;
    } while (elapsed.count() < 1.0);
    if (sink == 0) std::fputs("", stderr);  // keeps the work observable
    return static_cast<double>(done) / elapsed.count();
}

}  // namespace

int main() {
    using spf::expr::ParseExpression;
    const double parseRead =
        PerSecond([](size_t i) { return ParseExpression(kFormulas[i])->StringValue().size(); });

    std::vector<spf::expr::ValueRef> trees;
    for (const auto& f : kFormulas) trees.push_back(ParseExpression(f));
    const double read = PerSecond([&](size_t i) { return trees[i]->StringValue().size(); });

    std::printf("expr_parse_read %.0f 1/s\n", parseRead);
    std::printf("expr_read %.0f 1/s\n", read);
    return 0;
}
