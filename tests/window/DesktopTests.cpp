// The program on a bare X server and under real window managers from Debian, one table
// row each, always with the pointer still: nothing here wakes the program but the
// events under test.
// GoogleTest goes before Xlib, whose macros (None, Bool, ...) would break it.
#include <gtest/gtest.h>

#include "Expected.h"
#include "Scenarios.h"
#include "XSession.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using namespace xsession;

namespace
{
    using namespace expected;

    /** What a window manager does with another client's request to resize a window whose
        size hints say min = max. */
    enum class ResizeRequests { noManager, bounded, granted };

    struct DesktopRow
    {
        WindowManager manager;
        ResizeRequests resizeRequests;
        const char* why;
    };

    const DesktopRow desktopRows[]
    {
        { WindowManager::none,    ResizeRequests::noManager,
          "with no window manager the X server grants any client's request, and nobody resizes by hand" },
        { WindowManager::openbox, ResizeRequests::bounded,
          "openbox bounds every configure request by the size hints, a client's own as well as the user's "
          "(client_try_configure in its client.c)" },
        { WindowManager::icewm,   ResizeRequests::granted,
          "icewm grants another client's configure request as asked; the size hints and the Motif hints bound "
          "the user's own resizing only" },
        { WindowManager::fluxbox, ResizeRequests::granted,
          "fluxbox grants another client's configure request as asked; the size hints and the Motif hints bound "
          "the user's own resizing only" },
        { WindowManager::i3,      ResizeRequests::granted,
          "i3 floats a window whose size hints say min = max, and grants a floating window's configure requests "
          "as asked; the size hints bound the user's own resizing only" },
    };

    std::string rowName (const ::testing::TestParamInfo<DesktopRow>& info)
    {
        return nameOf (info.param.manager);
    }

    void PrintTo (const DesktopRow& row, std::ostream* out)    { *out << nameOf (row.manager); }

    //==============================================================================
    /** The program on a desktop of its own, with a recording browser and the pointer still. */
    class ProgramOnDesktop
    {
    protected:
        explicit ProgramOnDesktop (WindowManager manager) : desktop (manager) {}

        void start()
        {
            auto env = programEnvironment (desktop.display, desktop.home.path());
            env["BROWSER"] = browser.script().string();
            browser.makeDefaultFor (desktop.home.path());
            program = std::make_unique<Process> (std::vector<std::string> { QYR_APP }, env);

            const auto windows = waitForWindows (desktop.x(), title, 1);
            ASSERT_EQ (windows.size(), 1u) << program->output();
            window = windows.front();
            ASSERT_TRUE (expected::waitForFirstFrame (desktop.x(), window)) << program->output();
        }

        Desktop desktop;
        RecordingBrowser browser;
        std::unique_ptr<Process> program;
        Window window = 0;
    };

    class DesktopTest  : public ::testing::TestWithParam<DesktopRow>,
                         protected ProgramOnDesktop
    {
    protected:
        DesktopTest() : ProgramOnDesktop (GetParam().manager) {}

        void expectStill600By300 (const char* after)
        {
            // Time for the window manager and the program to act on the request.
            std::this_thread::sleep_for (700ms);
            const auto geometry = geometryOf (desktop.x(), window);
            EXPECT_EQ (geometry.width, windowWidth) << after << "; " << GetParam().why;
            EXPECT_EQ (geometry.height, windowHeight) << after << "; " << GetParam().why;
        }
    };

    using ManagedDesktopTest = DesktopTest;
}

//==============================================================================
TEST_P (DesktopTest, FirstFrameShowsAt600By300WithFixedSizeHints)
{
    start();
    auto* x = desktop.x();

    const auto geometry = geometryOf (x, window);
    EXPECT_EQ (geometry.width, windowWidth);
    EXPECT_EQ (geometry.height, windowHeight);

    // What keeps it so, and what makes a tiling window manager float it.
    XSizeHints hints {};
    long supplied = 0;
    ASSERT_NE (XGetWMNormalHints (x, window, &hints, &supplied), 0);
    EXPECT_EQ (hints.flags & (PMinSize | PMaxSize | USPosition | USSize), PMinSize | PMaxSize | USPosition | USSize);
    EXPECT_EQ (hints.min_width, windowWidth);
    EXPECT_EQ (hints.max_width, windowWidth);
    EXPECT_EQ (hints.min_height, windowHeight);
    EXPECT_EQ (hints.max_height, windowHeight);
}

