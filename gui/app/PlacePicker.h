// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas's places offered as the City box is typed in, and the zone in
// force at the chosen place, kept up to date with the entered date and time
// until the user sets the zone by hand. The window shows what it says.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

#include "core/atlas/PlaceAtlas.h"
#include "core/atlas/PlaceChoice.h"
#include "core/entry/BirthDataEntry.h"

class QCheckBox;
class QComboBox;
class QCompleter;
class QLineEdit;
class QStandardItemModel;

namespace orvanta {

struct PlaceLookup;

// What the line under the zone boxes says; no text hides it.
struct ZoneLineText {
    QString Text;
    QStringList Options;  // offsets to choose from, around a change of the clocks
};

class PlacePicker : public QObject {
    Q_OBJECT
public:
    // `entry` gives the inputs whose date and time the zone is found for.
    PlacePicker(QLineEdit& city, PlaceLookup& places, std::function<BirthDataEntry()> entry,
                QObject* parent = nullptr);

    // The inputs it follows: the date and time lists decide the zone in
    // force; typing in a zone box or clicking DST sets the zone by hand.
    void Follow(std::initializer_list<QComboBox*> dateAndTime, std::initializer_list<QLineEdit*> zoneBoxes,
                QCheckBox& daylightSaving);

public slots:
    // The date or time changed: the zone follows while the atlas sets it.
    void DateOrTimeChanged();
    // A zone box was typed in or DST clicked: the atlas leaves the zone alone.
    void ZoneSetByHand();
    // One of the offered offsets, by its place in the line's options.
    void ChooseOption(int which);
    // The inputs were replaced as a whole: no place is in effect.
    void Forget();

signals:
    void PlaceChosen(const orvanta::PlaceInputs& place);
    // The zone boxes should read this; DST unticked, the offset holds it.
    void ZoneBoxesChanged(const orvanta::ZoneBoxTexts& boxes);
    void LineChanged(const orvanta::ZoneLineText& line);
    // The atlas cannot be used, said once a run of the program.
    void AtlasUnavailable(const QString& why);

private:
    void CityEdited(const QString& text);
    void MakePopup();
    void ShowPlaces();
    void HidePlaces();
    void Choose(int row);
    void Refresh();
    void SayLine(const QString& text, const std::vector<ZoneOption>& options = {});

    QLineEdit& city_;
    PlaceLookup& places_;
    std::function<BirthDataEntry()> entry_;
    QStandardItemModel* model_ = nullptr;
    QCompleter* completer_ = nullptr;
    bool popupMade_ = false;
    std::vector<PlaceHit> hits_;
    std::optional<PlaceHit> chosen_;   // the place in effect, if any
    bool zoneFromAtlas_ = false;       // the atlas still sets the zone boxes
    std::vector<ZoneOption> options_;  // offsets to choose from, if any
};

}  // namespace orvanta
