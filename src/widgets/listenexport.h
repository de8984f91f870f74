#pragma once

#include <QString>

class Dataset;

// The folder the spreadsheet lists are written to: "Vandrel-Exporte" in the
// user's documents folder, or in the home folder when there is none.
QString ListenExportOrdner();

// Writes the list of dataset as its grid shows it into a new workbook in
// ListenExportOrdner(), created if missing, and has the desktop open it in
// the spreadsheet program. The sheet holds the title in A1, the column titles
// in row 3 at each field's position (a hidden field leaves its column empty)
// and from row 4 one row per record, in the current order of records and
// fields, with the texts the list shows. The file is named after the title
// and the time and never replaces another. The dataset is walked from its
// first to its last record, which stays current; a record being edited is
// stored or dropped first, as moving in the list does. Failures are shown in
// the error dialog, and nothing is left of a workbook that failed.
void ExcelListenExport(Dataset *dataset, const QString &title);
// The same into folder.
void ExcelListenExport(Dataset *dataset, const QString &title, const QString &folder);
