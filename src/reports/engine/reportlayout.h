#pragma once

#include "reportdocument.h"

#include <QDateTime>

class TextMeasurer;

// Lays out a report over its records in one pass and returns its pages.
// Page header and footer print on every page; a group header prints when
// its value changes, on a new page when it asks for one; the detail band
// prints once per record. A band that does not fit on the rest of a page
// moves to the next page; a band that cannot fit there either, or that
// follows the band it belongs to, is split between lines and continued
// under the next page header. No text is dropped. Band events run in print
// order; what they raise passes through.
ReportDocument layoutReport(ReportDefinition &report, const TextMeasurer &measurer, const QDateTime &printedAt);
