#include "LinkButton.h"

#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
    // The framework's own chain of browsers, in its order. The address arrives as "$1",
    // so no character of it is ever read as shell syntax.
    constexpr const char* handOffScript =
        "xdg-open \"$1\" || /etc/alternatives/x-www-browser \"$1\" || firefox \"$1\" || mozilla \"$1\""
        " || google-chrome \"$1\" || chromium-browser \"$1\" || opera \"$1\" || konqueror \"$1\"";

    //==============================================================================
    /*  Reaps the hand-off shells as they end, so that none stays behind as a zombie.
        Each shell is waited for by its own pid only: SIGCHLD keeps its default, which
        the framework's ChildProcess and system() rely on. A pidfd tells the message
        loop when a shell has ended; where the kernel has none, a slow timer polls.
    */
    class HandOffReaper  : private juce::Timer,
                           private juce::DeletedAtShutdown
    {
    public:
        HandOffReaper() = default;

        ~HandOffReaper() override
        {
            clearSingletonInstance();

            for (auto& [pidfd, pid] : watchedByPidfd)
            {
                juce::LinuxEventLoop::unregisterFdCallback (pidfd);
                close (pidfd);
            }
        }

        void watch (pid_t pid)
        {
            const auto pidfd = (int) syscall (SYS_pidfd_open, pid, 0);

            if (pidfd < 0)
            {
                polled.push_back (pid);
                startTimer (500);
                return;
            }

            watchedByPidfd[pidfd] = pid;
            juce::LinuxEventLoop::registerFdCallback (pidfd, [this] (int fd) { shellEnded (fd); });
        }

    private:
        void shellEnded (int pidfd)
        {
            const auto entry = watchedByPidfd.find (pidfd);

            if (entry == watchedByPidfd.end() || ! reaped (entry->second))
                return;

            juce::LinuxEventLoop::unregisterFdCallback (pidfd);
            close (pidfd);
            watchedByPidfd.erase (entry);
        }

        void timerCallback() override
        {
            polled.erase (std::remove_if (polled.begin(), polled.end(), reaped), polled.end());

            if (polled.empty())
                stopTimer();
        }

        static bool reaped (pid_t pid)
        {
            return waitpid (pid, nullptr, WNOHANG) != 0;
        }

        std::map<int, pid_t> watchedByPidfd;
        std::vector<pid_t> polled;

    public:
        JUCE_DECLARE_SINGLETON_SINGLETHREADED_MINIMAL (HandOffReaper)
    };

    JUCE_IMPLEMENT_SINGLETON (HandOffReaper)
}

//==============================================================================
bool openInDefaultBrowser (const juce::URL& url)
{
    auto address = url.toString (true);

    if (address.containsChar ('@') && ! address.containsChar (':'))
        address = "mailto:" + address;

    // A session of its own, as the framework gives it, so the browser outlives the program.
    posix_spawnattr_t attributes;
    posix_spawnattr_init (&attributes);
    posix_spawnattr_setflags (&attributes, POSIX_SPAWN_SETSID);

    const auto trimmed = address.trim();
    const char* const argv[] { "/bin/sh", "-c", handOffScript, "/bin/sh", trimmed.toRawUTF8(), nullptr };
    pid_t pid = 0;
    const auto result = posix_spawn (&pid, argv[0], nullptr, &attributes, const_cast<char* const*> (argv), environ);
    posix_spawnattr_destroy (&attributes);

    if (result != 0)
        return false;

    HandOffReaper::getInstance()->watch (pid);
    return true;
}
