#include "GUI.h"
#include "LinkButton.h"

// Defines resource_GUI_qyrdownloaderImageBg_png, generated at build time from the artwork PNG.
#include "QYRDownloaderArtwork.h"

namespace
{
    constexpr int panelWidth  = 600;
    constexpr int panelHeight = 300;

    //==============================================================================
    // The backing buttons: semi-transparent plates under the product links. Only the
    // fill colour ever shows, since nothing toggles them and they carry no text.
    const juce::Colour backingFill    { 0xa7c4783d };
    const juce::Colour backingFillOn  { 0xffe2aa48 };
    const juce::Colour backingTextOff { 0xffebc371 };
    const juce::Colour backingTextOn  { 0xffdfc7ad };

    struct BackingButtonSettings
    {
        const char* tooltip;
        juce::Rectangle<int> bounds;
    };

    const BackingButtonSettings backingButtonSettings[]
    {
        { "Download LUMENO\n VST for Windows x64\n",         { 6,  70, 150, 32 } },
        { "Download KIRRATONE VST3\n for Windows x64\n",      { 6, 128, 150, 32 } },
        { "Download DuneGate\nVST3\n for Windows x64\n",      { 6, 184, 150, 32 } },
    };

    //==============================================================================
    // The links: the maker's product page, then the three product archives. The
    // keyboard reaches them in reading order: the three products, then the maker.
    struct LinkSettings
    {
        const char* text;
        const char* tooltip;
        const char* address;
        juce::Colour colour;
        juce::Rectangle<int> bounds;
        int focusOrder;
    };

    const juce::Colour productLinkColour { 0xffe2b360 };

    const LinkSettings makerLinkSettings
    {
        "DAZEdiri", "Visit DAZEdiri",
        "https://www.dazediri.com/qyr-products",
        juce::Colour (0xffffae59), { 528, 272, 64, 16 }, 4
    };

    const LinkSettings productLinkSettings[]
    {
        { "LUMENO VST3", "",
          "https://www.mediafire.com/file/k3v9qz2m8w4xj7t/DAZEdiri_LUMENO_1.0.2_AU.zip/file",
          productLinkColour, { 13, 76, 136, 19 }, 1 },
        { "KIRRATONE VST3", "",
          "https://www.mediafire.com/file/p5n1r8c4y6h2d0s/DAZEdiri_KirraTone_Mac_VST3_with_Samples.zip/file",
          productLinkColour, { 12, 135, 136, 19 }, 2 },
        { "DUNEGATE VST3", "",
          "https://www.mediafire.com/file/w7b3f9l2e5u8a1g/DAZEdiri_DuneGate_2.0_Mac.rar/file",
          productLinkColour, { 12, 190, 136, 19 }, 3 },
    };

    //==============================================================================
    void configureBackingButton (juce::TextButton& button, const BackingButtonSettings& settings,
                                 juce::Button::Listener& listener)
    {
        button.setTooltip (TRANS (settings.tooltip));
        button.setButtonText ({});

        // Decoration: the link in front of each plate is what the keyboard and assistive
        // technology reach.
        button.setWantsKeyboardFocus (false);
        button.setAccessible (false);
        button.addListener (&listener);
        button.setColour (juce::TextButton::buttonColourId,   backingFill);
        button.setColour (juce::TextButton::buttonOnColourId, backingFillOn);
        button.setColour (juce::TextButton::textColourOffId,  backingTextOff);
        button.setColour (juce::TextButton::textColourOnId,   backingTextOn);
        button.setBounds (settings.bounds);
    }

