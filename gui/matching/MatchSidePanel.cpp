// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/matching/MatchSidePanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/reading/StayLabel.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"

namespace orvanta {

namespace {

constexpr int kSideWidth = 350;
constexpr int kValueWidth = kSideWidth - 110;  // beside the captions

// What stands in place of a value not known yet.
QString Dash() { return QStringLiteral("\u2014"); }

}  // namespace

QLabel* MakeMatchValue(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(Dash(), parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

// Captions down the left, the person's lines beside them, and the two ways
// of filling the side at its foot.
MatchSidePanel::MatchSidePanel(MatchRole role, bool readingOnScreen, QWidget* parent)
    : QGroupBox(parent), role_(role)
{
    const bool bride = role == MatchRole::Bride;
    const QString who = bride ? QStringLiteral("Bride") : QStringLiteral("Groom");
    setTitle(bride ? tr("Bride") : tr("Groom"));
    setObjectName(QStringLiteral("fra") + who);
    setMinimumWidth(kSideWidth);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);

    const QStringList captions = Captions();
    const char* names[] = {"Name", "Birth", "Place", "Rashi", "Nakshatra", "Method"};
    for (int i = 0; i < 6; ++i) {
        QLabel* caption = MakeLabel(captions[i], this);
        QLabel* value = MakeMatchValue(QStringLiteral("lbl") + who + QLatin1String(names[i]), this);
        caption->setBuddy(value);
        lines_[static_cast<std::size_t>(i)] = value;
        grid->addWidget(caption, i, 0, Qt::AlignTop);
        grid->addWidget(value, i, 1);
    }
    lines_[0]->setFont(WindowFont(11, true));
    lines_[5]->setFont(WindowFont(8));

    open_ = new QPushButton(bride ? tr("Open &Bride's Reading\u2026") : tr("Open &Groom's Reading\u2026"), this);
    open_->setObjectName(QStringLiteral("cmdOpen") + who);
    screen_ = new QPushButton(bride ? tr("&Use Reading on Screen") : tr("U&se Reading on Screen"), this);
    screen_->setObjectName(QStringLiteral("cmdScreen") + who);
    screen_->setAccessibleName(bride ? tr("Use the reading on screen as the bride's")
                                     : tr("Use the reading on screen as the groom's"));
    screen_->setEnabled(readingOnScreen);
    if (!readingOnScreen) {
        screen_->setToolTip(tr("No reading is on screen: open a saved reading instead."));
    }
    connect(open_, &QPushButton::clicked, this, &MatchSidePanel::OpenRequested);
    connect(screen_, &QPushButton::clicked, this, &MatchSidePanel::ScreenRequested);
    // The buttons stay at the foot when the other side's lines run longer.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(open_);
    buttons->addWidget(screen_);
    buttons->addStretch(1);
    grid->setRowStretch(6, 1);
    grid->setRowMinimumHeight(6, 6);
    grid->addLayout(buttons, 7, 0, 1, 2);
}

QStringList MatchSidePanel::Captions() const
{
    return {tr("Name"), tr("Born"), tr("Place"), tr("Rashi"), tr("Nakshatra"), tr("Method")};
}

void MatchSidePanel::Show(const std::optional<MatchPerson>& person)
{
    const QStringList captions = Captions();
    std::array<QString, 6> values;
    values.fill(Dash());
    if (person) {
        const PersonLines lines = DescribePerson(*person);
        values = {Translated(lines.Name), Translated(lines.Birth), Translated(lines.Place),
                  Translated(lines.Rashi), Translated(lines.Nakshatra), Translated(lines.Method)};
    } else {
        values[0] = role_ == MatchRole::Bride ? tr("No bride's reading yet") : tr("No groom's reading yet");
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        lines_[i]->setText(values[i]);
        FitHeightToWidth(lines_[i], kValueWidth);
        //: A field of one side of the matching window, as a screen reader says it: "Bride, Rashi: Thula".
        lines_[i]->setAccessibleName(tr("%1, %2: %3").arg(title(), captions[static_cast<int>(i)], values[i]));
    }
}

std::vector<QWidget*> MatchSidePanel::KeyboardOrder() const
{
    std::vector<QWidget*> order{open_, screen_};
    order.insert(order.end(), lines_.begin(), lines_.end());
    return order;
}

}  // namespace orvanta
