// SPDX-License-Identifier: GPL-3.0-or-later
// The result window's word on how firm the rashi is: one line (or a marked
// notice) under the rashi's name, and a small gauge of the Moon's place in
// its sign. The texts come ready-made from the core.
#pragma once

#include <QWidget>
#include <optional>

#include "core/reading/SignStayText.h"

class QLabel;

namespace orvanta {

// The sign drawn as a bar from 0 to 30 degrees with the Moon's place on it.
// Near a change of sign a magnified strip around that boundary is added, in
// which the method's accuracy band can be seen at all.
class SignGauge : public QWidget {
    Q_OBJECT
public:
    explicit SignGauge(QWidget* parent = nullptr);

    void SetStay(const SignStayText& stay);
    QSize sizeHint() const override;

    // The names of the two signs under the magnified strip, in the windows'
    // language; none away from a change of sign.
    QStringList NamesShown() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int HeightFor(SignEnd nearEnd) const;

    SignStayText stay_;
};

class SignStayPanel : public QWidget {
    Q_OBJECT
public:
    // The panel keeps this width; the line wraps within it.
    explicit SignStayPanel(int width, QWidget* parent = nullptr);

    // Shows the line or notice and the gauge; hides both when there is none.
    void Show(const std::optional<SignStayText>& stay);

private:
    void FitLabelHeight();

    QLabel* lblSignStay = nullptr;
    SignGauge* picSignGauge = nullptr;
};

}  // namespace orvanta
