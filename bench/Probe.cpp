// Starts one program on a private X server and measures it from outside:
//
//   qyr_probe [--idle SECONDS] [--hover] [--openbox] [--title NAME] [--env NAME=VALUE]... X Y RRGGBB -- program args...
//
// X Y is a point of the 600 x 300 picture that shows RRGGBB once the first frame is up: in
// the window with the title, or without one, where the picture centred on the 1024 x 768
// screen would be. With --openbox the server runs that window manager,
// started and ready before the clock starts. Prints one line of key=value figures.
#include "../tests/window/XSession.h"

#include <X11/Xutil.h>

#include <csignal>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <iostream>
#include <set>
#include <sstream>

using namespace xsession;

namespace
{
    std::set<pid_t> processTree (pid_t root)
    {
        const auto processes = allProcesses();
        std::set<pid_t> tree { root };

        for (bool grew = true; grew;)
        {
            grew = false;

            for (auto& p : processes)
                if (tree.count (p.parent) != 0 && tree.insert (p.pid).second)
                    grew = true;
        }

        return tree;
    }

    long peakResidentKiB (pid_t root)
    {
        long total = 0;

        for (auto pid : processTree (root))
            total += statusField (pid, "VmHWM");

        return total;
    }

    // CPU time in clock ticks and context switches of all the process's threads.
    std::pair<long, long> cpuAndSwitches (pid_t pid)
    {
        std::ifstream stat ("/proc/" + std::to_string (pid) + "/stat");
        std::string line;
        std::getline (stat, line);
        std::istringstream fields (line.substr (line.rfind (')') + 2));
        std::vector<std::string> f { std::istream_iterator<std::string> (fields), {} };
        const long ticks = std::stol (f[11]) + std::stol (f[12]);

        long switches = 0;
        auto* tasks = opendir (("/proc/" + std::to_string (pid) + "/task").c_str());

        while (auto* entry = readdir (tasks))
            if (entry->d_name[0] != '.')
                switches += statusField (pid, "voluntary_ctxt_switches", entry->d_name)
                          + statusField (pid, "nonvoluntary_ctxt_switches", entry->d_name);

        closedir (tasks);
        return { ticks, switches };
    }
}

int main (int argc, char* argv[])
{
    int idleSeconds = 0;
    bool hover = false;
    auto manager = WindowManager::none;
    std::string title;
    std::vector<std::string> extraEnvironment;
    int arg = 1;

    for (; arg < argc && std::string (argv[arg]).rfind ("--", 0) == 0 && std::string (argv[arg]) != "--"; ++arg)
    {
        const std::string option (argv[arg]);

        if (option == "--idle")        idleSeconds = std::atoi (argv[++arg]);
        else if (option == "--hover")  hover = true;
        else if (option == "--openbox") manager = WindowManager::openbox;
        else if (option == "--title")  title = argv[++arg];
        else if (option == "--env")    extraEnvironment.emplace_back (argv[++arg]);
    }

    if (argc - arg < 5)
    {
        std::cerr << "usage: qyr_probe [--idle S] [--hover] [--openbox] [--title NAME] [--env NAME=VALUE]... X Y RRGGBB -- program args...\n";
        return 2;
    }

    const int x = std::atoi (argv[arg]), y = std::atoi (argv[arg + 1]);
    const auto colour = std::stoul (argv[arg + 2], nullptr, 16);
    const std::vector<std::string> command (argv + arg + 4, argv + argc);

    const Desktop desktop (manager);
    auto* x11 = desktop.x();
    const int left = (desktop.display.width() - 600) / 2, top = (desktop.display.height() - 300) / 2;

    auto environment = programEnvironment (desktop.display, desktop.home.path());

    for (auto& setting : extraEnvironment)
        environment[setting.substr (0, setting.find ('='))] = setting.substr (setting.find ('=') + 1);

    const auto start = std::chrono::steady_clock::now();
    Process program (command, environment);

    // Children are collected while the program lives: once it has gone they belong to init.
    auto endAll = [&, tree = std::set<pid_t>()] () mutable
    {
        tree.merge (processTree (program.pid()));

        for (auto pid : tree)
            if (pid != program.pid())
                kill (pid, SIGKILL);

        program.signal (SIGKILL);
    };

    // A program with a title is read through its own window, wherever the window manager
    // put it; the others at the point where the centred picture would be.
    auto shownColour = [&, window = Window (0)] () mutable
    {
        if (title.empty())
            return pixelOf (x11, DefaultRootWindow (x11), left + x, top + y);

        if (window == 0)
            if (const auto found = findWindows (x11, title); ! found.empty())
                window = found.front();

        return window == 0 ? std::optional<unsigned long>() : pixelOf (x11, window, x, y);
    };

    while (shownColour() != colour)
    {
        if (std::chrono::steady_clock::now() - start > 60s || ! program.isRunning())
        {
            std::cerr << "no first frame: " << program.output() << "\n";
            endAll();
            return 1;
        }

        std::this_thread::sleep_for (200us);
    }

    const auto firstFrame = std::chrono::duration<double, std::milli> (std::chrono::steady_clock::now() - start).count();
    std::cout << "first_frame_ms=" << firstFrame << " peak_rss_kib=" << peakResidentKiB (program.pid());

    if (idleSeconds > 0)
    {
        std::this_thread::sleep_for (1s);
        const auto before = cpuAndSwitches (program.pid());
        std::this_thread::sleep_for (std::chrono::seconds (idleSeconds));
        const auto after = cpuAndSwitches (program.pid());
        std::cout << " idle_cpu_ms=" << (after.first - before.first) * 1000 / sysconf (_SC_CLK_TCK)
                  << " idle_switches=" << after.second - before.second;
    }

    std::cout << std::endl;

    const auto family = processTree (program.pid());
    const auto windows = title.empty() ? std::vector<Window>() : findWindows (x11, title);

    if (hover && ! windows.empty())
    {
        // Pointer over the links and away again: each crossing repaints the panel.
        for (int round = 0; round < 5; ++round)
            for (auto [px, py] : { std::pair (81, 85), std::pair (560, 280), std::pair (300, 150) })
                movePointer (x11, windows.front(), px, py);
    }

    if (! windows.empty())
        sendDeleteWindow (x11, windows.front());
    else
        program.signal (SIGTERM);

    program.waitForExit (10s);

    for (auto pid : family)
        if (pid != program.pid())
            kill (pid, SIGKILL);

    return 0;
}
