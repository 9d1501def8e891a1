// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/frmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>  // the coordinate frames' sides join the keyboard order as widgets
#include <QVBoxLayout>
#include <optional>

#include "core/entry/PlaceSearch.h"
#include "core/reading/Reading.h"
#include "gui/app/CoordinateFrame.h"
#include "gui/app/PlacePicker.h"
#include "gui/app/ZoneLineLabel.h"
#include "gui/report/ReadingFileAccess.h"
#include "gui/support/frmAbout.h"
#include "gui/support/frmPreferences.h"
#include "gui/support/Services.h"
#include "gui/support/WebPages.h"
#include "gui/timezone/frmTimeZone.h"
#include "gui/widgets/ClickableLabel.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/EntryBoxes.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/SharpPicture.h"
#include "gui/widgets/UiLanguage.h"
#include "gui/widgets/WindowFont.h"
#include "platform/ModalLoops.h"
#include "platform/Platform.h"

namespace orvanta {

frmMain::frmMain(Services& services, QWidget* parent) : QMainWindow(parent), services_(services)
{
    PrepareWindow(*this, QStringLiteral("frmMain"));
    BuildMenus();
    BuildControls();
    SetKeyboardOrder();
    Form_Load();
    for (NumericBox* box : findChildren<NumericBox*>()) {
        connect(box, &NumericBox::KeyRefused, this, &frmMain::OnlyNumbers);
    }
    if (services_.Places != nullptr) {
        BuildPlacePicker(*services_.Places);
    }
}

void frmMain::BuildMenus()
{
    QMenu* file = AddMenu(*menuBar(), "mnuFile", tr("&File"));
    AddMenuEntry(*file, "mnuCalculate", tr("&Calculate"), this, &frmMain::mnuCalculate_Click);
    AddMenuEntry(*file, "mnuMatch", tr("&Match Two Readings\u2026"), this, &frmMain::mnuMatch_Click);
    AddMenuSeparator(*file, "mnuFile1");
    AddMenuEntry(*file, "mnuPreferences", tr("&Preferences\u2026"), this, &frmMain::mnuPreferences_Click)
        ->setMenuRole(QAction::PreferencesRole);
    AddHelpMenu(*menuBar(), this, &frmMain::mnuOnline_Click, &frmMain::mnuVisit_Click, &frmMain::mnuUpdate_Click,
                &frmMain::mnuAbout_Click);
}

void frmMain::BuildControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);

    QLabel* picture = BuildPicture(central);
    QGroupBox* frame = BuildEntryFrame(central);
    cmdOpen_ = new QPushButton(tr("&Open Previously Saved Reading"), central);
    cmdOpen_->setObjectName(QStringLiteral("cmdOpen"));
    connect(cmdOpen_, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);

    auto* right = new QVBoxLayout;
    right->addWidget(frame);
    right->addWidget(cmdOpen_);
    right->addStretch(1);

    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(12);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(right, 1);
}

QLabel* frmMain::BuildPicture(QWidget* parent)
{
    auto* picture = new SharpPicture(parent);
    picture->setObjectName(QStringLiteral("picMain"));
    picture->setFixedSize(200, 400);
    picture->SetResource(QStringLiteral(":/pictures/main.svg"));
    picture->setAccessibleName(tr("Night sky with the Moon"));
    return picture;
}

