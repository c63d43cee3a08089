// The display side of the language switch: the statement shown in the other
// language, every sheet repainted.
#pragma once

#include <QString>
#include <vector>

namespace spf {

class Document;
class SheetView;

// The caption of the command that switches: it names the language switched to.
QString LanguageCommandCaption(int langId);

// Ends the edits in progress (they belong to the language they were typed
// in), switches LangID and tells every view. Returns the new caption.
QString ToggleLanguage(Document& document, const std::vector<SheetView*>& views);

}  // namespace spf
