// Helpers of the statement-file tests: fixtures, and documents written inline.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "model/file/cp1250.h"
#include "model/file/spf_reader.h"
#include "test_paths.h"

namespace spf::test {

inline std::string FixturePath(const std::string& name) {
    return std::string(SPF_TEST_DATA_DIR) + "/spf/" + name;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A document written as UTF-8 with "\n" line ends, turned into file bytes.
inline std::string FileBytes(const std::string& utf8) {
    std::string crlf;
    for (char c : utf8) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return Utf8ToCp1250(crlf);
}

// The header every inline document starts with.
inline const char* kHead = "[FileVersion=130]\n[SheetsCount=1]\n";

inline ReadResult ReadText(const std::string& utf8, const std::string& name = "test.spf") {
    static const FixedClock clock(38000);
    ReadOptions options;
    options.clock = &clock;
    return ReadDocumentBytes(FileBytes(utf8), name, options);
}

// A read that must succeed.
inline Workbook Load(const std::string& utf8, const std::string& name = "test.spf") {
    ReadResult r = ReadText(utf8, name);
    if (!r) throw std::runtime_error(r.error.Message());
    return std::move(*r.workbook);
}

}  // namespace spf::test
