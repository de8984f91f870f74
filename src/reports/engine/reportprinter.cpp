#include "reportprinter.h"

#include "exception.h"
#include "messages.h"
#include "reportdocument.h"
#include "reportoutput.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

using namespace Qt::StringLiterals;

namespace {
QString outputFile;
}

namespace ReportPrinter {

void setOutputFile(const QString &fileName)
{
    outputFile = fileName;
}

bool print(const ReportDocument &document, const QString &title, QWidget *parent)
{
    // Without a printer Qt would quietly write a PDF file nobody asked for.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (outputFile.isEmpty() && info.isNull()) {
        Messages::error(parent, u"Es ist kein Drucker eingerichtet!\n\n"
                                "Bitte einen Drucker einrichten oder den Bericht in der Vorschau "
                                "als PDF speichern ..."_s);
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (outputFile.isEmpty()) {
        printer.setPrinterName(info.printerName());
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile);
    }
    printer.setDocName(title);
    printer.setCopyCount(1);
    // Size and orientation are set one by one: a printer refuses a whole
    // layout whose margins are below its own, and would print portrait.
    const QPageLayout layout = ReportOutput::pageLayout(document);
    printer.setPageSize(layout.pageSize());
    printer.setPageOrientation(layout.orientation());
    printer.setFullPage(true);

    QPainter painter;
    if (!painter.begin(&printer)) {
        Messages::error(parent, u"Der Drucker \"%1\" kann nicht benutzt werden.\n\n"
                                "Bitte den Drucker prüfen und erneut versuchen ..."_s.arg(printer.printerName()));
        return false;
    }
    QProgressDialog progress(u"Der Bericht wird gedruckt ..."_s, u"Abbrechen"_s, 0, document.pageCount(), parent);
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    const bool complete = ReportOutput::paintPages(painter, printer, document, printer.resolution(), [&](int page) {
        progress.setLabelText(u"Seite %1 von %2 wird gedruckt ..."_s.arg(page + 1).arg(document.pageCount()));
        progress.setValue(page);
        return !progress.wasCanceled();
    });
    painter.end();
    if (!complete) {
        // The printing system takes the pages prepared so far all the same.
        Messages::information(parent, u"Der Druck wurde abgebrochen.\n\n"
                                      "Die bereits aufbereiteten Seiten werden trotzdem gedruckt."_s);
        return false;
    }
    progress.setValue(document.pageCount());
    return true;
}

} // namespace ReportPrinter
