// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the shell's widget tests inside one QApplication on Qt's offscreen
// platform, with the editor's pictures registered.
#include <gtest/gtest.h>

#include <QApplication>

#include "integration_serial_line.h"
#include "resources_init.h"
#include "scratch_data_home.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    velmora::test::useScratchDataHome();
    velmora::test::useScratchSerialLine();
    // Keep the tests' settings apart from a user's real ones.
    QApplication::setOrganizationName("VelmoraEdit tests");
    QApplication::setApplicationName("shell-tests");
    velmora::initResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
