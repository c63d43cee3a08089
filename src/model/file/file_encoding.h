// Which encoding a statement file's bytes are in. The program writes
// Windows-1250, but a file saved as UTF-8 by another editor must not be read
// as pairs of code-page characters ("PoznaĹ„").
#pragma once

#include <string_view>

namespace spf {

enum class FileEncoding { Cp1250, Utf8 };

struct EncodingGuess {
    FileEncoding encoding = FileEncoding::Cp1250;
    size_t bomSize = 0;                           // bytes of a UTF-8 byte-order mark to skip
    size_t invalidUtf8 = std::string_view::npos;  // marked as UTF-8, yet malformed here
};

// A byte-order mark makes the file UTF-8. Without one, text that is well-formed
// UTF-8 and holds a multi-byte sequence is UTF-8: Windows-1250 text with Polish
// letters never is; plain ASCII reads alike either way.
EncodingGuess GuessFileEncoding(std::string_view bytes);

// The offset of the first byte that is not well-formed UTF-8 (overlong forms,
// surrogates and code points above U+10FFFF included), or npos.
size_t FirstInvalidUtf8(std::string_view bytes);

}  // namespace spf
