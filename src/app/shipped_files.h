// The files that ship beside the program.
#pragma once

#include <QString>
#include <utility>

namespace spf {

class ShippedFiles {
public:
    explicit ShippedFiles(QString programDir) : dir_(std::move(programDir)) {}

    const QString& ProgramDir() const { return dir_; }
    QString Template() const { return Path(QStringLiteral("empty.spf")); }
    QString Introduction() const { return Path(QStringLiteral("Informacja wstępna.html")); }
    QString Help() const { return Path(QStringLiteral("Pomoc.html")); }
    QString StandardStatement() const {
        return Path(QStringLiteral("Standardowe sprawozdanie finansowe.fodt"));
    }

private:
    QString Path(const QString& name) const { return dir_ + QLatin1Char('/') + name; }

    QString dir_;
};

}  // namespace spf
