#include "TestHelpers.h"

#include <climits>
#include <map>

using namespace testing_helpers;

namespace
{
    const char* const artworkPath = "assets/qyrdownloaderImageBg.png";

    const juce::Colour sidebarGround { 0xff222222 };
    const juce::Colour mainGround    { 0xff333333 };

    // Boxes are inclusive, as the layout table gives them: left, top, right, bottom.
    struct Box
    {
        int left, top, right, bottom;

        bool contains (int x, int y) const    { return x >= left && x <= right && y >= top && y <= bottom; }
        float centreX() const                 { return (float) (left + right) / 2.0f; }
        bool operator== (const Box& other) const
        {
            return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
        }
    };

    std::ostream& operator<< (std::ostream& os, const Box& b)
    {
        return os << "x " << b.left << "-" << b.right << ", y " << b.top << "-" << b.bottom;
    }

    struct Element
    {
        const char* name;
        Box box;
        Box searchArea;          // holds this element and no other
        juce::Colour ground;
        juce::Colour colour;     // the commonest colour that is not the ground
    };

    const Element elements[]
    {
        { "first title line",  { 40, 16, 118, 25 },   { 0, 0, 161, 28 },      sidebarGround, juce::Colour (0xff6c6c6c) },
        { "second title line", { 4, 31, 160, 40 },    { 0, 29, 161, 286 },    sidebarGround, juce::Colour (0xff848080) },
        { "web address",       { 31, 287, 134, 292 }, { 0, 287, 161, 299 },   sidebarGround, juce::Colour (0xff696969) },
        { "download icon",     { 308, 77, 456, 206 }, { 162, 45, 599, 240 },  mainGround,    juce::Colour (0xff525252) },
        { "caption",           { 232, 253, 523, 262 },{ 162, 241, 599, 268 }, mainGround,    juce::Colour (0xff6c6c6c) },
        { "version",           { 365, 275, 390, 284 },{ 162, 269, 520, 299 }, mainGround,    juce::Colour (0xff494949) },
        { "badge",             { 561, 5, 595, 39 },   { 455, 0, 599, 44 },    mainGround,    juce::Colour (0xffffffff) },
    };

    const Box sidebar  { 0, 0, 161, 299 };
    const Box mainArea { 162, 0, 599, 299 };

    juce::Colour groundAt (int x)    { return x <= sidebar.right ? sidebarGround : mainGround; }

    //==============================================================================
    class ArtworkTest  : public ::testing::Test
    {
    protected:
        static void SetUpTestSuite()
        {
            artwork = loadPng (sourceFile (artworkPath));
        }

        static juce::Colour at (int x, int y)    { return artwork.getPixelAt (x, y); }

        static Box inkBox (const Box& area, juce::Colour ground)
        {
            Box found { INT_MAX, INT_MAX, INT_MIN, INT_MIN };

            for (int y = area.top; y <= area.bottom; ++y)
                for (int x = area.left; x <= area.right; ++x)
                    if (at (x, y) != ground)
                        found = { std::min (found.left, x), std::min (found.top, y),
                                  std::max (found.right, x), std::max (found.bottom, y) };

            return found;
        }

        static juce::Colour commonestInk (const Box& box, juce::Colour ground)
        {
            std::map<juce::uint32, int> counts;

            for (int y = box.top; y <= box.bottom; ++y)
                for (int x = box.left; x <= box.right; ++x)
                    if (at (x, y) != ground)
                        ++counts[at (x, y).getARGB()];

            auto best = std::max_element (counts.begin(), counts.end(),
                                          [] (auto& a, auto& b) { return a.second < b.second; });
            return best == counts.end() ? ground : juce::Colour (best->first);
        }

        static inline juce::Image artwork;
    };
}

//==============================================================================
TEST (ArtworkFile, IsWhatTheGeneratorDrawsNow)
{
    const juce::TemporaryFile output (".png");
    juce::ChildProcess generator;
    ASSERT_TRUE (generator.start (juce::StringArray { QYR_ARTWORK_TOOL, "background", output.getFile().getFullPathName() }));
    generator.waitForProcessToFinish (30000);
    ASSERT_EQ (generator.getExitCode(), 0u);

    juce::MemoryBlock drawn, committed;
    ASSERT_TRUE (output.getFile().loadFileAsData (drawn));
    ASSERT_TRUE (sourceFile (artworkPath).loadFileAsData (committed));
    EXPECT_TRUE (drawn == committed) << "assets/" << "qyrdownloaderImageBg.png is stale: rebuild the artwork target";
}

TEST (ArtworkFile, IsAn8BitOpaqueRgbPngOf600By300)
{
    juce::MemoryBlock bytes;
    ASSERT_TRUE (sourceFile (artworkPath).loadFileAsData (bytes));
    ASSERT_GT (bytes.getSize(), 33u);

    auto* data = static_cast<const juce::uint8*> (bytes.getData());
    auto bigEndian = [&] (size_t offset) { return juce::ByteOrder::bigEndianInt (data + offset); };

    const juce::uint8 signature[] { 0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a };
    EXPECT_EQ (std::memcmp (data, signature, sizeof (signature)), 0);
    EXPECT_EQ (bigEndian (8), 13u);
    EXPECT_EQ (std::memcmp (data + 12, "IHDR", 4), 0);
    EXPECT_EQ (bigEndian (16), 600u);
    EXPECT_EQ (bigEndian (20), 300u);
    EXPECT_EQ (data[24], 8);    // bit depth
    EXPECT_EQ (data[25], 2);    // colour type: RGB, no alpha
    EXPECT_EQ (data[28], 0);    // not interlaced
}

