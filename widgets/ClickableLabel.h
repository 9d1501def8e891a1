// A label that acts on a left click, drawn as a link: used for "TZ Help" and
// the labels that open the program's web pages.
#pragma once

#include <QLabel>

namespace orvanta {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace orvanta