TEST_P (ManagedDesktopTest, TheWindowManagerOffersNeitherResizingNorMaximising)
{
    if (GetParam().manager == WindowManager::i3)
        GTEST_SKIP() << "i3 publishes no allowed actions";

    start();

    // Each of them reads the window's hints and publishes what it lets the user do. Some
    // keep minimising or full screen for every window, whatever its hints say.
    const auto actions = atomProperty (desktop.x(), window, "_NET_WM_ALLOWED_ACTIONS");
    auto allows = [&] (const char* action) { return std::find (actions.begin(), actions.end(), action) != actions.end(); };

    EXPECT_TRUE (allows ("_NET_WM_ACTION_CLOSE"));
    EXPECT_TRUE (allows ("_NET_WM_ACTION_MOVE"));

    for (auto* forbidden : { "_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT" })
        EXPECT_FALSE (allows (forbidden)) << forbidden;

    // A title bar above the 600 x 300 client area.
    const auto extents = cardinalProperty (desktop.x(), window, "_NET_FRAME_EXTENTS");
    ASSERT_EQ (extents.size(), 4u);
    EXPECT_GT (extents[2], 0) << "no title bar";
}

TEST_P (ManagedDesktopTest, ResizeRequestsFromOtherClientsLeaveIt600By300)
{
    if (GetParam().resizeRequests != ResizeRequests::bounded)
        GTEST_SKIP() << GetParam().why;

    start();
    auto* x = desktop.x();

    // As a pager asks: source indication 2, width and height given.
    sendToRoot (x, window, "_NET_MOVERESIZE_WINDOW", { (1 << 10) | (1 << 11) | (2 << 12), 0, 0, 900, 500 });
    expectStill600By300 ("_NET_MOVERESIZE_WINDOW");

    XResizeWindow (x, window, 900, 500);
    XSync (x, False);
    expectStill600By300 ("XResizeWindow");
}

TEST_P (ManagedDesktopTest, DraggingWithAltAndTheRightButtonLeavesIt600By300)
{
    start();
    auto* x = desktop.x();

    // A user's resize: Alt and the right button dragged from near the bottom-right corner.
    const auto before = geometryOf (x, window);
    const auto alt = XKeysymToKeycode (x, XK_Alt_L);
    XTestFakeMotionEvent (x, DefaultScreen (x), before.x + 550, before.y + 250, CurrentTime);
    XTestFakeKeyEvent (x, alt, True, CurrentTime);
    XTestFakeButtonEvent (x, 3, True, CurrentTime);
    XSync (x, False);

    for (int step = 1; step <= 10; ++step)
    {
        XTestFakeMotionEvent (x, DefaultScreen (x), before.x + 550 + step * 15, before.y + 250 + step * 10, CurrentTime);
        XSync (x, False);
        std::this_thread::sleep_for (30ms);
    }

    XTestFakeButtonEvent (x, 3, False, CurrentTime);
    XTestFakeKeyEvent (x, alt, False, CurrentTime);
    XSync (x, False);

    expectStill600By300 ("dragging");
}

TEST_P (DesktopTest, TheWindowManagersCloseEndsWithStatusZero)
{
    for (auto moment : { scenarios::CloseMoment::whenMapped, scenarios::CloseMoment::afterFirstFrame })
    {
        SCOPED_TRACE (scenarios::nameOf (moment));
        const auto outcome = scenarios::startAndClose (desktop, moment);

        EXPECT_TRUE (outcome.mapped) << outcome.output;

        if (moment == scenarios::CloseMoment::afterFirstFrame)
        {
            EXPECT_TRUE (outcome.firstFrame) << outcome.output;
        }

        EXPECT_EQ (outcome.exitStatus, 0) << outcome.output;
        EXPECT_EQ (outcome.output.find ("Leaked objects"), std::string::npos) << outcome.output;
        EXPECT_TRUE (findWindows (desktop.x(), title).empty());
    }
}

TEST_P (DesktopTest, AClickOnAProductLinkReachesTheBrowser)
{
    start();
    click (desktop.x(), window, links[2].centreX(), links[2].centreY());
    EXPECT_EQ (browser.waitForOpened (1), std::vector<std::string> { links[2].address }) << program->output();
}

INSTANTIATE_TEST_SUITE_P (Desktops, DesktopTest, ::testing::ValuesIn (desktopRows), rowName);

