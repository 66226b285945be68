// The framework floor: a bare JUCE application with a fixed native-titled window whose
// content fills one colour and draws the artwork from the image cache. Built a second
// time with QYR_FLOOR_TEXT=1, it also draws one short line in the default font.
#include <juce_gui_basics/juce_gui_basics.h>

#include "QYRDownloaderArtwork.h"

namespace
{
    struct Content  : public juce::Component
    {
        Content()
        {
            picture = juce::ImageCache::getFromMemory (resource_GUI_qyrdownloaderImageBg_png,
                                                       (int) sizeof (resource_GUI_qyrdownloaderImageBg_png));
            setSize (600, 300);
        }

        void paint (juce::Graphics& g) override
        {
            g.fillAll (juce::Colour (0xff222222));
            g.drawImageAt (picture, 0, 0);

           #if QYR_FLOOR_TEXT
            g.setColour (juce::Colours::orange);
            g.drawText ("Floor", 20, 80, 120, 20, juce::Justification::centredLeft);
           #endif
        }

        juce::Image picture;
    };

    struct Window  : public juce::DocumentWindow
    {
        explicit Window (const juce::String& name)
            : DocumentWindow (name, juce::Colours::black, DocumentWindow::closeButton)
        {
            setUsingNativeTitleBar (true);
            setContentOwned (new Content(), true);
            setResizable (false, false);
            centreWithSize (getWidth(), getHeight());
            setVisible (true);
        }

        void closeButtonPressed() override    { juce::JUCEApplication::getInstance()->systemRequestedQuit(); }
    };
}

struct FloorApplication  : public juce::JUCEApplication
{
    const juce::String getApplicationName() override       { return "FrameworkFloor"; }
    const juce::String getApplicationVersion() override    { return "1.0.0"; }
    bool moreThanOneInstanceAllowed() override             { return true; }
    void initialise (const juce::String&) override         { window = std::make_unique<Window> (getApplicationName()); }
    void shutdown() override                               { window = nullptr; }

    std::unique_ptr<Window> window;
};

START_JUCE_APPLICATION (FloorApplication)
