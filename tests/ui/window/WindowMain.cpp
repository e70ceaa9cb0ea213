// The window tests need a QApplication; they run offscreen unless told otherwise.
#include "FixedLocale.h"

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Qt sets the C locale from the environment; time stamps must read the same
    // on every machine.
    lumafold::test::UseUtcAndCLocale();
    return RUN_ALL_TESTS();
}
