// Document-level data of a statement, and the general data that live beside it.
#pragma once

#include <cstdint>
#include <string>

#include "model/dates.h"

namespace spf {

constexpr int kProgramVersion = 130;

struct DocumentHeader {
    int FileVersion = kProgramVersion;
    int SheetsCount = 0;
    std::string Miasto;
    std::string Firma;
    std::string Osoba;
    int RokBiezacy = 2003;
    double DataSporzadzenia = 0;
    int Podatek1 = 27;
    int Podatek2 = 27;
    int AFAkcje1 = 1;
    int AFAkcje2 = 1;
    int AFAkcje3 = 1;
    double AFBO = 0;
    double AFBZ = 0;

    // The values after a document is closed; AFBO and AFBZ are kept.
    void Reset(DateDays today);
};

// The period option of the general-data window and the wizard switches;
// none of these are stored in the file.
struct GeneralData {
    bool OkresInnyNizRok = false;  // "okres inny niż rok"
    std::string OkresBiezacy;      // the current period as entered
    std::string OkresPoprzedni;    // the previous period as entered
    bool ZawszeDzienBiezacy = false;
    bool BilansZamknieciaPo12Miesiacach = true;

    void Reset() { *this = GeneralData{}; }
};

}  // namespace spf
