// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/support/frmPreferences.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/support/LanguagePreference.h"
#include "gui/support/MoonPreferences.h"
#include "gui/support/Services.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"
#include "platform/Platform.h"

namespace orvanta {

frmPreferences::frmPreferences(Services& services, QWidget* parent) : QDialog(parent), services_(services)
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

    auto* ayanamsa = new QGroupBox(tr("Ayanamsa"), this);
    ayanamsa->setObjectName(QStringLiteral("fraAyanamsa"));
    auto* ayanamsaColumn = new QVBoxLayout(ayanamsa);
    for (const AyanamsaRow& row : AyanamsaTable) {
        auto* option = new QRadioButton(Translated(AyanamsaContext, row.Name), ayanamsa);
        option->setObjectName(QStringLiteral("optAyanamsa") + ToQString(row.Name));
        optAyanamsa_.push_back(option);
        ayanamsaColumn->addWidget(option);
    }
    auto* note = new QLabel(tr("Used by Swiss Ephemeris; the classic series has its own ayanamsa formula."), ayanamsa);
    note->setObjectName(QStringLiteral("lblAyanamsaNote"));
    note->setFont(WindowFont(7.5));
    note->setWordWrap(true);
    ayanamsaColumn->addWidget(note);

    auto* language = new QGroupBox(tr("Language"), this);
    language->setObjectName(QStringLiteral("fraLanguage"));
    cboLanguage_ = new QComboBox(language);
    cboLanguage_->setObjectName(QStringLiteral("cboLanguage"));
    cboLanguage_->setAccessibleName(tr("Language of the windows"));
    // Each language names itself in its own script, drawn in its own font,
    // so that Qt never tries a Latin font for Devanagari first (and warns).
    // The list is not measured in the windows' font for the same reason.
    cboLanguage_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboLanguage_->setMinimumContentsLength(20);
    for (const QString& choice : OfferedLanguages()) {
        const QString label = LanguageLabel(choice);
        cboLanguage_->addItem(label, choice);
        if (HasDevanagari(label)) {
            cboLanguage_->setItemData(cboLanguage_->count() - 1, DevanagariFont(9), Qt::FontRole);
        }
    }
    connect(cboLanguage_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const QVariant font = cboLanguage_->itemData(index, Qt::FontRole);
        cboLanguage_->setFont(font.isValid() ? font.value<QFont>() : WindowFont(9));
    });
    language_ = ReadLanguageChoice(services_.Platform);
    cboLanguage_->setCurrentIndex(cboLanguage_->findData(language_));
    auto* languageColumn = new QVBoxLayout(language);
    languageColumn->addWidget(cboLanguage_);

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
    layout->addWidget(ayanamsa);
    layout->addWidget(language);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowMethod(services_.Method);
}

void frmPreferences::ShowMethod(const MoonMethod& method)
{
    (method.Ephemeris == MoonEphemeris::SwissEphemeris ? optSwiss_ : optClassic_)->setChecked(true);
    for (std::size_t i = 0; i < AyanamsaTable.size(); ++i) {
        optAyanamsa_[i]->setChecked(AyanamsaTable[i].Value == method.Ayanamsa);
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

MoonMethod frmPreferences::Method() const
{
    MoonMethod method;
    method.Ephemeris = optSwiss_->isChecked() ? MoonEphemeris::SwissEphemeris : MoonEphemeris::ClassicSeries;
    for (std::size_t i = 0; i < AyanamsaTable.size(); ++i) {
        if (optAyanamsa_[i]->isChecked()) {
            method.Ayanamsa = AyanamsaTable[i].Value;
        }
    }
    return method;
}

// What the settings store refused stays as it was for this run too, as it
// will be at the next start. A new language is taken up at once.
void frmPreferences::cmdOK_Click()
{
    const QString language = cboLanguage_->currentData().toString();
    const bool newLanguage = language != language_;
    const bool methodKept = WriteMoonMethod(services_.Platform, Method());
    if (methodKept) {
        services_.Method = Method();
    }
    const bool languageKept = newLanguage && WriteLanguageChoice(services_.Platform, language);
    if (!methodKept || (newLanguage && !languageKept)) {
        services_.Platform.ShowMessage(this, tr("The Preferences Could Not Be Saved."), MessageIcon::Error);
    }
    if (languageKept) {
        emit LanguageChosen();
    }
    close();
}

}  // namespace orvanta
