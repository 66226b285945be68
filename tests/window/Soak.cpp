// The soak run, outside the default suite: the start-and-close table many times beside
// two busy loops, then many clicks in one process. Prints what it counted and exits
// non-zero if any run stalled or any hand-off shell was left behind.
#include "Expected.h"
#include "Scenarios.h"
#include "XSession.h"

#include <algorithm>
#include <iostream>

using namespace xsession;
using namespace expected;

namespace
{
    /** The table's stalls: starts and closes on a bare server and under openbox. */
    int stallsUnderLoad (int rounds)
    {
        // Two busy loops, one a core, so that the program competes for the CPU.
        std::vector<std::unique_ptr<Process>> busyLoops;

        for (int i = 0; i < 2; ++i)
            busyLoops.push_back (std::make_unique<Process> (std::vector<std::string> { "/bin/sh", "-c", "while :; do :; done" },
                                                            std::map<std::string, std::string>()));

        int stalls = 0;

        for (auto manager : { WindowManager::none, WindowManager::openbox })
        {
            const Desktop desktop (manager);

            for (auto moment : { scenarios::CloseMoment::whenMapped, scenarios::CloseMoment::afterFirstFrame })
            {
                int stalled = 0;

                for (int i = 0; i < rounds; ++i)
                    if (scenarios::startAndClose (desktop, moment).stalled (moment))
                        ++stalled;

                std::cout << nameOf (manager) << ", " << scenarios::nameOf (moment) << ": " << stalled
                          << " of " << rounds << " stalled" << std::endl;
                stalls += stalled;
            }
        }

        return stalls;   // the busy loops end with their Process objects
    }
}

int main (int argc, char* argv[])
{
    const int rounds = argc > 1 ? std::atoi (argv[1]) : 100;
    const int clicks = argc > 2 ? std::atoi (argv[2]) : 1000;

    const auto stalls = stallsUnderLoad (rounds);

    VirtualDisplay display;
    ScratchFolder home, bin;

    // A browser that opens nothing, first on PATH, so that clicks cost only the hand-off.
    writeExecutable (bin.path() / "xdg-open", "#!/bin/sh\nexit 0\n");
    auto env = programEnvironment (display, home.path(), bin.path().string() + ":/usr/bin:/bin");

    Process program ({ QYR_APP }, env);
    const auto windows = waitForWindows (display.display(), title, 1);

    if (windows.empty() || ! waitForFirstFrame (display.display(), windows.front()))
        return 1;

    const auto before = statusField (program.pid(), "VmRSS");

    for (int i = 0; i < clicks; ++i)
    {
        auto& link = links[(size_t) i % std::size (links)];
        click (display.display(), windows.front(), link.centreX(), link.centreY());
    }

    // The last shells may still be running; each is reaped as soon as it ends.
    waitUntil ([&] { return defunctChildren (program.pid()) == 0; }, 5s);
    const auto after = statusField (program.pid(), "VmRSS");
    const auto zombies = defunctChildren (program.pid());

    sendDeleteWindow (display.display(), windows.front());
    const auto status = program.waitForExit (10s);

    std::cout << "stalls: " << stalls << "\n"
              << "clicks: " << clicks << "\n"
              << "resident before: " << before << " KiB, after: " << after << " KiB, growth: " << after - before << " KiB\n"
              << "defunct hand-off shells: " << zombies << "\n"
              << "exit status after the clicks: " << status.value_or (-1) << "\n";

    return stalls == 0 && zombies == 0 && status == 0 ? 0 : 1;
}
