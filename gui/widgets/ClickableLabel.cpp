// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/ClickableLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace orvanta {

namespace {

// What a screen reader sees of a link label: a link, named by its text, that
// can be pressed.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // Queued: a link may open a modal window, which must not run inside
        // the assistive technology's call.
        QMetaObject::invokeMethod(static_cast<ClickableLabel*>(widget()), &ClickableLabel::clicked,
                                  Qt::QueuedConnection);
    }
};

QAccessibleInterface* LinkAccessibleFor(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<ClickableLabel*>(object)) {
        return new LinkAccessible(label);
    }
    return nullptr;
}

// The rectangle the text takes inside the label, where the focus frame goes.
QRect TextRect(const QLabel& label)
{
    const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return label.fontMetrics().boundingRect(label.contentsRect(), flags, label.text()) & label.rect();
}

}  // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    // Once per process: Qt asks every factory installed for every widget.
    [[maybe_unused]] static const bool accessibleAsLink = (QAccessible::installFactory(LinkAccessibleFor), true);

    setCursor(Qt::PointingHandCursor);
    // Tab reaches it; a click opens it without moving the focus there.
    setFocusPolicy(Qt::TabFocus);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    setPalette(p);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setAccessibleName(text);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        // A held key opens the link once, not once per repeat.
        if (!event->isAutoRepeat()) {
            emit clicked();
        }
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = TextRect(*this);
    frame.backgroundColor = palette().color(backgroundRole());
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

}  // namespace orvanta
