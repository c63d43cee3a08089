#include "fake_page_canvas.h"

#include "model/text_utils.h"

namespace spf::print::test {

int FakePageCanvas::TextWidth(std::string_view text, const PrintFont& font) {
    return static_cast<int>(Utf8Length(text)) * 10 * font.size;
}

int FakePageCanvas::TextHeight(std::string_view, const PrintFont& font) { return 40 * font.size; }

int FakePageCanvas::WrappedHeight(std::string_view text, int width, int innerMargin, const PrintFont& font) {
    const int room = width - 2 * innerMargin;
    int lines = 0;
    size_t start = 0;
    for (;;) {
        // Each forced line is filled greedily word by word; a word wider than
        // the room takes a line of its own.
        const size_t end = text.find("\r\n", start);
        const std::string_view para = text.substr(start, end == text.npos ? text.npos : end - start);
        int used = -1;
        ++lines;
        size_t from = 0;
        while (from <= para.size()) {
            size_t space = para.find(' ', from);
            if (space == para.npos) space = para.size();
            const int word = TextWidth(para.substr(from, space - from), font);
            const int withSpace = used < 0 ? word : used + TextWidth(" ", font) + word;
            if (used >= 0 && withSpace > room) {
                ++lines;
                used = word;
            } else {
                used = withSpace;
            }
            from = space + 1;
        }
        if (end == text.npos) break;
        start = end + 2;
    }
    return lines * TextHeight(text, font) + 2 * innerMargin;
}

const DrawnText* FakePageCanvas::Find(const std::string& text, size_t* page) const {
    for (size_t p = 0; p < pages.size(); ++p)
        for (const DrawnText& t : pages[p].texts)
            if (t.text == text) {
                if (page) *page = p;
                return &t;
            }
    return nullptr;
}

}  // namespace spf::print::test
