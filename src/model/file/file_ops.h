// The file-system operations that saving uses, behind an interface so that
// tests can make any one of them fail. Every operation returns 0 or an errno
// value.
#pragma once

#include <string>
#include <string_view>

namespace spf {

struct FileStatus {
    bool exists = false;
    bool isLink = false;
    unsigned mode = 0;  // permission bits
};

class FileOps {
public:
    virtual ~FileOps() = default;
    // Status of the path itself (a link is not followed).
    virtual int Status(const std::string& path, FileStatus& status) = 0;
    virtual int ReadLink(const std::string& path, std::string& target) = 0;
    virtual int ReadFile(const std::string& path, std::string& bytes) = 0;
    // A new file with a unique name made from the template (ending in XXXXXX),
    // with the given permission bits, or those of a new file when mode is -1.
    virtual int CreateTemp(std::string& pathTemplate, int mode, int& fd) = 0;
    virtual int Write(int fd, std::string_view bytes) = 0;
    virtual int Sync(int fd) = 0;
    virtual int Close(int fd) = 0;
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    virtual int Remove(const std::string& path) = 0;
    virtual int SyncFolder(const std::string& folder) = 0;
};

// The real file system (POSIX).
class PosixFileOps final : public FileOps {
public:
    int Status(const std::string& path, FileStatus& status) override;
    int ReadLink(const std::string& path, std::string& target) override;
    int ReadFile(const std::string& path, std::string& bytes) override;
    int CreateTemp(std::string& pathTemplate, int mode, int& fd) override;
    int Write(int fd, std::string_view bytes) override;
    int Sync(int fd) override;
    int Close(int fd) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;
    int SyncFolder(const std::string& folder) override;
};

}  // namespace spf
