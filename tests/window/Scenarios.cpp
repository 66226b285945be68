#include "Scenarios.h"

namespace scenarios
{
    using namespace xsession;

    std::string nameOf (CloseMoment moment)
    {
        return moment == CloseMoment::whenMapped ? "close when mapped" : "close after the first frame";
    }

    Outcome startAndClose (const Desktop& desktop, CloseMoment moment)
    {
        Outcome outcome;
        Process program ({ QYR_APP }, programEnvironment (desktop.display, desktop.home.path()));

        // Polled at once and then often, so that the close lands right after the map.
        const auto windows = waitForWindows (desktop.x(), expected::title, 1);
        outcome.mapped = ! windows.empty();

        if (outcome.mapped)
        {
            if (moment == CloseMoment::afterFirstFrame)
                outcome.firstFrame = expected::waitForFirstFrame (desktop.x(), windows.front());

            desktop.close (windows.front());
            outcome.exitStatus = program.waitForExit (10s);
        }

        outcome.output = program.output();
        return outcome;
    }
}
