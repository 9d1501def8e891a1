// The time-zone picker: a list of named zones; a double-click writes the
// zone's hours and minutes into the main window's two zone boxes.
#pragma once

#include <QDialog>

class QLineEdit;

namespace orvanta {

class frmTimeZone : public QDialog {
    Q_OBJECT
public:
    frmTimeZone(QLineEdit& zoneHour, QLineEdit& zoneMinute, QWidget* parent = nullptr);

private:
    QLineEdit& zoneHour_;
    QLineEdit& zoneMinute_;
};

}  // namespace orvanta
