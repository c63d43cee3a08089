// "Wybór arkuszy": the tick list of the sheets that printing and the
// spreadsheet export take. The ticks stay for the session, by sheet name,
// so that another document with the same sheets keeps the choice.
#pragma once

#include <QDialog>
#include <set>
#include <string>
#include <vector>

class QListWidget;

namespace spf {

class Workbook;

class SheetSelectionDialog : public QDialog {
    Q_OBJECT
public:
    explicit SheetSelectionDialog(const Workbook& workbook, QWidget* parent = nullptr);

    // Shows the used sheets with their ticks; true when closed with "OK",
    // which alone keeps the new ticks.
    bool Choose();
    // A sheet of the list that is ticked; a sheet never unticked is ticked.
    bool IsSheetChecked(int sheetIndex) const;
    // The ticked sheets in workbook order.
    std::vector<int> CheckedSheets() const;

private:
    void Fill();
    void TickAll(bool ticked);

    const Workbook& workbook_;
    QListWidget* list_;
    std::set<std::string> unticked_;
};

}  // namespace spf
