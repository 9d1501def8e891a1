// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QAbstractItemView>
#include <QCompleter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <algorithm>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <QVBoxLayout>
#include <optional>

#include "common/BirthRecord.h"
#include "app/PlaceLookup.h"
#include "entry/PlaceSearch.h"
#include "ephemeris/MoonRashi.h"
#include "widgets/SharpPicture.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"
#include "widgets/QtText.h"
#include "widgets/WindowFont.h"
#include "reading/RashiCatalogue.h"
#include "report/ReadingFileAccess.h"
#include "widgets/ClickableLabel.h"
#include "support/WebPages.h"
#include "support/frmAbout.h"
#include "timezone/frmTimeZone.h"

namespace orvanta {

namespace {

// Limits what the user types or pastes into a box, but not what the program
// writes into it: the time-zone picker writes "-30" into a two-digit box.
class TypingLimit : public QValidator {
public:
    TypingLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
    State validate(QString& input, int&) const override
    {
        return input.size() <= limit_ ? Acceptable : Invalid;
    }

private:
    int limit_;
};

// Alt with a key that no menu or button took: it types nothing in a box.
bool IsUnusedAccessKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers m = key.modifiers();
    return m.testFlag(Qt::AltModifier) && !m.testFlag(Qt::ControlModifier) && !key.text().isEmpty();
}

// The character code a key press would insert, or nothing for keys that
// insert no character (arrows, Tab, Delete and the like).
std::optional<int> CharacterCode(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    const bool control = key.modifiers().testFlag(Qt::ControlModifier) && !key.modifiers().testFlag(Qt::AltModifier);
    if (control) {
        if (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) {
            return key.key() - Qt::Key_A + 1;  // Ctrl+V is 22, as a terminal would send it
        }
        return std::nullopt;
    }
    if (key.text().isEmpty()) {
        return std::nullopt;
    }
    return std::min<int>(key.text().at(0).unicode(), 32767);
}

QLabel* Caption(const QString& text, QWidget* parent, const QString& name = {})
{
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) {
        label->setObjectName(name);
    }
    return label;
}

QLabel* SmallCaption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(WindowFont(7.5));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QComboBox* List(const QString& name, const QString& accessibleName, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setEditable(false);
    list->setMaxVisibleItems(16);
    return list;
}

}  // namespace

frmMain::frmMain(BirthRecord& record, Platform& platform, PlaceLookup* places, QWidget* parent)
    : QMainWindow(parent), record_(record), platform_(platform), places_(places)
{
    PrepareWindow(*this, QStringLiteral("frmMain"));
    BuildMenus();
    BuildControls();
    SetKeyboardOrder();
    Form_Load();
    BuildPlaceCompleter();
}

void frmMain::BuildMenus()
{
    QMenu* file = AddMenu(*menuBar(), "mnuFile", QStringLiteral("&File"));
    AddMenuEntry(*file, "mnuCalculate", QStringLiteral("&Calculate"), this, &frmMain::mnuCalculate_Click);
    AddHelpMenu(*menuBar(), this, &frmMain::mnuOnline_Click, &frmMain::mnuVisit_Click, &frmMain::mnuUpdate_Click,
                &frmMain::mnuAbout_Click);
}

QLineEdit* frmMain::NumericBox(const QString& name, const QString& accessibleName, int typingLimit)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->installEventFilter(this);
    box->setAlignment(Qt::AlignRight);
    if (typingLimit > 0) {
        box->setValidator(new TypingLimit(typingLimit, box));
    }
    box->setFixedWidth(typingLimit > 0 ? 44 : 52);
    return box;
}

