// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/support/frmPreferences.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Platform.h"
#include "gui/support/MoonPreferences.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"

namespace orvanta {

frmPreferences::frmPreferences(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    PrepareWindow(*this, QStringLiteral("frmPreferences"));

    auto* method = new QGroupBox(tr("Moon position"), this);
    method->setObjectName(QStringLiteral("fraMoonPosition"));
    optClassic_ = new QRadioButton(tr("&Classic series (25 terms, as Orvanta has always computed it)"), method);
    optClassic_->setObjectName(QStringLiteral("optClassic"));
    optSwiss_ = new QRadioButton(tr("&Swiss Ephemeris"), method);
    optSwiss_->setObjectName(QStringLiteral("optSwiss"));
    auto* methodColumn = new QVBoxLayout(method);
    methodColumn->addWidget(optClassic_);
    methodColumn->addWidget(optSwiss_);

    auto* zodiac = new QGroupBox(tr("Ayanamsa"), this);
    zodiac->setObjectName(QStringLiteral("fraAyanamsa"));
    auto* zodiacColumn = new QVBoxLayout(zodiac);
    for (const AyanamsaRow& row : AyanamsaTable) {
        auto* option = new QRadioButton(ToQString(row.Name), zodiac);
        option->setObjectName(QStringLiteral("optAyanamsa") + ToQString(row.Name));
        optAyanamsa_.push_back(option);
        zodiacColumn->addWidget(option);
    }
    auto* note = new QLabel(tr("Used by Swiss Ephemeris; the classic series has its own ayanamsa formula."), zodiac);
    note->setObjectName(QStringLiteral("lblAyanamsaNote"));
    note->setFont(WindowFont(7.5));
    note->setWordWrap(true);
    zodiacColumn->addWidget(note);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &frmPreferences::cmdOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(optSwiss_, &QRadioButton::toggled, this, &frmPreferences::FollowMethod);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(method);
    layout->addWidget(zodiac);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowChoice(ReadMoonChoice(platform_));
}

void frmPreferences::ShowChoice(const MoonChoice& choice)
{
    (choice.Method == MoonMethod::SwissEphemeris ? optSwiss_ : optClassic_)->setChecked(true);
    for (std::size_t i = 0; i < AyanamsaTable.size(); ++i) {
        optAyanamsa_[i]->setChecked(AyanamsaTable[i].Value == choice.Zodiac);
    }
    FollowMethod();
}

// The ayanamsa is Swiss Ephemeris's alone.
void frmPreferences::FollowMethod()
{
    for (QRadioButton* option : optAyanamsa_) {
        option->setEnabled(optSwiss_->isChecked());
    }
}

MoonChoice frmPreferences::Choice() const
{
    MoonChoice choice;
    choice.Method = optSwiss_->isChecked() ? MoonMethod::SwissEphemeris : MoonMethod::ClassicSeries;
    for (std::size_t i = 0; i < AyanamsaTable.size(); ++i) {
        if (optAyanamsa_[i]->isChecked()) {
            choice.Zodiac = AyanamsaTable[i].Value;
        }
    }
    return choice;
}

void frmPreferences::cmdOK_Click()
{
    if (!WriteMoonChoice(platform_, Choice())) {
        platform_.ShowMessage(this, tr("The Preferences Could Not Be Saved."),
                              MessageIcon::Error);
    }
    close();
}

}  // namespace orvanta
