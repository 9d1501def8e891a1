// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/ZoneLineLabel.h"

#include "gui/widgets/WindowFont.h"

namespace orvanta {

ZoneLineLabel::ZoneLineLabel(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("lblZoneUsed"));
    setAccessibleName(Title());
    setWordWrap(true);
    setFont(WindowFont(7.5));
    setTextFormat(Qt::RichText);
    setVisible(false);
    connect(this, &QLabel::linkActivated, this, [this](const QString& link) {
        bool number = false;
        const int which = link.toInt(&number);
        if (number) {
            emit OptionChosen(which);
        }
    });
}

QString ZoneLineLabel::Title()
{
    return tr("Time zone from the atlas");
}

void ZoneLineLabel::Show(const ZoneLineText& line)
{
    if (line.Text.isEmpty()) {
        clear();
        setAccessibleName(Title());
        setAccessibleDescription({});
        setVisible(false);
        return;
    }
    const bool withOptions = !line.Options.isEmpty();
    QString html = line.Text.toHtmlEscaped();
    QString choice;
    if (withOptions) {
        QStringList links;
        for (qsizetype i = 0; i < line.Options.size(); ++i) {
            links.append(QStringLiteral("<a href=\"%1\">%2</a>").arg(i).arg(line.Options[i].toHtmlEscaped()));
        }
        //: The zone line where a birth time did not exist or came twice: %1 says so, %2 the two
        //: offsets to choose from, as links.
        html = tr("%1. Change the time, or use %2.").arg(html, links.join(tr(" or ")));
        // Said in full: which offsets, and how to take one.
        //: Said to a screen reader: %1 the two offsets to choose from.
        choice = tr("Two offsets are possible: %1. Press Tab to reach them in this line, then Enter to use one, or "
                    "change the time of birth.")
                     .arg(line.Options.join(tr(" or ")));
    }
    setText(html);
    // Screen readers say a label's name but not its description (Orca never
    // reads a label's description), so the name carries the whole line.
    //: The zone line as a screen reader says it: %1 the line, %2 the offsets to choose from.
    const QString spoken = withOptions ? tr("%1. %2").arg(line.Text, choice) : line.Text;
    //: %1 "Time zone from the atlas", %2 the line.
    setAccessibleName(tr("%1: %2").arg(Title(), spoken));
    setAccessibleDescription(choice);
    // Only a line with choices takes the keyboard focus, for its links.
    setTextInteractionFlags(withOptions ? Qt::TextBrowserInteraction : Qt::NoTextInteraction);
    setFocusPolicy(withOptions ? Qt::StrongFocus : Qt::NoFocus);
    setVisible(true);
}

}  // namespace orvanta
