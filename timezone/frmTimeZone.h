// The time-zone picker: a list of named zones; a double-click writes the
// zone's hours and minutes into the main window's two zone boxes.
#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace orvanta {

// Opened modally over the main window, filled afresh each time with no line
// chosen. It writes only the two boxes it is given, and only on a choice.
class frmTimeZone : public QDialog {
    Q_OBJECT
public:
    frmTimeZone(QLineEdit& zoneHour, QLineEdit& zoneMinute, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    // Writes the chosen line's zone (when a line is chosen) and closes.
    void lstTimeZone_DblClick();
    void cmdQuit_Click();

    QLineEdit& zoneHour_;
    QLineEdit& zoneMinute_;
    QListWidget* lstTimeZone_ = nullptr;
};

}  // namespace orvanta
