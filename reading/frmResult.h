// The result window: the reading of the selected rashi, page by page.
#pragma once

#include <QMainWindow>

namespace orvanta {

struct BirthRecord;
class Platform;

class frmResult : public QMainWindow {
    Q_OBJECT
public:
    frmResult(BirthRecord& record, Platform& platform, QWidget* parent = nullptr);

private:
    BirthRecord& record_;
    Platform& platform_;
};

}  // namespace orvanta
