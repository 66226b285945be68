// The program's window under a real window manager from Debian: openbox.
// GoogleTest goes before Xlib, whose macros (None, Bool, ...) would break it.
#include <gtest/gtest.h>

#include "Expected.h"
#include "XSession.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using namespace xsession;

namespace
{
    using namespace expected;

    class ManagedWindowTest  : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            auto env = programEnvironment (display, home.path());
            windowManager = std::make_unique<Process> (std::vector<std::string> { "openbox" }, env);

            ASSERT_TRUE (waitUntil ([&] { return ! cardinalProperty (display.display(), DefaultRootWindow (display.display()),
                                                                     "_NET_SUPPORTING_WM_CHECK").empty(); }, 10s))
                << "openbox did not start: " << windowManager->output();

            program = std::make_unique<Process> (std::vector<std::string> { QYR_APP }, env);
            const auto windows = waitForWindows (display.display(), title, 1);
            ASSERT_EQ (windows.size(), 1u) << program->output();
            window = windows.front();

            // The pointer crosses the window, as a user's does. An expose that reaches the
            // framework while it waits on the display server stays in Xlib's queue until the
            // next event, so without one the window can stay blank.
            ASSERT_TRUE (waitUntil ([&]
            {
                movePointer (display.display(), window, 300, 150);
                movePointerAway (display.display());
                return xsession::waitForFirstFrame (display.display(), window, expected::firstFrameX,
                                                    expected::firstFrameY, expected::firstFrameColour, 1s);
            }, 20s));
        }

        void sendToRoot (const char* messageType, std::initializer_list<long> data)
        {
            auto* x = display.display();
            XEvent event {};
            event.xclient.type = ClientMessage;
            event.xclient.window = window;
            event.xclient.message_type = XInternAtom (x, messageType, False);
            event.xclient.format = 32;
            std::copy (data.begin(), data.end(), event.xclient.data.l);
            XSendEvent (x, DefaultRootWindow (x), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
            XSync (x, False);
        }

        VirtualDisplay display { false };
        ScratchFolder home;
        std::unique_ptr<Process> windowManager, program;
        Window window = 0;
    };
}

TEST_F (ManagedWindowTest, TitleBarOffersCloseOnly)
{
    auto* x = display.display();

    // The window manager draws a title bar above the 600 x 300 client area...
    const auto extents = cardinalProperty (x, window, "_NET_FRAME_EXTENTS");
    ASSERT_EQ (extents.size(), 4u);
    EXPECT_GT (extents[2], 0) << "no title bar";

    const auto geometry = geometryOf (x, window);
    EXPECT_EQ (geometry.width, windowWidth);
    EXPECT_EQ (geometry.height, windowHeight);

    // ...and, reading the window's hints, allows closing and moving but neither resizing
    // nor maximising. Openbox keeps minimising and full screen for every window, whatever
    // its hints say ("don't let mwm hints kill any buttons"), so those two are its own.
    const auto actions = atomProperty (x, window, "_NET_WM_ALLOWED_ACTIONS");
    auto allows = [&] (const char* action) { return std::find (actions.begin(), actions.end(), action) != actions.end(); };

    EXPECT_TRUE (allows ("_NET_WM_ACTION_CLOSE"));
    EXPECT_TRUE (allows ("_NET_WM_ACTION_MOVE"));

    for (auto* forbidden : { "_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT" })
        EXPECT_FALSE (allows (forbidden)) << forbidden;
}

TEST_F (ManagedWindowTest, DraggingToResizeLeavesIt600By300)
{
    auto* x = display.display();

    // A user's resize: Alt and the right button dragged, openbox's binding for it.
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

    std::this_thread::sleep_for (500ms);

    const auto after = geometryOf (x, window);
    EXPECT_EQ (after.width, windowWidth);
    EXPECT_EQ (after.height, windowHeight);
}

TEST_F (ManagedWindowTest, TheWindowManagersCloseEndsWithStatusZero)
{
    sendToRoot ("_NET_CLOSE_WINDOW", { CurrentTime, 2 });

    EXPECT_EQ (program->waitForExit (5s), 0);
    EXPECT_TRUE (findWindows (display.display(), title).empty());
}
