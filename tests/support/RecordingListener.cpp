#include "support/RecordingListener.h"

int RecordingListener::count(const QString& prefix) const
{
    int n = 0;
    for (const QString& c : calls) {
        if (c.startsWith(prefix))
            ++n;
    }
    return n;
}
