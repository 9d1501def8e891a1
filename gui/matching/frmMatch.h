// SPDX-License-Identifier: GPL-3.0-or-later
// The matching window: a bride's and a groom's reading side by side, each
// filled from a saved reading or from the reading on screen, the eight
// kootas with each side's class and the points, the total, the verdict, and
// the doshas and doubts as notices; the roles swap, and the report prints.
#pragma once

#include <QMainWindow>
#include <array>
#include <optional>

#include "core/matching/Match.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace orvanta {

struct Services;
class MatchSidePanel;

class frmMatch : public QMainWindow {
    Q_OBJECT
public:
    // `onScreen` is the reading on screen when the window opens, offered to
    // either side; with one that names a sign, it starts on the bride's.
    frmMatch(Services& services, std::optional<MatchPerson> onScreen, QWidget* parent = nullptr);

    // Fills a side from a saved reading; a file that is no reading, or whose
    // birth data the main window would refuse, is refused with the reason
    // and leaves the side as it was. False when refused.
    bool OpenReadingFile(MatchRole role, const QString& path);

    // Who stands in a role, if anyone.
    const std::optional<MatchPerson>& Person(MatchRole role) const;

private slots:
    void mnuOpenBride_Click();
    void mnuOpenGroom_Click();
    void cmdSwap_Click();
    void cmdReport_Click();
    void cmdClose_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();

private:
    void BuildMenus();
    QWidget* BuildResult(QWidget* parent);
    void SetKeyboardOrder();
    void AskForReading(MatchRole role);
    void UseReadingOnScreen(MatchRole role);
    void Refresh();
    void ShowKootas(const std::optional<Match>& match);
    void ShowNotices(const std::optional<Match>& match);

    Services& services_;
    const std::optional<MatchPerson> onScreen_;
    std::array<std::optional<MatchPerson>, 2> people_;
    std::optional<Match> match_;
    std::array<MatchSidePanel*, 2> sides_{};
    QPushButton* cmdSwap_ = nullptr;
    QPushButton* cmdReport_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    QTableWidget* tblKootas_ = nullptr;
    QLabel* lblVerdict_ = nullptr;
    QLabel* lblScale_ = nullptr;
    QVBoxLayout* notices_ = nullptr;
};

}  // namespace orvanta
