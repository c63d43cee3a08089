// What a person sees of a sheet: its view painted offscreen into an image.
#pragma once

#include <QImage>

namespace spf {
class SheetView;
}

namespace spf::test {

// The view's cell area as painted now (scroll bars and frame left out).
QImage RenderViewport(SheetView& view);

}  // namespace spf::test
