#include "workbench/core/sheet_catalogue.h"

#include <array>
#include <utility>

#include "model/sheet.h"
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
    static const std::array<std::pair<const char*, const char*>, 9> titles{{
        {"RZiS_p", "Rachunek zysków i strat - wariant porównawczy"},
        {"RZiS_k", "Rachunek zysków i strat - wariant kalkulacyjny"},
        {"Przeplywy_mb", "Rachunek przepływów pieniężnych - m. bezpośrednia"},
        {"Przeplywy_mp", "Rachunek przepływów pieniężnych - m. pośrednia"},
        {"Zestawienie_zm", "Zestawienie zmian w kapitale własnym"},
        {"Noty_d_zm", "Noty do zmian w kapitale własnym"},
        {"AF_Bilans", "Analiza finansowa - Bilans"},
        {"AF_RZiS", "Analiza finansowa - Rachunek zysków i strat"},
        {"AF_Wskazniki", "Analiza finansowa - Wskaźniki"},
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
        const auto number = [](int n) {
            return std::string(n < 10 ? "nota_0" : "nota_") + std::to_string(n);
        };
        for (int n = 1; n <= 35; ++n) {
            if (n == 11) {
                out.push_back("nota_11a");
                out.push_back("nota_11b");
                continue;
            }
            out.push_back(number(n));
            if (n == 1 || n == 15 || n == 21 || n == 24) out.push_back(number(n) + "a");
        }
        return out;
    }();
    return names;
}

const std::vector<JumpCommand>& StatementJumpCommands() {
    static const std::vector<JumpCommand> commands{
        {"Rachunek zysków i strat (wariant porównawczy)", "RZiS_p"},
        {"Rachunek zysków i strat (wariant kalkulacyjny)", "RZiS_k"},
        {"Aktywa", "Aktywa"},
        {"Pasywa", "Pasywa"},
        {"Pasywa (kapitał własny)", "Pasywa_kw"},
        {"Rachunek przepływów pieniężnych (metoda bezpośrednia)", "Przeplywy_mb"},
        {"Rachunek przepływów pieniężnych (metoda pośrednia)", "Przeplywy_mp"},
        {"Zestawienie zmian w kapitale własnym", "Zestawienie_zm"},
    };
    return commands;
}

const std::vector<JumpCommand>& AnalysisJumpCommands() {
    static const std::vector<JumpCommand> commands{
        {"Bilans", "AF_Bilans"},
        {"Rachunek zysków i strat", "AF_RZiS"},
        {"Wskaźniki", "AF_Wskazniki"},
    };
    return commands;
}

}  // namespace spf
