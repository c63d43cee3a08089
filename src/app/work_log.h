// The work log: trace lines appended to a file and kept in memory while
// monitoring is switched on, dropped while it is off.
#pragma once

#include <string>
#include <vector>

#include "formula/trace_sink.h"

namespace spf {

class WorkLog final : public TraceSink {
public:
    void Write(std::string_view line) override { Trace(std::string(line)); }

    // Creates the log file empty; a failure leaves the log unwritten.
    void Start(const std::string& path);

    bool Monitoring() const { return monitoring_; }
    void SetMonitoring(bool on) { monitoring_ = on; }

    void Trace(const std::string& line);
    const std::vector<std::string>& Lines() const { return lines_; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    bool fileUsable_ = false;
    bool monitoring_ = false;
    std::vector<std::string> lines_;
};

}  // namespace spf
