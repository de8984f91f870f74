#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>

class QPainter;
class QPagedPaintDevice;
class ReportDocument;

namespace ReportOutput {

// The paper of the document with no margins: pages are painted from the
// paper's corner.
QPageLayout pageLayout(const ReportDocument &document);

// Paints one page on a painter whose device has dpi dots per inch, from the
// paper's top left corner, with the document's own line breaks.
void paintPage(QPainter &painter, const ReportDocument &document, int page, double dpi);

// Paints the pages on a paged device (a printer or a PDF writer) that has
// begun on painter; progress(page) is asked before each page and stops the
// output when it answers false. Returns whether every page was painted.
bool paintPages(QPainter &painter, QPagedPaintDevice &device, const ReportDocument &document, double dpi,
                const std::function<bool(int page)> &progress = {});

// Writes the document as a PDF file with the given title. Raises Exception
// with a German message when the file cannot be written.
void writePdf(const ReportDocument &document, const QString &fileName, const QString &title);

} // namespace ReportOutput
