#include "cli/options.h"

#include <charconv>

namespace spf::cli {

std::string ParsedArgs::Value(const std::string& name, const std::string& fallback) const {
    const auto it = options.find(name);
    return it == options.end() ? fallback : it->second.back();
}

std::vector<std::string> ParsedArgs::Values(const std::string& name) const {
    const auto it = options.find(name);
    return it == options.end() ? std::vector<std::string>{} : it->second;
}

int ParsedArgs::IntValue(const std::string& name, int fallback, int lo, int hi) const {
    if (!Has(name)) return fallback;
    const std::string text = Value(name);
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc{} || end != text.data() + text.size() || v < lo || v > hi)
        throw UsageError(name + " needs a whole number from " + std::to_string(lo) + " to " +
                         std::to_string(hi) + ", not \"" + text + "\"");
    return v;
}

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs) {
    ParsedArgs parsed;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const OptionSpec* known = nullptr;
        for (const OptionSpec& s : specs)
            if (s.name == name) known = &s;
        if (!known) throw UsageError("unknown option " + name);
        std::string value;
        if (known->valueName.empty()) {
            if (eq != std::string::npos) throw UsageError(name + " takes no value");
        } else if (eq != std::string::npos) {
            value = arg.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            throw UsageError(name + " needs a value (" + known->valueName + ")");
        }
        auto& values = parsed.options[name];
        if (!values.empty() && !known->repeatable) throw UsageError(name + " given twice");
        values.push_back(std::move(value));
    }
    return parsed;
}

}  // namespace spf::cli
