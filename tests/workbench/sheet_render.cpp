#include "sheet_render.h"

#include <QApplication>

#include "workbench/view/sheet_view.h"

namespace spf::test {

QImage RenderViewport(SheetView& view) {
    QApplication::processEvents();
    QImage image(view.viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    view.viewport()->render(&image);
    return image;
}

}  // namespace spf::test