void frmMain::BuildControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);

    picMain_ = BuildPicture(central);
    QGroupBox* frame = BuildEntryFrame(central);
    cmdOpen_ = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), central);
    cmdOpen_->setObjectName(QStringLiteral("cmdOpen"));
    connect(cmdOpen_, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);

    auto* right = new QVBoxLayout;
    right->addWidget(frame);
    right->addWidget(cmdOpen_);
    right->addStretch(1);

    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(12);
    layout->addWidget(picMain_, 0, Qt::AlignTop);
    layout->addLayout(right, 1);
}

QLabel* frmMain::BuildPicture(QWidget* parent)
{
    auto* picture = new SharpPicture(parent);
    picture->setObjectName(QStringLiteral("picMain"));
    picture->setFixedSize(200, 400);
    picture->SetResource(QStringLiteral(":/pictures/main.svg"));
    picture->setAccessibleName(QStringLiteral("Night sky with the Moon"));
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
    txtName_->setAccessibleName(QStringLiteral("Name"));
    // A reading keeps names up to this length; a longer one would come back
    // shortened from its file.
    txtName_->setMaxLength(static_cast<int>(MaxNameLength));
    grid->addWidget(Caption(QStringLiteral("Name"), frame), 0, 0);
    grid->addWidget(txtName_, 0, 1, 1, 2);

    grid->addWidget(Caption(QStringLiteral("Date of Birth"), frame), 1, 0);
    grid->addLayout(BuildDateRow(frame), 1, 1, 1, 2);
    grid->addWidget(Caption(QStringLiteral("Time of Birth"), frame), 2, 0);
    grid->addLayout(BuildTimeRow(frame), 2, 1, 1, 2);
    grid->addWidget(Caption(QStringLiteral("Time Zone"), frame), 3, 0, Qt::AlignTop | Qt::AlignLeft);
    grid->addLayout(BuildZoneRow(frame), 3, 1, 1, 2);

    // What the atlas used for the zone; shown only while a place is chosen.
    lblZoneUsed_ = new QLabel(frame);
    lblZoneUsed_->setObjectName(QStringLiteral("lblZoneUsed"));
    lblZoneUsed_->setAccessibleName(QStringLiteral("Time zone from the atlas"));
    lblZoneUsed_->setWordWrap(true);
    lblZoneUsed_->setFont(WindowFont(7.5));
    lblZoneUsed_->setTextFormat(Qt::RichText);
    lblZoneUsed_->setVisible(false);
    connect(lblZoneUsed_, &QLabel::linkActivated, this, &frmMain::ChooseZoneOption);
    grid->addWidget(lblZoneUsed_, 4, 1, 1, 2);

    // Latitude stands left of longitude.
    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(BuildCoordinateFrame(
        {"Latitude", "Lat", "optLat", "North", "South"}, txtLatD_, txtLatM_, optLat0_, optLat1_, frame));
    coordinates->addWidget(BuildCoordinateFrame(
        {"Longitude", "Lon", "optLong", "East", "West"}, txtLonD_, txtLonM_, optLong0_, optLong1_, frame));
    grid->addLayout(coordinates, 5, 0, 1, 3);

    AddPlaceSearch(*grid, frame, 6);

    cmdRashi_ = new QPushButton(QStringLiteral("Find My Rashi"), frame);
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
    cboMonth_ = List(QStringLiteral("cboMonth"), QStringLiteral("Month of Birth"), frame);
    cboDate_ = List(QStringLiteral("cboDate"), QStringLiteral("Day of Birth"), frame);
    cboYear_ = List(QStringLiteral("cboYear"), QStringLiteral("Year of Birth"), frame);
    auto* row = new QHBoxLayout;
    row->addWidget(cboMonth_, 2);
    row->addWidget(cboDate_, 1);
    row->addWidget(cboYear_, 1);
    return row;
}