// The input frame: captions in the left column, inputs to their right.
QGroupBox* frmMain::BuildEntryFrame(QWidget* parent)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);

    txtName_ = new QLineEdit(frame);
    txtName_->setObjectName(QStringLiteral("txtName"));
    txtName_->setAccessibleName(tr("Name"));
    // A reading keeps names up to this length; a longer one would come back
    // shortened from its file.
    LimitToWholeCharacters(*txtName_, static_cast<int>(MaxNameLength));
    grid->addWidget(MakeLabel(tr("Name"), frame), 0, 0);
    grid->addWidget(txtName_, 0, 1, 1, 2);

    grid->addWidget(MakeLabel(tr("Date of Birth"), frame), 1, 0);
    grid->addLayout(BuildDateRow(frame), 1, 1, 1, 2);
    grid->addWidget(MakeLabel(tr("Time of Birth"), frame), 2, 0);
    grid->addLayout(BuildTimeRow(frame), 2, 1, 1, 2);
    grid->addWidget(MakeLabel(tr("Time Zone"), frame), 3, 0, Qt::AlignTop | Qt::AlignLeft);
    grid->addLayout(BuildZoneRow(frame), 3, 1, 1, 2);

    // What the atlas used for the zone; shown only while a place is chosen.
    lblZoneUsed_ = new ZoneLineLabel(frame);
    grid->addWidget(lblZoneUsed_, 4, 1, 1, 2);

    // Latitude stands left of longitude.
    fraLatitude_ = new CoordinateFrame({"fraLatitude", "txtLat", "optLat"}, tr("Latitude"), tr("North"),
                                       tr("South"), frame);
    fraLongitude_ = new CoordinateFrame({"fraLongitude", "txtLon", "optLong"}, tr("Longitude"), tr("East"),
                                        tr("West"), frame);
    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(fraLatitude_);
    coordinates->addWidget(fraLongitude_);
    grid->addLayout(coordinates, 5, 0, 1, 3);

    AddPlaceSearch(*grid, frame, 6);

    cmdRashi_ = new QPushButton(tr("Find My Rashi"), frame);
    cmdRashi_->setObjectName(QStringLiteral("cmdRashi"));
    cmdRashi_->setDefault(true);
    cmdRashi_->setMinimumHeight(34);
    QFont strong = cmdRashi_->font();
    strong.setBold(true);
    cmdRashi_->setFont(strong);
    connect(cmdRashi_, &QPushButton::clicked, this, &frmMain::cmdRashi_Click);
    grid->addWidget(cmdRashi_, 9, 0, 1, 3);
    return frame;
}

QLayout* frmMain::BuildDateRow(QWidget* frame)
{
    cboMonth_ = MakeList(QStringLiteral("cboMonth"), tr("Month of Birth"), frame);
    cboDate_ = MakeList(QStringLiteral("cboDate"), tr("Day of Birth"), frame);
    cboYear_ = MakeList(QStringLiteral("cboYear"), tr("Year of Birth"), frame);
    auto* row = new QHBoxLayout;
    row->addWidget(cboMonth_, 2);
    row->addWidget(cboDate_, 1);
    row->addWidget(cboYear_, 1);
    return row;
}

QLayout* frmMain::BuildTimeRow(QWidget* frame)
{
    cboHH_ = MakeList(QStringLiteral("cboHH"), tr("Hour of Birth"), frame);
    cboMM_ = MakeList(QStringLiteral("cboMM"), tr("Minute of Birth"), frame);
    cboSS_ = MakeList(QStringLiteral("cboSS"), tr("Second of Birth"), frame);
    auto* row = new QHBoxLayout;
    row->addWidget(cboHH_);
    row->addWidget(cboMM_);
    row->addWidget(cboSS_);
    row->addSpacing(6);
    //: A caption beside the lists of the time of birth: hours, minutes, seconds.
    row->addWidget(MakeLabel(tr("HH:MM:SS"), frame, QStringLiteral("lblHHMMSS")));
    row->addStretch(1);
    return row;
}

