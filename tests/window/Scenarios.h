#pragma once

#include "Expected.h"
#include "XSession.h"

/*  Starting the program and closing it at a given moment, with the pointer still: the
    runs in which an X event once waited in the program's queue for unrelated traffic.
    The window tests run each once; the soak repeats them under load.
*/
namespace scenarios
{
    enum class CloseMoment
    {
        whenMapped,         // the instant the window is viewable, before its first frame
        afterFirstFrame     // as soon as the first frame shows
    };

    std::string nameOf (CloseMoment);

    struct Outcome
    {
        bool mapped = false, firstFrame = false;
        std::optional<int> exitStatus;
        std::string output;

        /** Whether the run stalled: no window, no first frame where one was waited for,
            or a close that did not end the program with status 0. */
        bool stalled (CloseMoment moment) const
        {
            return ! mapped || (moment == CloseMoment::afterFirstFrame && ! firstFrame) || exitStatus != 0;
        }
    };

    Outcome startAndClose (const xsession::Desktop& desktop, CloseMoment moment);
}
