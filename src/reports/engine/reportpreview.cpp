#include "reportpreview.h"

#include "dialogs.h"
#include "exception.h"
#include "messages.h"
#include "reportdocument.h"
#include "reportoutput.h"
#include "reportprinter.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

// Paints one page of the document on white paper at the zoom's resolution.
class ReportPageView : public QWidget
{
public:
    ReportPageView(const ReportDocument &document, QWidget *parent) : QWidget(parent), m_document(document)
    {
        setAccessibleName(u"Seite"_s);
    }

    void show(int page, int zoomPercent)
    {
        m_page = page;
        m_dpi = logicalDpiX() * zoomPercent / 100.0;
        const QSizeF paper = m_document.paperSize();
        setFixedSize(qRound(paper.width() / 25.4 * m_dpi), qRound(paper.height() / 25.4 * m_dpi));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.fillRect(rect(), Qt::white);
        if (m_page < m_document.pageCount())
            ReportOutput::paintPage(painter, m_document, m_page, m_dpi);
    }

private:
    const ReportDocument &m_document;
    int m_page = 0;
    double m_dpi = 96;
};

namespace {
const QList<int> zoomSteps{50, 75, 100, 125, 150, 200};
}

ReportPreview::ReportPreview(std::shared_ptr<const ReportDocument> document, const QString &title, QWidget *parent)
    : QWidget(parent, Qt::Window),
      ErsteSeiteBtn(new QPushButton(u"&Erste Seite"_s, this)),
      VorherigeSeiteBtn(new QPushButton(u"&Vorherige Seite"_s, this)),
      SeiteSpin(new QSpinBox(this)),
      SeitenzahlLabel(new QLabel(this)),
      NaechsteSeiteBtn(new QPushButton(u"&Nächste Seite"_s, this)),
      LetzteSeiteBtn(new QPushButton(u"&Letzte Seite"_s, this)),
      ZoomCombo(new QComboBox(this)),
      DruckenBtn(new QPushButton(u"&Drucken"_s, this)),
      PdfSpeichernBtn(new QPushButton(u"Als &PDF speichern …"_s, this)),
      SchliessenBtn(new QPushButton(u"S&chließen"_s, this)),
      m_document(std::move(document)),
      m_title(title),
      m_scroll(new QScrollArea(this)),
      m_view(new ReportPageView(*m_document, m_scroll))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    resize(1000, 750);

    const int pages = std::max(1, m_document->pageCount());
    SeiteSpin->setRange(1, pages);
    SeitenzahlLabel->setText(u"von %1"_s.arg(m_document->pageCount()));
    auto *seiteLabel = new QLabel(u"&Seite:"_s, this);
    seiteLabel->setBuddy(SeiteSpin);
    for (int zoom : zoomSteps)
        ZoomCombo->addItem(u"%1 %"_s.arg(zoom), zoom);
    ZoomCombo->setCurrentIndex(int(zoomSteps.indexOf(100)));
    auto *zoomLabel = new QLabel(u"&Zoom:"_s, this);
    zoomLabel->setBuddy(ZoomCombo);

    auto *leiste = new QHBoxLayout;
    leiste->addWidget(ErsteSeiteBtn);
    leiste->addWidget(VorherigeSeiteBtn);
    leiste->addWidget(seiteLabel);
    leiste->addWidget(SeiteSpin);
    leiste->addWidget(SeitenzahlLabel);
    leiste->addWidget(NaechsteSeiteBtn);
    leiste->addWidget(LetzteSeiteBtn);
    leiste->addSpacing(12);
    leiste->addWidget(zoomLabel);
    leiste->addWidget(ZoomCombo);
    leiste->addStretch();
    leiste->addWidget(DruckenBtn);
    leiste->addWidget(PdfSpeichernBtn);
    leiste->addWidget(SchliessenBtn);

    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setFocusPolicy(Qt::StrongFocus);
    m_scroll->setAccessibleName(u"Druckvorschau"_s);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(leiste);
    layout->addWidget(m_scroll, 1);

    connect(ErsteSeiteBtn, &QPushButton::clicked, this, [this] { setCurrentPage(0); });
    connect(VorherigeSeiteBtn, &QPushButton::clicked, this, [this] { setCurrentPage(currentPage() - 1); });
    connect(NaechsteSeiteBtn, &QPushButton::clicked, this, [this] { setCurrentPage(currentPage() + 1); });
    connect(LetzteSeiteBtn, &QPushButton::clicked, this, [this] { setCurrentPage(m_document->pageCount() - 1); });
    connect(SeiteSpin, &QSpinBox::valueChanged, this, &ReportPreview::showPage);
    connect(ZoomCombo, &QComboBox::currentIndexChanged, this, &ReportPreview::applyZoom);
    connect(DruckenBtn, &QPushButton::clicked, this, &ReportPreview::DruckenBtnClick);
    connect(PdfSpeichernBtn, &QPushButton::clicked, this, &ReportPreview::PdfSpeichernBtnClick);
    connect(SchliessenBtn, &QPushButton::clicked, this, &QWidget::close);
    // Shortcuts, because the page spin box (focused at opening) and the page
    // view would otherwise keep PageDown and PageUp for themselves.
    connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated, this,
            [this] { setCurrentPage(currentPage() + 1); });
    connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated, this,
            [this] { setCurrentPage(currentPage() - 1); });

    setTabOrder(ErsteSeiteBtn, VorherigeSeiteBtn);
    setTabOrder(VorherigeSeiteBtn, SeiteSpin);
    setTabOrder(SeiteSpin, NaechsteSeiteBtn);
    setTabOrder(NaechsteSeiteBtn, LetzteSeiteBtn);
    setTabOrder(LetzteSeiteBtn, ZoomCombo);
    setTabOrder(ZoomCombo, DruckenBtn);
    setTabOrder(DruckenBtn, PdfSpeichernBtn);
    setTabOrder(PdfSpeichernBtn, SchliessenBtn);
    setTabOrder(SchliessenBtn, m_scroll);
    showPage();
}

