// The display side of the language switch: the statement shown in the other
// language, every sheet repainted.
#pragma once

#include <QString>
#include <vector>

namespace spf {

class SheetView;
class Workbook;

// The caption of the command that switches: it names the language switched to.
QString LanguageCommandCaption(int langId);

// Ends the edits in progress (they belong to the language they were typed
// in), switches LangID and repaints every view. Returns the new caption.
QString ToggleLanguage(Workbook& workbook, const std::vector<SheetView*>& views);

}  // namespace spf
