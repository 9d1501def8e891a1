// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: where the birth data is entered and the reading starts.
// It lays out the inputs and wires them; the reading is composed in the
// core, the place picking and the keystroke rule live in their own classes.
#pragma once

#include <QMainWindow>
#include <optional>

#include "core/entry/BirthDataEntry.h"
#include "core/entry/InputRules.h"
#include "core/matching/Match.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace orvanta {

class Platform;
struct PlaceInputs;
struct PlaceLookup;
struct Reading;
struct Services;
struct ZoneBoxTexts;
class ClickableLabel;
class CoordinateFrame;
class NumericBox;
class PlacePicker;
class ZoneLineLabel;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The City box offers the services' atlas, where there is one; the
    // readings follow their Moon method.
    explicit frmMain(Services& services, QWidget* parent = nullptr);

    // True when the reading may run; otherwise its message has been shown.
    bool ValidateBirthData();

    // The inputs as the controls hold them now, and putting inputs into the
    // controls (list values must be entries of their lists).
    BirthDataEntry Entry() const;
    void SetEntry(const BirthDataEntry& entry);

    // Opens a reading file as "Open Previously Saved Reading" does once its
    // dialog has given the name: the same checks, messages and reading. A
    // file that is no reading changes nothing, rather than leave the user's
    // own date beside the file's other values.
    void OpenReadingFile(const QString& path);

    // A reading file's entry; or nothing, once "Please Check The File." has
    // been shown over `parent`, the window the user looks at.
    static std::optional<BirthDataEntry> ReadReadingFile(Platform& platform, QWidget* parent, const QString& path);
    // Puts a saved entry into the boxes and finds its rashi.
    void OpenEntry(const BirthDataEntry& entry);

signals:
    // The reading is composed and the record holds its birth data.
    void ReadingReady(const orvanta::Reading& reading);
    // Preferences has kept a new language for the windows; sent once its
    // window and every box are closed.
    void LanguageChanged();
    // The user wants to match two readings; the entry on screen, composed
    // when it passes the checks, is offered to either side.
    void MatchRequested(const std::optional<orvanta::MatchPerson>& onScreen);

public slots:
    void cmdRashi_Click();
    void mnuCalculate_Click();
    void mnuPreferences_Click();
    void mnuMatch_Click();
    void lblTZHelp_Click();
    void cmdBrowser_Click();
    void cmdOpen_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();

private:
    void BuildMenus();
    void BuildControls();
    QLabel* BuildPicture(QWidget* parent);
    QGroupBox* BuildEntryFrame(QWidget* parent);
    QLayout* BuildDateRow(QWidget* frame);
    QLayout* BuildTimeRow(QWidget* frame);
    QLayout* BuildZoneRow(QWidget* frame);
    void AddPlaceSearch(QGridLayout& grid, QWidget* frame, int firstRow);
    void SetKeyboardOrder();
    void Form_Load();
    QWidget* FocusTarget(EntryField field) const;
    void ShowRefusal(const ValidationFailure& failure);
    void OnlyNumbers();
    void ShowZone(int hours, int minutes);

    // The atlas's side: places offered in the City box, the zone in force.
    void BuildPlacePicker(PlaceLookup& places);
    void ShowPlace(const PlaceInputs& place);
    void ShowAtlasZone(const ZoneBoxTexts& boxes);
    void AtlasUnavailable(const QString& why);
    void GrowToFit();

    Services& services_;

    QLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHH_ = nullptr;
    QComboBox* cboMM_ = nullptr;
    QComboBox* cboSS_ = nullptr;
    NumericBox* txtZoneHour_ = nullptr;
    NumericBox* txtZoneMinute_ = nullptr;
    ClickableLabel* lblTZHelp_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    ZoneLineLabel* lblZoneUsed_ = nullptr;
    CoordinateFrame* fraLatitude_ = nullptr;
    CoordinateFrame* fraLongitude_ = nullptr;
    QLineEdit* txtMCity_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
    QPushButton* cmdBrowser_ = nullptr;
    QPushButton* cmdRashi_ = nullptr;
    QPushButton* cmdOpen_ = nullptr;
    PlacePicker* picker_ = nullptr;  // only with an atlas
};

}  // namespace orvanta
