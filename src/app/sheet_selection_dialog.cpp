#include "app/sheet_selection_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/workbook.h"
#include "workbench/core/sheet_catalogue.h"

namespace spf {

namespace {

bool Listed(const TSheet& sheet) { return sheet.Grid && sheet.Used; }

// The name the navigation shows; a note adds its title, which is in the
// document's language and tells the notes apart better than their numbers.
QString Caption(const TSheet& sheet) {
    QString caption = QString::fromStdString(TreeCaption(sheet));
    if (ClassifySheet(sheet.GridName) == SheetKind::Note && sheet.Grid->Contains(2, 3)) {
        const QString title = QString::fromStdString(sheet.Grid->At(2, 3).Cells).simplified();
        if (!title.isEmpty()) caption += QLatin1Char(' ') + title;
    }
    return caption;
}

}  // namespace

SheetSelectionDialog::SheetSelectionDialog(const Workbook& workbook, QWidget* parent)
    : QDialog(parent), workbook_(workbook), list_(new QListWidget) {
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QStringLiteral("Wybór arkuszy"));
    list_->setObjectName(QStringLiteral("ListBox1"));
    auto* all = new QPushButton(QStringLiteral("Zaznacz wszystko"));
    auto* none = new QPushButton(QStringLiteral("Odznacz wszystko"));
    all->setObjectName(QStringLiteral("tickAll"));
    none->setObjectName(QStringLiteral("untickAll"));
    connect(all, &QPushButton::clicked, this, [this] { TickAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { TickAll(false); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* ticks = new QHBoxLayout;
    ticks->addWidget(all);
    ticks->addWidget(none);
    ticks->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(ticks);
    layout->addWidget(buttons);
    resize(420, 480);
}

bool SheetSelectionDialog::Choose() {
    Fill();
    if (exec() != QDialog::Accepted) return false;
    for (int row = 0; row < list_->count(); ++row) {
        const QListWidgetItem* item = list_->item(row);
        const std::string name = item->data(Qt::UserRole).toString().toStdString();
        if (item->checkState() == Qt::Checked)
            unticked_.erase(name);
        else
            unticked_.insert(name);
    }
    return true;
}

bool SheetSelectionDialog::IsSheetChecked(int sheetIndex) const {
    if (sheetIndex < 0 || sheetIndex >= static_cast<int>(workbook_.Sheets.size())) return false;
    const TSheet& sheet = workbook_.Sheets[static_cast<size_t>(sheetIndex)];
    return Listed(sheet) && !unticked_.count(sheet.GridName);
}

std::vector<int> SheetSelectionDialog::CheckedSheets() const {
    std::vector<int> out;
    for (int i = 0; i < static_cast<int>(workbook_.Sheets.size()); ++i)
        if (IsSheetChecked(i)) out.push_back(i);
    return out;
}

void SheetSelectionDialog::Fill() {
    list_->clear();
    for (const TSheet& sheet : workbook_.Sheets) {
        if (!Listed(sheet)) continue;
        auto* item = new QListWidgetItem(Caption(sheet), list_);
        item->setData(Qt::UserRole, QString::fromStdString(sheet.GridName));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(unticked_.count(sheet.GridName) ? Qt::Unchecked : Qt::Checked);
    }
}

void SheetSelectionDialog::TickAll(bool ticked) {
    for (int row = 0; row < list_->count(); ++row)
        list_->item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

}  // namespace spf
