#pragma once

#include "reportdefinition.h"
#include "reportdocument.h"
#include "reportpreview.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;

// A report of the program: its definition, laid out with the real fonts at
// the moment of a run, then shown in the preview, printed or saved.
class Report : public QObject
{
    Q_OBJECT

public:
    explicit Report(QObject *parent = nullptr);
    ~Report() override;

    ReportDefinition &definition() { return m_definition; }

    // Runs the report over its records now; what a band event raises passes.
    std::shared_ptr<const ReportDocument> run();

    // Runs the report and opens its preview titled title at 100 % in front
    // of the other windows, owned by parent. While this report's preview is
    // open a further request only brings it to the front.
    void preview(const QString &title, QWidget *parent);
    ReportPreview *previewWindow() const { return m_preview; }

    // Runs the report and prints it on the default printer, one copy,
    // without a printer dialog. Returns whether every page was printed.
    bool print(const QString &title, QWidget *parent);

    // The name offered when the preview saves as PDF.
    void setProposedFileName(const QString &fileName) { m_proposedFileName = fileName; }

private:
    ReportDefinition m_definition;
    QPointer<ReportPreview> m_preview;
    QString m_proposedFileName;
};
