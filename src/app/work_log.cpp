#include "app/work_log.h"

#include <fstream>

namespace spf {

void WorkLog::Start(const std::string& path) {
    path_ = path;
    std::ofstream file(path, std::ios::trunc);
    fileUsable_ = static_cast<bool>(file);
}

void WorkLog::Trace(const std::string& line) {
    if (!monitoring_) return;
    lines_.push_back(line);
    if (!fileUsable_) return;
    std::ofstream file(path_, std::ios::app);
    file << line << '\n';
}

}  // namespace spf
