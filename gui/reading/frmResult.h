// SPDX-License-Identifier: GPL-3.0-or-later
// The result window: the selected rashi's picture, name and headline fields
// beside tabbed pages of its texts and of the birth star, with the way back
// to the main window and on to the report window.
#pragma once

#include <QMainWindow>
#include <QString>
#include <vector>

#include "core/reading/Reading.h"

class QLabel;
class QScrollArea;
class QLayout;
class QTabWidget;

namespace orvanta {

struct ResultFieldBox;
struct Services;
class SharpPicture;
class CrossCheckLabel;
class BirthStarPage;
class ClickableLabel;
class SignStayPanel;

class frmResult : public QMainWindow {
    Q_OBJECT
public:
    // Shows the reading; the services' record is what Save writes.
    frmResult(const Reading& reading, Services& services, QWidget* parent = nullptr);

    // Brings page k to the front and selects its tab: 1 to 7 the sign's
    // pages, 8 About.
    void ShowResultPage(int page);
    // The page on the birth star, where the reading has one.
    void ShowBirthStarPage();

    // How often this window has decoded a sign picture: loading decodes one,
    // and a move to a screen of another pixel density one more.
    int PictureDecodes() const;

signals:
    // Back: the user wants a fresh main window in place of this one.
    void BackRequested();
    // The user wants the same birth's reading by the other method.
    void OtherMethodRequested(orvanta::MoonEphemeris ephemeris);
    // The user wants to match this reading with another.
    void MatchWithRequested();

private slots:
    void TS_Click(int index);
    void cmdBack_Click();
    void cmdSave_Click();
    void mnuBack_Click();
    void mnuSave_Click();
    void mnuMatchWith_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void lblHomePage_Click();
    void Label61_Click();

private:
    void BuildMenus();
    QWidget* BuildHeader(QWidget* parent);
    QWidget* BuildPages(QWidget* parent);
    QLayout* BuildPageButtons(int page, QWidget* frame);
    QWidget* BuildAboutPage();
    void Form_Load();
    void ShowPicture(const QString& key);
    void ShowBirthStarLine();
    void FitHeight();

    // A field of the selected rashi with the caption and box that show it.
    struct ShownField {
        const ResultFieldBox* Field;
        QLabel* Caption;
        QWidget* Box;
    };

    const Reading reading_;
    Services& services_;
    QTabWidget* TS = nullptr;
    QScrollArea* headerScroll_ = nullptr;
    SharpPicture* picRashi = nullptr;
    QLabel* lblVedicName = nullptr;
    SignStayPanel* fraSignStay = nullptr;
    ClickableLabel* lblBirthStar = nullptr;
    BirthStarPage* fraBirthStar = nullptr;  // null without a birth star
    std::vector<QWidget*> pages_;           // the given pages, 1 to 8, by number
    CrossCheckLabel* lblCrossCheck = nullptr;
    std::vector<ShownField> fields_;
};

}  // namespace orvanta
