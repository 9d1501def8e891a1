// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' font: Verdana where installed, DejaVu Sans (close in metrics)
// otherwise, so layouts look alike on every desktop; in a language written
// in Devanagari, Lohit Devanagari. Devanagari in a window of another
// language is drawn in Lohit Devanagari too, chosen where it is drawn.
#pragma once

#include <QFont>

class QLabel;
class QTextDocument;
class QWidget;

namespace orvanta {

// A font of that family at the given size, for a widget that needs its own.
QFont WindowFont(qreal pointSize, bool bold = false);

// The Devanagari font, for a text written in Devanagari only.
QFont DevanagariFont(qreal pointSize, bool bold = false);

bool HasDevanagari(const QString& text);

// A plain text as rich text (escaped), whose Devanagari runs ask for the
// Devanagari font where the windows' font is another.
QString WithDevanagariFont(const QString& text);

// Shows a plain text in a label, its Devanagari in the Devanagari font
// (the whole label, so that its text stays plain).
void SetPlainText(QLabel& label, const QString& text);

// Gives the Devanagari of a document the Devanagari font.
void UseDevanagariFont(QTextDocument& document);

// Makes the windows' font the application's default.
void ApplyWindowFont();

// The caption every window carries, "Orvanta v2.0" in English.
QString WindowCaption();

// What every window of the program shares: its object name, the caption
// the program's caption ("Orvanta v2.0"), the program icon and the font; it
// deletes itself when closed, once no box or modal window is open.
void PrepareWindow(QWidget& window, const QString& objectName);

}  // namespace orvanta
