// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reading/SignStayPanel.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/reading/StayLabel.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"

namespace orvanta {

namespace {

constexpr int kBarTop = 3;
constexpr int kBarHeight = 9;
constexpr int kScaleHeight = 11;  // the 0, 15 and 30 degree marks under the bar
constexpr int kZoomGap = 9;
constexpr int kZoomBarHeight = 10;
constexpr int kNameHeight = 12;
// Half the width of the magnified strip, in degrees: wide enough for a
// change a quarter of an hour away, narrow enough to show the accuracy band.
constexpr double kZoomHalfDegrees = 0.25;

const QColor kSignFill(0xdc, 0xe6, 0xf4);
const QColor kOtherSignFill(0xee, 0xee, 0xee);
const QColor kOutline(0x6b, 0x7d, 0x95);
const QColor kMoon(0x1b, 0x2a, 0x41);
const QColor kNearBand(0xe0, 0x9a, 0x00, 150);
const QColor kCannotTellBand(0xc8, 0x32, 0x28, 140);

void DrawMoonMarker(QPainter& p, double x, int top, int height)
{
    p.setPen(QPen(kMoon, 2));
    p.drawLine(QPointF(x, top - 2), QPointF(x, top + height + 2));
    QPainterPath head;
    head.moveTo(x - 4, top - 3);
    head.lineTo(x + 4, top - 3);
    head.lineTo(x, top + 2);
    head.closeSubpath();
    p.fillPath(head, kMoon);
}

}  // namespace

SignGauge::SignGauge(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(tr("Moon's place in the sign"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

int SignGauge::HeightFor(SignEnd nearEnd) const
{
    const int plain = kBarTop + kBarHeight + kScaleHeight + 2;
    return nearEnd == SignEnd::None ? plain : plain + kZoomGap + kZoomBarHeight + kNameHeight;
}

QSize SignGauge::sizeHint() const { return {200, HeightFor(stay_.NearEnd)}; }

void SignGauge::SetStay(const SignStayText& stay)
{
    stay_ = stay;
    setFixedHeight(HeightFor(stay.NearEnd));
    setAccessibleDescription(Translated(stay.GaugeSpoken));
    update();
}

void SignGauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double left = 5.5;  // room for the marker's head at either end
    const double right = width() - 5.5;
    const double span = right - left;
    const bool cannotTell = stay_.Certainty == StayCertainty::CannotTell;
    const QColor band = cannotTell ? kCannotTellBand : kNearBand;

    // The whole sign.
    const QRectF bar(left, kBarTop, span, kBarHeight);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kSignFill);
    p.drawRect(bar);
    p.setPen(QPen(kOutline, 1));
    for (int tick = 10; tick < 30; tick += 10) {
        const double x = left + span * tick / 30.0;
        p.drawLine(QPointF(x, kBarTop + kBarHeight - 3), QPointF(x, kBarTop + kBarHeight));
    }
    const double moonX = left + span * std::clamp(stay_.DegreesIntoSign, 0.0, 30.0) / 30.0;
    // The band reaches a boundary only when the rashis cannot be told apart;
    // at this scale it is under a pixel, so it is drawn at least 4 wide.
    if (cannotTell) {
        const double atEnd = stay_.NearEnd == SignEnd::End ? right - 4 : left;
        p.fillRect(QRectF(atEnd, kBarTop, 4, kBarHeight), band);
    }
    DrawMoonMarker(p, moonX, kBarTop, kBarHeight);

    QFont small = WindowFont(7);
    p.setFont(small);
    p.setPen(palette().color(QPalette::WindowText));
    const QRectF scale(0, kBarTop + kBarHeight + 1, width(), kScaleHeight);
    p.drawText(scale, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("0\u00B0"));
    p.drawText(scale, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("15\u00B0"));
    p.drawText(scale, Qt::AlignRight | Qt::AlignTop, QStringLiteral("30\u00B0"));
    if (stay_.NearEnd == SignEnd::None) {
        return;
    }

    // The magnified strip: the boundary in the middle, this sign on its side.
    const bool atEnd = stay_.NearEnd == SignEnd::End;
    const double boundary = atEnd ? 30.0 : 0.0;
    const double zoomTop = kBarTop + kBarHeight + kScaleHeight + kZoomGap;
    const double mid = left + span / 2;
    auto zoomX = [&](double degrees) {
        return mid + (degrees - boundary) / kZoomHalfDegrees * (span / 2);
    };

    // Lines from the bar's end down to the strip say which part is enlarged.
    // They start under the degree marks so as not to cross them.
    p.setPen(QPen(kOutline, 1, Qt::DotLine));
    const double endX = atEnd ? right : left;
    const double funnelTop = kBarTop + kBarHeight + kScaleHeight;
    p.drawLine(QPointF(endX, kBarTop + kBarHeight), QPointF(endX, funnelTop));
    p.drawLine(QPointF(endX, funnelTop), QPointF(atEnd ? left : right, zoomTop));

    const QRectF leftHalf(left, zoomTop, span / 2, kZoomBarHeight);
    const QRectF rightHalf(mid, zoomTop, span / 2, kZoomBarHeight);
    p.setPen(Qt::NoPen);
    p.fillRect(leftHalf, atEnd ? kSignFill : kOtherSignFill);
    p.fillRect(rightHalf, atEnd ? kOtherSignFill : kSignFill);
    const double bandFrom = std::max(left, zoomX(stay_.DegreesIntoSign - stay_.AccuracyDegrees));
    const double bandTo = std::min(right, zoomX(stay_.DegreesIntoSign + stay_.AccuracyDegrees));
    p.fillRect(QRectF(bandFrom, zoomTop, bandTo - bandFrom, kZoomBarHeight), band);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(left, zoomTop, span, kZoomBarHeight));
    p.setPen(QPen(kOutline, 1));
    p.drawLine(QPointF(mid, zoomTop - 3), QPointF(mid, zoomTop + kZoomBarHeight + 3));
    DrawMoonMarker(p, std::clamp(zoomX(stay_.DegreesIntoSign), left, right), static_cast<int>(zoomTop), kZoomBarHeight);

    p.setPen(palette().color(QPalette::WindowText));
    const QRectF names(left, zoomTop + kZoomBarHeight + 1, span, kNameHeight);
    const QStringList shown = NamesShown();
    p.drawText(names, Qt::AlignLeft | Qt::AlignTop, shown.value(0));
    p.drawText(names, Qt::AlignRight | Qt::AlignTop, shown.value(1));
}

QStringList SignGauge::NamesShown() const
{
    if (stay_.NearEnd == SignEnd::None) {
        return {};
    }
    const bool atEnd = stay_.NearEnd == SignEnd::End;
    return {Translated(CatalogueContext, atEnd ? stay_.Rashi : stay_.EarlierRashi),
            Translated(CatalogueContext, atEnd ? stay_.LaterRashi : stay_.Rashi)};
}

SignStayPanel::SignStayPanel(int width, QWidget* parent) : QWidget(parent)
{
    setFixedWidth(width);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);

    lblSignStay = MakeStayLabel(QStringLiteral("lblSignStay"), this);
    column->addWidget(lblSignStay);

    picSignGauge = new SignGauge(this);
    picSignGauge->setObjectName(QStringLiteral("picSignGauge"));
    column->addWidget(picSignGauge);
}

void SignStayPanel::Show(const std::optional<SignStayText>& stay)
{
    setVisible(stay.has_value());
    if (!stay) {
        return;
    }
    ShowStay(lblSignStay, stay->Certainty, stay->Heading, stay->Text, stay->Spoken,
             {tr("When the Moon entered this rashi and when it leaves it"),
              tr("Notice: the rashi depends on the exact birth time")});
    picSignGauge->SetStay(*stay);
    FitLabelHeight();
}

// The panel's width is fixed, so the wrapped line's height is known here.
void SignStayPanel::FitLabelHeight()
{
    FitHeightToWidth(lblSignStay, width());
}

}  // namespace orvanta
