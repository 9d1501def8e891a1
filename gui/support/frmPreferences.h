// SPDX-License-Identifier: GPL-3.0-or-later
// The Preferences window: which Moon the readings follow (the classic series
// or Swiss Ephemeris), Swiss Ephemeris's ayanamsa, and the language of the
// windows, kept in the settings.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "core/reading/MoonMethod.h"

class QComboBox;
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

signals:
    // OK has kept another language than the one the windows speak; the
    // windows are to follow it.
    void LanguageChosen();

private slots:
    void cmdOK_Click();

private:
    void ShowMethod(const MoonMethod& method);
    void FollowMethod();

    Services& services_;
    QRadioButton* optClassic_ = nullptr;
    QRadioButton* optSwiss_ = nullptr;
    std::vector<QRadioButton*> optAyanamsa_;  // in AyanamsaTable's order
    QComboBox* cboLanguage_ = nullptr;         // item data: the settings value
    QString language_;                        // the choice the window opened with
};

}  // namespace orvanta
