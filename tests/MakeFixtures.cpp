#include <juce_gui_basics/juce_gui_basics.h>

/*  Draws the pictures that the panel is tested against:

        qyr_make_fixtures truncated <artwork.png> <out.png>   the artwork cut short, unrecognisable
        qyr_make_fixtures <W>x<H>   <artwork.png> <out.png>   four flat quadrants, W x H
*/
int main (int argc, char* argv[])
{
    const juce::ScopedJuceInitialiser_GUI framework;

    if (argc != 4)
        return 2;

    const juce::String kind (argv[1]);
    const juce::File artwork (juce::File::getCurrentWorkingDirectory().getChildFile (argv[2]));
    const juce::File output (juce::File::getCurrentWorkingDirectory().getChildFile (argv[3]));

    if (kind == "truncated")
    {
        juce::MemoryBlock bytes;

        if (! artwork.loadFileAsData (bytes))
            return 1;

        // Cut inside the signature, so that no image format recognises the data. A cut
        // further in reaches the framework's PNG reader, whose error handler returns
        // into a jump buffer that is gone and crashes (JUCE 7.0.5 with the system libpng).
        return output.replaceWithData (bytes.getData(), 3) ? 0 : 1;
    }

    const auto width = kind.upToFirstOccurrenceOf ("x", false, false).getIntValue();
    const auto height = kind.fromFirstOccurrenceOf ("x", false, false).getIntValue();

    if (width <= 0 || height <= 0)
        return 2;

    juce::Image image (juce::Image::RGB, width, height, false);
    juce::Graphics g (image);
    g.fillAll (juce::Colours::red);
    g.setColour (juce::Colours::lime);
    g.fillRect (width / 2, 0, width - width / 2, height / 2);
    g.setColour (juce::Colours::blue);
    g.fillRect (0, height / 2, width / 2, height - height / 2);
    g.setColour (juce::Colours::yellow);
    g.fillRect (width / 2, height / 2, width - width / 2, height - height / 2);

    output.deleteFile();
    juce::FileOutputStream out (output);
    return out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out) ? 0 : 1;
}
