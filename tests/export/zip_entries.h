// Reads the parts of a written .xlsx file (a zip archive) for the tests.
#pragma once

#include <map>
#include <string>

namespace spf::test {

// Every entry of the archive by name, inflated; throws std::runtime_error
// on a file that is no readable zip archive.
std::map<std::string, std::string> ReadZipEntries(const std::string& path);

}  // namespace spf::test
