#include "workbench/core/sheet_catalogue.h"

#include <array>
#include <utility>

#include "model/sheet.h"
#include "model/sheet_names.h"
#include "model/text_utils.h"

namespace spf {

SheetKind ClassifySheet(std::string_view gridName) {
    const std::string upper = ToUpperAscii(gridName);
    if (upper.find("NOTA") != std::string::npos) return SheetKind::Note;
    if (upper.find("WYKAZ") != std::string::npos) return SheetKind::NotesList;
    if (upper.find("AF_") != std::string::npos) return SheetKind::Analysis;
    return SheetKind::Statement;
}

std::string SheetTitle(const std::string& gridName) {
    static const std::array<std::pair<std::string_view, const char*>, 9> titles{{
        {sheets::kRzisP, "Rachunek zysków i strat - wariant porównawczy"},
        {sheets::kRzisK, "Rachunek zysków i strat - wariant kalkulacyjny"},
        {sheets::kPrzeplywyMb, "Rachunek przepływów pieniężnych - m. bezpośrednia"},
        {sheets::kPrzeplywyMp, "Rachunek przepływów pieniężnych - m. pośrednia"},
        {sheets::kZestawienieZm, "Zestawienie zmian w kapitale własnym"},
        {sheets::kNotyDZm, "Noty do zmian w kapitale własnym"},
        {sheets::kAfBilans, "Analiza finansowa - Bilans"},
        {sheets::kAfRzis, "Analiza finansowa - Rachunek zysków i strat"},
        {sheets::kAfWskazniki, "Analiza finansowa - Wskaźniki"},
    }};
    for (const auto& [name, title] : titles)
        if (gridName == name) return title;
    return gridName;
}

std::string TreeCaption(const TSheet& sheet) {
    switch (ClassifySheet(sheet.GridName)) {
        case SheetKind::Note:
            return sheet.NoteLabel;
        case SheetKind::NotesList:
            return sheet.GridName;
        case SheetKind::Analysis:
        case SheetKind::Statement:
            break;
    }
    return SheetTitle(sheet.GridName);
}

const std::vector<std::string>& NoteSheetNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (int n = 1; n <= 35; ++n) {
            if (n == 11) {
                out.emplace_back(sheets::kNota11a);
                out.emplace_back(sheets::kNota11b);
                continue;
            }
            out.push_back(sheets::NoteSheetName(n));
            if (n == 1 || n == 15 || n == 21 || n == 24) out.push_back(sheets::NoteSheetName(n) + "a");
        }
        return out;
    }();
    return names;
}

const std::vector<JumpCommand>& StatementJumpCommands() {
    static const std::vector<JumpCommand> commands{
        {"Rachunek zysków i strat (wariant porównawczy)", std::string(sheets::kRzisP)},
        {"Rachunek zysków i strat (wariant kalkulacyjny)", std::string(sheets::kRzisK)},
        {"Aktywa", std::string(sheets::kAktywa)},
        {"Pasywa", std::string(sheets::kPasywa)},
        {"Pasywa (kapitał własny)", std::string(sheets::kPasywaKw)},
        {"Rachunek przepływów pieniężnych (metoda bezpośrednia)", std::string(sheets::kPrzeplywyMb)},
        {"Rachunek przepływów pieniężnych (metoda pośrednia)", std::string(sheets::kPrzeplywyMp)},
        {"Zestawienie zmian w kapitale własnym", std::string(sheets::kZestawienieZm)},
    };
    return commands;
}

const std::vector<JumpCommand>& AnalysisJumpCommands() {
    static const std::vector<JumpCommand> commands{
        {"Bilans", std::string(sheets::kAfBilans)},
        {"Rachunek zysków i strat", std::string(sheets::kAfRzis)},
        {"Wskaźniki", std::string(sheets::kAfWskazniki)},
    };
    return commands;
}

}  // namespace spf
