#include "workbench/view/language_switch.h"

#include "model/workbook.h"
#include "workbench/document/document.h"
#include "workbench/view/sheet_view.h"

namespace spf {

QString LanguageCommandCaption(int langId) {
    return langId == 1 ? QStringLiteral("Język polski") : QStringLiteral("Język angielski");
}

QString ToggleLanguage(Document& document, const std::vector<SheetView*>& views) {
    for (SheetView* view : views)
        if (view) view->commitEdit();
    Workbook& workbook = document.workbook();
    workbook.LangID = 1 - workbook.LangID;
    document.announce({ChangeKind::Values});
    return LanguageCommandCaption(workbook.LangID);
}

}  // namespace spf
