// SPDX-License-Identifier: GPL-3.0-or-later
// The Preferences window: which Moon the readings follow (the classic series
// or Swiss Ephemeris) and Swiss Ephemeris's ayanamsa, kept in the settings.
#pragma once

#include <QDialog>
#include <vector>

#include "core/reading/MoonMethod.h"

class QRadioButton;

namespace orvanta {

struct Services;

class frmPreferences : public QDialog {
    Q_OBJECT
public:
    // Shows the services' Moon method; OK keeps the one chosen in the settings
    // and in the services, for the readings that follow.
    explicit frmPreferences(Services& services, QWidget* parent = nullptr);

    // The method the window shows now.
    MoonMethod Method() const;

private slots:
    void cmdOK_Click();

private:
    void ShowMethod(const MoonMethod& method);
    void FollowMethod();

    Services& services_;
    QRadioButton* optClassic_ = nullptr;
    QRadioButton* optSwiss_ = nullptr;
    std::vector<QRadioButton*> optAyanamsa_;  // in AyanamsaTable's order
};

}  // namespace orvanta
