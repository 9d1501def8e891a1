// SPDX-License-Identifier: GPL-3.0-or-later
// Text boxes that keep their input sound, however it arrives: typed,
// pasted (keyboard, context menu, middle click) or dropped.
#pragma once

#include <QLineEdit>

class QMimeData;

namespace orvanta {

// A box for the digits of a number. A typed character other than a digit or
// Backspace is refused (KeyRefused says so, for the window to tell the
// user); pasted or dropped text keeps only its digits, as if typed, and the
// user types no more than the typing limit (0: no limit). What the program
// writes with setText (a signed zone, a saved reading) stays as it is.
class NumericBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericBox(int typingLimit = 0, QWidget* parent = nullptr);

signals:
    void KeyRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void PasteDigits(const QString& text);
    QString Fitting(QString text) const;
    int typingLimit_;
};

// A numeric box with its object name and accessible name, right-aligned,
// of the given width.
NumericBox* MakeNumericBox(const QString& name, const QString& accessibleName, int typingLimit, int width,
                           QWidget* parent);

// Keeps a box to at most `limit` UTF-16 code units (as the reading file
// counts them) without ever cutting a character in two: a pasted text cut at
// the limit loses the whole of the character that would not fit.
void LimitToWholeCharacters(QLineEdit& box, int limit);

}  // namespace orvanta
