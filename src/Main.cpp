#include <juce_gui_basics/juce_gui_basics.h>
#include "GUI.h"
#include "LookAndFeel.h"
#include "NativeWindowSupport.h"

//==============================================================================
/**
    The application: one fixed window holding the download panel. Several copies
    may run at once, and the command line is not read.
*/
class QYRDownloaderApplication  : public juce::JUCEApplication
{
public:
    //==============================================================================
    QYRDownloaderApplication() = default;
    ~QYRDownloaderApplication() override = default;

    const juce::String getApplicationName() override       { return JUCE_APPLICATION_NAME_STRING; }
    const juce::String getApplicationVersion() override    { return JUCE_APPLICATION_VERSION_STRING; }
    bool moreThanOneInstanceAllowed() override             { return true; }

    //==============================================================================
    void initialise (const juce::String&) override
    {
        juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
        mainWindow.reset (new MainWindow (getApplicationName()));
    }

    void shutdown() override
    {
        mainWindow = nullptr;
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    }

    // Files or addresses handed over by the system are ignored.
    void anotherInstanceStarted (const juce::String&) override
    {
    }

    void systemRequestedQuit() override
    {
        quit();
    }

    //==============================================================================
    /**
        The top-level window: a native title bar with a close button only, sized to
        the panel, centred and not resizable.
    */
    class MainWindow  : public juce::DocumentWindow
    {
    public:
        explicit MainWindow (juce::String name)
            : DocumentWindow (name,
                              juce::Desktop::getInstance().getDefaultLookAndFeel()
                                  .findColour (juce::ResizableWindow::backgroundColourId),
                              DocumentWindow::closeButton)
        {
            // The native title bar goes first, so that sizing to the content counts the panel alone.
            setUsingNativeTitleBar (true);

            // The panel, not the window, takes the keyboard focus when the window is activated.
            setWantsKeyboardFocus (false);
            setContentOwned (new GUI(), true);
            setResizable (false, false);
            centreWithSize (getWidth(), getHeight());
            setVisible (true);
            nativeSupport.showFirstFrame();
        }

        ~MainWindow() override = default;

        // Closing the window ends the application; shutdown deletes the window.
        void closeButtonPressed() override
        {
            juce::JUCEApplication::getInstance()->systemRequestedQuit();
        }

    private:
        NativeWindowSupport nativeSupport { *this };

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainWindow)
    };

private:
    QYRLookAndFeel lookAndFeel;
    std::unique_ptr<MainWindow> mainWindow;
};

//==============================================================================
START_JUCE_APPLICATION (QYRDownloaderApplication)
