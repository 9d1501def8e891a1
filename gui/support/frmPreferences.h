// SPDX-License-Identifier: GPL-3.0-or-later
// The Preferences window: which Moon the readings follow (the classic series
// or Swiss Ephemeris) and Swiss Ephemeris's ayanamsa, kept in the settings.
#pragma once

#include <QDialog>
#include <vector>

#include "core/reading/MoonMethod.h"

class QRadioButton;

namespace orvanta {

class Platform;

class frmPreferences : public QDialog {
    Q_OBJECT
public:
    explicit frmPreferences(Platform& platform, QWidget* parent = nullptr);

    // The choice the window shows now.
    MoonChoice Choice() const;

private slots:
    void cmdOK_Click();

private:
    void ShowChoice(const MoonChoice& choice);
    void FollowMethod();

    Platform& platform_;
    QRadioButton* optClassic_ = nullptr;
    QRadioButton* optSwiss_ = nullptr;
    std::vector<QRadioButton*> optAyanamsa_;  // in AyanamsaTable's order
};

}  // namespace orvanta
