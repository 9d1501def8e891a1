// SPDX-License-Identifier: GPL-3.0-or-later
// The result window's page on the birth star: the nakshatra, its pada and
// lord, the four padas' name syllables with the birth's marked, when the
// Moon entered and leaves the nakshatra and the pada, a notice near a change
// of pada, and what the other method says. The page is laid out when it is
// first shown, so a window whose user never opens it does not pay for it.
#pragma once

#include <QWidget>

#include "core/reading/Reading.h"

class QLabel;
class QGridLayout;

namespace orvanta {

class BirthStarPage : public QWidget {
    Q_OBJECT
public:
    // `reading` must hold a birth star and outlive the page. The page's
    // controls follow `previous` in the keyboard order, as the page follows
    // its tab.
    BirthStarPage(const Reading& reading, QWidget* previous, QWidget* parent = nullptr);

    bool IsBuilt() const { return built_; }

signals:
    // Back (-1) or Next (+1) was pressed.
    void StepRequested(int step);
    void OtherMethodChosen(orvanta::MoonEphemeris ephemeris);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Build();
    void AddField(QGridLayout& grid, int row, const char* name, const QString& caption, const QString& value);
    QWidget* BuildSyllables(QWidget* parent);
    void SetKeyboardOrder();

    const Reading& reading_;
    QWidget* previous_;
    bool built_ = false;
};

}  // namespace orvanta
