// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CoordinateFrame.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "gui/widgets/EntryBoxes.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"

namespace orvanta {

QLabel* SmallCaption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(WindowFont(7.5));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

CoordinateFrame::CoordinateFrame(const Names& names, const QString& caption, const QString& first,
                                 const QString& second, QWidget* parent)
    : QGroupBox(caption, parent)
{
    setObjectName(QLatin1String(names.Frame));
    const QString boxName = QLatin1String(names.BoxPrefix);
    //: What a screen reader calls the coordinate's boxes: %1 "Latitude" or "Longitude"; degrees and minutes
    //: of arc.
    degrees_ = MakeNumericBox(boxName + QStringLiteral("D"), tr("%1 Degrees").arg(caption), 0, 52, this);
    //: As above: the minutes of arc of %1 ("Latitude" or "Longitude").
    minutes_ = MakeNumericBox(boxName + QStringLiteral("M"), tr("%1 Minutes").arg(caption), 0, 52, this);
    first_ = new QRadioButton(first, this);
    first_->setObjectName(QLatin1String(names.OptionPrefix) + QStringLiteral("0"));
    second_ = new QRadioButton(second, this);
    second_->setObjectName(QLatin1String(names.OptionPrefix) + QStringLiteral("1"));
    first_->setChecked(true);

    auto* layout = new QGridLayout(this);
    layout->setVerticalSpacing(0);
    layout->addWidget(degrees_, 0, 0);
    layout->addWidget(minutes_, 0, 1);
    //: A small caption under the box of a coordinate's degrees (of arc).
    layout->addWidget(SmallCaption(tr("Deg"), this), 1, 0);
    //: A small caption under the box of a coordinate's minutes (of arc).
    layout->addWidget(SmallCaption(tr("Min"), this), 1, 1);
    layout->addWidget(first_, 0, 2);
    layout->addWidget(second_, 1, 2);
    layout->setColumnStretch(3, 1);
}

CoordinateEntry CoordinateFrame::Entry() const
{
    return {ToStdString(degrees_->text()), ToStdString(minutes_->text()), second_->isChecked()};
}

void CoordinateFrame::Show(const CoordinateEntry& coordinate)
{
    degrees_->setText(ToQString(coordinate.Degrees));
    minutes_->setText(ToQString(coordinate.Minutes));
    (coordinate.WestOrSouth ? second_ : first_)->setChecked(true);
}

}  // namespace orvanta
