// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests need a QApplication; the offscreen platform needs no display.
#include <QApplication>
#include <gtest/gtest.h>

#include "integration_serial_line.h"
#include "scratch_data_home.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    velmora::test::useScratchDataHome();
    velmora::test::useScratchSerialLine();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
