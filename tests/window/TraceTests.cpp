// The program under strace and valgrind: it writes nothing, talks to nobody but the
// X server, and neither corrupts nor loses memory of its own.
// GoogleTest goes before Xlib, whose macros (None, Bool, ...) would break it.
#include <gtest/gtest.h>

#include "Expected.h"
#include "XSession.h"

#include <regex>
#include <set>
#include <sstream>

using namespace xsession;

namespace
{
    using namespace expected;

    /** Start, a click on each link, and the window manager's close, under a wrapper tool. */
    struct WrappedRun
    {
        WrappedRun (const std::vector<std::string>& wrapper, std::chrono::milliseconds startTimeout)
        {
            auto env = programEnvironment (display, home.path());

            // LeakSanitizer cannot work under ptrace; the sanitizer suite checks leaks elsewhere.
            if (env.count ("ASAN_OPTIONS") != 0 && wrapper.front() == "strace")
                env["ASAN_OPTIONS"] += ":detect_leaks=0";
            env["BROWSER"] = browser.script().string();
            browser.makeDefaultFor (home.path());

            auto argv = wrapper;
            argv.push_back (QYR_APP);
            Process program (argv, env);

            const auto windows = waitForWindows (display.display(), title, 1, startTimeout);

            if (windows.empty())
                throw std::runtime_error ("no window: " + program.output());

            if (! expected::waitForFirstFrame (display.display(), windows.front()))
                throw std::runtime_error ("no first frame: " + program.output());

            // One click at a time, each waiting for its hand-off, so that a slow run under a
            // wrapper tool never has two clicks in flight.
            for (auto& link : links)
            {
                click (display.display(), windows.front(), link.centreX(), link.centreY());
                opened = browser.waitForOpened (opened + 1, startTimeout).size();
            }
            sendDeleteWindow (display.display(), windows.front());
            exitStatus = program.waitForExit (startTimeout);
            output = program.output();
        }

        VirtualDisplay display;
        ScratchFolder home;
        RecordingBrowser browser;
        size_t opened = 0;
        std::optional<int> exitStatus;
        std::string output;
    };

    //==============================================================================
    struct SystemCall
    {
        int pid;
        std::string name, arguments, result;
    };

    std::vector<SystemCall> parseTrace (const std::string& log)
    {
        // "1234  openat(AT_FDCWD, "/x", O_RDONLY) = 3"; strace writes a call that another
        // process interrupts in two pieces, which are joined here.
        static const std::regex complete (R"(^(\d+)\s+(\w+)\((.*)\)\s+=\s+(.*)$)");
        static const std::regex unfinished (R"(^(\d+)\s+(\w+)\((.*) <unfinished \.\.\.>$)");
        static const std::regex resumed (R"(^(\d+)\s+<\.\.\. (\w+) resumed>(.*)\)\s+=\s+(.*)$)");

        std::map<int, SystemCall> pending;
        std::vector<SystemCall> calls;
        std::istringstream lines (log);
        std::smatch m;

        for (std::string line; std::getline (lines, line);)
        {
            if (std::regex_match (line, m, complete))
                calls.push_back ({ std::stoi (m[1]), m[2], m[3], m[4] });
            else if (std::regex_match (line, m, unfinished))
                pending[std::stoi (m[1])] = { std::stoi (m[1]), m[2], m[3], {} };
            else if (std::regex_match (line, m, resumed) && pending.count (std::stoi (m[1])) != 0)
            {
                auto call = pending[std::stoi (m[1])];
                call.arguments += m[3];
                call.result = m[4];
                calls.push_back (call);
            }
        }

        return calls;
    }

    bool startsWith (const std::string& s, const char* prefix)    { return s.rfind (prefix, 0) == 0; }

    std::string firstStringArgument (const std::string& arguments)
    {
        const auto open = arguments.find ('"');
        const auto close = arguments.find ('"', open + 1);
        return open == std::string::npos ? std::string() : arguments.substr (open + 1, close - open - 1);
    }
}

