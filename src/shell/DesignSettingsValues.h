#pragma once
#include "imaging/ColorValues.h"
#include "model/Status.h"
#include <QList>
#include <QString>

class Design;

// The open design's settings as the design settings dialog shows them: read from the design,
// edited in the dialog, and applied by comparing each field with the value it was shown with.
// Only a field the user changed acts, so a mere OK changes nothing: the thread lengths are shown
// as whole millimetres, and comparing them with the design would round 2.5 mm to 2 mm.
struct DesignSettingsValues
{
    QString Title;
    // The comment as one text, its lines separated by '\n'.
    QString comment;
    // Empty when the design's palette or symbol set is not among those offered.
    QString palette;
    QString symbols;
    TColorRef background = 0xFFFFFF;
    int colorsCount = 0;
    int width = 1;
    int height = 1;
    // Thread lengths in millimetres.
    double len = 0;
    double backLen = 0;
    double baseLen = 0;

    // How the colour count can be edited: fewer than two colours in use cannot be reduced.
    struct CountRange
    {
        int minimum;
        int maximum;
        bool enabled;
    };
    static CountRange colorsCountRange(int usedColors);
    static constexpr double kMaxLength = 100;

    static DesignSettingsValues read(const Design& design);

    // What applying did. Nothing is applied when `refused` is an error; `notes` are for the user
    // after a successful apply.
    struct Outcome
    {
        Status refused;
        QList<Status> notes;
        bool changed = false;
    };
    // Checks every changed field, then applies the changed ones in this order: title, comment,
    // thread lengths, background, symbol set, palette, a smaller colour count, size; and
    // recounts the colours when anything changed. Background, palette, reduction and size are
    // each one undo step.
    Outcome apply(Design& design, const DesignSettingsValues& shown) const;
    // The first changed field the design cannot take (a size beyond the limits, a length out of
    // range, no colour left, a palette or symbol set that is not loaded).
    Status check(const Design& design, const DesignSettingsValues& shown) const;

    bool operator==(const DesignSettingsValues&) const = default;

private:
    QList<Status> symbolNotes(const Design& design) const;
};
