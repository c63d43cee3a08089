#include "app/export_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/sheet_selection_dialog.h"

namespace spf {

namespace {

QGroupBox* Group(const QString& title, const char* name, QRadioButton* first, QRadioButton* second) {
    auto* group = new QGroupBox(title);
    group->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(first);
    layout->addWidget(second);
    return group;
}

}  // namespace

ExportDialog::ExportDialog(SheetSelectionDialog& sheets, QWidget* parent)
    : QDialog(parent),
      sheets_(sheets),
      formulas_(new QRadioButton(QStringLiteral("Eksportuj formuły"))),
      values_(new QRadioButton(QStringLiteral("Eksportuj tylko wartości liczbowe (bez formuł)"))),
      allSheets_(new QRadioButton(QStringLiteral("eksportuj wszystkie arkusze"))),
      selectedSheets_(new QRadioButton(QStringLiteral("eksportuj tylko wybrane arkusze"))) {
    setObjectName(QStringLiteral("TForm19"));
    setWindowTitle(QStringLiteral("Eksport do Excela"));
    formulas_->setObjectName(QStringLiteral("formulas"));
    values_->setObjectName(QStringLiteral("values"));
    allSheets_->setObjectName(QStringLiteral("allSheets"));
    selectedSheets_->setObjectName(QStringLiteral("selectedSheets"));
    // Clicked, not toggled: setting the start value must not open the list.
    connect(selectedSheets_, &QRadioButton::clicked, this, &ExportDialog::ChooseSheets);

    auto* notice = new QLabel(QStringLiteral("Plik arkusza kalkulacyjnego powstaje w niecałą sekundę."));
    notice->setObjectName(QStringLiteral("txt1"));
    notice->setWordWrap(true);
    auto* buttons = new QDialogButtonBox;
    QPushButton* start = buttons->addButton(QStringLiteral("Eksportuj"), QDialogButtonBox::AcceptRole);
    start->setObjectName(QStringLiteral("btn1"));
    start->setDefault(true);
    buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btn2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Group(QStringLiteral("Eksport formuł"), "rg1", formulas_, values_));
    layout->addWidget(Group(QStringLiteral("Wybór arkuszy"), "rg2", allSheets_, selectedSheets_));
    layout->addWidget(notice);
    layout->addWidget(buttons);
}

bool ExportDialog::Choose(ExportChoice& choice) {
    (formulasChosen_ ? formulas_ : values_)->setChecked(true);
    allSheets_->setChecked(true);
    if (exec() != QDialog::Accepted) return false;
    formulasChosen_ = formulas_->isChecked();
    choice.formulas = formulasChosen_;
    choice.selectedSheetsOnly = selectedSheets_->isChecked();
    return true;
}

void ExportDialog::ChooseSheets() {
    // Abandoning the list abandons the choice of some sheets too.
    if (!sheets_.Choose()) allSheets_->setChecked(true);
}

}  // namespace spf
