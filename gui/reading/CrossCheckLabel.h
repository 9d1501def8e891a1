// SPDX-License-Identifier: GPL-3.0-or-later
// The result window's line on the method: which Moon the reading follows,
// what the other method says of the same birth, and, where the two differ,
// a link to the reading by the other one.
#pragma once

#include <QLabel>

#include "core/reading/Reading.h"

namespace orvanta {

class CrossCheckLabel : public QLabel {
    Q_OBJECT
public:
    // The label keeps this width, or with 0 the width its layout gives it;
    // the line wraps within it.
    explicit CrossCheckLabel(int width, QWidget* parent = nullptr);

    void Show(const Reading& reading);

signals:
    // The user asked for the reading of the same birth by this method.
    void OtherMethodChosen(orvanta::MoonEphemeris ephemeris);

private:
    std::optional<MoonEphemeris> offered_;
    bool fixedWidth_;
};

}  // namespace orvanta
