// SPDX-License-Identifier: GPL-3.0-or-later
// The small line under the zone boxes that says what the atlas used for the
// zone, and, where the clocks skipped or repeated the entered time, offers
// the two offsets as links to choose from.
#pragma once

#include <QLabel>

#include "gui/app/PlacePicker.h"

namespace orvanta {

class ZoneLineLabel : public QLabel {
    Q_OBJECT
public:
    explicit ZoneLineLabel(QWidget* parent = nullptr);

    // Shows the line, or hides it when it has no text.
    void Show(const ZoneLineText& line);

private:
    static QString Title();

signals:
    // The user took the offset at this place among the options.
    void OptionChosen(int which);
};

}  // namespace orvanta
