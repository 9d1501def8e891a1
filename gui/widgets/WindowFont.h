// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' font: Verdana where installed, DejaVu Sans (close in metrics)
// otherwise, so layouts look alike on every desktop.
#pragma once

#include <QFont>

class QWidget;

namespace orvanta {

// A font of that family at the given size, for a widget that needs its own.
QFont WindowFont(qreal pointSize, bool bold = false);

// Makes the windows' font the application's default.
void ApplyWindowFont();

// What every window of the program shares: its object name, the caption
// the program's caption ("Orvanta v2.0"), the program icon and the font; it
// deletes itself when closed, once no box or modal window is open.
void PrepareWindow(QWidget& window, const QString& objectName);

}  // namespace orvanta
