// The main window: where the birth data is entered and the reading starts.
#pragma once

#include <QMainWindow>
#include <string>

#include "entry/InputRules.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvanta {

struct BirthRecord;
class ClickableLabel;
class Platform;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(BirthRecord& record, Platform& platform, QWidget* parent = nullptr);

    // True when the reading may run; otherwise its message has been shown.
    bool ValidateBirthData();

    // The inputs as the controls hold them now, and putting inputs into the
    // controls (list values must be entries of their lists).
    BirthDataEntry Entry() const;
    void SetEntry(const BirthDataEntry& entry);

    // Opens a reading file as "Open Previously Saved Reading" does once its
    // dialog has given the name: the same checks, messages and reading.
    void OpenReadingFile(const QString& path);

    // The name of the last computed rashi, kept by the window.
    const std::string& LastRashiName() const { return lastRashiName_; }

signals:
    // The reading is computed and its texts looked up: time to show them.
    void ReadingReady();

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
    void BuildMenus();
    void BuildControls();
    void SetKeyboardOrder();
    void Form_Load();
    QLineEdit* NumericBox(const QString& name, const QString& accessibleName, int typingLimit = 0);
    QWidget* FocusTarget(EntryField field) const;
    void ShowZone(int hours, int minutes);

    BirthRecord& record_;
    Platform& platform_;
    std::string lastRashiName_;

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
};

}  // namespace orvanta