QLayout* frmMain::BuildTimeRow(QWidget* frame)
{
    cboHH_ = List(QStringLiteral("cboHH"), QStringLiteral("Hour of Birth"), frame);
    cboMM_ = List(QStringLiteral("cboMM"), QStringLiteral("Minute of Birth"), frame);
    cboSS_ = List(QStringLiteral("cboSS"), QStringLiteral("Second of Birth"), frame);
    auto* row = new QHBoxLayout;
    row->addWidget(cboHH_);
    row->addWidget(cboMM_);
    row->addWidget(cboSS_);
    row->addSpacing(6);
    row->addWidget(Caption(QStringLiteral("HH:MM:SS"), frame, QStringLiteral("lblHHMMSS")));
    row->addStretch(1);
    return row;
}

// The two zone boxes with their small captions, "TZ Help" and "DST".
QLayout* frmMain::BuildZoneRow(QWidget* frame)
{
    txtZoneHour_ = NumericBox(QStringLiteral("txtZoneHour"), QStringLiteral("Time Zone Hours"), 3);
    txtZoneMinute_ = NumericBox(QStringLiteral("txtZoneMinute"), QStringLiteral("Time Zone Minutes"), 2);
    lblTZHelp_ = new ClickableLabel(QStringLiteral("TZ Help"), frame);
    lblTZHelp_->setObjectName(QStringLiteral("lblTZHelp"));
    lblTZHelp_->setToolTip(QStringLiteral("Pick the time zone from a list"));
    connect(lblTZHelp_, &ClickableLabel::clicked, this, &frmMain::lblTZHelp_Click);
    chkDST_ = new QCheckBox(QStringLiteral("DST"), frame);
    chkDST_->setObjectName(QStringLiteral("chkDST"));

    auto* boxes = new QGridLayout;
    boxes->setVerticalSpacing(0);
    boxes->addWidget(txtZoneHour_, 0, 0);
    boxes->addWidget(txtZoneMinute_, 0, 1);
    boxes->addWidget(SmallCaption(QStringLiteral("Hour"), frame), 1, 0);
    boxes->addWidget(SmallCaption(QStringLiteral("Min"), frame), 1, 1);
    auto* row = new QHBoxLayout;
    row->addLayout(boxes);
    row->addSpacing(8);
    row->addWidget(lblTZHelp_, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(chkDST_, 0, Qt::AlignTop);
    row->addStretch(1);
    return row;
}

// A frame of degrees, minutes and the two sides, such as "Latitude".
QGroupBox* frmMain::BuildCoordinateFrame(const CoordinateNames& names, QLineEdit*& degrees, QLineEdit*& minutes,
                                         QRadioButton*& first, QRadioButton*& second, QWidget* frame)
{
    const QString caption = QLatin1String(names.Caption);
    const QString boxName = QStringLiteral("txt") + QLatin1String(names.BoxPrefix);
    auto* box = new QGroupBox(caption, frame);
    box->setObjectName(QStringLiteral("fra") + caption);
    degrees = NumericBox(boxName + QStringLiteral("D"), caption + QStringLiteral(" Degrees"));
    minutes = NumericBox(boxName + QStringLiteral("M"), caption + QStringLiteral(" Minutes"));
    degrees->setParent(box);
    minutes->setParent(box);
    first = new QRadioButton(QLatin1String(names.First), box);
    first->setObjectName(QLatin1String(names.OptionPrefix) + QStringLiteral("0"));
    second = new QRadioButton(QLatin1String(names.Second), box);
    second->setObjectName(QLatin1String(names.OptionPrefix) + QStringLiteral("1"));
    first->setChecked(true);

    auto* layout = new QGridLayout(box);
    layout->setVerticalSpacing(0);
    layout->addWidget(degrees, 0, 0);
    layout->addWidget(minutes, 0, 1);
    layout->addWidget(SmallCaption(QStringLiteral("Deg"), box), 1, 0);
    layout->addWidget(SmallCaption(QStringLiteral("Min"), box), 1, 1);
    layout->addWidget(first, 0, 2);
    layout->addWidget(second, 1, 2);
    layout->setColumnStretch(3, 1);
    return box;
}

// City, state and country in rows from `firstRow`, the search button beside them.
void frmMain::AddPlaceSearch(QGridLayout& grid, QWidget* frame, int firstRow)
{
    const struct {
        const char* name;
        const char* caption;
        QLineEdit*& box;
    } places[] = {
        {"txtMCity", "City", txtMCity_},
        {"txtMState", "State", txtMState_},
        {"txtMCountry", "Country", txtMCountry_},
    };
    int row = firstRow;
    for (const auto& place : places) {
        place.box = new QLineEdit(frame);
        place.box->setObjectName(QLatin1String(place.name));
        place.box->setAccessibleName(QLatin1String(place.caption));
        grid.addWidget(Caption(QLatin1String(place.caption), frame), row, 0);
        grid.addWidget(place.box, row++, 1);
    }
    // "&&" shows one ampersand; the caption has no access key.
    cmdBrowser_ = new QPushButton(QStringLiteral("Click Here To Find\nLatitude && Longitude"), frame);
    cmdBrowser_->setObjectName(QStringLiteral("cmdBrowser"));
    cmdBrowser_->setAccessibleName(QStringLiteral("Click Here To Find Latitude & Longitude"));
    cmdBrowser_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(cmdBrowser_, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    grid.addWidget(cmdBrowser_, firstRow, 2, 3, 1);
}

void frmMain::SetKeyboardOrder()
{
    const QWidget* order[] = {txtName_,  cboMonth_,  cboDate_,   cboYear_,     cboHH_,      cboMM_,
                              cboSS_,    txtLonD_,   txtLonM_,   optLong0_,    optLong1_,   txtLatD_,
                              txtLatM_,  optLat0_,   optLat1_,   txtMCity_,    txtMState_,  txtMCountry_,
                              cmdBrowser_, cmdRashi_, cmdOpen_,  txtZoneHour_, txtZoneMinute_, lblTZHelp_,
                              chkDST_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
    }
    txtName_->setFocus();
}

void frmMain::Form_Load()
{
    for (const std::string_view month : MonthList) {
        cboMonth_->addItem(ToQString(month));
    }
    auto fill = [](QComboBox* list, ListRange range) {
        for (int n = range.First; n <= range.Last; ++n) {
            list->addItem(QString::number(n));
        }
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
    e.LonD = ToStdString(txtLonD_->text());
    e.LonM = ToStdString(txtLonM_->text());
    e.LatD = ToStdString(txtLatD_->text());
    e.LatM = ToStdString(txtLatM_->text());
    e.East = optLong0_->isChecked();
    e.South = optLat1_->isChecked();
    e.DaylightSaving = chkDST_->checkState() != Qt::Unchecked;
    return e;
}

QWidget* frmMain::FocusTarget(EntryField field) const
{
    switch (field) {
    case EntryField::Name: return txtName_;
    case EntryField::ZoneHour: return txtZoneHour_;
    case EntryField::ZoneMinute: return txtZoneMinute_;
    case EntryField::LonD: return txtLonD_;
    case EntryField::LonM: return txtLonM_;
    case EntryField::LatD: return txtLatD_;
    case EntryField::LatM: return txtLatM_;
    case EntryField::None: break;
    }
    return nullptr;
}

bool frmMain::ValidateBirthData()
{
    const auto failure = CheckBirthData(Entry());
    if (!failure) {
        return true;
    }
    platform_.ShowMessage(this, ToQString(failure->Message),
                          failure->ErrorIcon ? MessageIcon::Error : MessageIcon::Information);
    if (QWidget* target = FocusTarget(failure->Focus)) {
        target->setFocus();
    }
    return false;
}

void frmMain::cmdRashi_Click()
{
    if (!ValidateBirthData()) {
        return;
    }
    StoreBirthData(Entry(), record_);
    ComputeMoonRashi(record_);
    lastRashiName_ = record_.RashiName;
    GetRashiInformation(lastRashiName_, record_);
    emit ReadingReady();
}

void frmMain::mnuCalculate_Click()
{
    cmdRashi_Click();
}

void frmMain::lblTZHelp_Click()
{
    auto* picker = new frmTimeZone(this);
    connect(picker, &frmTimeZone::ZoneChosen, this, &frmMain::ShowZone);
    platform_.ShowModal(*picker);
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
        const char* message;
    } places[] = {
        {txtMCity_, "Please Enter City"},
        {txtMState_, "Please Enter State"},
        {txtMCountry_, "Please Enter Country"},
    };
    for (const auto& place : places) {
        if (place.box->text().isEmpty()) {
            platform_.ShowMessage(this, QString::fromLatin1(place.message), MessageIcon::Information);
            place.box->setFocus();
            return;
        }
    }
    const std::string query =
        BuildPlaceQuery(ToStdString(txtMCity_->text()), ToStdString(txtMState_->text()), ToStdString(txtMCountry_->text()));
    platform_.OpenWebPage(ToQString(PlaceSearchAddress(query)));
}

void frmMain::cmdOpen_Click()
{
    const QString path = platform_.AskOpenFileName(
        this, {QStringLiteral("Select the source file"), QStringLiteral("Orvanta Free"), QStringLiteral("*.ras"),
               QStringLiteral("ras")});
    if (path.isEmpty()) {
        return;
    }
    OpenReadingFile(path);
}

void frmMain::OpenReadingFile(const QString& path)
{
    const ReadingFileCheck read = ReadReadingFileAt(platform_, path);
    // A date or time the lists cannot show changes nothing, rather than leave
    // the user's own date beside the file's other values.
    if (!read.Entry) {
        platform_.ShowMessage(this, QStringLiteral("Please Check The File."), MessageIcon::Error,
                              ReadingFileProblemDetail(path, read.Problem));
        return;
    }
    SetEntry(*read.Entry);
    cmdRashi_Click();
}

void frmMain::SetEntry(const BirthDataEntry& e)
{
    ForgetPlace();  // the entry holds no place
    txtName_->setText(ToQString(e.Name));
    cboMonth_->setCurrentIndex(e.MonthIndex);
    cboDate_->setCurrentText(ToQString(e.DayText));
    cboYear_->setCurrentText(ToQString(e.YearText));
    cboHH_->setCurrentText(ToQString(e.HourText));
    cboMM_->setCurrentText(ToQString(e.MinuteText));
    ShowCoordinates(e.LonD, e.LonM, e.LatD, e.LatM, e.East, e.South);
    txtZoneHour_->setText(ToQString(e.ZoneHour));
    txtZoneMinute_->setText(ToQString(e.ZoneMinute));
    chkDST_->setChecked(e.DaylightSaving);
}

void frmMain::ShowCoordinates(std::string_view lonD, std::string_view lonM, std::string_view latD,
                              std::string_view latM, bool east, bool south)
{
    txtLonD_->setText(ToQString(lonD));
    txtLonM_->setText(ToQString(lonM));
    txtLatD_->setText(ToQString(latD));
    txtLatM_->setText(ToQString(latM));
    (east ? optLong0_ : optLong1_)->setChecked(true);
    (south ? optLat1_ : optLat0_)->setChecked(true);
}

void frmMain::BuildPlaceCompleter()
{
    if (places_ == nullptr) {
        return;
    }
    placeModel_ = new QStandardItemModel(this);
    placeCompleter_ = new QCompleter(placeModel_, this);
    placeCompleter_->setObjectName(QStringLiteral("placeCompleter"));
    // The atlas has already matched and ranked the places; the completer
    // only shows them.
    placeCompleter_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    placeCompleter_->setMaxVisibleItems(12);
    placeCompleter_->setWidget(txtMCity_);
    connect(txtMCity_, &QLineEdit::textEdited, this, &frmMain::txtMCity_Edited);
    connect(placeCompleter_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { ChoosePlace(index.data(Qt::UserRole).toInt()); });

    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_}) {
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::RefreshZoneFromAtlas);
    }
    connect(txtZoneHour_, &QLineEdit::textEdited, this, &frmMain::ZoneSetByHand);
    connect(txtZoneMinute_, &QLineEdit::textEdited, this, &frmMain::ZoneSetByHand);
    connect(chkDST_, &QCheckBox::clicked, this, &frmMain::ZoneSetByHand);
}

