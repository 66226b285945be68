#include <gtest/gtest.h>
#include <cstdlib>
#include <juce_gui_basics/juce_gui_basics.h>
#include "LookAndFeel.h"

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);

    // These tests run without a display. With DISPLAY unset the framework would try ":0",
    // which may be a window test's private X server that goes away mid-test.
    setenv ("DISPLAY", "headless-component-tests:0", 1);

    // The panel's controls need the framework's message manager and default look.
    const juce::ScopedJuceInitialiser_GUI framework;

    // The program's own look, as the application installs it.
    QYRLookAndFeel lookAndFeel;
    juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
    const auto result = RUN_ALL_TESTS();
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    return result;
}
