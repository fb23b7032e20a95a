#pragma once
// Printing a grid: the page that print_layout lays out in tenths of a millimetre, drawn on a
// QPrinter in black, text without background.

#include "game/model/print_layout.h"

#include <QPainter>

#include <functional>

class QPrinter;

namespace game {

class GameSession;

class GridPrinter {
public:
    explicit GridPrinter(QPrinter& printer);

    // Job title "Impression " + programName, portrait, 600 printer pixels to the inch; reads the
    // printer's pixels per page unit and the offset of its printable area from the sheet's corner.
    void PrintSetup(const QString& programName);

    // Begins the job, draws the page and ends the job. Returns an error text, empty when printed.
    QString PrintPage(const print::PageLayout& page);

private:
    void SetPrintFont(const print::PrintFont& font);
    // Text with its top-left corner at page position (x, y).
    void PrintText(int x, int y, const QString& text);
    // A black line width printer pixels wide, length page units across or down from (x, y).
    void PrintLine(int x, int y, char direction, int width, int length);

    QPrinter& printer_;
    QPainter painter_;
    print::PageScale scale_;
};

// Shows the print dialog for the printer; false when it was cancelled.
using PrinterChooser = std::function<bool(QPrinter& printer)>;

// The frame's print command: the grid with its digits and, when the candidates are shown, its
// candidates. Returns an error text, empty when printed or when the choice of printer was
// cancelled.
QString PrintGrid(const GameSession& session, const QString& programName,
                  const PrinterChooser& choosePrinter);

} // namespace game