//==============================================================================
TEST (Trace, NothingWrittenNoFontReadAndNoSocketButTheXConnection)
{
    ScratchFolder traceFolder;
    const auto log = traceFolder.path() / "trace";
    WrappedRun run ({ "strace", "-f", "-qq", "-s", "256", "-o", log.string(),
                      "-e", "trace=%file,%process,socket,connect,bind,sendto" }, 20s);

    ASSERT_EQ (run.exitStatus, 0) << run.output;
    EXPECT_EQ (run.opened, std::size (links));

    const auto calls = parseTrace (readFile (log));
    ASSERT_FALSE (calls.empty());

    // A process that has executed another program is no longer the program's own, and
    // nor are its children: the browser hand-off's shell and the framework's gsettings
    // query. strace may log a child before its parent's clone returns, so the family
    // tree is read in full first.
    const auto programPid = calls.front().pid;
    std::map<int, int> parentOf;
    std::map<int, size_t> execAt;

    for (size_t i = 0; i < calls.size(); ++i)
    {
        auto& call = calls[i];

        if ((call.name == "clone" || call.name == "clone3" || call.name == "vfork" || call.name == "fork")
             && std::isdigit ((unsigned char) call.result[0]))
            parentOf[std::stoi (call.result)] = call.pid;

        if (call.name == "execve" && call.pid != programPid && startsWith (call.result, "0") && execAt.count (call.pid) == 0)
            execAt[call.pid] = i;
    }

    auto descendsFromAnotherProgram = [&] (int pid)
    {
        for (auto p = parentOf.find (pid); p != parentOf.end(); p = parentOf.find (p->second))
            if (execAt.count (p->second) != 0)
                return true;

        return false;
    };

    std::set<std::string> foreignPrograms;
    std::vector<std::string> violations;

    for (size_t i = 0; i < calls.size(); ++i)
    {
        auto& call = calls[i];

        if (descendsFromAnotherProgram (call.pid))
            continue;

        if (auto exec = execAt.find (call.pid); exec != execAt.end() && i >= exec->second)
        {
            if (i == exec->second)
                foreignPrograms.insert (firstStringArgument (call.arguments));

            continue;
        }

        const auto path = firstStringArgument (call.arguments);
        const auto isDeviceOrProc = startsWith (path, "/dev/") || startsWith (path, "/proc/");

        if ((call.name == "openat" || call.name == "open") && ! isDeviceOrProc
             && std::regex_search (call.arguments, std::regex ("O_WRONLY|O_RDWR|O_CREAT|O_TRUNC")))
            violations.push_back (call.name + "(" + call.arguments + ")");

        static const std::set<std::string> changes { "creat", "mkdir", "mkdirat", "rename", "renameat", "renameat2",
                                                     "unlink", "unlinkat", "rmdir", "link", "linkat", "symlink",
                                                     "symlinkat", "truncate", "chmod", "fchmodat", "mknod", "mknodat" };
        if (changes.count (call.name) != 0)
            violations.push_back (call.name + "(" + call.arguments + ")");

        // The program's text comes from its own embedded faces: it reads no font file and no
        // font configuration.
        static const std::regex fontFile (R"(\.(ttf|ttc|otf|pfb|pfa|pcf|pcf\.gz)$|fonts\.conf$|/fonts?/)");

        if ((call.name == "openat" || call.name == "open") && std::regex_search (path, fontFile))
            violations.push_back (call.name + "(" + call.arguments + ")");

        if (call.name == "socket" && ! startsWith (call.arguments, "AF_UNIX"))
            violations.push_back (call.name + "(" + call.arguments + ")");

        if (call.name == "connect" && call.arguments.find ("/tmp/.X11-unix/X") == std::string::npos)
            violations.push_back (call.name + "(" + call.arguments + ")");

        if (call.name == "bind" || call.name == "sendto")
            violations.push_back (call.name + "(" + call.arguments + ")");
    }

    EXPECT_TRUE (violations.empty()) << ::testing::PrintToString (violations);

    // The only other programs started are the ones this test names.
    for (auto& name : foreignPrograms)
        EXPECT_TRUE (name == "/bin/sh" || name == "/usr/bin/gsettings") << name;

    EXPECT_EQ (foreignPrograms.count ("/bin/sh"), 1u);
}

TEST (Trace, MemcheckFindsNoInvalidAccessAndNoLeakOfOurOwn)
{
   #if QYR_SANITIZED
    GTEST_SKIP() << "valgrind cannot run a sanitizer build";
   #endif

    ScratchFolder logFolder;
    const auto log = logFolder.path() / "memcheck";
    WrappedRun run ({ "valgrind", "--tool=memcheck", "--leak-check=full", "--show-leak-kinds=definite",
                      "--errors-for-leak-kinds=definite", "--error-exitcode=99", "--child-silent-after-fork=yes",
                      "--suppressions=" QYR_VALGRIND_SUPPRESSIONS, "--log-file=" + log.string() }, 90s);

    const auto report = readFile (log);
    EXPECT_EQ (run.exitStatus, 0) << report;
    EXPECT_EQ (run.opened, std::size (links));
    EXPECT_EQ (report.find ("Invalid read"), std::string::npos);
    EXPECT_EQ (report.find ("Invalid write"), std::string::npos);
    EXPECT_NE (report.find ("ERROR SUMMARY: 0 errors"), std::string::npos) << report;
}
