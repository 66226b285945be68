#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

/*  The window-level test driver. It starts a private Xvfb and the built program
    and looks at them only from outside, through Xlib and XTest, the way a user
    and a window manager see them.
*/
namespace xsession
{
    using namespace std::chrono_literals;
    namespace fs = std::filesystem;

    //==============================================================================
    /** A scratch folder, removed with everything in it. */
    class ScratchFolder
    {
    public:
        ScratchFolder();
        ~ScratchFolder();
        const fs::path& path() const    { return folder; }

    private:
        fs::path folder;
    };

    std::string readFile (const fs::path& file);
    void writeExecutable (const fs::path& file, const std::string& contents);

    //==============================================================================
    /** A private X server on its own display number, chosen by the server itself. */
    class VirtualDisplay
    {
    public:
        /** With internWmAtoms, the atoms that a window manager would own are created
            before any client starts, so the program advertises its protocols and hints. */
        explicit VirtualDisplay (bool internWmAtoms = true);
        ~VirtualDisplay();

        const std::string& name() const    { return displayName; }
        Display* display() const           { return connection; }
        int width() const;
        int height() const;

    private:
        pid_t serverPid = -1;
        std::string displayName;
        Display* connection = nullptr;
    };

    //==============================================================================
    /** A child process with a clean environment and its output captured. */
    class Process
    {
    public:
        Process (const std::vector<std::string>& argv, const std::map<std::string, std::string>& environment);
        ~Process();

        pid_t pid() const    { return childPid; }
        bool isRunning();
        void signal (int signalNumber);

        /** The exit status, or 128 + the signal that ended it; nothing on timeout. */
        std::optional<int> waitForExit (std::chrono::milliseconds timeout);

        /** What the process wrote to stdout and stderr. */
        std::string output() const;

    private:
        ScratchFolder scratch;
        pid_t childPid = -1;
        std::optional<int> status;
    };

    /** A process as /proc lists it. */
    struct ProcessEntry
    {
        pid_t pid, parent;
        char state;
    };

    std::vector<ProcessEntry> allProcesses();

    /** How many children of the process have ended without being waited for. */
    int defunctChildren (pid_t parent);

    /** A numeric field of /proc/<pid>/status, or of one of its threads; 0 if absent. */
    long statusField (pid_t pid, const std::string& field, const std::string& thread = {});

    /** The environment the program gets in these tests: the display, a scratch HOME
        with the usual folders, a PATH, and the sanitizers' settings if any are set. */
    std::map<std::string, std::string> programEnvironment (const VirtualDisplay& display, const fs::path& home,
                                                           const std::string& path = "/usr/bin:/bin");

    //==============================================================================
    /** Visible top-level client windows whose WM_NAME is the given title. */
    std::vector<Window> findWindows (Display* display, const std::string& title);

    /** Waits until at least `count` such windows are visible. */
    std::vector<Window> waitForWindows (Display* display, const std::string& title, size_t count,
                                        std::chrono::milliseconds timeout = 10s);

    /** One pixel of the window as 0xRRGGBB, or nothing while the window is not viewable. */
    std::optional<unsigned long> pixelOf (Display* display, Window window, int x, int y);

    /** Waits until the window's pixel at (x, y) shows the colour. */
    bool waitForFirstFrame (Display* display, Window window, int x, int y, unsigned long colour,
                            std::chrono::milliseconds timeout = 20s);

    struct Geometry { int x, y, width, height; };
    Geometry geometryOf (Display* display, Window window);

    std::vector<long> cardinalProperty (Display* display, Window window, const char* propertyName);
    std::vector<std::string> atomProperty (Display* display, Window window, const char* propertyName);

    /** One pixel of the window as 0xRRGGBB. */
    class WindowPixels
    {
    public:
        WindowPixels (Display* display, Window window);
        ~WindowPixels();
        unsigned long at (int x, int y) const;

    private:
        XImage* image = nullptr;
    };

    /** Moves the real pointer with XTest: to window coordinates, or off every window. */
    void movePointer (Display* display, Window window, int x, int y);
    void movePointerAway (Display* display);
    void click (Display* display, Window window, int x, int y);

    /** Presses and releases a key with XTest, with Shift held if asked. */
    void pressKey (Display* display, KeySym key, bool withShift = false);

    /** Sends the message a window manager's close button sends. */
    void sendDeleteWindow (Display* display, Window window);

    /** Sends a client message about the window to the root, as pagers and other clients
        ask a window manager to act (_NET_CLOSE_WINDOW, _NET_MOVERESIZE_WINDOW). */
    void sendToRoot (Display* display, Window window, const char* messageType, std::initializer_list<long> data);

    //==============================================================================
    /** The window managers the program is tried under, all from Debian. */
    enum class WindowManager { none, openbox, icewm, fluxbox, i3 };

    std::string nameOf (WindowManager);

    /** A private X server with a window manager running on it, or none, and a scratch
        HOME that holds the window manager's configuration and the program's. */
    class Desktop
    {
    public:
        explicit Desktop (WindowManager);

        Display* x() const    { return display.display(); }

        /** Asks the window manager to close the window, as its close button does; with no
            window manager, sends the window what its close button would. */
        void close (Window window) const;

        const WindowManager manager;
        VirtualDisplay display;
        ScratchFolder home;
        std::unique_ptr<Process> windowManager;
    };

    //==============================================================================
    /** A browser that writes down what it is asked to open, one address a line. */
    class RecordingBrowser
    {
    public:
        RecordingBrowser();
        fs::path script() const    { return scratch.path() / "browser"; }

        /** Makes this the default web browser of a user with the given home folder, as a
            desktop would: a desktop entry and the user's mimeapps.list. */
        void makeDefaultFor (const fs::path& home) const;
        std::vector<std::string> opened() const;

        /** Waits for `count` addresses, then a little longer to catch any extra. */
        std::vector<std::string> waitForOpened (size_t count, std::chrono::milliseconds timeout = 5s) const;

    private:
        ScratchFolder scratch;
    };

    /** Blocks until the condition holds or the time runs out; returns the condition. */
    template <typename Condition>
    bool waitUntil (Condition condition, std::chrono::milliseconds timeout)
    {
        const auto end = std::chrono::steady_clock::now() + timeout;

        while (! condition())
        {
            if (std::chrono::steady_clock::now() > end)
                return false;

            std::this_thread::sleep_for (20ms);
        }

        return true;
    }
}
