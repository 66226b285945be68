#pragma once

#include "XSession.h"

#include <string>

/*  What a user of the window must see and get, written out for the window tests
    rather than read from the program.
*/
namespace expected
{
    const std::string title = "QYRDownloader";
    constexpr int windowWidth = 600, windowHeight = 300;

    struct Link
    {
        const char* text;
        const char* address;
        int x, y, width, height;
        unsigned long colour;

        int centreX() const    { return x + width / 2; }
        int centreY() const    { return y + height / 2; }
    };

    const Link links[]
    {
        { "DAZEdiri", "https://www.dazediri.com/qyr-products", 528, 272, 64, 16, 0xffae59 },
        { "LUMENO VST3", "https://www.mediafire.com/file/k3v9qz2m8w4xj7t/DAZEdiri_LUMENO_1.0.2_AU.zip/file",
          13, 76, 136, 19, 0xe2b360 },
        { "KIRRATONE VST3", "https://www.mediafire.com/file/p5n1r8c4y6h2d0s/DAZEdiri_KirraTone_Mac_VST3_with_Samples.zip/file",
          12, 135, 136, 19, 0xe2b360 },
        { "DUNEGATE VST3", "https://www.mediafire.com/file/w7b3f9l2e5u8a1g/DAZEdiri_DuneGate_2.0_Mac.rar/file",
          12, 190, 136, 19, 0xe2b360 },
    };

    // A flat point of the artwork that no control covers: the download arrow's shaft.
    constexpr int firstFrameX = 382, firstFrameY = 150;
    constexpr unsigned long firstFrameColour = 0x525252;

    constexpr unsigned long sidebarGround = 0x222222, mainGround = 0x333333, labelGrey = 0x959595;
}

namespace expected
{
    /** Waits for the program's first frame in the window. */
    inline bool waitForFirstFrame (Display* display, Window window)
    {
        return xsession::waitForFirstFrame (display, window, firstFrameX, firstFrameY, firstFrameColour);
    }
}