//==============================================================================
TEST_F (ArtworkTest, HasTwoFlatGroundsWithAHardEdge)
{
    ASSERT_TRUE (artwork.isValid());

    for (int y = 0; y < 300; ++y)
    {
        EXPECT_EQ (at (161, y), sidebarGround) << "y " << y;
        EXPECT_EQ (at (162, y), mainGround) << "y " << y;
    }
}

TEST_F (ArtworkTest, EachElementFillsItsBoxInItsColour)
{
    for (auto& element : elements)
    {
        SCOPED_TRACE (element.name);
        EXPECT_EQ (inkBox (element.searchArea, element.ground), element.box);

        // The badge is shaded; its colours have a test of their own.
        if (juce::String (element.name) != "badge")
        {
            EXPECT_EQ (commonestInk (element.box, element.ground), element.colour);
        }
    }
}

TEST_F (ArtworkTest, EverythingOutsideTheElementsIsFlatGround)
{
    int stray = 0;

    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 600; ++x)
            if (std::none_of (std::begin (elements), std::end (elements), [&] (auto& e) { return e.box.contains (x, y); }))
                stray += at (x, y) != groundAt (x) ? 1 : 0;

    EXPECT_EQ (stray, 0);
}

TEST_F (ArtworkTest, ControlsPlacesHoldOnlyGround)
{
    const Box places[]
    {
        { 0, 41, 161, 286 },       // the sidebar under the title: backing buttons and product links
        { 312, 8, 447, 34 },       // the OS label
        { 528, 272, 591, 287 },    // the maker link
    };

    for (auto& place : places)
    {
        SCOPED_TRACE (::testing::PrintToString (place));
        EXPECT_EQ (inkBox (place, groundAt (place.left)).left, INT_MAX);
    }
}

TEST_F (ArtworkTest, IconIsACloudOpenAtTheBottomWithAnArrowThroughIt)
{
    const auto ink = juce::Colour (0xff525252);

    // The bottom stroke, y 159-169, is solid up to x 362 and from x 402 on.
    for (int y = 159; y <= 169; ++y)
    {
        EXPECT_EQ (at (362, y), ink) << "y " << y;
        EXPECT_EQ (at (402, y), ink) << "y " << y;
    }

    EXPECT_EQ (at (350, 158), mainGround);
    EXPECT_EQ (at (350, 159), ink);
    EXPECT_EQ (at (350, 170), mainGround);

    // The opening, x 363-401, is ground but for the shaft, x 374-391.
    for (int x = 363; x <= 401; ++x)
        EXPECT_EQ (at (x, 164), x >= 374 && x <= 391 ? ink : mainGround) << "x " << x;

    // The shaft runs from y 134 to 179 and the head begins at 180.
    EXPECT_EQ (at (382, 133), mainGround);
    EXPECT_EQ (at (374, 134), ink);
    EXPECT_EQ (at (391, 179), ink);
    EXPECT_EQ (at (373, 150), mainGround);
    EXPECT_EQ (at (392, 150), mainGround);

    // The head: its top edge spans x 356-408 at y 180, its point is at (382, 206).
    EXPECT_EQ (inkBox ({ 340, 180, 420, 180 }, mainGround), (Box { 356, 180, 408, 180 }));
    EXPECT_NE (at (382, 206), mainGround);
    EXPECT_EQ (inkBox ({ 340, 207, 420, 230 }, mainGround).left, INT_MAX);
    EXPECT_EQ (at (382, 195), ink);
}

TEST_F (ArtworkTest, BadgeHasADarkRimALighterFaceAndAWhiteMonogram)
{
    const Box badge { 561, 5, 595, 39 };
    bool hasWhite = false, hasBar = false;

    for (int y = badge.top; y <= badge.bottom; ++y)
        for (int x = badge.left; x <= badge.right; ++x)
        {
            hasWhite = hasWhite || at (x, y) == juce::Colours::white;
            hasBar = hasBar || at (x, y) == juce::Colour (0xffa0a0a0);
        }

    EXPECT_TRUE (hasWhite);
    EXPECT_TRUE (hasBar);

    // The rim just inside the top and bottom corners, the face between monogram and rim.
    for (auto [x, y, darkest, lightest] : { std::tuple (578, 6, 0x0b, 0x2c), std::tuple (578, 38, 0x0b, 0x2c),
                                            std::tuple (570, 14, 0x50, 0x70), std::tuple (586, 30, 0x50, 0x70) })
    {
        const auto c = at (x, y);
        EXPECT_GE (c.getGreen(), darkest) << x << ", " << y;
        EXPECT_LE (c.getGreen(), lightest) << x << ", " << y;
        EXPECT_EQ (c.getRed(), c.getBlue()) << x << ", " << y;
    }

    // A faint shadow darkens the ground along the lower edges only: each point just
    // outside the lower rim is darker than its mirror image above the centre line.
    for (auto [x, y] : { std::pair (568, 32), std::pair (570, 34), std::pair (588, 32), std::pair (586, 34) })
    {
        EXPECT_LT (at (x, y).getGreen(), at (x, 44 - y).getGreen()) << x << ", " << y;
        EXPECT_LT (at (x, y).getGreen(), mainGround.getGreen()) << x << ", " << y;
    }
}

TEST_F (ArtworkTest, LinesAndIconAreCentredOnTheirAreas)
{
    // The table's spans as measured, not recentred: within a few pixels of the middle.
    const std::tuple<const Element&, Box, float> centred[]
    {
        { elements[3], mainArea, 2.0f },
        { elements[4], mainArea, 3.0f },
        { elements[5], mainArea, 3.0f },
        { elements[0], sidebar,  2.0f },
        { elements[2], sidebar,  2.0f },
    };

    for (auto& [element, area, tolerance] : centred)
        EXPECT_NEAR (inkBox (element.searchArea, element.ground).centreX(), area.centreX(), tolerance) << element.name;
}
