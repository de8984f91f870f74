#pragma once

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class ReportDocument;
class ReportPageView;

// The preview of a laid-out report: one page at a time at a chosen zoom,
// with page navigation, printing on the default printer and saving as PDF.
// It shows the document it was given, so what it prints is what it shows.
class ReportPreview : public QWidget
{
    Q_OBJECT

public:
    ReportPreview(std::shared_ptr<const ReportDocument> document, const QString &title, QWidget *parent = nullptr);
    ~ReportPreview() override;

    // The name offered when saving as PDF.
    void setProposedFileName(const QString &fileName) { m_proposedFileName = fileName; }

    int currentPage() const;   // from 0
    void setCurrentPage(int page);
    int zoomPercent() const;
    const ReportDocument &document() const { return *m_document; }

    QPushButton *ErsteSeiteBtn;
    QPushButton *VorherigeSeiteBtn;
    QSpinBox *SeiteSpin;
    QLabel *SeitenzahlLabel;
    QPushButton *NaechsteSeiteBtn;
    QPushButton *LetzteSeiteBtn;
    QComboBox *ZoomCombo;
    QPushButton *DruckenBtn;
    QPushButton *PdfSpeichernBtn;
    QPushButton *SchliessenBtn;

    void DruckenBtnClick();
    void PdfSpeichernBtnClick();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showPage();
    void applyZoom();

    std::shared_ptr<const ReportDocument> m_document;
    QString m_title;
    QString m_proposedFileName;
    QScrollArea *m_scroll;
    ReportPageView *m_view;
};
