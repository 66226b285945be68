// For component tests that need real windows: a private X server for the framework to
// connect to, and the program's own look.
#include "TestHelpers.h"
#include "window/XSession.h"

xsession::VirtualDisplay* testDisplay = nullptr;

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);

    xsession::VirtualDisplay display;
    testDisplay = &display;
    setenv ("DISPLAY", display.name().c_str(), 1);

    const juce::ScopedJuceInitialiser_GUI framework;
    const testing_helpers::ScopedProgramLook look;
    return RUN_ALL_TESTS();
}
