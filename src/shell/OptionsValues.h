#pragma once
#include "model/Status.h"
#include <QString>
#include <functional>
#include <span>

class TStitch;
struct GeneralSettings;

// The program-wide settings the options dialog edits, as plain values: read from the document
// and the general settings, put back by apply(). The dialog only shows and reads them.
//
// Every whole-number setting is listed in numericFields() with its range; apply() checks them
// all before it stores any, so a confirmed dialog stores every value or none.
struct OptionsValues
{
    // The subtitle of a fresh install, stored in English so it follows the chosen language.
    static constexpr const char* kDefaultSubTitle = "Created with Velwick Threadwright";

    QString defaultPalette;
    QString defaultCharacters;
    QString libraryPath;
    QString DefaultTitle;
    QString SubTitle;
    // HTML of the book info page (an older value may still be RTF; see BookInfoText).
    QString BookInfo;
    bool checkForUpdates = true;
    int thickLines = 50;
    int mediumLines = 20;
    int thinLines = 1;
    int backstitchLines = 60;
    int symbolSize = 100;
    int PrintPosTop = 0;
    int PrintPosLeft = 0;
    int BorderTop = 15;
    int BorderBottom = 15;
    int BorderLeft = 15;
    int BorderRight = 10;
    int LegendDistance = 5;
    int BagSize = 200;
    bool AllowQuarterOverCross = false;
    int LabelGridHor = 10;
    int LabelGridVert = 27;
    int LabelWidth = 178;
    int LabelHeight = 100;
    int LabelBorderTop = 135;
    int LabelBorderBottom = 135;
    int LabelBorderLeft = 40;
    int LabelBorderRight = 40;

    // One whole-number setting: the dialog's control name, its caption key and its range. The
    // label grid and label size start at 1: the label layout divides by them.
    struct NumericField
    {
        const char* control;
        const char* caption;
        int OptionsValues::*value;
        int minimum;
        int maximum;
    };
    static std::span<const NumericField> numericFields();

    static OptionsValues read(const TStitch& doc, const GeneralSettings& general);
    // These values with the "Default" column put in; the rows without a default keep theirs.
    OptionsValues defaults() const;

    using Translate = std::function<QString(const QString&)>;
    // The first value out of its range, naming its field (translated when `translate` is given).
    Status check(const Translate& translate = {}) const;
    // Checks, then stores every value in the order the dialog lists them. A design with an
    // empty title takes the new default title. On a refusal nothing is stored.
    Status apply(TStitch& doc, GeneralSettings& general) const;

    // The subtitle as the dialog shows it (translated), and as it is stored from the typed text.
    static QString shownSubTitle(TStitch& doc, const QString& stored);
    static QString storedSubTitle(TStitch& doc, const QString& shown);

    bool operator==(const OptionsValues&) const = default;
};