// From the second letter on, the City box offers the atlas's places.
void frmMain::txtMCity_Edited(const QString& text)
{
    if (chosenPlace_ && text != ToQString(chosenPlace_->Name)) {
        ForgetPlace();
    }
    const QString typed = text.trimmed();
    if (typed.size() < 2) {
        HidePlaces();
        return;
    }
    PlaceSearchResult found = places_->Atlas.Search(ToStdString(typed));
    if (found.Status == AtlasStatus::Unavailable) {
        if (!places_->ToldUnavailable) {
            places_->ToldUnavailable = true;
            platform_.ShowMessage(this,
                                  QStringLiteral("The atlas of places cannot be used (") + Translated(found.Problem) +
                                      QStringLiteral("). Please type the coordinates and the time zone yourself."),
                                  MessageIcon::Information);
        }
        return;
    }
    placeHits_ = std::move(found.Hits);
    placeModel_->clear();
    for (std::size_t i = 0; i < placeHits_.size(); ++i) {
        auto* item = new QStandardItem(ToQString(placeHits_[i].Label()));
        item->setData(static_cast<int>(i), Qt::UserRole);
        placeModel_->appendRow(item);
    }
    if (placeHits_.empty()) {
        HidePlaces();
        return;
    }
    // The popup is made on first use, not at start-up; then it gets its
    // name, and is made wide enough for the longest "place, region, country".
    QAbstractItemView* popup = placeCompleter_->popup();
    placePopupMade_ = true;
    popup->setObjectName(QStringLiteral("lstPlaces"));
    popup->setAccessibleName(QStringLiteral("Places"));
    const int wanted = popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width() +
                       2 * popup->frameWidth() + 8;
    QRect under = txtMCity_->rect();
    under.setWidth(std::max(under.width(), wanted));
    placeCompleter_->complete(under);
}

