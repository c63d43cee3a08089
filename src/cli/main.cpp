// sprawozdanie-cli: the headless tool built on the document core. It picks
// the subcommand from the table below, parses its options and runs it.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/command.h"
#include "cli/document_access.h"

namespace spf::cli {

namespace {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        MakeDumpCommand(),     MakeHeaderCommand(),   MakeResaveCommand(), MakeExprCommand(),
        MakeEvalCommand(),     MakeRecalcCommand(),   MakeSetCommand(),    MakeExportXlsxCommand(),
        MakeNewCommand(),      MakeRolloverCommand(), MakeCheckCommand(),
#ifdef SPF_CLI_PDF
        MakePrintPdfCommand(),
#endif
    };
    return commands;
}

// Accepted by every subcommand.
const std::vector<OptionSpec>& CommonOptions() {
    static const std::vector<OptionSpec> options = {
        {"--template", "PATH", "the template document instead of empty.spf beside the program"},
        {"--ranges", "PATH", "the print-range table instead of zakresdrukowania.txt beside the program"},
        {"--help", "", "describe the subcommand"},
    };
    return options;
}

void PrintOptions(std::ostream& out, const std::vector<OptionSpec>& options) {
    for (const OptionSpec& o : options) {
        std::string left = o.name + (o.valueName.empty() ? "" : " " + o.valueName);
        if (left.size() < 18) left.resize(18, ' ');
        out << "  " << left << "  " << o.help << '\n';
    }
}

void PrintCommandHelp(std::ostream& out, const Command& c) {
    out << "Usage: sprawozdanie-cli " << c.synopsis << "\n\n" << c.description << "\n\nOptions:\n";
    PrintOptions(out, c.options);
    PrintOptions(out, CommonOptions());
}

void PrintHelp(std::ostream& out) {
    out << "Usage: sprawozdanie-cli SUBCOMMAND [OPTIONS] ARGS\n"
           "       sprawozdanie-cli SUBCOMMAND --help\n\n"
           "Works on statement documents (.spf) without the window. Exit status: 0 success,\n"
           "1 the operation failed on its input, 2 a usage error.\n\nSubcommands:\n";
    for (const Command& c : Commands()) out << "  " << c.synopsis << '\n';
    out << "\nOptions of every subcommand:\n";
    PrintOptions(out, CommonOptions());
    out << "\nDetails of each subcommand:\n";
    for (const Command& c : Commands()) {
        out << '\n';
        PrintCommandHelp(out, c);
    }
}

// A file named with --template or --ranges must be there even when the
// subcommand does not read it: a mistyped path never passes unnoticed.
void RequireReadableFile(const std::string& option, const std::string& path) {
    if (path.empty()) throw UsageError(option + " needs a value (PATH)");
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error) throw Failure(path + ": " + error.message());
    if (std::filesystem::is_directory(status))
        throw Failure(path + ": " + std::make_error_code(std::errc::is_a_directory).message());
    if (::access(path.c_str(), R_OK) != 0) throw Failure(path + ": " + std::strerror(errno));
}

// The shipped file beside the program, or the one the option names.
std::string ShippedFile(const ParsedArgs& parsed, const std::string& option, const std::string& name) {
    if (!parsed.Has(option)) return ProgramFolder() + "/" + name;
    const std::string path = parsed.Value(option);
    RequireReadableFile(option, path);
    return path;
}

int Run(const std::vector<std::string>& args) {
    if (args.empty()) throw UsageError("missing subcommand (see sprawozdanie-cli --help)");
    if (args[0] == "--help" || args[0] == "-h") {
        PrintHelp(std::cout);
        return 0;
    }
    const Command* command = nullptr;
    for (const Command& c : Commands())
        if (c.name == args[0]) command = &c;
    if (!command) throw UsageError("unknown subcommand " + args[0] + " (see sprawozdanie-cli --help)");

    std::vector<OptionSpec> specs = command->options;
    specs.insert(specs.end(), CommonOptions().begin(), CommonOptions().end());
    ParsedArgs parsed = ParseArgs({args.begin() + 1, args.end()}, specs);
    if (parsed.Has("--help")) {
        PrintCommandHelp(std::cout, *command);
        return 0;
    }
    const int n = static_cast<int>(parsed.positional.size());
    if (n < command->minArgs)
        throw UsageError(command->name + ": missing argument (usage: " + command->synopsis + ")");
    if (command->maxArgs >= 0 && n > command->maxArgs)
        throw UsageError(command->name + ": too many arguments (usage: " + command->synopsis + ")");
    std::string templatePath = ShippedFile(parsed, "--template", "empty.spf");
    std::string rangesPath = ShippedFile(parsed, "--ranges", "zakresdrukowania.txt");
    const Invocation inv{std::move(parsed), std::cout, std::move(templatePath), std::move(rangesPath)};
    return command->run(inv);
}

}  // namespace

}  // namespace spf::cli

int main(int argc, char** argv) {
    using namespace spf::cli;
    std::ios::sync_with_stdio(false);
    try {
        const int status = Run({argv + 1, argv + argc});
        std::cout.flush();
        if (!std::cout) {
            std::cerr << "sprawozdanie-cli: cannot write the output\n";
            return 1;
        }
        return status;
    } catch (const UsageError& e) {
        std::cerr << "sprawozdanie-cli: " << e.what() << '\n';
        return 2;
    } catch (const Failure& e) {
        std::cerr << "sprawozdanie-cli: " << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "sprawozdanie-cli: " << e.what() << '\n';
        return 1;
    }
}
