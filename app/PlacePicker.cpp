// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlacePicker.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <algorithm>

#include "app/PlaceLookup.h"
#include "widgets/QtText.h"

namespace orvanta {

PlacePicker::PlacePicker(QLineEdit& city, PlaceLookup& places, std::function<BirthDataEntry()> entry, QObject* parent)
    : QObject(parent), city_(city), places_(places), entry_(std::move(entry))
{
    model_ = new QStandardItemModel(this);
    completer_ = new QCompleter(model_, this);
    completer_->setObjectName(QStringLiteral("placeCompleter"));
    // The atlas has already matched and ranked the places; the completer
    // only shows them.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(12);
    completer_->setWidget(&city_);
    connect(&city_, &QLineEdit::textEdited, this, &PlacePicker::CityEdited);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { Choose(index.data(Qt::UserRole).toInt()); });
}

void PlacePicker::Follow(std::initializer_list<QComboBox*> dateAndTime, std::initializer_list<QLineEdit*> zoneBoxes,
                         QCheckBox& daylightSaving)
{
    for (QComboBox* list : dateAndTime) {
        connect(list, &QComboBox::currentIndexChanged, this, &PlacePicker::DateOrTimeChanged);
    }
    for (QLineEdit* box : zoneBoxes) {
        connect(box, &QLineEdit::textEdited, this, &PlacePicker::ZoneSetByHand);
    }
    connect(&daylightSaving, &QCheckBox::clicked, this, &PlacePicker::ZoneSetByHand);
}

// From the second letter on, the City box offers the atlas's places.
void PlacePicker::CityEdited(const QString& text)
{
    if (chosen_ && text != ToQString(chosen_->Name)) {
        Forget();
    }
    const QString typed = text.trimmed();
    if (typed.size() < 2) {
        HidePlaces();
        return;
    }
    PlaceSearchResult found = places_.Atlas.Search(ToStdString(typed));
    if (found.Status == AtlasStatus::Unavailable) {
        if (found.FirstFoundUnavailable) {
            emit AtlasUnavailable(Translated(found.Problem));
        }
        return;
    }
    hits_ = std::move(found.Hits);
    model_->clear();
    for (std::size_t i = 0; i < hits_.size(); ++i) {
        auto* item = new QStandardItem(ToQString(hits_[i].Label()));
        item->setData(static_cast<int>(i), Qt::UserRole);
        model_->appendRow(item);
    }
    if (hits_.empty()) {
        HidePlaces();
        return;
    }
    ShowPlaces();
}

// The popup is made on first use, not at start-up; then it gets its name,
// and is made wide enough for the longest "place, region, country".
void PlacePicker::ShowPlaces()
{
    QAbstractItemView* popup = completer_->popup();
    popupMade_ = true;
    popup->setObjectName(QStringLiteral("lstPlaces"));
    popup->setAccessibleName(tr("Places"));
    const int wanted =
        popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width() + 2 * popup->frameWidth() + 8;
    QRect under = city_.rect();
    under.setWidth(std::max(under.width(), wanted));
    completer_->complete(under);
}

void PlacePicker::HidePlaces()
{
    if (popupMade_) {
        completer_->popup()->hide();
    }
}

void PlacePicker::Choose(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= hits_.size()) {
        return;
    }
    const PlaceHit place = hits_[static_cast<std::size_t>(row)];
    emit PlaceChosen(PlaceInputsFor(place));
    chosen_ = place;
    zoneFromAtlas_ = true;
    Refresh();
}

void PlacePicker::DateOrTimeChanged()
{
    Refresh();
}

// The zone in force at the chosen place on the entered date and time.
void PlacePicker::Refresh()
{
    if (!chosen_ || !zoneFromAtlas_) {
        return;
    }
    const ZoneFill fill = ZoneFillFor(*chosen_, entry_(), places_.TzVersion());
    options_ = fill.Options;
    switch (fill.Result) {
    case ZoneFill::Outcome::Filled:
        emit ZoneBoxesChanged(fill.Boxes);
        SayLine(Translated(fill.Line));
        break;
    case ZoneFill::Outcome::NeedsChoice:
        // No offset is right until the user says which: the boxes stay empty.
        emit ZoneBoxesChanged({});
        SayLine(Translated(fill.Line), options_);
        break;
    case ZoneFill::Outcome::NotFilled:
        SayLine(Translated(fill.Line));
        break;
    }
}

void PlacePicker::ChooseOption(int which)
{
    if (which < 0 || static_cast<std::size_t>(which) >= options_.size()) {
        return;
    }
    const ZoneOption option = options_[static_cast<std::size_t>(which)];
    options_.clear();
    emit ZoneBoxesChanged(option.Boxes);
    SayLine(Translated(option.Line));
}

void PlacePicker::ZoneSetByHand()
{
    if (!chosen_ || !zoneFromAtlas_) {
        return;
    }
    zoneFromAtlas_ = false;
    options_.clear();
    SayLine(tr("%1: time zone set by hand; the atlas no longer changes it.").arg(ToQString(chosen_->Name)));
}

void PlacePicker::Forget()
{
    const bool shown = chosen_.has_value();
    chosen_.reset();
    zoneFromAtlas_ = false;
    options_.clear();
    if (shown) {
        emit LineChanged({});
    }
}

void PlacePicker::SayLine(const QString& text, const std::vector<ZoneOption>& options)
{
    ZoneLineText line{text, {}};
    for (const ZoneOption& option : options) {
        line.Options.append(Translated(option.Label));
    }
    emit LineChanged(line);
}

}  // namespace orvanta
