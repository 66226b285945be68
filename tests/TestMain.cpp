#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);

    // The panel's controls need the framework's message manager and default look.
    const juce::ScopedJuceInitialiser_GUI framework;
    return RUN_ALL_TESTS();
}
