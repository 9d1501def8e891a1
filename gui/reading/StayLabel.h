// SPDX-License-Identifier: GPL-3.0-or-later
// A label that tells of the Moon's stay: a quiet line, or a marked notice
// (heading in bold over its text) when a change lies near the birth. Both
// panels of the result window's header use it, so they look and read alike.
#pragma once

#include <QLabel>

#include "core/common/UiText.h"
#include "core/reading/StayText.h"

namespace orvanta {

// A wrapping, selectable label that takes the keyboard focus, so a screen
// reader reaches it like any field.
QLabel* MakeStayLabel(const QString& objectName, QWidget* parent);

// What the label's line and its notices are, for a screen reader.
struct StayDescriptions {
    QString Line;
    QString Notice;
};

// Shows the line or notice.
void ShowStay(QLabel* label, StayCertainty certainty, const UiText& heading, const UiText& text,
              const UiText& spoken, const StayDescriptions& descriptions);

// A wrapped label's height depends on its width, which a window's minimum
// size does not take into account; this fixes its least height at `width`.
void FitHeightToWidth(QLabel* label, int width);

}  // namespace orvanta
