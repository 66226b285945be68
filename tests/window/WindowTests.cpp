// GoogleTest goes before Xlib, whose macros (None, Bool, ...) would break it.
#include <gtest/gtest.h>

#include "Expected.h"
#include "XSession.h"

#include <X11/Xutil.h>
#include <csignal>

using namespace xsession;

namespace
{
    using namespace expected;

    int red (unsigned long rgb)      { return (int) (rgb >> 16) & 0xff; }
    int green (unsigned long rgb)    { return (int) (rgb >> 8) & 0xff; }
    int blue (unsigned long rgb)     { return (int) rgb & 0xff; }

    //==============================================================================
    /** One private X server with the program running on it. */
    class ProgramWindow  : public ::testing::Test
    {
    protected:
        void start (const std::vector<std::string>& args = {})
        {
            auto env = programEnvironment (display, home.path());
            env["BROWSER"] = browser.script().string();
            browser.makeDefaultFor (home.path());
            program = launch (args, env);
            window = waitForWindow();
        }

        std::unique_ptr<Process> launch (const std::vector<std::string>& args, const std::map<std::string, std::string>& env)
        {
            std::vector<std::string> argv { QYR_APP };
            argv.insert (argv.end(), args.begin(), args.end());
            return std::make_unique<Process> (argv, env);
        }

        Window waitForWindow()
        {
            const auto windows = waitForWindows (display.display(), title, 1);

            if (windows.empty())
                throw std::runtime_error ("the window did not appear; the program said: " + program->output());

            if (! expected::waitForFirstFrame (display.display(), windows.front()))
                throw std::runtime_error ("the window showed no first frame; the program said: " + program->output());

            return windows.front();
        }

        VirtualDisplay display;
        ScratchFolder home;
        RecordingBrowser browser;
        std::unique_ptr<Process> program;
        Window window = 0;
    };

    using WindowTest = ProgramWindow;
    using QuitTest = ProgramWindow;
    using MisuseTest = ProgramWindow;
}

//==============================================================================
TEST_F (WindowTest, OneFixedCentredWindowTitledQYRDownloader)
{
    start();
    auto* x = display.display();

    EXPECT_EQ (findWindows (x, title).size(), 1u);

    const auto geometry = geometryOf (x, window);
    EXPECT_EQ (geometry.width, windowWidth);
    EXPECT_EQ (geometry.height, windowHeight);
    EXPECT_NEAR (geometry.x, (display.width() - windowWidth) / 2, 1);
    EXPECT_NEAR (geometry.y, (display.height() - windowHeight) / 2, 1);

    // Motif hints: flags (functions | decorations), functions move | close,
    // decorations border | title | menu: no resize handle, no minimise, no maximise.
    const auto motif = cardinalProperty (x, window, "_MOTIF_WM_HINTS");
    ASSERT_GE (motif.size(), 3u);
    EXPECT_EQ (motif[0], 1 | 2);
    EXPECT_EQ (motif[1], 4 | 32);
    EXPECT_EQ (motif[2], 2 | 8 | 16);

    EXPECT_EQ (atomProperty (x, window, "_NET_WM_ALLOWED_ACTIONS"), std::vector<std::string> { "_NET_WM_ACTION_CLOSE" });

    const auto protocols = atomProperty (x, window, "WM_PROTOCOLS");
    EXPECT_NE (std::find (protocols.begin(), protocols.end(), "WM_DELETE_WINDOW"), protocols.end());
}

TEST_F (WindowTest, ShowsGroundsPlatesLinksAndLabel)
{
    start();
    movePointerAway (display.display());
    const WindowPixels pixels (display.display(), window);

    EXPECT_EQ (pixels.at (80, 250), sidebarGround);
    EXPECT_EQ (pixels.at (161, 150), sidebarGround);
    EXPECT_EQ (pixels.at (162, 150), mainGround);
    EXPECT_EQ (pixels.at (250, 150), mainGround);

    // Each plate's warm tint shows around its link: left of it and below it.
    for (auto [x, y] : { std::pair (8, 86), std::pair (80, 99), std::pair (8, 144),
                         std::pair (80, 157), std::pair (8, 200), std::pair (80, 213) })
    {
        const auto c = pixels.at (x, y);
        EXPECT_GT (red (c), blue (c) + 40) << x << ", " << y;
        EXPECT_GT (red (c), 0x60) << x << ", " << y;
    }

    // Each link's text (and its underline) is drawn in the link's own colour.
    for (auto& link : links)
    {
        int inColour = 0;

        for (int y = link.y; y < link.y + link.height; ++y)
            for (int x = link.x; x < link.x + link.width; ++x)
                inColour += pixels.at (x, y) == link.colour ? 1 : 0;

        EXPECT_GT (inColour, 10) << link.text;
    }

    // The label's text is grey: its brightest pixels are the label colour.
    unsigned long brightest = 0;

    for (int y = 8; y < 35; ++y)
        for (int x = 312; x < 448; ++x)
            if (green (pixels.at (x, y)) > green (brightest))
                brightest = pixels.at (x, y);

    EXPECT_NEAR (green (brightest), green (labelGrey), 6);
    EXPECT_EQ (red (brightest), blue (brightest));
}

TEST_F (WindowTest, EachLinkHandsItsAddressToTheBrowser)
{
    start();

    for (size_t i = 0; i < std::size (links); ++i)
    {
        click (display.display(), window, links[i].centreX(), links[i].centreY());
        const auto opened = browser.waitForOpened (i + 1);
        ASSERT_EQ (opened.size(), i + 1) << links[i].text;
        EXPECT_EQ (opened.back(), links[i].address);
    }
}

