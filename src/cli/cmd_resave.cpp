// resave: load a document and save it again exactly as the application saves.
#include "cli/command.h"
#include "cli/document_access.h"
#include "model/file/save_document.h"

namespace spf::cli {

namespace {

int RunResave(const Invocation& inv) {
    Workbook wb = LoadDocument(inv.args.positional[0]);
    if (const auto error = SaveDocument(wb, inv.args.positional[1])) throw Failure(error->Message());
    return 0;
}

}  // namespace

Command MakeResaveCommand() {
    return {"resave",
            "resave IN OUT",
            "Loads IN (every load-time repair, no recalculation) and writes it to OUT as the\n"
            "application saves: an existing OUT becomes OUT's .BAK backup beside it, and a\n"
            "failed write leaves OUT and its backup as they were.",
            {},
            2,
            2,
            RunResave};
}

}  // namespace spf::cli
