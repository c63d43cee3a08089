// Reading a document's bytes from disk, in pieces, so that the reader can
// refuse what is plainly not a statement before the rest is read. Only a
// regular file is read (a FIFO would block, a device may never end), and none
// larger than kMaxFileBytes.
#pragma once

#include <string>

namespace spf {

class DocumentFile {
public:
    DocumentFile() = default;
    DocumentFile(const DocumentFile&) = delete;
    DocumentFile& operator=(const DocumentFile&) = delete;
    ~DocumentFile();

    // Empty on success, else the reason the file cannot be read.
    std::string Open(const std::string& path);
    // Appends to bytes until it holds total bytes or the file ends.
    std::string ReadUpTo(std::string& bytes, size_t total);
    // Appends the rest of the file.
    std::string ReadRest(std::string& bytes);
    bool AtEnd() const { return atEnd_; }

private:
    int fd_ = -1;
    long long size_ = 0;
    bool atEnd_ = false;
};

}  // namespace spf
