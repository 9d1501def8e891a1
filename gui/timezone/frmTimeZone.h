// SPDX-License-Identifier: GPL-3.0-or-later
// The time-zone picker: a list of named zones; a double-click on one hands
// its hours and minutes to whoever opened the picker, then closes it.
#pragma once

#include <QDialog>

class QListWidget;

namespace orvanta {

// Opened modally over the main window, filled afresh each time with no line
// chosen. It reports a zone only when a line is chosen.
class frmTimeZone : public QDialog {
    Q_OBJECT
public:
    explicit frmTimeZone(QWidget* parent = nullptr);

signals:
    // The chosen row's hours and minutes, signed as the zone boxes take them
    // (west of Greenwich positive): "Indian Time" gives -5 and -30.
    void ZoneChosen(int hours, int minutes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    // Reports the chosen line's zone (when a line is chosen) and closes.
    void lstTimeZone_DblClick();
    void cmdQuit_Click();

    QListWidget* lstTimeZone_ = nullptr;
};

}  // namespace orvanta