TEST_F (WindowTest, PressesBesideTheLinksOpenNothing)
{
    start();

    // On a plate beside its link, on the label, on empty ground, on the artwork's badge.
    for (auto [x, y] : { std::pair (8, 72), std::pair (152, 100), std::pair (320, 20),
                         std::pair (380, 150), std::pair (80, 250), std::pair (578, 22) })
        click (display.display(), window, x, y);

    EXPECT_TRUE (browser.waitForOpened (1, 1500ms).empty());
    EXPECT_TRUE (program->isRunning());
}

TEST_F (WindowTest, NoHandOffShellIsLeftBehind)
{
    start();

    for (size_t i = 0; i < 20; ++i)
    {
        auto& link = links[i % std::size (links)];
        click (display.display(), window, link.centreX(), link.centreY());
    }

    ASSERT_EQ (browser.waitForOpened (20, 10s).size(), 20u);

    // Each shell is reaped as soon as it ends; the browser has ended them all by now.
    EXPECT_TRUE (waitUntil ([&] { return defunctChildren (program->pid()) == 0; }, 5s))
        << defunctChildren (program->pid()) << " defunct";
}

TEST_F (WindowTest, EveryClickHandsTheAddressOverAgain)
{
    start();
    click (display.display(), window, links[3].centreX(), links[3].centreY());
    ASSERT_EQ (browser.waitForOpened (1).size(), 1u);
    click (display.display(), window, links[3].centreX(), links[3].centreY());

    EXPECT_EQ (browser.waitForOpened (2), (std::vector<std::string> { links[3].address, links[3].address }));
}

//==============================================================================
TEST_F (QuitTest, InterruptEndsWithStatusZero)
{
    start();
    program->signal (SIGINT);

    EXPECT_EQ (program->waitForExit (5s), 0);
    EXPECT_EQ (program->output().find ("Leaked objects"), std::string::npos) << program->output();
}

//==============================================================================
TEST_F (MisuseTest, JunkOnTheCommandLineChangesNothing)
{
    // What the program prints with no arguments at all is the baseline.
    start();
    sendDeleteWindow (display.display(), window);
    ASSERT_EQ (program->waitForExit (5s), 0);
    const auto baseline = program->output();

    const std::vector<std::vector<std::string>> junk
    {
        { "--help" },
        { "-x" },
        { std::string (5000, 'a') },
        { "/no/such/file.zip" },
        { "\xff\xfe\xc3\x28 not utf-8 \x80" },
        { "--help", "-x", "https://example.invalid/", "" },
    };

    for (auto& args : junk)
    {
        SCOPED_TRACE (args.front().substr (0, 20));
        start (args);

        const auto geometry = geometryOf (display.display(), window);
        EXPECT_EQ (geometry.width, windowWidth);
        EXPECT_EQ (geometry.height, windowHeight);
        EXPECT_EQ (findWindows (display.display(), title).size(), 1u);

        sendDeleteWindow (display.display(), window);
        EXPECT_EQ (program->waitForExit (5s), 0);
        EXPECT_EQ (program->output(), baseline);
    }
}

TEST_F (MisuseTest, TwoInstancesStartedTogetherBothShowTheirWindow)
{
    auto env = programEnvironment (display, home.path());
    auto first = launch ({}, env);
    auto second = launch ({}, env);

    const auto windows = waitForWindows (display.display(), title, 2);
    ASSERT_EQ (windows.size(), 2u);

    // Closed once their first frames are up, as a user would. Both are centred, one over
    // the other, so each is raised to be seen.
    for (auto w : windows)
    {
        XRaiseWindow (display.display(), w);
        EXPECT_TRUE (expected::waitForFirstFrame (display.display(), w));
    }

    for (auto w : windows)
        sendDeleteWindow (display.display(), w);

    EXPECT_EQ (first->waitForExit (5s), 0);
    EXPECT_EQ (second->waitForExit (5s), 0);
}

TEST_F (MisuseTest, WithoutAnyBrowserAClickOpensNothingAndTheProgramCarriesOn)
{
    // A PATH with no xdg-open and none of the fallbacks, and no BROWSER. The framework also
    // tries the absolute /etc/alternatives/x-www-browser, which no PATH can hide.
    if (fs::exists ("/etc/alternatives/x-www-browser"))
        GTEST_SKIP() << "a system browser is installed as x-www-browser";

    ScratchFolder bin;
    program = launch ({}, programEnvironment (display, home.path(), bin.path().string()));
    window = waitForWindow();

    click (display.display(), window, links[1].centreX(), links[1].centreY());
    std::this_thread::sleep_for (1s);
    EXPECT_TRUE (program->isRunning());

    // The only complaints are the hand-off shell's, about the browsers it did not find.
    std::istringstream lines (program->output());

    for (std::string line; std::getline (lines, line);)
    {
        const auto isShellNotFound = line.rfind ("/bin/sh: ", 0) == 0 && line.find (": not found") != std::string::npos;
        const auto isDebugBanner = line.rfind ("JUCE v", 0) == 0;
        EXPECT_TRUE (isShellNotFound || isDebugBanner) << line;
    }

    // Once a browser is there, the next click reaches it.
    writeExecutable (bin.path() / "xdg-open", readFile (browser.script()));
    click (display.display(), window, links[1].centreX(), links[1].centreY());
    EXPECT_EQ (browser.waitForOpened (1), std::vector<std::string> { links[1].address });

    sendDeleteWindow (display.display(), window);
    EXPECT_EQ (program->waitForExit (5s), 0);
}
