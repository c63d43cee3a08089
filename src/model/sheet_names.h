// The names of the template's sheets that the program looks up by name.
// Every lookup goes through these, so a renamed sheet is one edit.
#pragma once

#include <string>
#include <string_view>

namespace spf::sheets {

// Statements
inline constexpr std::string_view kAktywa = "Aktywa";
inline constexpr std::string_view kPasywa = "Pasywa";
inline constexpr std::string_view kPasywaKw = "Pasywa_kw";
inline constexpr std::string_view kRzisP = "RZiS_p";
inline constexpr std::string_view kRzisK = "RZiS_k";
inline constexpr std::string_view kPrzeplywyMb = "Przeplywy_mb";
inline constexpr std::string_view kPrzeplywyMp = "Przeplywy_mp";
inline constexpr std::string_view kZestawienieZm = "Zestawienie_zm";
inline constexpr std::string_view kNotyDZm = "Noty_d_zm";

// Financial analysis
inline constexpr std::string_view kAfBilans = "AF_Bilans";
inline constexpr std::string_view kAfRzis = "AF_RZiS";
inline constexpr std::string_view kAfWskazniki = "AF_Wskazniki";
inline constexpr std::string_view kAfEWskazniki = "AF_EWskazniki";

// Notes: "nota_" and a two-digit number, some with a letter.
inline constexpr std::string_view kWykazNot = "Wykaz_not";
inline constexpr std::string_view kNotePrefix = "nota_";
inline constexpr std::string_view kNota01 = "nota_01";
inline constexpr std::string_view kNota01a = "nota_01a";
inline constexpr std::string_view kNota02 = "nota_02";
inline constexpr std::string_view kNota03 = "nota_03";
inline constexpr std::string_view kNota04 = "nota_04";
inline constexpr std::string_view kNota05 = "nota_05";
inline constexpr std::string_view kNota07 = "nota_07";
inline constexpr std::string_view kNota08 = "nota_08";
inline constexpr std::string_view kNota09 = "nota_09";
inline constexpr std::string_view kNota10 = "nota_10";
inline constexpr std::string_view kNota11a = "nota_11a";
inline constexpr std::string_view kNota11b = "nota_11b";
inline constexpr std::string_view kNota12 = "nota_12";
inline constexpr std::string_view kNota13 = "nota_13";
inline constexpr std::string_view kNota14 = "nota_14";
inline constexpr std::string_view kNota15 = "nota_15";
inline constexpr std::string_view kNota15a = "nota_15a";
inline constexpr std::string_view kNota16 = "nota_16";
inline constexpr std::string_view kNota17 = "nota_17";
inline constexpr std::string_view kNota18 = "nota_18";
inline constexpr std::string_view kNota19 = "nota_19";
inline constexpr std::string_view kNota20 = "nota_20";
inline constexpr std::string_view kNota21 = "nota_21";
inline constexpr std::string_view kNota21a = "nota_21a";
inline constexpr std::string_view kNota22 = "nota_22";
inline constexpr std::string_view kNota23 = "nota_23";
inline constexpr std::string_view kNota24 = "nota_24";
inline constexpr std::string_view kNota24a = "nota_24a";
inline constexpr std::string_view kNota25 = "nota_25";
inline constexpr std::string_view kNota27 = "nota_27";
inline constexpr std::string_view kNota28 = "nota_28";
inline constexpr std::string_view kNota34 = "nota_34";

// The note sheet of number n without a letter: 7 -> "nota_07".
inline std::string NoteSheetName(int n) {
    return std::string(kNotePrefix) + (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace spf::sheets