// The two zone boxes with their small captions, "TZ Help" and "DST".
QLayout* frmMain::BuildZoneRow(QWidget* frame)
{
    txtZoneHour_ = MakeNumericBox(QStringLiteral("txtZoneHour"), tr("Time Zone Hours"), 3, 44, frame);
    txtZoneMinute_ = MakeNumericBox(QStringLiteral("txtZoneMinute"), tr("Time Zone Minutes"), 2, 44, frame);
    //: A link beside the time zone's boxes that opens the list of time zones.
    lblTZHelp_ = new ClickableLabel(tr("TZ Help"), frame);
    lblTZHelp_->setObjectName(QStringLiteral("lblTZHelp"));
    lblTZHelp_->setToolTip(tr("Pick the time zone from a list"));
    connect(lblTZHelp_, &ClickableLabel::clicked, this, &frmMain::lblTZHelp_Click);
    //: A check box: daylight saving time was in force at the birth.
    chkDST_ = new QCheckBox(tr("DST"), frame);
    chkDST_->setObjectName(QStringLiteral("chkDST"));

    auto* boxes = new QGridLayout;
    boxes->setVerticalSpacing(0);
    boxes->addWidget(txtZoneHour_, 0, 0);
    boxes->addWidget(txtZoneMinute_, 0, 1);
    //: A small caption under the box of the time zone's hours.
    boxes->addWidget(SmallCaption(tr("Hour"), frame), 1, 0);
    //: A small caption under the box of the time zone's minutes (of time).
    boxes->addWidget(SmallCaption(tr("Min"), frame), 1, 1);
    auto* row = new QHBoxLayout;
    row->addLayout(boxes);
    row->addSpacing(8);
    row->addWidget(lblTZHelp_, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(chkDST_, 0, Qt::AlignTop);
    row->addStretch(1);
    return row;
}

// City, state and country in rows from `firstRow`, the search button beside them.
void frmMain::AddPlaceSearch(QGridLayout& grid, QWidget* frame, int firstRow)
{
    const struct {
        const char* name;
        QString caption;
        QLineEdit*& box;
    } places[] = {
        {"txtMCity", tr("City"), txtMCity_},
        {"txtMState", tr("State"), txtMState_},
        {"txtMCountry", tr("Country"), txtMCountry_},
    };
    int row = firstRow;
    for (const auto& place : places) {
        place.box = new QLineEdit(frame);
        place.box->setObjectName(QLatin1String(place.name));
        place.box->setAccessibleName(place.caption);
        grid.addWidget(MakeLabel(place.caption, frame), row, 0);
        grid.addWidget(place.box, row++, 1);
    }
    // "&&" shows one ampersand; the caption has no access key.
    //: A button in two lines; "&&" shows one "&".
    cmdBrowser_ = new QPushButton(tr("Click Here To Find\nLatitude && Longitude"), frame);
    cmdBrowser_->setObjectName(QStringLiteral("cmdBrowser"));
    cmdBrowser_->setAccessibleName(tr("Click Here To Find Latitude & Longitude"));
    cmdBrowser_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(cmdBrowser_, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    grid.addWidget(cmdBrowser_, firstRow, 2, 3, 1);
}

void frmMain::SetKeyboardOrder()
{
    QWidget* const order[] = {
        txtName_, cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cboSS_,
        fraLongitude_->Degrees(), fraLongitude_->Minutes(), fraLongitude_->FirstSide(), fraLongitude_->SecondSide(),
        fraLatitude_->Degrees(), fraLatitude_->Minutes(), fraLatitude_->FirstSide(), fraLatitude_->SecondSide(),
        txtMCity_, txtMState_, txtMCountry_, cmdBrowser_, cmdRashi_, cmdOpen_,
        txtZoneHour_, txtZoneMinute_, lblTZHelp_, chkDST_,
    };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
    txtName_->setFocus();
}

void frmMain::Form_Load()
{
    QStringList months;
    for (int month = 1; month <= static_cast<int>(MonthList.size()); ++month) {
        months << MonthName(month);
    }
    cboMonth_->addItems(months);
    // One insertion a list: item by item costs a model update each.
    auto fill = [](QComboBox* list, ListRange range) {
        QStringList numbers;
        for (int n = range.First; n <= range.Last; ++n) {
            numbers << QString::number(n);
        }
        list->addItems(numbers);
    };
    fill(cboDate_, DayList);
    fill(cboYear_, YearList);
    fill(cboHH_, HourList);
    fill(cboMM_, MinuteList);
    fill(cboSS_, SecondList);
    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cboSS_}) {
        list->setCurrentIndex(0);
    }
}

BirthDataEntry frmMain::Entry() const
{
    BirthDataEntry e;
    e.Name = ToStdString(txtName_->text());
    e.MonthIndex = cboMonth_->currentIndex();
    e.DayIndex = cboDate_->currentIndex();
    e.DayText = ToStdString(cboDate_->currentText());
    e.YearText = ToStdString(cboYear_->currentText());
    e.HourText = ToStdString(cboHH_->currentText());
    e.MinuteText = ToStdString(cboMM_->currentText());
    e.ZoneHour = ToStdString(txtZoneHour_->text());
    e.ZoneMinute = ToStdString(txtZoneMinute_->text());
    e.Longitude = fraLongitude_->Entry();
    e.Latitude = fraLatitude_->Entry();
    e.DaylightSaving = chkDST_->checkState() != Qt::Unchecked;
    return e;
}

