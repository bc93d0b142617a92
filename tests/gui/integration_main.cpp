// SPDX-License-Identifier: GPL-3.0-or-later
// The editor window with its receiver link, on Qt's offscreen platform. Each
// test brings its own pseudo-terminal, so no scratch line is set up here.
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "resources_init.h"
#include "scratch_data_home.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    velmora::test::useScratchDataHome();
    // Profile settings (the device of each COM number) stay out of the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName("VelmoraEdit tests");
    QApplication::setApplicationName("integration-tests");
    velmora::initResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
