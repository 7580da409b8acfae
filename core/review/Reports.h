// SPDX-License-Identifier: GPL-3.0-or-later
// The printed reports: the score list, the checkout table, the help text, the board's dimensions
// and the statistics page. Each draws its pages on a PageSink in twips on a landscape page and
// ends the document; the caller picks the device (printer, PDF file, preview).
#pragma once

#include "core/review/PageSink.h"
#include "core/scorelist/ScoreList.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace vx {

// Empty when the report was delivered; otherwise a message for the user, in the language in force.
struct [[nodiscard]] PrintResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The frame every landscape report shares: its font, colours and the lines of its body, in twips.
namespace reportFrame {
inline const QString kArial = QStringLiteral("Arial");
inline const QColor kTitleBlue(0, 0, 90);
inline const QColor kHeadingGrey(90, 90, 90);
inline const QColor kBodyRed(90, 0, 0);
constexpr int kFirstLineY = 1380;
constexpr int kLineHeight = 255;
constexpr int kLastLineY = 10800;
} // namespace reportFrame

// Ends the document: nothing when it was delivered, else the message for the user.
PrintResult endDocument(PageSink& sink);

// Address named at the foot of the help text.
inline const QString kSoftwarePage = QStringLiteral("https://vorlentix.example/software");

// The title line's text: the (translated) title word, " / ", then the time "hh:mm:ss / dd-mm-yyyy"
// from clock().
QString reportTitle(const QString& word);

// Every page ends with the footer text at the bottom left.
void printFooter(PageSink& sink, const QString& footerText);

// The column headings of the score list, also repeated after every page break.
void printScoreListHeadings(PageSink& sink, bool isDuo);

// 37 rows to a page; the headings are repeated on every page.
PrintResult printScoreList(PageSink& sink, const ScoreListModel& list, bool isDuo, bool pageNumbers,
                           const QString& footerText);
// Six columns of 32 lines to a page; a longer table goes on over more pages, each with its title.
PrintResult printCheckoutTable(PageSink& sink, const QStringList& checkoutLines, const QString& footerText);
// The illustrations are drawn at their own size in pixels (15 twips each); null ones are left out.
PrintResult printHelpText(PageSink& sink, const QStringList& helpLines, const QList<QImage>& illustrations,
                          const QString& footerText);
// Nothing is drawn when the picture cannot be read: the document is not even started.
PrintResult printBoardDimensions(PageSink& sink, const QString& picturePath, const QString& footerText);
// The statistics window's printout: `view` is the graph (graphShown) or the table of numbers.
PrintResult printStatistics(PageSink& sink, const QString& windowTitle, const QImage& view, bool graphShown,
                            const QString& footerText);

} // namespace vx
