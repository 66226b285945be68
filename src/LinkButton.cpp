#include "LinkButton.h"

void LinkButton::clicked()
{
    if (getURL().isWellFormed())
        openInDefaultBrowser (getURL());
}

void LinkButton::paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown)
{
    HyperlinkButton::paintButton (g, shouldDrawButtonAsHighlighted, shouldDrawButtonAsDown);

    if (showingFocusRing)
        if (auto* lf = dynamic_cast<LookAndFeelMethods*> (&getLookAndFeel()))
            lf->drawLinkFocusRing (g, *this);
}

bool LinkButton::keyPressed (const juce::KeyPress& key)
{
    // The framework's buttons answer Return; a link answers space as well.
    if (key == juce::KeyPress::spaceKey)
    {
        triggerClick();
        return true;
    }

    return HyperlinkButton::keyPressed (key);
}

void LinkButton::focusGained (FocusChangeType cause)
{
    HyperlinkButton::focusGained (cause);
    showFocusRing (cause == focusChangedByTabKey);
}

void LinkButton::focusLost (FocusChangeType cause)
{
    HyperlinkButton::focusLost (cause);
    showFocusRing (false);
}

void LinkButton::showFocusRing (bool shouldShow)
{
    if (showingFocusRing == shouldShow)
        return;

    showingFocusRing = shouldShow;
    repaint();
}
