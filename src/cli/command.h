// What a subcommand of sprawozdanie-cli is: its name, its help, the options
// it accepts and the function that runs it. main.cpp lists them in one table;
// a new subcommand is one file with a Make...Command() and one table entry.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/options.h"

namespace spf::cli {

struct Invocation {
    ParsedArgs args;
    std::ostream& out;
    // Files beside the program, or what --template / --ranges named.
    std::string templatePath;
    std::string rangesPath;
};

struct Command {
    std::string name;
    std::string synopsis;             // "dump FILE [--sheet NAME]... [--props]"
    std::string description;          // a few lines for --help
    std::vector<OptionSpec> options;  // beyond the options every subcommand accepts
    int minArgs = 0;
    int maxArgs = 0;  // -1: no limit
    // Returns the exit status; throws Failure or UsageError.
    int (*run)(const Invocation&) = nullptr;
};

// The subcommands, one per file.
Command MakeDumpCommand();
Command MakeHeaderCommand();
Command MakeResaveCommand();
Command MakeExprCommand();
Command MakeEvalCommand();
Command MakeRecalcCommand();
Command MakeSetCommand();
Command MakeExportXlsxCommand();
Command MakeNewCommand();
Command MakeRolloverCommand();
Command MakeCheckCommand();
#ifdef SPF_CLI_PDF
Command MakePrintPdfCommand();
#endif

}  // namespace spf::cli
