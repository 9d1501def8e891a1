// SPDX-License-Identifier: GPL-3.0-or-later
// A frame of the main window for one coordinate: degree and minute boxes
// with their small captions, and the two sides to choose from.
#pragma once

#include <QGroupBox>

#include "core/common/Coordinates.h"

class QLabel;
class QRadioButton;

namespace orvanta {

class NumericBox;

class CoordinateFrame : public QGroupBox {
    Q_OBJECT
public:
    // The object names its widgets take, e.g. "Latitude", "Lat", "optLat".
    struct Names {
        const char* Frame;        // "fraLatitude"
        const char* BoxPrefix;    // "txtLat": txtLatD and txtLatM
        const char* OptionPrefix; // "optLat": optLat0 and optLat1
    };
    // `caption`, `first` and `second` are the visible, translated texts.
    CoordinateFrame(const Names& names, const QString& caption, const QString& first, const QString& second,
                    QWidget* parent);

    CoordinateEntry Entry() const;
    void Show(const CoordinateEntry& coordinate);

    NumericBox* Degrees() const { return degrees_; }
    NumericBox* Minutes() const { return minutes_; }
    QRadioButton* FirstSide() const { return first_; }
    QRadioButton* SecondSide() const { return second_; }

private:
    NumericBox* degrees_ = nullptr;
    NumericBox* minutes_ = nullptr;
    QRadioButton* first_ = nullptr;
    QRadioButton* second_ = nullptr;
};

// A small caption centred under a box, such as "Deg" or "Hour".
QLabel* SmallCaption(const QString& text, QWidget* parent);

}  // namespace orvanta
