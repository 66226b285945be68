// One repaint, counted in instructions by callgrind (instrumentation is on only around it):
//
//   valgrind --tool=callgrind --instr-atstart=no qyr_repaint_cost panel|floor|memcpy
//
// panel:  the download panel with its eight controls, painted whole into an image;
// floor:  the framework floor's fill and draw of the same picture alone;
// memcpy: a copy of 600 x 300 x 4 bytes.
#include <valgrind/callgrind.h>

#include <cstring>

#include "GUI.h"
#include "QYRDownloaderArtwork.h"

int main (int argc, char* argv[])
{
    const juce::ScopedJuceInitialiser_GUI framework;
    const juce::String mode (argc > 1 ? argv[1] : "");
    juce::Image canvas (juce::Image::ARGB, 600, 300, true);

    GUI panel;
    const auto picture = juce::ImageCache::getFromMemory (resource_GUI_qyrdownloaderImageBg_png,
                                                          (int) sizeof (resource_GUI_qyrdownloaderImageBg_png));
    std::vector<char> from (600 * 300 * 4, 1), to (600 * 300 * 4);

    auto repaint = [&]
    {
        if (mode == "panel")
        {
            juce::Graphics g (canvas);
            panel.paintEntireComponent (g, true);
        }
        else if (mode == "floor")
        {
            juce::Graphics g (canvas);
            g.fillAll (juce::Colour (0xff222222));
            g.drawImageAt (picture, 0, 0);
        }
        else
        {
            std::memcpy (to.data(), from.data(), from.size());
        }
    };

    // The first repaint fills the glyph cache; the one measured is the steady state.
    repaint();

    CALLGRIND_START_INSTRUMENTATION;
    repaint();
    CALLGRIND_STOP_INSTRUMENTATION;

    return to[0] == 42 ? 1 : 0;
}
