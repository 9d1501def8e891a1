// SPDX-License-Identifier: GPL-3.0-or-later
// One side of the matching window: a person's lines (name, birth, place,
// rashi, nakshatra, the method the reading follows) under the role's
// caption, and the two ways of filling it: a saved reading, or the reading
// on screen.
#pragma once

#include <QGroupBox>
#include <array>
#include <optional>
#include <vector>

#include "core/matching/Match.h"

class QLabel;
class QPushButton;

namespace orvanta {

// A value the windows of matching show: wrapping, selectable, and reached by
// the keyboard, so a screen reader reads it as a field.
QLabel* MakeMatchValue(const QString& objectName, QWidget* parent);

class MatchSidePanel : public QGroupBox {
    Q_OBJECT
public:
    // `readingOnScreen`: whether there is a reading on screen to take.
    MatchSidePanel(MatchRole role, bool readingOnScreen, QWidget* parent = nullptr);

    // The person's lines, or dashes under "no reading yet".
    void Show(const std::optional<MatchPerson>& person);

    // The buttons, then the lines: the panel's part of the keyboard order.
    std::vector<QWidget*> KeyboardOrder() const;

signals:
    void OpenRequested();
    void ScreenRequested();

private:
    QStringList Captions() const;

    const MatchRole role_;
    std::array<QLabel*, 6> lines_{};
    QPushButton* open_ = nullptr;
    QPushButton* screen_ = nullptr;
};

}  // namespace orvanta
