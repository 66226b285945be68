#include "XSession.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <csignal>
#include <dirent.h>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace xsession
{
    //==============================================================================
    ScratchFolder::ScratchFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "qyr-window-test-XXXXXX").string();

        if (mkdtemp (pattern.data()) == nullptr)
            throw std::runtime_error ("cannot create a scratch folder");

        folder = pattern;
    }

    ScratchFolder::~ScratchFolder()
    {
        std::error_code ignored;
        fs::remove_all (folder, ignored);
    }

    std::string readFile (const fs::path& file)
    {
        std::ifstream in (file, std::ios::binary);
        return { std::istreambuf_iterator<char> (in), std::istreambuf_iterator<char>() };
    }

    void writeExecutable (const fs::path& file, const std::string& contents)
    {
        const auto temporary = file.string() + ".new";
        std::ofstream (temporary, std::ios::binary) << contents;
        fs::permissions (temporary, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec
                                      | fs::perms::others_read | fs::perms::others_exec);
        // Renamed into place, so that a shell never finds it half written.
        fs::rename (temporary, file);
    }

    //==============================================================================
    namespace
    {
        pid_t spawn (const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                     int stdoutFd, int stderrFd, int keepFd = -1)
        {
            std::vector<char*> args, env;

            for (auto& a : argv)         args.push_back (const_cast<char*> (a.c_str()));
            for (auto& e : environment)  env.push_back (const_cast<char*> (e.c_str()));

            args.push_back (nullptr);
            env.push_back (nullptr);

            const auto pid = fork();

            if (pid == 0)
            {
                const auto devNull = open ("/dev/null", O_RDWR);
                dup2 (devNull, 0);
                dup2 (stdoutFd >= 0 ? stdoutFd : devNull, 1);
                dup2 (stderrFd >= 0 ? stderrFd : devNull, 2);

                for (int fd = 3; fd < 1024; ++fd)
                    if (fd != keepFd)
                        close (fd);

                execvpe (args[0], args.data(), env.data());
                _exit (127);
            }

            if (pid < 0)
                throw std::runtime_error ("fork failed");

            return pid;
        }

        std::vector<std::string> currentEnvironment()
        {
            std::vector<std::string> result;

            for (auto** e = environ; *e != nullptr; ++e)
                result.emplace_back (*e);

            return result;
        }

        Atom atom (Display* display, const char* name)
        {
            return XInternAtom (display, name, False);
        }

        // What a window manager creates on the server before any client maps a window.
        const char* const windowManagerAtoms[]
        {
            "WM_PROTOCOLS", "WM_DELETE_WINDOW", "WM_TAKE_FOCUS", "_NET_WM_PING", "WM_STATE", "WM_CHANGE_STATE",
            "_MOTIF_WM_HINTS", "_NET_WM_ALLOWED_ACTIONS", "_NET_WM_ACTION_CLOSE", "_NET_WM_ACTION_RESIZE",
            "_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_FULLSCREEN", "_NET_WM_ACTION_MAXIMIZE_HORZ",
            "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_MOVE", "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_NORMAL",
            "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN", "_NET_FRAME_EXTENTS", "_NET_WM_PID", "_NET_ACTIVE_WINDOW",
            "_NET_WM_USER_TIME", "_NET_WM_NAME", "UTF8_STRING",
        };
    }

    //==============================================================================
    VirtualDisplay::VirtualDisplay (bool internWmAtoms)
    {
        int fds[2];

        if (pipe (fds) != 0)
            throw std::runtime_error ("pipe failed");

        serverPid = spawn ({ "Xvfb", "-displayfd", std::to_string (fds[1]), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp", "-noreset" },
                           currentEnvironment(), -1, -1, fds[1]);
        close (fds[1]);

        std::string number;
        pollfd pfd { fds[0], POLLIN, 0 };

        while (poll (&pfd, 1, 10000) > 0)
        {
            char c;

            if (read (fds[0], &c, 1) != 1 || c == '\n')
                break;

            number += c;
        }

        close (fds[0]);

        if (number.empty())
            throw std::runtime_error ("Xvfb did not report its display");

        displayName = ":" + number;
        connection = XOpenDisplay (displayName.c_str());

        if (connection == nullptr)
            throw std::runtime_error ("cannot connect to " + displayName);

        if (internWmAtoms)
            for (auto* name : windowManagerAtoms)
                atom (connection, name);

        XSync (connection, False);
    }

    VirtualDisplay::~VirtualDisplay()
    {
        if (connection != nullptr)
            XCloseDisplay (connection);

        kill (serverPid, SIGTERM);
        waitpid (serverPid, nullptr, 0);
    }

    int VirtualDisplay::width() const     { return DisplayWidth (connection, DefaultScreen (connection)); }
    int VirtualDisplay::height() const    { return DisplayHeight (connection, DefaultScreen (connection)); }

    //==============================================================================
    Process::Process (const std::vector<std::string>& argv, const std::map<std::string, std::string>& environment)
    {
        std::vector<std::string> env;

        for (auto& [key, value] : environment)
            env.push_back (key + "=" + value);

        const auto out = open ((scratch.path() / "output").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        childPid = spawn (argv, env, out, out);
        close (out);
    }

    Process::~Process()
    {
        if (isRunning())
        {
            kill (childPid, SIGKILL);
            waitForExit (5s);
        }
    }

    bool Process::isRunning()
    {
        return ! waitForExit (0ms).has_value();
    }

    void Process::signal (int signalNumber)
    {
        if (! status)
            kill (childPid, signalNumber);
    }

    std::optional<int> Process::waitForExit (std::chrono::milliseconds timeout)
    {
        waitUntil ([this]
        {
            if (status)
                return true;

            int raw = 0;

            if (waitpid (childPid, &raw, WNOHANG) == childPid)
                status = WIFEXITED (raw) ? WEXITSTATUS (raw) : 128 + WTERMSIG (raw);

            return status.has_value();
        }, timeout);

        return status;
    }

    std::string Process::output() const
    {
        return readFile (scratch.path() / "output");
    }

    std::vector<ProcessEntry> allProcesses()
    {
        std::vector<ProcessEntry> processes;
        auto* proc = opendir ("/proc");

        while (auto* entry = readdir (proc))
        {
            std::ifstream stat (std::string ("/proc/") + entry->d_name + "/stat");
            std::string line;

            // pid (comm) state ppid ...; the name may hold spaces and parentheses.
            if (! std::getline (stat, line))
                continue;

            char state = 0;
            int parent = 0;

            if (std::sscanf (line.c_str() + line.rfind (')') + 1, " %c %d", &state, &parent) == 2)
                processes.push_back ({ std::atoi (entry->d_name), parent, state });
        }

        closedir (proc);
        return processes;
    }

    long statusField (pid_t pid, const std::string& field, const std::string& thread)
    {
        std::ifstream status ("/proc/" + std::to_string (pid) + (thread.empty() ? "" : "/task/" + thread) + "/status");

        for (std::string line; std::getline (status, line);)
            if (line.rfind (field + ":", 0) == 0)
                return std::stol (line.substr (field.size() + 1));

        return 0;
    }

    int defunctChildren (pid_t parent)
    {
        const auto processes = allProcesses();
        return (int) std::count_if (processes.begin(), processes.end(),
                                    [&] (auto& p) { return p.parent == parent && p.state == 'Z'; });
    }

    std::map<std::string, std::string> programEnvironment (const VirtualDisplay& display, const fs::path& home,
                                                           const std::string& path)
    {
        for (auto* folder : { ".config", ".cache", ".local/share" })
            fs::create_directories (home / folder);

        std::map<std::string, std::string> env { { "DISPLAY", display.name() },
                                                 { "HOME", home.string() },
                                                 { "PATH", path } };

        for (auto* name : { "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS" })
            if (auto* value = std::getenv (name))
                env[name] = value;

        return env;
    }

    //==============================================================================
    namespace
    {
        // WM_NAME as its bytes: the framework writes it as UTF8_STRING, which XFetchName ignores.
        std::string windowName (Display* display, Window window)
        {
            XTextProperty text {};
            std::string result;

            if (XGetWMName (display, window, &text) != 0 && text.value != nullptr)
            {
                result.assign (reinterpret_cast<const char*> (text.value), text.nitems);
                XFree (text.value);
            }

            return result;
        }

        void collectWindows (Display* display, Window parent, const std::string& title, std::vector<Window>& found)
        {
            Window root, parentOfParent;
            Window* children = nullptr;
            unsigned int count = 0;

            if (XQueryTree (display, parent, &root, &parentOfParent, &children, &count) == 0)
                return;

            for (unsigned int i = 0; i < count; ++i)
            {
                XWindowAttributes attributes;

                if (XGetWindowAttributes (display, children[i], &attributes) == 0 || attributes.map_state != IsViewable)
                    continue;

                if (windowName (display, children[i]) == title)
                    found.push_back (children[i]);
                else
                    collectWindows (display, children[i], title, found);   // inside a window manager's frame
            }

            if (children != nullptr)
                XFree (children);
        }

        int ignoreXErrors (Display*, XErrorEvent*)    { return 0; }
    }

    std::vector<Window> findWindows (Display* display, const std::string& title)
    {
        // Windows may vanish while the tree is walked.
        auto previous = XSetErrorHandler (ignoreXErrors);
        std::vector<Window> found;
        collectWindows (display, DefaultRootWindow (display), title, found);
        XSync (display, False);
        XSetErrorHandler (previous);
        return found;
    }

    std::vector<Window> waitForWindows (Display* display, const std::string& title, size_t count,
                                        std::chrono::milliseconds timeout)
    {
        std::vector<Window> found;
        waitUntil ([&] { found = findWindows (display, title); return found.size() >= count; }, timeout);
        return found;
    }

    std::optional<unsigned long> pixelOf (Display* display, Window window, int x, int y)
    {
        // Reading a window that is not yet viewable is an X error, which only means "not yet".
        // XGetImage is a round trip, so its error has arrived when it returns.
        auto previous = XSetErrorHandler (ignoreXErrors);
        auto* image = XGetImage (display, window, x, y, 1, 1, AllPlanes, ZPixmap);
        XSetErrorHandler (previous);

        if (image == nullptr)
            return {};

        const auto pixel = XGetPixel (image, 0, 0) & 0xffffff;
        XDestroyImage (image);
        return pixel;
    }

    bool waitForFirstFrame (Display* display, Window window, int x, int y, unsigned long colour,
                            std::chrono::milliseconds timeout)
    {
        return waitUntil ([&] { return pixelOf (display, window, x, y) == colour; }, timeout);
    }

    Geometry geometryOf (Display* display, Window window)
    {
        XWindowAttributes attributes {};
        XGetWindowAttributes (display, window, &attributes);

        int rootX = 0, rootY = 0;
        Window child;
        XTranslateCoordinates (display, window, DefaultRootWindow (display), 0, 0, &rootX, &rootY, &child);
        return { rootX, rootY, attributes.width, attributes.height };
    }

    namespace
    {
        template <typename Item>
        std::vector<Item> property (Display* display, Window window, const char* propertyName, Atom type)
        {
            Atom actualType;
            int actualFormat;
            unsigned long count = 0, remaining = 0;
            unsigned char* data = nullptr;
            std::vector<Item> result;

            if (XGetWindowProperty (display, window, atom (display, propertyName), 0, 1024, False, type,
                                    &actualType, &actualFormat, &count, &remaining, &data) == Success
                 && data != nullptr)
            {
                auto* items = reinterpret_cast<Item*> (data);
                result.assign (items, items + count);
            }

            if (data != nullptr)
                XFree (data);

            return result;
        }
    }

    std::vector<long> cardinalProperty (Display* display, Window window, const char* propertyName)
    {
        return property<long> (display, window, propertyName, AnyPropertyType);
    }

    std::vector<std::string> atomProperty (Display* display, Window window, const char* propertyName)
    {
        std::vector<std::string> names;

        for (auto a : property<Atom> (display, window, propertyName, XA_ATOM))
        {
            auto* name = XGetAtomName (display, a);
            names.emplace_back (name);
            XFree (name);
        }

        return names;
    }

    //==============================================================================
    WindowPixels::WindowPixels (Display* display, Window window)
    {
        const auto geometry = geometryOf (display, window);
        image = XGetImage (display, window, 0, 0, (unsigned) geometry.width, (unsigned) geometry.height,
                           AllPlanes, ZPixmap);

        if (image == nullptr)
            throw std::runtime_error ("cannot read the window's pixels");
    }

    WindowPixels::~WindowPixels()
    {
        XDestroyImage (image);
    }

    unsigned long WindowPixels::at (int x, int y) const
    {
        return XGetPixel (image, x, y) & 0xffffff;
    }

    //==============================================================================
    void movePointer (Display* display, Window window, int x, int y)
    {
        const auto geometry = geometryOf (display, window);
        XTestFakeMotionEvent (display, DefaultScreen (display), geometry.x + x, geometry.y + y, CurrentTime);
        XSync (display, False);
        std::this_thread::sleep_for (50ms);
    }

    void movePointerAway (Display* display)
    {
        XTestFakeMotionEvent (display, DefaultScreen (display), 0, 0, CurrentTime);
        XSync (display, False);
        std::this_thread::sleep_for (300ms);
    }

    void click (Display* display, Window window, int x, int y)
    {
        movePointer (display, window, x, y);
        XTestFakeButtonEvent (display, 1, True, CurrentTime);
        XSync (display, False);
        std::this_thread::sleep_for (50ms);
        XTestFakeButtonEvent (display, 1, False, CurrentTime);
        XSync (display, False);
        std::this_thread::sleep_for (50ms);
    }

    void pressKey (Display* display, KeySym key, bool withShift)
    {
        const auto shift = XKeysymToKeycode (display, XK_Shift_L);
        const auto code = XKeysymToKeycode (display, key);

        if (withShift)
            XTestFakeKeyEvent (display, shift, True, CurrentTime);

        XTestFakeKeyEvent (display, code, True, CurrentTime);
        XTestFakeKeyEvent (display, code, False, CurrentTime);

        if (withShift)
            XTestFakeKeyEvent (display, shift, False, CurrentTime);

        XSync (display, False);
    }

    void sendDeleteWindow (Display* display, Window window)
    {
        XEvent event {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = atom (display, "WM_PROTOCOLS");
        event.xclient.format = 32;
        event.xclient.data.l[0] = (long) atom (display, "WM_DELETE_WINDOW");
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent (display, window, False, NoEventMask, &event);
        XSync (display, False);
    }

    void sendToRoot (Display* display, Window window, const char* messageType, std::initializer_list<long> data)
    {
        XEvent event {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = atom (display, messageType);
        event.xclient.format = 32;
        std::copy (data.begin(), data.end(), event.xclient.data.l);
        XSendEvent (display, DefaultRootWindow (display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XSync (display, False);
    }

    //==============================================================================
    std::string nameOf (WindowManager manager)
    {
        switch (manager)
        {
            case WindowManager::openbox:  return "openbox";
            case WindowManager::icewm:    return "icewm";
            case WindowManager::fluxbox:  return "fluxbox";
            case WindowManager::i3:       return "i3";
            case WindowManager::none:     break;
        }

        return "none";
    }

    Desktop::Desktop (WindowManager wm)
        : manager (wm), display (wm == WindowManager::none)
    {
        if (manager == WindowManager::none)
            return;

        // i3 asks for a configuration with a wizard when it finds none.
        if (manager == WindowManager::i3)
        {
            fs::create_directories (home.path() / ".config/i3");
            std::ofstream (home.path() / ".config/i3/config") << "# i3 config file (v4)\nfont pango:monospace 8\nfloating_modifier Mod1\n";
        }

        // fluxbox's style sets a wallpaper through fbsetbg, which finds no setter here and
        // puts up a message window over the screen's centre; the overlay turns it off.
        if (manager == WindowManager::fluxbox)
        {
            fs::create_directories (home.path() / ".fluxbox");
            std::ofstream (home.path() / ".fluxbox/overlay") << "background: none\n";
        }

        windowManager = std::make_unique<Process> (std::vector<std::string> { nameOf (manager) },
                                                   programEnvironment (display, home.path()));

        // Ready once it manages a window from its event loop, which some of them enter
        // well after they name themselves on the root window. Every one of them marks a
        // window it manages with WM_STATE.
        const auto probe = XCreateSimpleWindow (x(), DefaultRootWindow (x()), 0, 0, 10, 10, 0, 0, 0);
        XMapWindow (x(), probe);
        XSync (x(), False);
        const auto answered = waitUntil ([&] { return ! cardinalProperty (x(), probe, "WM_STATE").empty(); }, 20s);
        XDestroyWindow (x(), probe);
        XSync (x(), False);

        if (! answered)
            throw std::runtime_error (nameOf (manager) + " did not start: " + windowManager->output());
    }

    void Desktop::close (Window window) const
    {
        if (manager == WindowManager::none)
            sendDeleteWindow (x(), window);
        else
            sendToRoot (x(), window, "_NET_CLOSE_WINDOW", { CurrentTime, 2 });
    }

    //==============================================================================
    RecordingBrowser::RecordingBrowser()
    {
        writeExecutable (script(), "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + (scratch.path() / "opened").string() + "'\n");
    }

    void RecordingBrowser::makeDefaultFor (const fs::path& home) const
    {
        fs::create_directories (home / ".local/share/applications");
        fs::create_directories (home / ".config");

        std::ofstream (home / ".local/share/applications/recording-browser.desktop")
            << "[Desktop Entry]\nType=Application\nName=Recording browser\nExec=" << script().string()
            << " %u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\n";
        std::ofstream (home / ".config/mimeapps.list")
            << "[Default Applications]\nx-scheme-handler/http=recording-browser.desktop\n"
            << "x-scheme-handler/https=recording-browser.desktop\n";
    }

    std::vector<std::string> RecordingBrowser::opened() const
    {
        std::vector<std::string> lines;
        std::istringstream in (readFile (scratch.path() / "opened"));

        for (std::string line; std::getline (in, line);)
            lines.push_back (line);

        return lines;
    }

    std::vector<std::string> RecordingBrowser::waitForOpened (size_t count, std::chrono::milliseconds timeout) const
    {
        waitUntil ([&] { return opened().size() >= count; }, timeout);
        std::this_thread::sleep_for (500ms);
        return opened();
    }
}
