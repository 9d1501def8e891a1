// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reading/StayLabel.h"

#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"

namespace orvanta {

QLabel* MakeStayLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setFont(WindowFont(8));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

void ShowStay(QLabel* label, StayCertainty certainty, const UiText& heading, const UiText& text,
              const UiText& spoken, const StayDescriptions& descriptions)
{
    // A quiet line is plain text, which lays out faster than rich text; a
    // notice needs its heading in bold.
    const QString body = Translated(text);
    switch (certainty) {
    case StayCertainty::Settled:
        SetPlainText(*label, body);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setStyleSheet(QString());
        label->setAccessibleDescription(descriptions.Line);
        break;
    case StayCertainty::NearChange:
    case StayCertainty::CannotTell: {
        const bool cannotTell = certainty == StayCertainty::CannotTell;
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::RichText);
        label->setText(QStringLiteral("<b>") + Translated(heading).toHtmlEscaped() + QStringLiteral("</b><br>") +
                       WithDevanagariFont(body));
        label->setStyleSheet(cannotTell ? QStringLiteral("QLabel { background: #fbe4e1; border: 1px solid #c83228; "
                                                         "border-radius: 3px; padding: 4px; color: #3a0d09; }")
                                        : QStringLiteral("QLabel { background: #fff2cf; border: 1px solid #d49100; "
                                                         "border-radius: 3px; padding: 4px; color: #3a2a00; }"));
        label->setAccessibleDescription(descriptions.Notice);
        break;
    }
    }
    label->setAccessibleName(Translated(spoken));
}

void FitHeightToWidth(QLabel* label, int width)
{
    label->ensurePolished();  // a notice's padding counts
    label->setMinimumHeight(label->heightForWidth(width));
}

}  // namespace orvanta
