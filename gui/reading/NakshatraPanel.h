// SPDX-License-Identifier: GPL-3.0-or-later
// The result window's word on the birth star, for under the sign's stay:
// one line naming the nakshatra, pada, lord and name syllable, and under it
// the nakshatra's stay or, close to a change of pada, a marked notice. The
// texts come ready-made from the core.
#pragma once

#include <QWidget>
#include <optional>

#include "core/reading/NakshatraText.h"

class QLabel;

namespace orvanta {

class NakshatraPanel : public QWidget {
    Q_OBJECT
public:
    // The panel keeps this width; both lines wrap within it.
    explicit NakshatraPanel(int width, QWidget* parent = nullptr);

    // Shows the two lines; hides the panel when there is no nakshatra.
    void Show(const std::optional<NakshatraText>& nakshatra);

private:
    QLabel* lblNakshatra = nullptr;
    QLabel* lblNakshatraStay = nullptr;
};

}  // namespace orvanta