void frmMain::HidePlaces()
{
    if (placePopupMade_) {
        placeCompleter_->popup()->hide();
    }
}

void frmMain::ChoosePlace(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= placeHits_.size()) {
        return;
    }
    const PlaceHit place = placeHits_[static_cast<std::size_t>(row)];
    const PlaceInputs inputs = PlaceInputsFor(place);
    txtMCity_->setText(ToQString(inputs.City));
    txtMState_->setText(ToQString(inputs.State));
    txtMCountry_->setText(ToQString(inputs.Country));
    ShowCoordinates(inputs.LonD, inputs.LonM, inputs.LatD, inputs.LatM, inputs.East, inputs.South);
    chosenPlace_ = place;
    zoneFromAtlas_ = true;
    RefreshZoneFromAtlas();
}

// The zone in force at the chosen place on the entered date and time, in
// the boxes with an explicit sign, DST unticked (the offset includes it).
void frmMain::RefreshZoneFromAtlas()
{
    if (!chosenPlace_ || !zoneFromAtlas_) {
        return;
    }
    const ZoneFill fill = ZoneFillFor(*chosenPlace_, Entry(), places_->TzVersion());
    zoneOptions_ = fill.Options;
    switch (fill.Result) {
    case ZoneFill::Outcome::Filled:
        ShowAtlasZone(fill.Boxes);
        ShowZoneLine(Translated(fill.Line), false);
        break;
    case ZoneFill::Outcome::NeedsChoice:
        // No offset is right until the user says which: the boxes stay empty.
        ShowAtlasZone({});
        ShowZoneLine(Translated(fill.Line), true);
        break;
    case ZoneFill::Outcome::NotFilled:
        ShowZoneLine(Translated(fill.Line), false);
        break;
    }
}

