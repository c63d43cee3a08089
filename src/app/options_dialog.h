// The dialog "Opcje": automatic recalculation and automatic column fit.
#pragma once

#include <QDialog>

#include "app/run_options.h"

class QCheckBox;

namespace spf {

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(QWidget* parent = nullptr);

    // Shows the options; true when the user confirmed new values.
    bool Edit(RunOptions& options);

private:
    QCheckBox* autoRecalc_;
    QCheckBox* autoFit_;
};

}  // namespace spf