ReportPreview::~ReportPreview() = default;

int ReportPreview::currentPage() const
{
    return SeiteSpin->value() - 1;
}

void ReportPreview::setCurrentPage(int page)
{
    SeiteSpin->setValue(std::clamp(page, 0, std::max(0, m_document->pageCount() - 1)) + 1);
}

int ReportPreview::zoomPercent() const
{
    return ZoomCombo->currentData().toInt();
}

void ReportPreview::showPage()
{
    const int page = currentPage();
    const int last = m_document->pageCount() - 1;
    ErsteSeiteBtn->setEnabled(page > 0);
    VorherigeSeiteBtn->setEnabled(page > 0);
    NaechsteSeiteBtn->setEnabled(page < last);
    LetzteSeiteBtn->setEnabled(page < last);
    m_view->show(page, zoomPercent());
    m_scroll->verticalScrollBar()->setValue(0);
}

void ReportPreview::applyZoom()
{
    m_view->show(currentPage(), zoomPercent());
}

void ReportPreview::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void ReportPreview::DruckenBtnClick()
{
    ReportPrinter::print(*m_document, m_title, this);
}

void ReportPreview::PdfSpeichernBtnClick()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    const QString name = m_proposedFileName.isEmpty() ? u"Bericht.pdf"_s : m_proposedFileName;
    const QString file = Dialogs::saveFileName(this, QDir(folder).filePath(name), u"PDF-Dateien (*.pdf)"_s,
                                               u"pdf"_s);
    if (file.isEmpty())
        return;
    try {
        ReportOutput::writePdf(*m_document, file, m_title);
    } catch (const Exception &e) {
        Messages::error(this, e.message());
    }
}
