// Option parsing shared by every subcommand: positional arguments, flags and
// options with values ("--sheet NAME", "--sheet=NAME", "-o OUT").
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace spf::cli {

// A wrong command line: exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The operation failed on its input: exit status 1. The message names the
// file (and line) and the reason.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    std::string name;       // "--sheet", "-o"
    std::string valueName;  // "NAME"; empty for a flag
    std::string help;
    bool repeatable = false;
};

struct ParsedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::vector<std::string>> options;  // flags hold one empty value

    bool Has(const std::string& name) const { return options.count(name) > 0; }
    // The value of a single option, or fallback when absent.
    std::string Value(const std::string& name, const std::string& fallback = {}) const;
    std::vector<std::string> Values(const std::string& name) const;
    // An option value that must be a whole number within [lo, hi].
    int IntValue(const std::string& name, int fallback, int lo, int hi) const;
};

// "--" ends the options; "-" alone is a positional argument.
ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs);

}  // namespace spf::cli
