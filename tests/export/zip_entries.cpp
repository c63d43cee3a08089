#include "zip_entries.h"

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace spf::test {

namespace {

uint32_t Le(const std::string& b, size_t at, int bytes) {
    if (at + static_cast<size_t>(bytes) > b.size()) throw std::runtime_error("zip: read past the end");
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(b[at + static_cast<size_t>(i)]);
    return v;
}

std::string Inflate(const std::string& packed, size_t size) {
    std::string out(size, '\0');
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) throw std::runtime_error("zip: inflateInit2");
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = static_cast<uInt>(packed.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    if (status != Z_STREAM_END) throw std::runtime_error("zip: damaged entry");
    return out;
}

}  // namespace

std::map<std::string, std::string> ReadZipEntries(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t end = b.rfind(std::string("PK\x05\x06", 4));
    if (!in.good() && !in.eof()) throw std::runtime_error(path + ": unreadable");
    if (end == std::string::npos) throw std::runtime_error(path + ": not a zip archive");
    const uint32_t count = Le(b, end + 10, 2);
    size_t at = Le(b, end + 16, 4);
    std::map<std::string, std::string> entries;
    for (uint32_t i = 0; i < count; ++i) {
        if (Le(b, at, 4) != 0x02014b50) throw std::runtime_error(path + ": damaged directory");
        const uint32_t method = Le(b, at + 10, 2), packedSize = Le(b, at + 20, 4), size = Le(b, at + 24, 4);
        const uint32_t nameLength = Le(b, at + 28, 2), extra = Le(b, at + 30, 2), comment = Le(b, at + 32, 2);
        const uint32_t local = Le(b, at + 42, 4);
        const std::string name = b.substr(at + 46, nameLength);
        const size_t data = local + 30 + Le(b, local + 26, 2) + Le(b, local + 28, 2);
        const std::string packed = b.substr(data, packedSize);
        entries[name] = method == 0 ? packed : Inflate(packed, size);
        at += 46 + nameLength + extra + comment;
    }
    return entries;
}

}  // namespace spf::test
