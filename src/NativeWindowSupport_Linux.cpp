// The framework's X11 declarations, as its own extra modules include them.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "NativeWindowSupport.h"

#include <juce_events/native/juce_linux_EventLoopInternal.h>

namespace
{
    juce::X11Symbols& xlib()    { return *juce::X11Symbols::getInstance(); }

    ::Display* frameworkDisplay()
    {
        auto* windowSystem = juce::XWindowSystem::getInstanceWithoutCreating();
        return windowSystem != nullptr ? windowSystem->getDisplay() : nullptr;
    }

    //==============================================================================
    /*  The framework handles X events only when poll() finds its connection readable, but
        round trips made elsewhere on the message thread (XSync, XGetWindowProperty) read
        events into Xlib's queue and leave the socket quiet, so a close, an expose or a
        click could wait there for unrelated traffic. Each display refresh hands any such
        events to the framework's own handler; the refresh timer runs anyway, so this adds
        no wake-up.
    */
    void dispatchQueuedEvents()
    {
        auto* display = frameworkDisplay();

        // QueuedAlready only looks at Xlib's queue: no system call, no round trip.
        if (display != nullptr && xlib().xEventsQueued (display, QueuedAlready) > 0)
            juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd (xlib().xConnectionNumber (display));
    }

    //==============================================================================
    /*  XWindowSystem::setBounds writes the min = max size hints of a window that cannot be
        resized and then overwrites them with its position and size alone, so window
        managers let other clients resize the window and tiling ones tile it. Every write
        of the framework's goes through its symbol table, where this one puts the bounds
        back into the same write.
    */
    juce::X11Symbols::XSetWMNormalHints frameworkSetWMNormalHints = nullptr;

    bool isFixedSizeWindow (::Window window)
    {
        for (int i = juce::ComponentPeer::getNumPeers(); --i >= 0;)
            if (auto* peer = juce::ComponentPeer::getPeer (i))
                if ((::Window) (juce::pointer_sized_uint) peer->getNativeHandle() == window)
                    return (peer->getStyleFlags() & juce::ComponentPeer::windowIsResizable) == 0;

        return false;
    }

    void setWMNormalHintsKeepingFixedSize (::Display* display, ::Window window, XSizeHints* hints)
    {
        if (hints != nullptr && (hints->flags & USSize) != 0 && (hints->flags & (PMinSize | PMaxSize)) == 0
             && isFixedSizeWindow (window))
        {
            auto fixed = *hints;
            fixed.flags |= PMinSize | PMaxSize;
            fixed.min_width  = fixed.max_width  = hints->width;
            fixed.min_height = fixed.max_height = hints->height;
            frameworkSetWMNormalHints (display, window, &fixed);
            return;
        }

        frameworkSetWMNormalHints (display, window, hints);
    }

    void keepFixedSizeHints()
    {
        auto& symbols = xlib();

        if (frameworkSetWMNormalHints == nullptr)
        {
            frameworkSetWMNormalHints = symbols.xSetWMNormalHints;
            symbols.xSetWMNormalHints = setWMNormalHintsKeepingFixedSize;
        }
    }
}

//==============================================================================
class NativeWindowSupport::Pimpl
{
public:
    explicit Pimpl (juce::ResizableWindow& w)
        : window (w)
    {
        keepFixedSizeHints();
    }

    void showFirstFrame()
    {
        if (auto* peer = window.getPeer())
            peer->performAnyPendingRepaintsNow();

        // No round trip: that would read events into the queue again.
        if (auto* display = frameworkDisplay())
            xlib().xFlush (display);
    }

private:
    juce::ResizableWindow& window;
    juce::VBlankAttachment eventPump { &window, dispatchQueuedEvents };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Pimpl)
};

//==============================================================================
NativeWindowSupport::NativeWindowSupport (juce::ResizableWindow& window)
    : pimpl (std::make_unique<Pimpl> (window))
{
}

NativeWindowSupport::~NativeWindowSupport() = default;

void NativeWindowSupport::showFirstFrame()
{
    pimpl->showFirstFrame();
}