// What only a window manager does, under each of them: every row but the bare server.
INSTANTIATE_TEST_SUITE_P (Desktops, ManagedDesktopTest, ::testing::ValuesIn (std::begin (desktopRows) + 1, std::end (desktopRows)),
                          rowName);

//==============================================================================
namespace
{
    struct KeyboardRow
    {
        const char* name;
        std::vector<std::pair<KeySym, bool>> keys;   // key, with Shift
        size_t link;                                  // the link whose address opens
    };

    void PrintTo (const KeyboardRow& row, std::ostream* out)    { *out << row.name; }

    const KeyboardRow keyboardRows[]
    {
        { "TabThenReturnOpensTheFirstProduct",     { { XK_Tab, false }, { XK_Return, false } }, 1 },
        { "FourTabsThenSpaceOpenTheMakersPage",    { { XK_Tab, false }, { XK_Tab, false }, { XK_Tab, false },
                                                     { XK_Tab, false }, { XK_space, false } }, 0 },
        { "ShiftTabWrapsToTheMakersPage",          { { XK_Tab, true }, { XK_Return, false } }, 0 },
        { "FiveTabsWrapToTheFirstProduct",         { { XK_Tab, false }, { XK_Tab, false }, { XK_Tab, false }, { XK_Tab, false },
                                                     { XK_Tab, false }, { XK_Return, false } }, 1 },
    };

    /** The program under openbox, driven with real key events and the pointer still. */
    class KeyboardTest  : public ::testing::TestWithParam<KeyboardRow>,
                          protected ProgramOnDesktop
    {
    protected:
        KeyboardTest() : ProgramOnDesktop (WindowManager::openbox) {}

        std::vector<unsigned long> platePixels()
        {
            const WindowPixels pixels (desktop.x(), window);
            std::vector<unsigned long> plate;

            // The plates beside their links: the strips left and right of each product link.
            for (auto& link : links)
                if (link.x < 100)
                    for (int y = link.y - 6; y < link.y + link.height + 6; ++y)
                        for (int x : { 7, 8, 9, 152, 153, 154 })
                            plate.push_back (pixels.at (x, y));

            return plate;
        }

        std::vector<unsigned long> linkPixels (const expected::Link& link)
        {
            const WindowPixels pixels (desktop.x(), window);
            std::vector<unsigned long> area;

            for (int y = link.y; y < link.y + link.height; ++y)
                for (int x = link.x; x < link.x + link.width; ++x)
                    area.push_back (pixels.at (x, y));

            return area;
        }

    };

    using FocusRingTest = KeyboardTest;

    std::string keyboardRowName (const ::testing::TestParamInfo<KeyboardRow>& info)    { return info.param.name; }
}

TEST_P (KeyboardTest, KeysOpenTheFocusedLinkAndLeaveThePlatesAlone)
{
    start();
    const auto plates = platePixels();

    for (auto [key, withShift] : GetParam().keys)
    {
        pressKey (desktop.x(), key, withShift);
        std::this_thread::sleep_for (150ms);
        EXPECT_EQ (platePixels(), plates) << "after " << XKeysymToString (key);
    }

    EXPECT_EQ (browser.waitForOpened (1), std::vector<std::string> { links[GetParam().link].address });
}

INSTANTIATE_TEST_SUITE_P (Keyboard, KeyboardTest, ::testing::ValuesIn (keyboardRows), keyboardRowName);

TEST_P (FocusRingTest, ShowsAfterTabAndGoesAtAPressElsewhere)
{
    start();
    const auto unfocused = linkPixels (links[1]);

    pressKey (desktop.x(), XK_Tab);
    EXPECT_TRUE (waitUntil ([&] { return linkPixels (links[1]) != unfocused; }, 5s)) << "no ring after Tab";

    // On the plate beside the link, which takes no focus; then off the plate, which lights
    // up while the pointer is over it.
    click (desktop.x(), window, 8, 72);
    movePointer (desktop.x(), window, 300, 150);
    EXPECT_TRUE (waitUntil ([&] { return linkPixels (links[1]) == unfocused; }, 5s)) << "the ring stayed";
    EXPECT_TRUE (browser.waitForOpened (1, 500ms).empty());
}

INSTANTIATE_TEST_SUITE_P (Keyboard, FocusRingTest, ::testing::Values (keyboardRows[0]), keyboardRowName);
