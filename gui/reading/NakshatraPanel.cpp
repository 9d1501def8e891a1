// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reading/NakshatraPanel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/reading/StayLabel.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"

namespace orvanta {

NakshatraPanel::NakshatraPanel(int width, QWidget* parent) : QWidget(parent)
{
    setFixedWidth(width);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    lblNakshatra = MakeStayLabel(QStringLiteral("lblNakshatra"), this);
    lblNakshatra->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblNakshatra->setAccessibleDescription(tr("The birth star: nakshatra, pada, its lord and the name syllable"));
    column->addWidget(lblNakshatra);

    lblNakshatraStay = MakeStayLabel(QStringLiteral("lblNakshatraStay"), this);
    column->addWidget(lblNakshatraStay);
    // Reached by the keyboard and read aloud through their focus; text
    // selection would double what these two labels cost the window to open.
    for (QLabel* label : {lblNakshatra, lblNakshatraStay}) {
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        label->setFocusPolicy(Qt::StrongFocus);  // the flags above took it away
    }
}

void NakshatraPanel::Show(const std::optional<NakshatraText>& nakshatra)
{
    setVisible(nakshatra.has_value());
    if (!nakshatra) {
        return;
    }
    SetPlainText(*lblNakshatra, Translated(nakshatra->Line));
    lblNakshatra->setAccessibleName(Translated(nakshatra->LineSpoken));
    ShowStay(lblNakshatraStay, nakshatra->Certainty, nakshatra->Heading, nakshatra->Text, nakshatra->Spoken,
             {tr("When the Moon entered this nakshatra and when it leaves it"),
              tr("Notice: the pada depends on the exact birth time")});
    FitHeightToWidth(lblNakshatra, width());
    FitHeightToWidth(lblNakshatraStay, width());
}

}  // namespace orvanta
