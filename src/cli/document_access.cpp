#include "cli/document_access.h"

#include <unistd.h>

#include <vector>

#include "cli/options.h"
#include "model/file/spf_reader.h"

namespace spf::cli {

Workbook LoadDocument(const std::string& path) {
    ReadResult result = ReadDocument(path);
    if (!result) throw Failure(result.error.Message());
    return std::move(*result.workbook);
}

std::string CellName(const std::string& sheet, int col, int row) {
    return sheet + "!" + std::string(1, static_cast<char>(64 + col)) + std::to_string(row);
}

std::string ProgramFolder() {
    std::vector<char> buf(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return ".";
    const std::string exe(buf.data(), static_cast<size_t>(n));
    const size_t slash = exe.rfind('/');
    return slash == std::string::npos ? "." : exe.substr(0, slash);
}

}  // namespace spf::cli
