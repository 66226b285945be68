#include "LinkButton.h"

void LinkButton::clicked()
{
    if (getURL().isWellFormed())
        openInDefaultBrowser (getURL());
}
