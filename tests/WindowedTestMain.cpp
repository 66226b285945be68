// For component tests that need real windows: a private X server for the framework to
// connect to, and the program's own look.
#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include "LookAndFeel.h"
#include "window/XSession.h"

xsession::VirtualDisplay* testDisplay = nullptr;

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);

    xsession::VirtualDisplay display;
    testDisplay = &display;
    setenv ("DISPLAY", display.name().c_str(), 1);

    const juce::ScopedJuceInitialiser_GUI framework;
    QYRLookAndFeel lookAndFeel;
    juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
    const auto result = RUN_ALL_TESTS();
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    return result;
}