// The atlas's offset already holds any daylight or war time, so DST stays
// unticked; empty texts leave the boxes empty until the user chooses.
void frmMain::ShowAtlasZone(const ZoneBoxTexts& boxes)
{
    txtZoneHour_->setText(ToQString(boxes.Hours));
    txtZoneMinute_->setText(ToQString(boxes.Minutes));
    chkDST_->setChecked(false);
}

void frmMain::ChooseZoneOption(const QString& link)
{
    bool number = false;
    const int which = link.toInt(&number);
    if (!number || which < 0 || static_cast<std::size_t>(which) >= zoneOptions_.size()) {
        return;
    }
    const ZoneOption option = zoneOptions_[static_cast<std::size_t>(which)];
    zoneOptions_.clear();
    ShowAtlasZone(option.Boxes);
    ShowZoneLine(Translated(option.Line), false);
}

void frmMain::ZoneSetByHand()
{
    if (!chosenPlace_ || !zoneFromAtlas_) {
        return;
    }
    zoneFromAtlas_ = false;
    zoneOptions_.clear();
    ShowZoneLine(ToQString(chosenPlace_->Name) +
                     QStringLiteral(": time zone set by hand; the atlas no longer changes it."),
                 false);
}

void frmMain::ShowZoneLine(const QString& text, bool withOptions)
{
    QString html = text.toHtmlEscaped();
    if (withOptions) {
        html += QStringLiteral(". Change the time, or use ");
        for (std::size_t i = 0; i < zoneOptions_.size(); ++i) {
            html += (i == 0 ? QString() : QStringLiteral(" or ")) + QStringLiteral("<a href=\"") + QString::number(i) +
                    QStringLiteral("\">") + Translated(zoneOptions_[i].Label).toHtmlEscaped() + QStringLiteral("</a>");
        }
        html += QLatin1Char('.');
    }
    lblZoneUsed_->setText(html);
    lblZoneUsed_->setAccessibleDescription(text);
    // Only a line with choices takes the keyboard focus, for its links.
    lblZoneUsed_->setTextInteractionFlags(withOptions ? Qt::TextBrowserInteraction : Qt::NoTextInteraction);
    lblZoneUsed_->setFocusPolicy(withOptions ? Qt::StrongFocus : Qt::NoFocus);
    lblZoneUsed_->setVisible(true);
    GrowToFit();
}

// The line takes room the form did not have; the window grows rather than
// squeeze the coordinate frames.
void frmMain::GrowToFit()
{
    centralWidget()->layout()->activate();
    resize(size().expandedTo(sizeHint()));
}

void frmMain::ForgetPlace()
{
    chosenPlace_.reset();
    zoneFromAtlas_ = false;
    zoneOptions_.clear();
    if (lblZoneUsed_ != nullptr) {
        lblZoneUsed_->clear();
        lblZoneUsed_->setVisible(false);
    }
}

void frmMain::mnuOnline_Click()
{
    OpenHelpPage(platform_);
}

void frmMain::mnuVisit_Click()
{
    OpenHomePage(platform_);
}

void frmMain::mnuUpdate_Click()
{
    OpenDownloadPage(platform_);
}

void frmMain::mnuAbout_Click()
{
    auto* about = new frmAbout(platform_, this);
    platform_.ShowModal(*about);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (IsUnusedAccessKey(key)) {
            return true;
        }
        const auto code = CharacterCode(key);
        if (code && NumericKeyFilter(static_cast<std::int16_t>(*code)) == 0) {
            platform_.ShowMessage(this, ToQString(OnlyNumbersMessage), MessageIcon::Error);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace orvanta
