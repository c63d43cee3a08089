#include "model/file/file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace spf {

int PosixFileOps::Status(const std::string& path, FileStatus& status) {
    struct stat st {};
    status = {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
    status.exists = true;
    status.isLink = S_ISLNK(st.st_mode);
    status.mode = st.st_mode & 07777;
    return 0;
}

int PosixFileOps::ReadLink(const std::string& path, std::string& target) {
    std::vector<char> buf(4096);
    const ssize_t n = ::readlink(path.c_str(), buf.data(), buf.size());
    if (n < 0) return errno;
    if (static_cast<size_t>(n) == buf.size()) return ENAMETOOLONG;
    target.assign(buf.data(), static_cast<size_t>(n));
    return 0;
}

int PosixFileOps::ReadFile(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    bytes.clear();
    char buf[1 << 16];
    while (true) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            return err;
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    return ::close(fd) == 0 ? 0 : errno;
}

int PosixFileOps::CreateTemp(std::string& pathTemplate, int mode, int& fd) {
    fd = ::mkostemp(pathTemplate.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    if (mode < 0) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = static_cast<int>(0666 & ~mask);
    }
    if (::fchmod(fd, static_cast<mode_t>(mode)) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(pathTemplate.c_str());
        fd = -1;
        return err;
    }
    return 0;
}

int PosixFileOps::Write(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}

int PosixFileOps::Sync(int fd) { return ::fsync(fd) == 0 ? 0 : errno; }

int PosixFileOps::Close(int fd) { return ::close(fd) == 0 ? 0 : errno; }

int PosixFileOps::Rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int PosixFileOps::Remove(const std::string& path) { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

int PosixFileOps::SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int err = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return err;
}

}  // namespace spf
