#pragma once

#include <QString>

class QWidget;
class ReportDocument;

// Prints reports on the default printer: one copy, no printer dialog, with a
// progress window whose "Abbrechen" stops after the page being printed.
namespace ReportPrinter {

// Prints the document. With no printer installed the user is told so and
// nothing is printed. Returns whether every page went to the printer.
bool print(const ReportDocument &document, const QString &title, QWidget *parent);

// Directs printing into a PDF file instead of the default printer, so that
// tests see what would be printed; an empty name restores the printer.
void setOutputFile(const QString &fileName);

} // namespace ReportPrinter
