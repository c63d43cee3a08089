// The window "Informacje o Norvel": a scrollable text about the partner firm.
#pragma once

#include <QDialog>

namespace spf {

class PartnerWindow : public QDialog {
    Q_OBJECT
public:
    explicit PartnerWindow(QWidget* parent = nullptr);
};

}  // namespace spf
