// Where the formula engine writes its trace lines. The application points
// this at the work log while monitoring is on; with no sink the lines are
// never even built.
#pragma once

#include <string>
#include <string_view>

namespace spf {

class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void Write(std::string_view line) = 0;
};

// One trace line: a fixed prefix followed by the step's argument.
inline void Trace(TraceSink* sink, std::string_view prefix, std::string_view argument) {
    if (!sink) return;
    std::string line;
    line.reserve(prefix.size() + argument.size());
    line.append(prefix).append(argument);
    sink->Write(line);
}

}  // namespace spf
