// What the program says about itself: name, version text, maker and the
// addresses behind the start window's links and the About buttons.
#pragma once

namespace spf {

inline constexpr char kProductName[] = "Sprawozdanie finansowe";
inline constexpr char kVersionText[] = "wersja 1.30";
inline constexpr char kMakerLine[] = "Producent: Tamsor";
inline constexpr char kPartnerName[] = "Norvel";
// Placeholders in a reserved domain until the maker publishes its pages.
inline constexpr char kMakerWebAddress[] = "https://tamsor.example/";
inline constexpr char kPartnerWebAddress[] = "https://norvel.example/";
inline constexpr char kMakerMailAddress[] = "biuro@tamsor.example";

// The digits of the version text read as one number: "wersja 1.30" is 130.
int ProgramVersionFromText(const char* versionText);

}  // namespace spf
