// What the layout engine needs of a page surface and of text measuring.
// Lengths are hundredths of a millimetre, font sizes points; positions are
// measured from the top-left corner of the current page's usable area.
#pragma once

#include <string>
#include <string_view>

namespace spf::print {

enum class PageOrientation { Portrait, Landscape };
enum class FontStyle { Regular, Bold, Italic };
enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };

struct PrintFont {
    std::string name;
    int size = 10;
    FontStyle style = FontStyle::Regular;
};

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Box&) const = default;
};

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    // One line of text.
    virtual int TextWidth(std::string_view text, const PrintFont& font) = 0;
    virtual int TextHeight(std::string_view text, const PrintFont& font) = 0;
    // The text broken at spaces to fit width less twice the inner margin, plus
    // twice the inner margin; CR LF forces a break.
    virtual int WrappedHeight(std::string_view text, int width, int innerMargin, const PrintFont& font) = 0;
};

class PageCanvas {
public:
    virtual ~PageCanvas() = default;
    // Removes every page; drawing then goes to one empty first page.
    virtual void ClearPages() = 0;
    // Brackets the drawing of one table so a preview is not repainted meanwhile.
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    // Appends a page in the default orientation and makes it current.
    virtual void NewPage() = 0;
    virtual PageOrientation Orientation() const = 0;
    // Changes the current page only.
    virtual void SetOrientation(PageOrientation orientation) = 0;
    virtual PageOrientation DefaultOrientation() const = 0;
    // Of the current page: its size for its orientation less margins, header and footer.
    virtual int UsableWidth() const = 0;
    virtual int UsableHeight() const = 0;
    virtual int TopMargin() const = 0;
    // The text inside the box shrunk by the inner margin, broken at spaces,
    // clipped to the box; never outlined.
    virtual void TextBox(std::string_view text, const PrintFont& font, HAlign h, VAlign v, const Box& box,
                         int innerMargin) = 0;
    // A thin black line.
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
};

}  // namespace spf::print
