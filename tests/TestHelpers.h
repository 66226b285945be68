#pragma once

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include "LookAndFeel.h"

namespace juce
{
    // The framework's own step of its message loop; tests pump it by hand, since
    // the application's build permits no modal loops.
    bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace testing_helpers
{
    /** The program's own look, installed as the default as the application installs it. */
    struct ScopedProgramLook
    {
        ScopedProgramLook()     { juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel); }
        ~ScopedProgramLook()    { juce::LookAndFeel::setDefaultLookAndFeel (nullptr); }

        QYRLookAndFeel lookAndFeel;
    };

    inline juce::File sourceFile (const char* relativePath)
    {
        return juce::File (QYR_SOURCE_DIR).getChildFile (relativePath);
    }

    inline juce::Image loadPng (const juce::File& file)
    {
        juce::FileInputStream in (file);
        return in.openedOk() ? juce::PNGImageFormat().decodeImage (in) : juce::Image();
    }

    /** Delivers pending messages until the condition holds or the time runs out. */
    template <typename Condition>
    bool pumpMessagesUntil (Condition condition, int timeoutMs = 5000)
    {
        const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

        while (! condition())
        {
            if (juce::Time::getMillisecondCounter() > end)
                return false;

            while (juce::dispatchNextMessageOnSystemQueue (true)) {}
            juce::Thread::sleep (10);
        }

        return true;
    }

    inline void pumpMessagesFor (int milliseconds)
    {
        pumpMessagesUntil ([] { return false; }, milliseconds);
    }

    inline juce::Image snapshot (juce::Component& component)
    {
        return component.createComponentSnapshot (component.getLocalBounds(), true, 1.0f);
    }

    //==============================================================================
    /**
        Stands in for the user's browser: a recording `xdg-open` first on PATH for
        the fixture's lifetime. The framework hands every address to /bin/sh, which
        finds this script before any real browser.
    */
    class BrowserRecorder
    {
    public:
        BrowserRecorder()
        {
            folder.getFile().createDirectory();
            auto script = folder.getFile().getChildFile ("xdg-open");
            script.replaceWithText ("#!/bin/sh\nprintf '%s\\n' \"$*\" >> \"" + log().getFullPathName() + "\"\n",
                                  false, false, "\n");
            script.setExecutePermission (true);

            previousPath = juce::SystemStats::getEnvironmentVariable ("PATH", {});
            setenv ("PATH", (folder.getFile().getFullPathName() + ":" + previousPath).toRawUTF8(), 1);
        }

        ~BrowserRecorder()
        {
            setenv ("PATH", previousPath.toRawUTF8(), 1);
            folder.getFile().deleteRecursively();
        }

        juce::StringArray addresses() const
        {
            juce::StringArray lines;
            lines.addLines (log().loadFileAsString());
            lines.removeEmptyStrings();
            return lines;
        }

        /** Waits for the given number of hand-offs, then a little longer to catch extras. */
        juce::StringArray waitForAddresses (int expected) const
        {
            pumpMessagesUntil ([&] { return addresses().size() >= expected; });
            pumpMessagesFor (300);
            return addresses();
        }

    private:
        juce::File log() const    { return folder.getFile().getChildFile ("opened.txt"); }

        juce::TemporaryFile folder;
        juce::String previousPath;

        JUCE_DECLARE_NON_COPYABLE (BrowserRecorder)
    };
}
