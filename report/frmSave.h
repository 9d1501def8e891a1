// The report window: the reading laid out as one rich-text document, with
// Save and Print.
#pragma once

#include <QDialog>

namespace orvanta {

struct BirthRecord;
class Platform;

class frmSave : public QDialog {
    Q_OBJECT
public:
    frmSave(BirthRecord& record, Platform& platform, QWidget* parent = nullptr);

private:
    BirthRecord& record_;
    Platform& platform_;
};

}  // namespace orvanta
