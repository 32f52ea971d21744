#pragma once
#include "model/Status.h"
#include "printing/PageTarget.h"

// A page target that a run completes or abandons as a whole: the document appears only when
// finish() succeeds; abort() (or a failed finish) leaves the target's files as they were and
// cancels a printer job.
class RunTarget : public PageTarget
{
public:
    // Completes the document after the last page.
    virtual Status finish() = 0;
    // Drops every page drawn so far.
    virtual void abort() = 0;
};
