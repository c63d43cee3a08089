// expr: reads one text with the expression engine alone, no workbook and no
// identifiers of the host.
#include <iostream>

#include "cli/command.h"
#include "cli/tsv.h"
#include "formula/expression/engine.h"

namespace spf::cli {

namespace {

int RunExpr(const Invocation& inv) {
    const std::string& text = inv.args.positional[0];
    try {
        const expr::ValueRef root = expr::ParseExpression(text);
        // The type first: an operator its operands do not allow fails here.
        const std::string type(expr::TypeName(root->ResultType()));
        const std::string value = root->StringValue();
        WriteTsvLine(inv.out, {type, value});
        return 0;
    } catch (const std::exception& e) {
        WriteTsvLine(inv.out, {"error", e.what()});
        std::cerr << "sprawozdanie-cli: expr: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace

Command MakeExprCommand() {
    return {"expr",
            "expr TEXT",
            "Parses and reads TEXT with the expression engine alone (no workbook, no identifiers\n"
            "of the document) and prints the value type, a tab and the value's text. On failure\n"
            "prints \"error\", a tab and the engine's message, and exits 1. A TEXT that begins\n"
            "with \"-\" follows \"--\": expr -- -1+2",
            {},
            1,
            1,
            &RunExpr};
}

}  // namespace spf::cli
