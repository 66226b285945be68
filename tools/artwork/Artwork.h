#pragma once

#include <juce_graphics/juce_graphics.h>

//==============================================================================
/**
    The application's artwork, drawn from geometry alone: the 600 x 300 background
    picture of the download panel and the maker's badge, which is also the
    program's icon.
*/
namespace Artwork
{
    /** The background picture: opaque RGB, 600 x 300. */
    juce::Image createBackground();

    /** The maker's badge alone on a transparent square, for the desktop icon. */
    juce::Image createIcon (int size);
}
