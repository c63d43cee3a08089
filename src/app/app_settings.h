// The two values the program keeps for the user under "Tamsor/Kolbex".
#pragma once

#include <QString>

namespace spf {

class AppSettings {
public:
    QString LastFile() const;
    void SetLastFile(const QString& path);

    // Any stored value other than "No", none included, shows the introduction.
    bool ShowIntroduction() const;
    void SuppressIntroduction();
};

}  // namespace spf
