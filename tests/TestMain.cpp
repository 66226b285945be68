#include <gtest/gtest.h>
#include <cstdlib>
#include "TestHelpers.h"

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);

    // These tests run without a display. With DISPLAY unset the framework would try ":0",
    // which may be a window test's private X server that goes away mid-test.
    setenv ("DISPLAY", "headless-component-tests:0", 1);

    // The panel's controls need the framework's message manager and default look.
    const juce::ScopedJuceInitialiser_GUI framework;
    const testing_helpers::ScopedProgramLook look;
    return RUN_ALL_TESTS();
}
