// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/support/frmAbout.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/Version.h"
#include "core/support/ProductText.h"
#include "core/support/WebLinks.h"
#include "gui/support/WebPages.h"
#include "gui/widgets/ClickableLabel.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/SharpPicture.h"
#include "gui/widgets/WindowFont.h"

namespace orvanta {

frmAbout::frmAbout(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    PrepareWindow(*this, QStringLiteral("frmAbout"));

    auto* picture = new SharpPicture(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFixedSize(32, 32);
    picture->SetResource(QStringLiteral(":/icons/orvanta.svg"));
    picture->setAccessibleName(tr("Orvanta icon"));

    auto* title = new QLabel(WindowCaption(), this);
    title->setObjectName(QStringLiteral("Label2"));
    title->setFont(WindowFont(9.75, true));

    auto* description = new QLabel(Translated(ProductDescription("Orvanta")), this);
    description->setObjectName(QStringLiteral("Label1"));
    description->setWordWrap(true);
    description->setFixedWidth(420);

    // Free-software terms, and the credit the place atlas's data licence asks
    // for; the licence's name is kept on one line. A no-break space before a
    // letter or digit that could be a hex digit ends its literal, or the
    // translation tools read the two as one escape.
    auto* licence = new QLabel(
        tr("Free software under the GNU General Public License, version 3 or later. "
           "Contains GeoNames data (geonames.org), licensed under CC\u00a0" "BY\u00a0" "4.0."),
        this);
    licence->setObjectName(QStringLiteral("lblLicense"));
    licence->setWordWrap(true);
    licence->setFixedWidth(420);

    // The precise Moon's library is under the AGPL, which GPL-3.0 section 13
    // lets the program combine with; its credit is shown with the licence.
    // A number stays with its word.
    auto* swissEphemeris = new QLabel(
        tr("Uses Swiss Ephemeris © Astrodienst AG, AGPL-3.0, combined with Orvanta under "
           "section\u00a0" "13 of the GNU General Public License, version\u00a0" "3."),
        this);
    swissEphemeris->setObjectName(QStringLiteral("lblSwissEphemeris"));
    swissEphemeris->setWordWrap(true);
    swissEphemeris->setFixedWidth(420);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    const QString home = ToQString(HomePage);
    //: %1 the program's web address.
    auto* homeLink = new ClickableLabel(tr("Click here to visit us at %1").arg(home), this);
    homeLink->setObjectName(QStringLiteral("lblHomePage"));
    connect(homeLink, &ClickableLabel::clicked, this, &frmAbout::lblHomePage_Click);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // The link above would otherwise take the first focus, and Enter with it.
    ok->setFocus();

    auto* header = new QHBoxLayout;
    header->addWidget(picture, 0, Qt::AlignTop);
    header->addSpacing(8);
    header->addWidget(title, 1, Qt::AlignVCenter);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(10);
    layout->addLayout(header);
    layout->addWidget(description);
    layout->addWidget(licence);
    layout->addWidget(swissEphemeris);
    layout->addWidget(line);
    layout->addWidget(homeLink);
    layout->addLayout(buttons);

    // The window takes the height its wrapped description needs.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::lblHomePage_Click()
{
    OpenHomePage(platform_);
}

}  // namespace orvanta
