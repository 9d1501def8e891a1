// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/matching/frmMatch.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/matching/MatchReport.h"
#include "gui/matching/MatchSidePanel.h"
#include "gui/matching/frmMatchReport.h"
#include "gui/reading/StayLabel.h"
#include "gui/report/ReadingFileAccess.h"
#include "gui/support/Services.h"
#include "gui/support/WebPages.h"
#include "gui/support/frmAbout.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"
#include "platform/Platform.h"

namespace orvanta {

namespace {

constexpr int kNoticeWidth = 780;  // the window's width within its margins
enum Column { KootaColumn, BrideColumn, GroomColumn, PointsColumn, MaximumColumn, ColumnCount };

std::size_t At(MatchRole role) { return role == MatchRole::Bride ? 0 : 1; }

// What stands in place of a value not known yet.
QString Dash() { return QStringLiteral("\u2014"); }

// A reading whose birth data name no sign of their own has no Moon to match.
std::optional<MatchPerson> Matchable(std::optional<MatchPerson> person)
{
    return person && !PossiblePlaces(person->Moon).empty() ? std::move(person) : std::nullopt;
}

QTableWidgetItem* Cell(const QString& text, bool bold = false)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

}  // namespace

frmMatch::frmMatch(Services& services, std::optional<MatchPerson> onScreen, QWidget* parent)
    : QMainWindow(parent), services_(services), onScreen_(Matchable(std::move(onScreen)))
{
    PrepareWindow(*this, QStringLiteral("frmMatch"));
    setWindowTitle(tr("Match Two Readings \u2014 %1").arg(windowTitle()));
    BuildMenus();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(10);

    auto* sides = new QHBoxLayout;
    sides->setSpacing(10);
    for (const MatchRole role : {MatchRole::Bride, MatchRole::Groom}) {
        sides_[At(role)] = new MatchSidePanel(role, onScreen_.has_value(), central);
        connect(sides_[At(role)], &MatchSidePanel::OpenRequested, this, [this, role] { AskForReading(role); });
        connect(sides_[At(role)], &MatchSidePanel::ScreenRequested, this, [this, role] { UseReadingOnScreen(role); });
    }
    sides->addWidget(sides_[At(MatchRole::Bride)], 1);
    cmdSwap_ = MakeButton(QStringLiteral("cmdSwap"), tr("S&wap \u21C4"), central);
    cmdSwap_->setAccessibleName(tr("Swap the bride and the groom"));
    connect(cmdSwap_, &QPushButton::clicked, this, &frmMatch::cmdSwap_Click);
    sides->addWidget(cmdSwap_, 0, Qt::AlignVCenter);
    sides->addWidget(sides_[At(MatchRole::Groom)], 1);
    column->addLayout(sides);
    column->addWidget(BuildResult(central));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdReport_ = MakeButton(QStringLiteral("cmdReport"), tr("&Report\u2026"), central);
    cmdClose_ = MakeButton(QStringLiteral("cmdClose"), tr("&Close"), central);
    connect(cmdReport_, &QPushButton::clicked, this, &frmMatch::cmdReport_Click);
    connect(cmdClose_, &QPushButton::clicked, this, &frmMatch::cmdClose_Click);
    buttons->addWidget(cmdReport_);
    buttons->addWidget(cmdClose_);
    column->addLayout(buttons);
    setCentralWidget(central);

    if (onScreen_) {
        people_[At(MatchRole::Bride)] = onScreen_;
    }
    SetKeyboardOrder();
    Refresh();
}

void frmMatch::BuildMenus()
{
    QMenu* file = AddMenu(*menuBar(), "mnuFile", tr("&File"));
    AddMenuEntry(*file, "mnuOpenBride", tr("Open &Bride's Reading\u2026"), this, &frmMatch::mnuOpenBride_Click);
    AddMenuEntry(*file, "mnuOpenGroom", tr("Open &Groom's Reading\u2026"), this, &frmMatch::mnuOpenGroom_Click);
    AddMenuEntry(*file, "mnuSwap", tr("S&wap Bride and Groom"), this, &frmMatch::cmdSwap_Click);
    AddMenuSeparator(*file, "mnuFile1");
    AddMenuEntry(*file, "mnuReport", tr("&Report\u2026"), this, &frmMatch::cmdReport_Click);
    AddMenuSeparator(*file, "mnuFile2");
    AddMenuEntry(*file, "mnuClose", tr("&Close"), this, &frmMatch::cmdClose_Click);
    AddHelpMenu(*menuBar(), this, &frmMatch::mnuOnline_Click, &frmMatch::mnuVisit_Click, &frmMatch::mnuUpdate_Click,
                &frmMatch::mnuAbout_Click);
}

// The kootas' table, then the verdict, the scale it reads, and the notices.
QWidget* frmMatch::BuildResult(QWidget* parent)
{
    auto* result = new QWidget(parent);
    auto* column = new QVBoxLayout(result);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);

