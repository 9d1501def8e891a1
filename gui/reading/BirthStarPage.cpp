// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reading/BirthStarPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/reading/CrossCheckLabel.h"
#include "gui/reading/StayLabel.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"

namespace orvanta {

namespace {

// The birth pada's row stands out as the gauge's sign does.
const QString kBirthPadaStyle =
    QStringLiteral("QLabel { background: #dce6f4; border-radius: 3px; padding: 1px 6px; font-weight: bold; }");

// A value the keyboard reaches and a screen reader reads with its caption.
QLabel* MakeValue(const QString& name, const QString& text, const QString& spoken, QWidget* parent)
{
    auto* value = new QLabel(parent);
    value->setObjectName(name);
    SetPlainText(*value, text);  // a syllable's Devanagari in its own font
    value->setWordWrap(true);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setFocusPolicy(Qt::StrongFocus);
    value->setAccessibleName(spoken);
    return value;
}

// Captions wrap, so the page still fits its column in the smallest window.
QLabel* MakeCaption(const QString& text, QWidget* parent)
{
    auto* caption = new QLabel(text, parent);
    caption->setAccessibleName(text);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    caption->setWordWrap(true);
    return caption;
}

}  // namespace

BirthStarPage::BirthStarPage(const Reading& reading, QWidget* previous, QWidget* parent)
    : QWidget(parent), reading_(reading), previous_(previous)
{
    setObjectName(QStringLiteral("fraBirthStar"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 14, 14, 12);
}

void BirthStarPage::showEvent(QShowEvent* event)
{
    if (!built_) {
        Build();
    }
    QWidget::showEvent(event);
}

void BirthStarPage::AddField(QGridLayout& grid, int row, const char* name, const QString& caption,
                             const QString& value)
{
    QLabel* label = MakeCaption(caption, grid.parentWidget());
    QLabel* shown = MakeValue(QLatin1String(name), value, tr("%1: %2").arg(caption, value), grid.parentWidget());
    label->setBuddy(shown);
    grid.addWidget(label, row, 0);
    grid.addWidget(shown, row, 1);
}

// Four rows, pada 1 to 4, the birth's marked in words as well as by look.
QWidget* BirthStarPage::BuildSyllables(QWidget* parent)
{
    const NakshatraText& text = *reading_.NakshatraLines;
    const int birthPada = reading_.Nakshatra->Position.Pada;
    auto* box = new QWidget(parent);
    box->setObjectName(QStringLiteral("fraSyllables"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    for (int k = 1; k <= 4; ++k) {
        const QString syllable = Translated(text.Syllables[k - 1]);
        const bool birth = k == birthPada;
        auto* pada = MakeCaption(tr("Pada %1").arg(k), box);
        const QString spoken = birth ? tr("Pada %1: %2, the birth pada").arg(k).arg(syllable)
                                     : tr("Pada %1: %2").arg(k).arg(syllable);
        QLabel* value = MakeValue(QStringLiteral("lblSyllable%1").arg(k), syllable, spoken, box);
        value->setWordWrap(false);
        pada->setBuddy(value);
        grid->addWidget(pada, k - 1, 0);
        grid->addWidget(value, k - 1, 1);
        if (birth) {
            value->setStyleSheet(kBirthPadaStyle);
            auto* mark = MakeCaption(tr("\u25C2 the birth pada"), box);
            mark->setObjectName(QStringLiteral("lblBirthPadaMark"));
            grid->addWidget(mark, k - 1, 2);
        }
    }
    grid->setColumnStretch(3, 1);
    return box;
}

void BirthStarPage::Build()
{
    built_ = true;
    const NakshatraPosition& at = reading_.Nakshatra->Position;
    const NakshatraText& text = *reading_.NakshatraLines;

    // What the page tells scrolls where the window is too small for it; the
    // buttons stay at the foot, as on every page.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrBirthStar"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);  // its fields take the focus, and it scrolls to them
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->viewport()->setAutoFillBackground(false);
    auto* content = new QWidget(scroll);
    content->setObjectName(QStringLiteral("fraBirthStarContent"));
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);

    QLabel* title = MakeValue(QStringLiteral("lblBirthStarTitle"), Translated(text.Short),
                              Translated(text.ShortSpoken), content);
    title->setFont(WindowFont(14, true));
    SetPlainText(*title, title->text());  // its syllable's Devanagari in the Devanagari font
    column->addWidget(title);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    // In the column first: the fields take the grid's widget for their parent.
    column->addLayout(grid);
    int row = 0;
    AddField(*grid, row++, "lblStarName", tr("Nakshatra"), Translated(NakshatraContext, at.Name));
    AddField(*grid, row++, "lblStarPada", tr("Pada"), tr("%1 of 4").arg(at.Pada));
    AddField(*grid, row++, "lblStarLord", tr("Lord"), Translated(text.Lord));
    QLabel* syllables = MakeCaption(tr("Name syllables"), content);
    grid->addWidget(syllables, row, 0);
    grid->addWidget(BuildSyllables(content), row++, 1);
    AddField(*grid, row++, "lblStarStay", tr("Moon in the nakshatra"), Translated(text.NakshatraStayLine));
    AddField(*grid, row++, "lblPadaStay", tr("Moon in the pada"), Translated(text.PadaStayLine));
    // Close to a change of pada, what the birth time decides, under the stays.
    if (text.Certainty != StayCertainty::Settled) {
        QLabel* notice = MakeStayLabel(QStringLiteral("lblPadaNotice"), content);
        notice->setFont(font());
        ShowStay(notice, text.Certainty, text.Heading, text.Text, text.Spoken,
                 {tr("When the Moon entered this nakshatra and when it leaves it"),
                  tr("Notice: the pada depends on the exact birth time")});
        grid->addWidget(notice, row++, 1);
    }
    if (reading_.Check) {
        auto* check = new CrossCheckLabel(0, content);
        check->setObjectName(QStringLiteral("lblStarCrossCheck"));
        check->setFont(font());
        check->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        check->Show(reading_);
        check->setFocusPolicy(Qt::StrongFocus);  // here it is read as any other field
        connect(check, &CrossCheckLabel::OtherMethodChosen, this, &BirthStarPage::OtherMethodChosen);
        QLabel* method = MakeCaption(tr("Method"), content);
        method->setBuddy(check);
        grid->addWidget(method, row, 0);
        grid->addWidget(check, row++, 1);
    }

    column->addStretch(1);
    scroll->setWidget(content);
    content->setAutoFillBackground(false);  // setWidget filled it; the page's own shade shows through

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 6, 0, 0);
    buttons->setSpacing(8);
    buttons->addStretch(1);
    QPushButton* back = MakeButton(QStringLiteral("cmdBackBirthStar"), tr("Back"), this);
    QPushButton* next = MakeButton(QStringLiteral("cmdNextBirthStar"), tr("Next"), this);
    connect(back, &QPushButton::clicked, this, [this] { emit StepRequested(-1); });
    connect(next, &QPushButton::clicked, this, [this] { emit StepRequested(+1); });
    buttons->addWidget(back);
    buttons->addWidget(next);

    auto* page = static_cast<QVBoxLayout*>(layout());
    page->addWidget(scroll, 1);
    page->addLayout(buttons);
    SetKeyboardOrder();
    // Shown and laid out now, inside this show, so the first paint is whole.
    scroll->show();
    back->show();
    next->show();
    page->activate();
}

// In the order they were made, which is the order they stand in, after the
// control that precedes the page.
void BirthStarPage::SetKeyboardOrder()
{
    QWidget* previous = previous_;
    for (QWidget* next : findChildren<QWidget*>()) {
        if (next->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}

}  // namespace orvanta
