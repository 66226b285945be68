// What the main window's X11 part assumes of the framework, checked in a real window on a
// private X server. If a framework upgrade changes any of it, these fail and say what to do.
// GoogleTest goes before Xlib, whose macros (None, Bool, ...) would break it.
#include <gtest/gtest.h>

#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>
#include <juce_events/native/juce_linux_EventLoopInternal.h>

#include "NativeWindowSupport.h"
#include "TestHelpers.h"
#include "window/XSession.h"

using namespace testing_helpers;

// The test's own connection to the private X server, from WindowedTestMain.cpp.
extern xsession::VirtualDisplay* testDisplay;

namespace
{
    ::Display* frameworkDisplay()    { return juce::XWindowSystem::getInstance()->getDisplay(); }

    /** A fixed-size window like the program's, with or without its X11 part. */
    class FixedWindow  : public juce::DocumentWindow
    {
    public:
        explicit FixedWindow (bool withNativeSupport)
            : DocumentWindow ("FixedWindow", juce::Colours::black, DocumentWindow::closeButton)
        {
            if (withNativeSupport)
                nativeSupport = std::make_unique<NativeWindowSupport> (*this);

            setUsingNativeTitleBar (true);
            setResizable (false, false);
            centreWithSize (600, 300);
            setVisible (true);
            pumpMessagesFor (300);
        }

        void closeButtonPressed() override    { ++closeRequests; }

        ::Window handle()    { return (::Window) (juce::pointer_sized_uint) getPeer()->getNativeHandle(); }

        int closeRequests = 0;

    private:
        std::unique_ptr<NativeWindowSupport> nativeSupport;
    };

    /** Sends the window a window manager's close from the test's own connection and has the
        framework read it into Xlib's queue with a round trip, as its own calls do. */
    void queueCloseMessage (::Window window)
    {
        auto* x = testDisplay->display();
        xsession::sendDeleteWindow (x, window);
        XSync (frameworkDisplay(), False);
    }

    //==============================================================================
    // Every write of WM_NORMAL_HINTS for one window, as the framework makes it.
    ::Window watchedWindow = 0;
    std::vector<long> writtenFlags;
    juce::X11Symbols::XSetWMNormalHints writeBelow = nullptr;

    void recordHints (::Display* display, ::Window window, XSizeHints* hints)
    {
        if (window == watchedWindow)
            writtenFlags.push_back (hints->flags);

        writeBelow (display, window, hints);
    }
}

//==============================================================================
TEST (FrameworkAssumptions, TheXConnectionIsOneOfTheRunLoopsDescriptors)
{
    FixedWindow window (true);
    const auto fd = juce::X11Symbols::getInstance()->xConnectionNumber (frameworkDisplay());
    const auto registered = juce::LinuxEventLoopInternal::getRegisteredFds();

    EXPECT_NE (std::find (registered.begin(), registered.end(), fd), registered.end())
        << "The framework no longer waits on its X connection's descriptor: the refresh pump in "
           "NativeWindowSupport_Linux.cpp hands queued events to a callback that is not there.";
}

TEST (FrameworkAssumptions, AnEventLeftInXlibsQueueIsHandledOnlyWithTheRefreshPump)
{
    for (auto withPump : { false, true })
    {
        SCOPED_TRACE (withPump ? "with the pump" : "without the pump");
        FixedWindow window (withPump);
        queueCloseMessage (window.handle());

        pumpMessagesUntil ([&] { return window.closeRequests > 0; }, 1000);

        if (withPump)
            EXPECT_EQ (window.closeRequests, 1);
        else
            EXPECT_EQ (window.closeRequests, 0)
                << "The framework now handles events already in Xlib's queue by itself: the refresh pump in "
                   "NativeWindowSupport_Linux.cpp can go.";
    }
}

TEST (FrameworkAssumptions, TheFrameworkDropsTheSizeBoundsThatOurPartPutsBack)
{
    // Installed under the program's part, if that is there already, so that it sees the
    // framework's own writes.
    auto& symbols = *juce::X11Symbols::getInstance();
    FixedWindow window (true);

    writeBelow = symbols.xSetWMNormalHints;
    symbols.xSetWMNormalHints = recordHints;
    watchedWindow = window.handle();
    writtenFlags.clear();

    window.setTopLeftPosition (window.getX() + 10, window.getY() + 10);
    pumpMessagesFor (100);

    symbols.xSetWMNormalHints = writeBelow;

    ASSERT_FALSE (writtenFlags.empty()) << "The framework no longer sets the hints when the window moves.";
    EXPECT_EQ (writtenFlags.back() & (PMinSize | PMaxSize), 0)
        << "The framework now keeps the min = max size hints of a fixed-size window itself: "
           "setWMNormalHintsKeepingFixedSize in NativeWindowSupport_Linux.cpp can go.";

    // What reaches the server, with the program's part in place.
    XSizeHints hints {};
    long supplied = 0;
    ASSERT_NE (XGetWMNormalHints (testDisplay->display(), window.handle(), &hints, &supplied), 0);
    EXPECT_EQ (hints.flags & (PMinSize | PMaxSize | USSize), PMinSize | PMaxSize | USSize);
    EXPECT_EQ (juce::Rectangle<int> (hints.min_width, hints.min_height, hints.max_width, hints.max_height),
               juce::Rectangle<int> (600, 300, 600, 300));
}
