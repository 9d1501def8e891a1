// The windows' font: Verdana where installed, DejaVu Sans (close in metrics)
// otherwise, so layouts look alike on every desktop.
#pragma once

#include <QFont>

namespace orvanta {

// The family the windows use.
QString WindowFontFamily();

// A font of that family at the given size, for a widget that needs its own.
QFont WindowFont(qreal pointSize, bool bold = false);

// Makes the windows' font the application's default.
void ApplyWindowFont();

}  // namespace orvanta
