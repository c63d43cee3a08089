#include "app/options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace spf {

namespace {
QGroupBox* Group(const QString& title, QCheckBox* box) {
    auto* group = new QGroupBox(title);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(box);
    return group;
}
}  // namespace

OptionsDialog::OptionsDialog(QWidget* parent)
    : QDialog(parent),
      autoRecalc_(new QCheckBox(QStringLiteral("Przeliczaj formuły automatycznie"))),
      autoFit_(new QCheckBox(QStringLiteral("Automatycznie dopasuj szerokości kolumn"))) {
    setObjectName(QStringLiteral("optionsDialog"));
    setWindowTitle(QStringLiteral("Opcje"));
    autoRecalc_->setObjectName(QStringLiteral("autoRecalc"));
    autoFit_->setObjectName(QStringLiteral("autoFitColumns"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Group(QStringLiteral("Przeliczanie formuł"), autoRecalc_));
    layout->addWidget(Group(QStringLiteral("Widok"), autoFit_));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool OptionsDialog::Edit(RunOptions& options) {
    autoRecalc_->setChecked(options.autoRecalc);
    autoFit_->setChecked(options.autoFitColumns);
    if (exec() != QDialog::Accepted) return false;
    options.autoRecalc = autoRecalc_->isChecked();
    options.autoFitColumns = autoFit_->isChecked();
    return true;
}

}  // namespace spf
