#pragma once
#include "printing/PrintOptions.h"
#include "printing/PrinterGeometry.h"
#include "printing/PrintTypes.h"
#include "view/ColorList.h"
#include <QString>
#include <QStringList>
#include <optional>

// The arguments of `layout`, read into what the print layout takes: its options, the printer
// (absent for an image export), the key position and the printed key order. The settings keep
// their first-start values; only the options named on the command line change.
struct LayoutRequest
{
    QString design;
    bool json = false;
    PrintOptions options;
    std::optional<PrinterGeometry> printer;
    TPosition position = pSeparate;
    ColorList::SortOrder order = ColorList::byPalette;

    // The request, or nullopt with the usage error in `error`.
    static std::optional<LayoutRequest> parse(const QStringList& arguments, QString* error);
};
