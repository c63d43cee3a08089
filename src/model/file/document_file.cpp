#include "model/file/document_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "model/limits.h"

namespace spf {

namespace {

std::string TooLarge() {
    return "the file is larger than " + std::to_string(kMaxFileBytes >> 20) +
           " MB, far larger than any statement document";
}

}  // namespace

DocumentFile::~DocumentFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::string DocumentFile::Open(const std::string& path) {
    // Non-blocking, so that opening a FIFO returns at once and is refused below.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return std::strerror(errno);
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return std::strerror(errno);
    if (S_ISDIR(st.st_mode)) return std::strerror(EISDIR);
    if (!S_ISREG(st.st_mode)) return "not a regular file";
    if (st.st_size > kMaxFileBytes) return TooLarge();
    size_ = st.st_size;
    return {};
}

std::string DocumentFile::ReadUpTo(std::string& bytes, size_t total) {
    if (bytes.capacity() < static_cast<size_t>(size_))
        bytes.reserve(static_cast<size_t>(size_) + 1);  // one more to see the end
    while (!atEnd_ && bytes.size() < total) {
        const size_t old = bytes.size();
        // Into the room reserved for the whole file, so the bytes are held once.
        const size_t room = bytes.capacity() > old ? bytes.capacity() - old : size_t{1} << 16;
        const size_t want = std::min(total - old, room);
        bytes.resize(old + want);
        const ssize_t n = ::read(fd_, bytes.data() + old, want);
        if (n < 0 && errno == EINTR) {
            bytes.resize(old);
            continue;
        }
        if (n < 0) {
            const int error = errno;
            bytes.resize(old);
            return std::strerror(error);
        }
        bytes.resize(old + static_cast<size_t>(n));
        atEnd_ = n == 0;
    }
    return {};
}

std::string DocumentFile::ReadRest(std::string& bytes) {
    // A file that grew while being read is held to the same limit.
    if (std::string error = ReadUpTo(bytes, static_cast<size_t>(kMaxFileBytes) + 1); !error.empty())
        return error;
    return bytes.size() > static_cast<size_t>(kMaxFileBytes) ? TooLarge() : std::string();
}

}  // namespace spf
