#include "workbench/view/language_switch.h"

#include "model/workbook.h"
#include "workbench/view/sheet_view.h"

namespace spf {

QString LanguageCommandCaption(int langId) {
    return langId == 1 ? QStringLiteral("Język polski") : QStringLiteral("Język angielski");
}

QString ToggleLanguage(Workbook& workbook, const std::vector<SheetView*>& views) {
    for (SheetView* view : views)
        if (view) view->commitEdit();
    workbook.LangID = 1 - workbook.LangID;
    for (SheetView* view : views)
        if (view) view->refresh();
    return LanguageCommandCaption(workbook.LangID);
}

}  // namespace spf
