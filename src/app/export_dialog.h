// "Eksport do Excela": formulas or values, and every sheet or the ticked ones.
#pragma once

#include <QDialog>

class QRadioButton;

namespace spf {

class SheetSelectionDialog;

struct ExportChoice {
    bool formulas = false;
    bool selectedSheetsOnly = false;
};

class ExportDialog : public QDialog {
    Q_OBJECT
public:
    ExportDialog(SheetSelectionDialog& sheets, QWidget* parent = nullptr);

    // Shows the dialog; true when closed with "Eksportuj". The formulas
    // choice is kept for the next export; the sheets start at "all" each time.
    bool Choose(ExportChoice& choice);

private:
    void ChooseSheets();

    SheetSelectionDialog& sheets_;
    QRadioButton* formulas_;
    QRadioButton* values_;
    QRadioButton* allSheets_;
    QRadioButton* selectedSheets_;
    bool formulasChosen_ = false;
};

}  // namespace spf
