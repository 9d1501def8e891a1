// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a Qt application showing one empty window, ending
// after its first paint.
#include <QApplication>
#include <QWidget>

#include "StartupFirstPaint.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    new orvanta::bench::QuitAfterFirstPaint(window);
    return QApplication::exec();
}
