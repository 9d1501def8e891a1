// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/PlacePicker.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QScrollBar>
#include <QStandardItemModel>
#include <algorithm>

#include "core/atlas/PlaceLookup.h"
#include "gui/widgets/QtText.h"

namespace orvanta {
namespace {

// The list of places under the City box. A screen reader's focus stays in
// the City box while the user types, moves to the place the arrows select,
// and comes back to the box when the list closes.
class PlaceList : public QListView {
public:
    explicit PlaceList(QLineEdit& city) : city_(&city)
    {
        // As QCompleter sets up its own list.
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setSelectionMode(QAbstractItemView::SingleSelection);
    }
    // The City box is going: nothing more is said for it.
    void ForgetCity() { city_ = nullptr; }

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override
    {
        // Not QListView's own: it hands the focus to the first place as soon
        // as the completer shows the list, while the user is still typing.
        QAbstractItemView::currentChanged(current, previous);
        FollowSelection();
    }
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override
    {
        QListView::selectionChanged(selected, deselected);
        FollowSelection();
    }
    void hideEvent(QHideEvent* event) override
    {
        QListView::hideEvent(event);
        FollowSelection();
    }

private:
    void FollowSelection()
    {
        const QModelIndex at = currentIndex();
        const int row = isVisible() && at.isValid() && selectionModel()->isSelected(at) ? at.row() : -1;
        if (row == focusRow_) {
            return;
        }
        const bool wasOnPlace = focusRow_ >= 0;
        focusRow_ = row;
        if (row >= 0) {
            QAccessibleEvent event(this, QAccessible::Focus);
            event.setChild(row);
            QAccessible::updateAccessibility(&event);
        } else if (wasOnPlace && city_ != nullptr && city_->hasFocus()) {
            QAccessibleEvent event(city_, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        }
    }

    QLineEdit* city_;
    int focusRow_ = -1;  // the place a screen reader is told has the focus
};

// Qt leaves popup windows out of the accessibility tree, so a screen reader
// could not reach the places from the window. This empty child of the City
// box holds the list there: the list is its child, and it the list's parent.
class PlaceListHolder : public QWidget {
public:
    PlaceListHolder(QLineEdit& city, PlaceList& list) : QWidget(&city), list_(&list)
    {
        setObjectName(QStringLiteral("placeListHolder"));
        setFocusPolicy(Qt::NoFocus);
        hide();
        list.setParent(this, list.windowFlags());
    }
    ~PlaceListHolder() override
    {
        // The completer owns the list and deletes it.
        if (list_) {
            list_->ForgetCity();
            list_->setParent(nullptr, list_->windowFlags());
        }
    }
    QAbstractItemView* List() const { return list_; }

private:
    QPointer<PlaceList> list_;
};

class PlaceListHolderAccessible : public QAccessibleWidget {
public:
    explicit PlaceListHolderAccessible(PlaceListHolder* holder) : QAccessibleWidget(holder, QAccessible::Grouping) {}

    int childCount() const override { return List() != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && List() != nullptr ? QAccessible::queryAccessibleInterface(List()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && List() != nullptr && child->object() == List() ? 0 : -1;
    }
    // Seen where the list is, while it is.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = List() == nullptr || !List()->isVisible();
        state.offscreen = state.invisible;
        return state;
    }
    QRect rect() const override
    {
        QAbstractItemView* list = List();
        return list != nullptr && list->isVisible() ? QRect(list->mapToGlobal(QPoint(0, 0)), list->size()) : QRect();
    }

private:
    QAbstractItemView* List() const
    {
        const auto* holder = static_cast<const PlaceListHolder*>(widget());
        return holder != nullptr ? holder->List() : nullptr;
    }
};

QAccessibleInterface* PlaceListHolderFactory(const QString& /*className*/, QObject* object)
{
    auto* holder = dynamic_cast<PlaceListHolder*>(object);
    return holder != nullptr ? new PlaceListHolderAccessible(holder) : nullptr;
}

}  // namespace

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
    // A screen reader says it when the box takes the focus, so the list,
    // which opens without taking the focus, is found.
    city_.setAccessibleDescription(tr("Type two or more letters for places from the atlas; the Down arrow "
                                      "reads them, Enter chooses one."));
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

// Made on first use, not at start-up.
void PlacePicker::MakePopup()
{
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(&PlaceListHolderFactory);
        return true;
    }();
    auto* list = new PlaceList(city_);
    completer_->setPopup(list);
    list->setObjectName(QStringLiteral("lstPlaces"));
    //: What a screen reader calls the list of places the atlas suggests under City.
    list->setAccessibleName(tr("Places"));
    auto* holder = new PlaceListHolder(city_, *list);
    QAccessibleEvent created(holder, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
    popupMade_ = true;
}

// Wide enough for the longest "place, region, country".
void PlacePicker::ShowPlaces()
{
    if (!popupMade_) {
        MakePopup();
    }
    QAbstractItemView* popup = completer_->popup();
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
    //: Said to a screen reader: %1 the place's name.
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
