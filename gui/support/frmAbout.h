// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: the program's name, version and what it does.
#pragma once

#include <QDialog>

namespace orvanta {

class Platform;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Platform& platform, QWidget* parent = nullptr);

private slots:
    void cmdOK_Click();
    void lblHomePage_Click();

private:
    Platform& platform_;
};

}  // namespace orvanta
