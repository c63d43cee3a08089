#include "workbench/document/document.h"

#include "formula/recalculator.h"

namespace spf {

Document::Document(const Clock& clock, QObject* parent)
    : QObject(parent), clock_(clock), recalculator_(std::make_unique<Recalculator>(workbook_, clock)) {}

Document::~Document() = default;

void Document::resetRecalculation() {
    TraceSink* trace = recalculator_->context().trace;
    recalculator_ = std::make_unique<Recalculator>(workbook_, clock_);
    recalculator_->context().trace = trace;
}

bool Document::recalculateSheet(int sheetIndex) {
    const bool done = recalculator_->RecalculateSheet(sheetIndex);
    announce({ChangeKind::Values, sheetIndex});
    return done;
}

bool Document::recalculateWorkbook() {
    const bool done = recalculator_->RecalculateWorkbook();
    announce({ChangeKind::Values});
    return done;
}

int Document::sheetIndex(const TSheet& sheet) const {
    for (size_t i = 0; i < workbook_.Sheets.size(); ++i)
        if (&workbook_.Sheets[i] == &sheet) return static_cast<int>(i);
    return -1;
}

void Document::announce(const DocumentChange& change) {
    if (!change.kinds.empty()) emit changed(change);
}

}  // namespace spf
