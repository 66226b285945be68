// The soak run, outside the default suite: many starts and closes, then many clicks in
// one process. Prints what it measured and exits non-zero if a run did not end cleanly.
#include "Expected.h"
#include "XSession.h"

#include <algorithm>
#include <iostream>

using namespace xsession;
using namespace expected;

namespace
{
    int defunctChildren (pid_t parent)
    {
        const auto processes = allProcesses();
        return (int) std::count_if (processes.begin(), processes.end(),
                                    [&] (auto& p) { return p.parent == parent && p.state == 'Z'; });
    }
}

int main (int argc, char* argv[])
{
    const int cycles = argc > 1 ? std::atoi (argv[1]) : 100;
    const int clicks = argc > 2 ? std::atoi (argv[2]) : 1000;

    VirtualDisplay display;
    ScratchFolder home, bin;

    // A browser that opens nothing, first on PATH, so that clicks cost only the hand-off.
    writeExecutable (bin.path() / "xdg-open", "#!/bin/sh\nexit 0\n");
    auto env = programEnvironment (display, home.path(), bin.path().string() + ":/usr/bin:/bin");

    int badExits = 0;

    for (int i = 0; i < cycles; ++i)
    {
        Process program ({ QYR_APP }, env);
        const auto windows = waitForWindows (display.display(), title, 1);

        // Closed once the first frame is up, as a user would: a close message that lands
        // while the framework is still starting waits in Xlib's queue for the next event.
        if (! windows.empty())
        {
            waitForFirstFrame (display.display(), windows.front());
            sendDeleteWindow (display.display(), windows.front());
        }

        const auto status = program.waitForExit (10s);

        if (windows.empty() || status != 0)
        {
            ++badExits;
            std::cerr << "cycle " << i << ": " << (windows.empty() ? "no window" : "exit status " + std::to_string (status.value_or (-1))) << "\n";
        }
    }

    std::cout << "start/close cycles: " << cycles << ", not ending with status 0: " << badExits << "\n";

    Process program ({ QYR_APP }, env);
    const auto windows = waitForWindows (display.display(), title, 1);

    if (windows.empty() || ! waitForFirstFrame (display.display(), windows.front()))
        return 1;

    std::this_thread::sleep_for (2s);
    const auto before = statusField (program.pid(), "VmRSS");

    for (int i = 0; i < clicks; ++i)
    {
        auto& link = links[(size_t) i % std::size (links)];
        click (display.display(), windows.front(), link.centreX(), link.centreY());
    }

    movePointerAway (display.display());
    std::this_thread::sleep_for (3s);
    const auto after = statusField (program.pid(), "VmRSS");
    const auto zombies = defunctChildren (program.pid());

    sendDeleteWindow (display.display(), windows.front());
    const auto status = program.waitForExit (10s);

    std::cout << "clicks: " << clicks << "\n"
              << "resident before: " << before << " KiB, after: " << after << " KiB, growth: " << after - before << " KiB\n"
              << "defunct hand-off shells left by the framework: " << zombies << "\n"
              << "exit status after the clicks: " << status.value_or (-1) << "\n";

    return badExits == 0 && status == 0 ? 0 : 1;
}
