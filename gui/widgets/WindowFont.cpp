// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/WindowFont.h"

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>

#include "core/common/Version.h"
#include "gui/widgets/Pictures.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/UiLanguage.h"
#include "platform/ModalLoops.h"

namespace orvanta {

namespace {

QStringList LatinFamilies()
{
    return {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
}

// Devanagari first: asked for Devanagari, Qt tries each family of the list
// in turn and warns of every one that lacks it before it finds one that
// has it. Lohit Devanagari also carries the Latin letters and digits.
QStringList DevanagariFamilies()
{
    return {QStringLiteral("Lohit Devanagari"), QStringLiteral("DejaVu Sans")};
}

QFont FontOf(const QStringList& families, qreal pointSize, bool bold)
{
    // Qt falls back along the list itself, without listing every installed
    // font first, which would cost a noticeable part of the start-up.
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

bool IsDevanagari(QChar c)
{
    return (c.unicode() >= 0x0900 && c.unicode() <= 0x097F) || (c.unicode() >= 0xA8E0 && c.unicode() <= 0xA8FF);
}

bool WindowsWriteDevanagari()
{
    return UiLocale().script() == QLocale::DevanagariScript;
}

}  // namespace

QFont WindowFont(qreal pointSize, bool bold)
{
    return FontOf(WindowsWriteDevanagari() ? DevanagariFamilies() : LatinFamilies(), pointSize, bold);
}

QFont DevanagariFont(qreal pointSize, bool bold)
{
    return FontOf(DevanagariFamilies(), pointSize, bold);
}

bool HasDevanagari(const QString& text)
{
    return std::any_of(text.begin(), text.end(), IsDevanagari);
}

QString WithDevanagariFont(const QString& text)
{
    if (WindowsWriteDevanagari() || !HasDevanagari(text)) {
        return text.toHtmlEscaped();
    }
    const QString open = QStringLiteral("<span style=\"font-family:'%1'\">").arg(DevanagariFamilies().front());
    QString html;
    bool inside = false;
    for (const QChar c : text) {
        // Qt counts punctuation, spaces and digits to the script before them:
        // after Devanagari they stay in its run, up to the next other letter.
        const bool devanagari = IsDevanagari(c) || (inside && !c.isLetter());
        if (devanagari != inside) {
            html += devanagari ? open : QStringLiteral("</span>");
            inside = devanagari;
        }
        html += QString(c).toHtmlEscaped();
    }
    if (inside) {
        html += QStringLiteral("</span>");
    }
    return html;
}

void SetPlainText(QLabel& label, const QString& text)
{
    // The whole label in the Devanagari font where its text has Devanagari
    // (that font carries Latin letters too), in the windows' own otherwise;
    // its size and weight stay.
    QFont font = label.font();
    font.setFamilies(!WindowsWriteDevanagari() && HasDevanagari(text) ? DevanagariFamilies()
                                                                       : WindowFont(9).families());
    label.setFont(font);
    label.setTextFormat(Qt::PlainText);
    label.setText(text);
}

void UseDevanagariFont(QTextDocument& document)
{
    if (WindowsWriteDevanagari()) {
        return;
    }
    // As in a label, what follows a Devanagari run up to the next other
    // letter counts to its script.
    static const QRegularExpression run(
        QStringLiteral("[\\x{0900}-\\x{097F}\\x{A8E0}-\\x{A8FF}][\\x{0900}-\\x{097F}\\x{A8E0}-\\x{A8FF}\\P{L}]*"));
    QTextCharFormat devanagari;
    devanagari.setFontFamilies(DevanagariFamilies());
    for (QTextCursor found = document.find(run); !found.isNull(); found = document.find(run, found)) {
        found.mergeCharFormat(devanagari);
    }
}

void ApplyWindowFont()
{
    QApplication::setFont(WindowFont(9));
}

QString WindowCaption()
{
    //: The caption of every window: the program's name, which stays as it is, and its version,
    //: %1, such as 2.0.
    return QCoreApplication::translate("Window", "Orvanta v%1").arg(ToQString(ProgramShortVersion));
}

void PrepareWindow(QWidget& window, const QString& objectName)
{
    window.setObjectName(objectName);
    window.setWindowTitle(WindowCaption());
    window.setWindowIcon(ProgramIcon());
    window.setFont(WindowFont(9));
    DeleteOnCloseOutsideModalLoops(window);
}

}  // namespace orvanta
