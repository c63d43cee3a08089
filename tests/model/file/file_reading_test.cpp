// What is not a statement file is refused before it costs time or memory:
// no FIFO or device is read, nothing far too large, and a file whose first
// line cannot begin a statement is refused without reading the rest.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "model/file/spf_reader.h"
#include "model/limits.h"

namespace spf {
namespace {

namespace fs = std::filesystem;

class FileReading : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("spf_reading_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // A file of the given size: text, then zeros that take no disk space.
    std::string Sparse(const std::string& name, const std::string& text, long long size) const {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << text;
        fs::resize_file(path, static_cast<uintmax_t>(size));
        return path;
    }

    fs::path dir_;
};

TEST_F(FileReading, WhatIsNotARegularFileIsRefusedAtOnce) {
    const std::string fifo = (dir_ / "pipe.spf").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        const ReadResult r = ReadDocument(path);
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error.Message(), path + ": not a regular file");
        EXPECT_EQ(r.error.kind, ReadFailure::Unreadable);
    }
}

TEST_F(FileReading, AFileFarLargerThanAnyStatementIsRefused) {
    const std::string path = Sparse("huge.spf", "[FileVersion=130]\r\n", kMaxFileBytes + 1);
    const ReadResult r = ReadDocument(path);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.reason, "the file is larger than 256 MB, far larger than any statement document");
}

// Were the whole file read, its zeros would be refused at line 2 instead.
TEST_F(FileReading, AFileThatCannotBeAStatementIsRefusedAtItsFirstLine) {
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& head :
         {std::string("\x7f"
                      "ELF\x02\x01\x01\r\n"),
          std::string("\r\n;\r\n[Rows=5]\r\n"), std::string("\xef\xbb\xbfPozna\xc5\x84\n")}) {
        const std::string path = Sparse("binary.spf", head, 200LL << 20);
        const ReadResult r = ReadDocument(path);
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error.reason.rfind("not a statement document (", 0), 0u) << r.error.reason;
        EXPECT_EQ(r.error.line, head[0] == '\r' ? 3 : 1) << r.error.reason;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    // A statement's header records are read on to the end of the file.
    const ReadResult statement =
        ReadDocument(Sparse("zeros.spf", "[FileVersion=130]\r\n[SheetsCount=0]\r\n", 100000));
    ASSERT_FALSE(statement);
    EXPECT_EQ(statement.error.Message(),
              (dir_ / "zeros.spf").string() + ":3: a NUL byte, which no statement document holds");
}

}  // namespace
}  // namespace spf
