// A fault in a template source, reported with the file and line it comes from.
#pragma once

#include <stdexcept>
#include <string>

namespace spf::tmpl {

class SourceError : public std::runtime_error {
public:
    SourceError(const std::string& file, int line, const std::string& message)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + message) {}
};

}  // namespace spf::tmpl
