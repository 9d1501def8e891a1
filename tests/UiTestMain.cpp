// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the window tests offscreen, with the windows' font, in one QApplication.
#include <QApplication>
#include <gtest/gtest.h>

#include "gui/widgets/WindowFont.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    orvanta::ApplyWindowFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
