#include "GUI.h"
#include "LinkButton.h"
#include "TestHelpers.h"

using namespace testing_helpers;

namespace
{
    const char* const expectedAddresses[]
    {
        "https://www.dazediri.com/qyr-products",
        "https://www.mediafire.com/file/k3v9qz2m8w4xj7t/DAZEdiri_LUMENO_1.0.2_AU.zip/file",
        "https://www.mediafire.com/file/p5n1r8c4y6h2d0s/DAZEdiri_KirraTone_Mac_VST3_with_Samples.zip/file",
        "https://www.mediafire.com/file/w7b3f9l2e5u8a1g/DAZEdiri_DuneGate_2.0_Mac.rar/file",
    };

    juce::Button* linkAt (GUI& panel, int index)
    {
        return dynamic_cast<juce::HyperlinkButton*> (panel.getChildComponent (4 + index));
    }
}

TEST (LinkLaunch, EachLinkHandsItsExactAddressToTheBrowser)
{
    GUI panel;

    for (int i = 0; i < 4; ++i)
    {
        SCOPED_TRACE (expectedAddresses[i]);
        BrowserRecorder browser;
        linkAt (panel, i)->triggerClick();
        EXPECT_EQ (browser.waitForAddresses (1), juce::StringArray (expectedAddresses[i]));
    }
}

TEST (LinkLaunch, EveryClickHandsTheAddressOverAgain)
{
    GUI panel;
    BrowserRecorder browser;

    linkAt (panel, 2)->triggerClick();
    ASSERT_EQ (browser.waitForAddresses (1).size(), 1);
    linkAt (panel, 2)->triggerClick();

    EXPECT_EQ (browser.waitForAddresses (2), juce::StringArray (expectedAddresses[2], expectedAddresses[2]));
}

TEST (LinkLaunch, AnAddressReachesTheBrowserByteForByteAndRunsNothing)
{
    juce::TemporaryFile marker;
    const auto touch = "touch " + marker.getFile().getFullPathName();
    const juce::String address ("https://example.com/a b/$(" + touch + ")/`" + touch + "`/\"q\"/'s'/$HOME;" + touch);

    LinkButton link ("hostile", juce::URL (address));
    BrowserRecorder browser;
    link.triggerClick();

    EXPECT_EQ (browser.waitForAddresses (1), juce::StringArray (address));
    EXPECT_FALSE (marker.getFile().exists());
}
