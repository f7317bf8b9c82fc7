// SPDX-License-Identifier: GPL-3.0-or-later
// Window tests run on Qt's offscreen platform; no test may block on a
// modal dialog, so every dialog goes through ScriptedDialogs.
#include <QAccessible>
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Offscreen unless a platform is chosen (xvfb-run with xcb for screenshots).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Names and texts as assistive technology gets them.
    QAccessible::setActive(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
