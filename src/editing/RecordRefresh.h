#pragma once
#include "model/Design.h"
#include "model/DesignListener.h"

// The common end of a record's Execute and Undo after writes made with refresh false: the colour
// list is brought up to date (row count, sort, panels) and the view redrawn once.
inline void refreshAfterRecord(Design& design)
{
    design.listener().colorListChanged();
    design.listener().designChanged();
}