    tblKootas_ = new QTableWidget(KootaCount + 1, ColumnCount, result);
    tblKootas_->setObjectName(QStringLiteral("tblKootas"));
    tblKootas_->setAccessibleName(tr("The eight kootas"));
    //: The columns of the kootas' table: the koota, each side's class, the points got, the most a koota gives.
    tblKootas_->setHorizontalHeaderLabels({tr("Koota"), tr("Bride"), tr("Groom"), tr("Points"), tr("Maximum")});
    tblKootas_->verticalHeader()->hide();
    tblKootas_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblKootas_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblKootas_->setSelectionMode(QAbstractItemView::SingleSelection);
    tblKootas_->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
    tblKootas_->setWordWrap(false);
    tblKootas_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblKootas_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* header = tblKootas_->horizontalHeader();
    header->setSectionResizeMode(KootaColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(BrideColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(GroomColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(PointsColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(MaximumColumn, QHeaderView::ResizeToContents);
    column->addWidget(tblKootas_);

    lblVerdict_ = MakeMatchValue(QStringLiteral("lblVerdict"), result);
    lblVerdict_->setFont(WindowFont(11, true));
    column->addWidget(lblVerdict_);
    lblScale_ = MakeMatchValue(QStringLiteral("lblScale"), result);
    lblScale_->setFont(WindowFont(8));
    column->addWidget(lblScale_);
    notices_ = new QVBoxLayout;
    notices_->setSpacing(6);
    column->addLayout(notices_);
    return result;
}

// Each side's way of filling from left to right, the swap between them, then
// the table, the verdict and the notices, then the buttons at the foot.
void frmMatch::SetKeyboardOrder()
{
    QWidget* previous = nullptr;
    auto next = [&previous, this](QWidget* widget) {
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    };
    for (const MatchRole role : {MatchRole::Bride, MatchRole::Groom}) {
        for (QWidget* widget : sides_[At(role)]->KeyboardOrder()) {
            next(widget);
        }
        if (role == MatchRole::Bride) {
            next(cmdSwap_);
        }
    }
    next(tblKootas_);
    next(lblVerdict_);
    next(lblScale_);
    next(cmdReport_);
    next(cmdClose_);
    sides_[At(MatchRole::Bride)]->KeyboardOrder().front()->setFocus();
}

const std::optional<MatchPerson>& frmMatch::Person(MatchRole role) const
{
    return people_[At(role)];
}

bool frmMatch::OpenReadingFile(MatchRole role, const QString& path)
{
    const ReadingFileCheck read = ReadReadingFileAt(services_.Platform, path);
    if (!read.Entry) {
        services_.Platform.ShowMessage(this, tr("Please Check The File."), MessageIcon::Error,
                                       ReadingFileProblemDetail(path, read.Problem));
        return false;
    }
    ComposedPerson composed = ComposeMatchPerson(*read.Entry, services_.Method, services_.Precise);
    const QString file = QFileInfo(path).fileName();
    if (composed.Refusal) {
        // The main window would refuse these birth data with this message.
        const QString why = Translated("Entry", composed.Refusal->Message);
        services_.Platform.ShowMessage(this, tr("Please Check The File."), MessageIcon::Error,
                                       tr("\u201C%1\u201D: %2").arg(file, why));
        return false;
    }
    if (PossiblePlaces(composed.Person.Moon).empty()) {
        services_.Platform.ShowMessage(this, tr("Please Check The File."), MessageIcon::Error,
                                       tr("No rashi can be found for the birth in \u201C%1\u201D.").arg(file));
        return false;
    }
    people_[At(role)] = std::move(composed.Person);
    Refresh();
    return true;
}

void frmMatch::AskForReading(MatchRole role)
{
    const QString title = role == MatchRole::Bride ? tr("Open the Bride's Reading") : tr("Open the Groom's Reading");
    const QString path = services_.Platform.AskOpenFileName(
        this, {title, tr("Saved Readings"), QStringLiteral("*.ras"), QStringLiteral("ras")});
    if (!path.isEmpty()) {
        OpenReadingFile(role, path);
    }
}

void frmMatch::UseReadingOnScreen(MatchRole role)
{
    if (onScreen_) {
        people_[At(role)] = onScreen_;
        Refresh();
    }
}

void frmMatch::Refresh()
{
    for (const MatchRole role : {MatchRole::Bride, MatchRole::Groom}) {
        sides_[At(role)]->Show(people_[At(role)]);
    }
    const auto& bride = people_[At(MatchRole::Bride)];
    const auto& groom = people_[At(MatchRole::Groom)];
    match_ = bride && groom ? MatchReadings(bride->Moon, groom->Moon) : std::nullopt;
    ShowKootas(match_);
    ShowNotices(match_);
    cmdReport_->setEnabled(match_.has_value());
    findChild<QAction*>(QStringLiteral("mnuReport"))->setEnabled(match_.has_value());
    // Lines and notices come and go with the people: once the layouts have
    // taken in their sizes, grow to show them all.
    QTimer::singleShot(0, this, [this] {
        setMinimumSize(sizeHint());
        resize(std::max(width(), minimumWidth()), std::max(height(), minimumHeight()));
    });
}

void frmMatch::ShowKootas(const std::optional<Match>& match)
{
    for (const Koota koota : AllKootas) {
        const int row = static_cast<int>(koota);
        QStringList cells{Translated("Matching", koota::KootaNames[static_cast<std::size_t>(koota)]), Dash(), Dash(),
                          Dash(), QString::number(MaxPoints(koota))};
        QString spoken = cells[0];
        if (match) {
            const KootaRow& shown = match->Kootas[static_cast<std::size_t>(row)];
            cells = {Translated(shown.Name), Translated(shown.Bride), Translated(shown.Groom), Translated(shown.Points),
                     Translated(shown.Maximum)};
            spoken = Translated(shown.Spoken);
        }
        for (int c = 0; c < ColumnCount; ++c) {
            QTableWidgetItem* item = Cell(cells[c]);
            item->setData(Qt::AccessibleDescriptionRole, spoken);
            if (c == PointsColumn || c == MaximumColumn) {
                item->setTextAlignment(Qt::AlignCenter);
            }
            tblKootas_->setItem(row, c, item);
        }
    }
    const QString total = match ? Translated(match->TotalPoints) : Dash();
    const QStringList cells{tr("Total"), QString(), QString(), total, QString::number(MaxTotalPoints)};
    for (int c = 0; c < ColumnCount; ++c) {
        QTableWidgetItem* item = Cell(cells[c], true);
        item->setData(Qt::AccessibleDescriptionRole, match ? Translated(match->Total) : tr("Total"));
        if (c == PointsColumn || c == MaximumColumn) {
            item->setTextAlignment(Qt::AlignCenter);
        }
        tblKootas_->setItem(KootaCount, c, item);
    }
    // Tall enough for every row: the table never scrolls.
    tblKootas_->resizeRowsToContents();
    int height = tblKootas_->horizontalHeader()->sizeHint().height() + 2 * tblKootas_->frameWidth();
    for (int r = 0; r < tblKootas_->rowCount(); ++r) {
        height += tblKootas_->rowHeight(r);
    }
    tblKootas_->setFixedHeight(height + 2);
}

// The verdict and its scale, then the doubt (marked as the reading marks a
// Moon that cannot be told) and the doshas (marked as a notice).
void frmMatch::ShowNotices(const std::optional<Match>& match)
{
    while (QLayoutItem* item = notices_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!match) {
        lblVerdict_->setText(tr("Open a reading for the bride and one for the groom."));
        lblVerdict_->setStyleSheet(QString());
        lblScale_->clear();
        lblVerdict_->setAccessibleName(lblVerdict_->text());
        lblScale_->setAccessibleName(QString());
        FitHeightToWidth(lblVerdict_, kNoticeWidth);
        lblScale_->setMinimumHeight(0);
        return;
    }
    lblVerdict_->setText(Translated(match->VerdictText));
    lblVerdict_->setAccessibleName(lblVerdict_->text());
    const char* colour = match->Verdict == MatchVerdict::MayBeConsidered ? "#1f5f2a"
                         : match->Verdict == MatchVerdict::NotRecommended ? "#8a1c12"
                                                                         : "#7a5200";
    lblVerdict_->setStyleSheet(QStringLiteral("QLabel { color: %1; }").arg(QLatin1String(colour)));
    lblScale_->setText(Translated(match->Scale));
    lblScale_->setAccessibleName(lblScale_->text());
    FitHeightToWidth(lblVerdict_, kNoticeWidth);
    FitHeightToWidth(lblScale_, kNoticeWidth);

    int n = 0;
    auto add = [this, &n](const MatchNotice& notice, StayCertainty style) {
        QLabel* label = MakeStayLabel(QStringLiteral("lblNotice%1").arg(n++), this);
        ShowStay(label, style, notice.Heading, notice.Text, notice.Spoken, {});
        FitHeightToWidth(label, kNoticeWidth);
        notices_->addWidget(label);
    };
    if (match->Doubt) {
        add(*match->Doubt, StayCertainty::CannotTell);
    }
    for (const MatchNotice& dosha : match->Doshas) {
        add(dosha, StayCertainty::NearChange);
    }
    // The notices follow the scale in the keyboard order, in their order.
    QWidget* previous = lblScale_;
    for (int i = 0; i < notices_->count(); ++i) {
        QWidget* notice = notices_->itemAt(i)->widget();
        setTabOrder(previous, notice);
        previous = notice;
    }
    setTabOrder(previous, cmdReport_);
}

void frmMatch::mnuOpenBride_Click() { AskForReading(MatchRole::Bride); }
void frmMatch::mnuOpenGroom_Click() { AskForReading(MatchRole::Groom); }

void frmMatch::cmdSwap_Click()
{
    std::swap(people_[0], people_[1]);
    Refresh();
}

void frmMatch::cmdReport_Click()
{
    if (!match_) {
        return;
    }
    auto* report = new frmMatchReport(
        BuildMatchReport(*people_[At(MatchRole::Bride)], *people_[At(MatchRole::Groom)], *match_), services_.Platform,
        this);
    services_.Platform.ShowModal(*report);
}

void frmMatch::cmdClose_Click() { close(); }
void frmMatch::mnuOnline_Click() { OpenHelpPage(services_.Platform); }
void frmMatch::mnuVisit_Click() { OpenHomePage(services_.Platform); }
void frmMatch::mnuUpdate_Click() { OpenDownloadPage(services_.Platform); }

void frmMatch::mnuAbout_Click()
{
    auto* about = new frmAbout(services_.Platform, this);
    services_.Platform.ShowModal(*about);
}

}  // namespace orvanta