    void configureOsLabel (juce::Label& label)
    {
        label.setFont (juce::Font ("Arial", 12.0f, juce::Font::plain)
                           .withTypefaceStyle ("Regular")
                           .withExtraKerningFactor (0.3f));
        label.setJustificationType (juce::Justification::centredLeft);
        label.setEditable (false, false, false);
        label.setColour (juce::Label::textColourId,            juce::Colour (0xff959595));
        label.setColour (juce::TextEditor::textColourId,       juce::Colours::black);
        label.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x002c2b2b));
        label.setColour (juce::TextEditor::highlightColourId,  juce::Colour (0xbfc4c1b2));
        label.setBounds (312, 8, 136, 27);
    }

    std::unique_ptr<juce::HyperlinkButton> createLink (const LinkSettings& settings)
    {
        return std::make_unique<LinkButton> (TRANS (settings.text), juce::URL (settings.address));
    }

    void configureLink (juce::HyperlinkButton& link, const LinkSettings& settings)
    {
        link.setTooltip (TRANS (settings.tooltip));
        link.setButtonText (TRANS (settings.text));
        link.setColour (juce::HyperlinkButton::textColourId, settings.colour);
        link.setBounds (settings.bounds);
        link.setExplicitFocusOrder (settings.focusOrder);
    }
}

//==============================================================================
GUI::GUI()
{
    // The panel holds the keyboard focus until Tab or Shift+Tab moves it into the links,
    // which it then keeps going round.
    setTitle (JUCE_APPLICATION_NAME_STRING);
    setWantsKeyboardFocus (true);
    setFocusContainerType (FocusContainerType::keyboardFocusContainer);

    auto addBackingButton = [this] (std::unique_ptr<juce::TextButton>& member, const char* name,
                                    const BackingButtonSettings& settings)
    {
        member = std::make_unique<juce::TextButton> (name);
        addAndMakeVisible (*member);
        configureBackingButton (*member, settings, *this);
    };

    addBackingButton (backingButton1, "backingButton1", backingButtonSettings[0]);
    addBackingButton (backingButton2, "backingButton2", backingButtonSettings[1]);
    addBackingButton (backingButton3, "backingButton3", backingButtonSettings[2]);

    osLabel = std::make_unique<juce::Label> ("new label", TRANS ("OS : WINDOWS "));
    addAndMakeVisible (*osLabel);
    configureOsLabel (*osLabel);

    auto addLink = [this] (std::unique_ptr<juce::HyperlinkButton>& member, const LinkSettings& settings)
    {
        member = createLink (settings);
        addAndMakeVisible (*member);
        configureLink (*member, settings);
    };

    addLink (makerLink,    makerLinkSettings);
    addLink (productLink1, productLinkSettings[0]);
    addLink (productLink2, productLinkSettings[1]);
    addLink (productLink3, productLinkSettings[2]);

    // The cache shares one decoded picture between panels, keyed by the array's address.
    backgroundImage = juce::ImageCache::getFromMemory (resource_GUI_qyrdownloaderImageBg_png,
                                                       (int) sizeof (resource_GUI_qyrdownloaderImageBg_png));

    setSize (panelWidth, panelHeight);
}

GUI::~GUI()
{
    // Children go in member order, the bottom of the z-order first.
    backingButton1 = nullptr;
    backingButton2 = nullptr;
    backingButton3 = nullptr;
    osLabel = nullptr;
    makerLink = nullptr;
    productLink1 = nullptr;
    productLink2 = nullptr;
    productLink3 = nullptr;
}

//==============================================================================
void GUI::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff222222));
    g.setColour (juce::Colours::black);

    if (backgroundImage.isNull())
        return;

    // The picture always covers the panel's original area, stretched from whatever size it has.
    g.drawImage (backgroundImage,
                 0, 0, panelWidth, panelHeight,
                 0, 0, backgroundImage.getWidth(), backgroundImage.getHeight(),
                 false);
}

void GUI::resized()
{
}

void GUI::buttonClicked (juce::Button*)
{
}

bool GUI::keyPressed (const juce::KeyPress& key)
{
    // Tab on a link is the framework's; on the panel itself it enters the round of links
    // from the last or the first, so the link it reaches knows the keyboard moved it.
    if (! key.isKeyCode (juce::KeyPress::tabKey) || ! hasKeyboardFocus (false))
        return false;

    const auto forwards = ! key.getModifiers().isShiftDown();
    const auto links = createKeyboardFocusTraverser()->getAllComponents (this);

    if (! links.empty())
        (forwards ? links.back() : links.front())->moveKeyboardFocusToSibling (forwards);

    return true;
}
