// The open document: the workbook with its undo journal, and its
// recalculation. Whatever changes the workbook, from a view or from outside
// (general data, rollover, row commands, undo, printing), announces it here
// by kind; the views and windows listen and repaint or rebuild what they show.
//
//   spf::Document document(clock);
//   connect(&document, &spf::Document::changed, view, ...);
//   document.recalculateSheet(i);                           // announces values of sheet i
//   document.announce({spf::ChangeKind::Look, i});           // after a formatting command
//   document.announce({spf::ChangeKind::Rows, i, row, +1});  // a row inserted before `row`
//   document.announce({spf::ChangeKind::Header});            // general data: every sheet
#pragma once

#include <QObject>
#include <memory>

#include "model/workbook.h"
#include "workbench/core/document_change.h"

namespace spf {

class Clock;
class Recalculator;

class Document : public QObject {
    Q_OBJECT
public:
    explicit Document(const Clock& clock, QObject* parent = nullptr);
    ~Document() override;

    Workbook& workbook() { return workbook_; }
    const Workbook& workbook() const { return workbook_; }
    Recalculator& recalculator() { return *recalculator_; }

    // After a workbook was read into workbook(): the engine starts over,
    // keeping its trace sink.
    void resetRecalculation();

    // Recalculations announce the values they changed. False when a failure
    // stopped the run.
    bool recalculateSheet(int sheetIndex);
    bool recalculateWorkbook();

    int sheetIndex(const TSheet& sheet) const;

    void announce(const DocumentChange& change);

signals:
    void changed(const spf::DocumentChange& change);

private:
    const Clock& clock_;
    Workbook workbook_;
    std::unique_ptr<Recalculator> recalculator_;
};

}  // namespace spf

Q_DECLARE_METATYPE(spf::DocumentChange)
