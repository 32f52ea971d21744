#pragma once

// What the layout needs of a printer: its page in mm, its printable page in device pixels and
// its resolution. The window reads them from the chosen printer; the command line makes them
// from a paper size.
struct PrinterGeometry
{
    int pagewidthmm = 0;
    int pageheightmm = 0;
    int pagewidth = 0;
    int pageheight = 0;
    int pixelsPerInch = 0;
};
