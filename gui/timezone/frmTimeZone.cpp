// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/timezone/frmTimeZone.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/timezone/TimeZoneTable.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"

namespace orvanta {

frmTimeZone::frmTimeZone(QWidget* parent) : QDialog(parent)
{
    PrepareWindow(*this, QStringLiteral("frmTimeZone"));

    lstTimeZone_ = new QListWidget(this);
    lstTimeZone_->setObjectName(QStringLiteral("lstTimeZone"));
    lstTimeZone_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTimeZone_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstTimeZone_->installEventFilter(this);

    auto* cmdQuit = new QPushButton(tr("&Quit"), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setAutoDefault(false);  // Enter belongs to the list

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstTimeZone_);
    layout->addWidget(cmdQuit);

    connect(lstTimeZone_, &QListWidget::itemDoubleClicked, this, [this] { lstTimeZone_DblClick(); });
    connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });

    Form_Load();
}

void frmTimeZone::Form_Load()
{
    for (const TimeZoneRow& row : TimeZoneTable) {
        lstTimeZone_->addItem(Translated(TimeZoneContext, row.Name) + ToQString(row.Code));
    }
    // Wide enough for the longest line, tall enough for a good part of the list.
    const int textWidth = lstTimeZone_->sizeHintForColumn(0);
    const int scrollBar = lstTimeZone_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    lstTimeZone_->setMinimumWidth(textWidth + scrollBar + 2 * lstTimeZone_->frameWidth() + 8);
    lstTimeZone_->setMinimumHeight(18 * lstTimeZone_->sizeHintForRow(0));
}

void frmTimeZone::lstTimeZone_DblClick()
{
    const QList<QListWidgetItem*> chosen = lstTimeZone_->selectedItems();
    if (!chosen.isEmpty()) {
        const auto p = static_cast<std::size_t>(lstTimeZone_->row(chosen.front()));
        if (p < TimeZoneTable.size()) {
            emit ZoneChosen(TimeZoneTable[p].Hours, TimeZoneTable[p].Minutes);
        }
    }
    close();
}

void frmTimeZone::cmdQuit_Click()
{
    close();
}

// Enter on a chosen line acts as a double-click on it, for keyboard users.
// The list opens with its first line current but not chosen; Enter then
// does nothing, since the user has chosen no zone yet.
bool frmTimeZone::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstTimeZone_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!lstTimeZone_->selectedItems().isEmpty()) {
                lstTimeZone_DblClick();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orvanta