void frmMain::SetEntry(const BirthDataEntry& e)
{
    if (picker_ != nullptr) {
        picker_->Forget();  // the entry holds no place
    }
    txtName_->setText(ToQString(e.Name));
    cboMonth_->setCurrentIndex(e.MonthIndex);
    cboDate_->setCurrentText(ToQString(e.DayText));
    cboYear_->setCurrentText(ToQString(e.YearText));
    cboHH_->setCurrentText(ToQString(e.HourText));
    cboMM_->setCurrentText(ToQString(e.MinuteText));
    fraLongitude_->Show(e.Longitude);
    fraLatitude_->Show(e.Latitude);
    txtZoneHour_->setText(ToQString(e.ZoneHour));
    txtZoneMinute_->setText(ToQString(e.ZoneMinute));
    chkDST_->setChecked(e.DaylightSaving);
}

QWidget* frmMain::FocusTarget(EntryField field) const
{
    switch (field) {
    case EntryField::Name: return txtName_;
    case EntryField::ZoneHour: return txtZoneHour_;
    case EntryField::ZoneMinute: return txtZoneMinute_;
    case EntryField::LonD: return fraLongitude_->Degrees();
    case EntryField::LonM: return fraLongitude_->Minutes();
    case EntryField::LatD: return fraLatitude_->Degrees();
    case EntryField::LatM: return fraLatitude_->Minutes();
    case EntryField::None: break;
    }
    return nullptr;
}

bool frmMain::ValidateBirthData()
{
    const auto failure = CheckBirthData(Entry());
    if (failure) {
        ShowRefusal(*failure);
    }
    return !failure;
}

void frmMain::ShowRefusal(const ValidationFailure& failure)
{
    services_.Platform.ShowMessage(this, Translated(EntryMessageContext, failure.Message),
                          failure.ErrorIcon ? MessageIcon::Error : MessageIcon::Information);
    if (QWidget* target = FocusTarget(failure.Focus)) {
        target->setFocus();
    }
}

void frmMain::OnlyNumbers()
{
    services_.Platform.ShowMessage(this, Translated(EntryMessageContext, OnlyNumbersMessage), MessageIcon::Error);
}

void frmMain::cmdRashi_Click()
{
    if (!ValidateBirthData()) {
        return;
    }
    // The entry has just passed the same checks, so no refusal comes back.
    const ComposedReading composed = ComposeReading(Entry(), services_.Record, services_.Method, services_.Precise);
    if (!composed.Refusal) {
        emit ReadingReady(composed.Value);
    }
}

void frmMain::mnuCalculate_Click()
{
    cmdRashi_Click();
}

void frmMain::mnuPreferences_Click()
{
    auto* preferences = new frmPreferences(services_, this);
    connect(preferences, &frmPreferences::LanguageChosen, this,
            [this] { RunOutsideModalLoops(*this, [this] { emit LanguageChanged(); }); });
    services_.Platform.ShowModal(*preferences);
}

// Quietly: an entry that does not pass the checks is simply not offered.
void frmMain::mnuMatch_Click()
{
    std::optional<MatchPerson> onScreen;
    ComposedPerson composed = ComposeMatchPerson(Entry(), services_.Method, services_.Precise);
    if (!composed.Refusal) {
        onScreen = std::move(composed.Person);
    }
    emit MatchRequested(onScreen);
}

void frmMain::lblTZHelp_Click()
{
    auto* picker = new frmTimeZone(this);
    connect(picker, &frmTimeZone::ZoneChosen, this, &frmMain::ShowZone);
    services_.Platform.ShowModal(*picker);
}

// Set directly, so the keystroke filter does not refuse the minus sign; the
// boxes' typing limits are validators and do not cut "-30".
void frmMain::ShowZone(int hours, int minutes)
{
    txtZoneHour_->setText(QString::number(hours));
    txtZoneMinute_->setText(QString::number(minutes));
}

