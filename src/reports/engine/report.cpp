#include "report.h"

#include "reportlayout.h"
#include "reportpreview.h"
#include "reportprinter.h"
#include "textmeasurer.h"

#include <QDateTime>

Report::Report(QObject *parent) : QObject(parent) {}

Report::~Report() = default;

std::shared_ptr<const ReportDocument> Report::run()
{
    const FontTextMeasurer measurer;
    return std::make_shared<const ReportDocument>(
        layoutReport(m_definition, measurer, QDateTime::currentDateTime()));
}

void Report::preview(const QString &title, QWidget *parent)
{
    if (m_preview) {
        m_preview->raise();
        m_preview->activateWindow();
        return;
    }
    m_preview = new ReportPreview(run(), title, parent);
    m_preview->setProposedFileName(m_proposedFileName);
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

bool Report::print(const QString &title, QWidget *parent)
{
    return ReportPrinter::print(*run(), title, parent);
}
