#include "Artwork.h"

#include <juce_gui_basics/juce_gui_basics.h>

//==============================================================================
/*  Draws the application's artwork and writes it as PNG:

        qyr_artwork background <file.png>
        qyr_artwork icon <size> <file.png>

    The output depends on nothing but this program, so every machine draws the
    same bytes.
*/
int main (int argc, char* argv[])
{
    // Drawing needs the framework's singletons, which this also tears down cleanly at exit.
    const juce::ScopedJuceInitialiser_GUI framework;
    const juce::StringArray args (argv + 1, argc - 1);

    juce::Image image;
    juce::String outputPath;

    if (args.size() == 2 && args[0] == "background")
    {
        image = Artwork::createBackground();
        outputPath = args[1];
    }
    else if (args.size() == 3 && args[0] == "icon" && args[1].getIntValue() > 0)
    {
        image = Artwork::createIcon (args[1].getIntValue());
        outputPath = args[2];
    }
    else
    {
        std::fprintf (stderr, "usage: qyr_artwork background <file.png>\n"
                              "       qyr_artwork icon <size> <file.png>\n");
        return 2;
    }

    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (outputPath);
    file.deleteFile();
    juce::FileOutputStream out (file);

    if (! out.openedOk() || ! juce::PNGImageFormat().writeImageToStream (image, out))
    {
        std::fprintf (stderr, "cannot write %s\n", file.getFullPathName().toRawUTF8());
        return 1;
    }

    return 0;
}