void frmMain::cmdBrowser_Click()
{
    // The boxes are compared as they stand: a text of blanks passes.
    const struct {
        QLineEdit* box;
        QString message;
    } places[] = {
        {txtMCity_, tr("Please Enter City")},
        {txtMState_, tr("Please Enter State")},
        {txtMCountry_, tr("Please Enter Country")},
    };
    for (const auto& place : places) {
        if (place.box->text().isEmpty()) {
            services_.Platform.ShowMessage(this, place.message, MessageIcon::Information);
            place.box->setFocus();
            return;
        }
    }
    const std::string query =
        BuildPlaceQuery(ToStdString(txtMCity_->text()), ToStdString(txtMState_->text()), ToStdString(txtMCountry_->text()));
    services_.Platform.OpenWebPage(ToQString(PlaceSearchAddress(query)));
}

void frmMain::cmdOpen_Click()
{
    const QString path = services_.Platform.AskOpenFileName(
        //: The title of the dialog that opens a saved reading.
        this, {tr("Select the source file"), QStringLiteral("Orvanta Free"), QStringLiteral("*.ras"),
               QStringLiteral("ras")});
    if (path.isEmpty()) {
        return;
    }
    OpenReadingFile(path);
}

void frmMain::OpenReadingFile(const QString& path)
{
    if (const std::optional<BirthDataEntry> entry = ReadReadingFile(services_.Platform, this, path)) {
        OpenEntry(*entry);
    }
}

std::optional<BirthDataEntry> frmMain::ReadReadingFile(Platform& platform, QWidget* parent, const QString& path)
{
    ReadingFileCheck read = ReadReadingFileAt(platform, path);
    if (!read.Entry) {
        platform.ShowMessage(parent, tr("Please Check The File."), MessageIcon::Error,
                             ReadingFileProblemDetail(path, read.Problem));
    }
    return std::move(read.Entry);
}

void frmMain::OpenEntry(const BirthDataEntry& entry)
{
    SetEntry(entry);
    cmdRashi_Click();
}

void frmMain::BuildPlacePicker(PlaceLookup& places)
{
    picker_ = new PlacePicker(*txtMCity_, places, [this] { return Entry(); }, this);
    connect(picker_, &PlacePicker::PlaceChosen, this, &frmMain::ShowPlace);
    connect(picker_, &PlacePicker::ZoneBoxesChanged, this, &frmMain::ShowAtlasZone);
    connect(picker_, &PlacePicker::LineChanged, this, [this](const ZoneLineText& line) {
        lblZoneUsed_->Show(line);
        GrowToFit();
    });
    connect(picker_, &PlacePicker::AtlasUnavailable, this, &frmMain::AtlasUnavailable);
    connect(lblZoneUsed_, &ZoneLineLabel::OptionChosen, picker_, &PlacePicker::ChooseOption);
    picker_->Follow({cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_}, {txtZoneHour_, txtZoneMinute_}, *chkDST_);
}

void frmMain::ShowPlace(const PlaceInputs& place)
{
    txtMCity_->setText(ToQString(place.City));
    txtMState_->setText(ToQString(place.State));
    txtMCountry_->setText(ToQString(place.Country));
    fraLongitude_->Show(place.Longitude);
    fraLatitude_->Show(place.Latitude);
}

// The atlas's offset already holds any daylight or war time, so DST stays
// unticked; empty texts leave the boxes empty until the user chooses.
void frmMain::ShowAtlasZone(const ZoneBoxTexts& boxes)
{
    txtZoneHour_->setText(ToQString(boxes.Hours));
    txtZoneMinute_->setText(ToQString(boxes.Minutes));
    chkDST_->setChecked(false);
}

void frmMain::AtlasUnavailable(const QString& why)
{
    services_.Platform.ShowMessage(
        //: %1 says why, in a phrase of its own ("The atlas … cannot be read: …").
        this, tr("The atlas of places cannot be used (%1). Please type the coordinates and the time zone yourself.")
                  .arg(why),
        MessageIcon::Information);
}

// The line takes room the form did not have; the window grows rather than
// squeeze the coordinate frames.
void frmMain::GrowToFit()
{
    centralWidget()->layout()->activate();
    resize(size().expandedTo(sizeHint()));
}

void frmMain::mnuOnline_Click() { OpenHelpPage(services_.Platform); }
void frmMain::mnuVisit_Click() { OpenHomePage(services_.Platform); }
void frmMain::mnuUpdate_Click() { OpenDownloadPage(services_.Platform); }

void frmMain::mnuAbout_Click()
{
    auto* about = new frmAbout(services_.Platform, this);
    services_.Platform.ShowModal(*about);
}

}  // namespace orvanta
