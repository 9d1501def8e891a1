// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: where the birth data is entered and the reading starts.
#pragma once

#include <QMainWindow>
#include <optional>
#include <string>
#include <vector>

#include "atlas/PlaceAtlas.h"
#include "atlas/PlaceChoice.h"
#include "entry/InputRules.h"

class QAction;
class QCheckBox;
class QCompleter;
class QStandardItemModel;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvanta {

struct BirthRecord;
struct Reading;
struct PlaceLookup;
class ClickableLabel;
class Platform;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // `places` is the atlas the City box offers; without one the box is a
    // plain text box.
    frmMain(BirthRecord& record, Platform& platform, PlaceLookup* places = nullptr, QWidget* parent = nullptr);

    // True when the reading may run; otherwise its message has been shown.
    bool ValidateBirthData();

    // The inputs as the controls hold them now, and putting inputs into the
    // controls (list values must be entries of their lists).
    BirthDataEntry Entry() const;
    void SetEntry(const BirthDataEntry& entry);

    // Opens a reading file as "Open Previously Saved Reading" does once its
    // dialog has given the name: the same checks, messages and reading.
    void OpenReadingFile(const QString& path);

signals:
    // The reading is composed and the record holds its birth data.
    void ReadingReady(const orvanta::Reading& reading);

public slots:
    void cmdRashi_Click();
    void mnuCalculate_Click();
    void lblTZHelp_Click();
    void cmdBrowser_Click();
    void cmdOpen_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The names a coordinate frame's widgets take, e.g. "Latitude", "Lat",
    // "optLat", "North", "South".
    struct CoordinateNames {
        const char* Caption;
        const char* BoxPrefix;
        const char* OptionPrefix;
        const char* First;
        const char* Second;
    };

    void BuildMenus();
    void BuildControls();
    QLabel* BuildPicture(QWidget* parent);
    QGroupBox* BuildEntryFrame(QWidget* parent);
    QLayout* BuildDateRow(QWidget* frame);
    QLayout* BuildTimeRow(QWidget* frame);
    QLayout* BuildZoneRow(QWidget* frame);
    QGroupBox* BuildCoordinateFrame(const CoordinateNames& names, QLineEdit*& degrees, QLineEdit*& minutes,
                                    QRadioButton*& first, QRadioButton*& second, QWidget* frame);
    void AddPlaceSearch(QGridLayout& grid, QWidget* frame, int firstRow);
    void SetKeyboardOrder();
    void Form_Load();
    QLineEdit* NumericBox(const QString& name, const QString& accessibleName, int typingLimit = 0);
    QWidget* FocusTarget(EntryField field) const;
    void ShowRefusal(const ValidationFailure& failure);
    void ShowZone(int hours, int minutes);
    void ShowCoordinates(std::string_view lonD, std::string_view lonM, std::string_view latD, std::string_view latM,
                         bool east, bool south);

    // The atlas: places offered as the City box is typed in, and the zone in
    // force at the chosen place, kept up to date with the date and time
    // until the user sets the zone by hand.
    void BuildPlaceCompleter();
    void txtMCity_Edited(const QString& text);
    void HidePlaces();
    void ChoosePlace(int row);
    void RefreshZoneFromAtlas();
    void ZoneSetByHand();
    void ShowAtlasZone(const ZoneBoxTexts& boxes);
    void ChooseZoneOption(const QString& link);
    void ShowZoneLine(const QString& text, bool withOptions);
    void ForgetPlace();
    void GrowToFit();

    BirthRecord& record_;
    Platform& platform_;

    QLabel* picMain_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHH_ = nullptr;
    QComboBox* cboMM_ = nullptr;
    QComboBox* cboSS_ = nullptr;
    QLineEdit* txtZoneHour_ = nullptr;
    QLineEdit* txtZoneMinute_ = nullptr;
    ClickableLabel* lblTZHelp_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    QLineEdit* txtLatD_ = nullptr;
    QLineEdit* txtLatM_ = nullptr;
    QRadioButton* optLat0_ = nullptr;
    QRadioButton* optLat1_ = nullptr;
    QLineEdit* txtLonD_ = nullptr;
    QLineEdit* txtLonM_ = nullptr;
    QRadioButton* optLong0_ = nullptr;
    QRadioButton* optLong1_ = nullptr;
    QLineEdit* txtMCity_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
    QPushButton* cmdBrowser_ = nullptr;
    QPushButton* cmdRashi_ = nullptr;
    QPushButton* cmdOpen_ = nullptr;
    QLabel* lblZoneUsed_ = nullptr;

    PlaceLookup* places_ = nullptr;
    QCompleter* placeCompleter_ = nullptr;
    QStandardItemModel* placeModel_ = nullptr;
    std::vector<PlaceHit> placeHits_;
    bool placePopupMade_ = false;
    std::optional<PlaceHit> chosenPlace_;    // the place in effect, if any
    bool zoneFromAtlas_ = false;             // the atlas still sets the zone boxes
    std::vector<ZoneOption> zoneOptions_;    // offsets to choose from, if any
};

}  // namespace orvanta
