#pragma once
#include "printing/PrintOptions.h"
#include "printing/PrinterGeometry.h"
#include "printing/PrintTypes.h"
#include "view/ColorList.h"
#include <QString>
#include <QStringList>
#include <optional>

class Design;
class TPreview;

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

    // Lays out the design as the print dialog does: options, printer, key entries in the
    // requested order, then calc. The design must outlive the layout's use.
    void layOut(TPreview& preview, const Design& design) const;

    // The options a command adds to the layout's, and whether it prints on paper without
    // --paper (on a4).
    struct Extra
    {
        QStringList valued;
        QStringList flags;
        bool paperTarget = false;
    };

    // The request, or nullopt with the usage error in `error`. `parsed` (optional) receives the
    // arguments for the command's own options.
    static std::optional<LayoutRequest> parse(const QStringList& arguments, QString* error);
    static std::optional<LayoutRequest> parse(const QStringList& arguments, QString* error, const Extra& extra,
        std::optional<class CliArguments>* parsed = nullptr);
};
