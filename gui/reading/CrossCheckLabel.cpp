// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reading/CrossCheckLabel.h"

#include "gui/reading/StayLabel.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"

namespace orvanta {

CrossCheckLabel::CrossCheckLabel(int width, QWidget* parent) : QLabel(parent), fixedWidth_(width > 0)
{
    setObjectName(QStringLiteral("lblCrossCheck"));
    if (width > 0) {
        setFixedWidth(width);
    }
    setWordWrap(true);
    setFont(WindowFont(8));
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextFormat(Qt::RichText);
    setAccessibleDescription(tr("The method this reading follows, and what the other method says"));
    connect(this, &QLabel::linkActivated, this, [this] {
        if (offered_) {
            emit OtherMethodChosen(*offered_);
        }
    });
}

void CrossCheckLabel::Show(const Reading& reading)
{
    const QString method = Translated(MethodLine(reading));
    const QString check = reading.Check ? Translated(reading.Check->Line) : QString();
    offered_ = reading.Check ? reading.Check->Offers : std::nullopt;
    //: The line under the birth star: %1 says which method the reading follows ("Reading by
    //: the classic series"), %2 what the other method says of the same birth (may be empty).
    const QString line = tr("%1. %2").arg(method, check);
    QString html = line.toHtmlEscaped();
    QString spoken = line;
    if (offered_) {
        const QString link = Translated(reading.Check->Link);
        html += QStringLiteral(" <a href=\"other\">%1</a>").arg(link.toHtmlEscaped());
        spoken += QLatin1Char(' ') + link;
    }
    setText(html);
    setAccessibleName(spoken);
    // A line with a link takes the keyboard focus, for the link.
    setTextInteractionFlags(offered_ ? Qt::TextBrowserInteraction : Qt::TextSelectableByMouse);
    setFocusPolicy(offered_ ? Qt::StrongFocus : Qt::NoFocus);
    if (fixedWidth_) {
        FitHeightToWidth(this, width());
    }
}

}  // namespace orvanta
