// The main window: where the birth data is entered and the reading starts.
#pragma once

#include <QMainWindow>

namespace orvanta {

struct BirthRecord;
class Platform;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(BirthRecord& record, Platform& platform, QWidget* parent = nullptr);

private:
    BirthRecord& record_;
    Platform& platform_;
};

}  // namespace orvanta
