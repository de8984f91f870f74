#include "Vandrelaboutfrm.h"

#include "Konfiguration.h"
#include "desktop.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QUrl>
#include <QVBoxLayout>

#include <functional>

using namespace Qt::StringLiterals;

TVandrelAboutForm *VandrelAboutForm = nullptr;

namespace {

const QString Produktname = u"Vandrel Tessaro"_s;
const QString Hersteller = u"Morvane"_s;
const QString HerstellerAdresse = u"https://www.morvane.example.com"_s;
const QString HerstellerMail = u"mailto:info@morvane.example.com"_s;

// A caption that opens its target when clicked, or with Enter or Space once
// it has the focus, so the links work without a mouse too.
class LinkLabel : public QLabel
{
public:
    LinkLabel(const QString &target, std::function<void()> click, QWidget *parent)
        : QLabel(target, parent), m_click(std::move(click))
    {
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(target);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_click();
        else
            QLabel::mouseReleaseEvent(event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            m_click();
            break;
        default:
            QLabel::keyPressEvent(event);
        }
    }

    // A label draws no focus of its own; without it the keyboard user cannot
    // tell which link Enter opens.
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }

private:
    std::function<void()> m_click;
};

QLabel *benannt(QLabel *label, const QString &name)
{
    label->setObjectName(name);
    return label;
}

// The desktop's browser or mail program opens the target; whether one did
// is not reported, the window stays as it is.
void oeffnen(const QLabel *link)
{
    Desktop::openUrl(QUrl(link->text()));
}

} // namespace

TVandrelAboutForm::TVandrelAboutForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      KontaktLabel(benannt(new QLabel(u"Vandrel Kontakt :"_s, this), u"KontaktLabel"_s)),
      KontaktMemo(benannt(new QLabel(Hersteller + u", Ansprechpartnerin: Jana Beispiel\n"
                                                  u"\n"
                                                  u"Tel:\t030 23125 410\n"
                                                  u"Fax:\t030 23125 411\n"
                                                  u"\n"
                                                  u"© "_s + Hersteller + u". Alle Rechte vorbehalten."_s,
                                     this),
                          u"KontaktMemo"_s)),
      LogoImage(benannt(new QLabel(this), u"LogoImage"_s)),
      Label1(benannt(new QLabel(u"Vandrel Online :"_s, this), u"Label1"_s)),
      Label3(benannt(new LinkLabel(Konfiguration::ProduktAdresse, [this] { Label3Click(); }, this), u"Label3"_s)),
      Label5(benannt(new LinkLabel(HerstellerMail, [this] { Label5Click(); }, this), u"Label5"_s)),
      Label4(benannt(new QLabel(this), u"Label4"_s)),
      Label6(benannt(new QLabel(Hersteller + u" Online :"_s, this), u"Label6"_s)),
      Label7(benannt(new LinkLabel(HerstellerAdresse, [this] { Label7Click(); }, this), u"Label7"_s)),
      Label8(benannt(new LinkLabel(HerstellerMail, [this] { Label8Click(); }, this), u"Label8"_s)),
      OkBtn(new QPushButton(u"OK"_s, this))
{
    setObjectName(u"VandrelAboutForm"_s);
    setWindowTitle(Produktname + u" ..."_s);
    setModal(true);
    // Closing, by "OK" or the close box, frees the window, so the next
    // opening builds it anew.
    setAttribute(Qt::WA_DeleteOnClose);

    // Selectable, so an address or number can be copied.
    KontaktMemo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    KontaktLabel->setBuddy(KontaktMemo);
    LogoImage->setPixmap(QPixmap(u":/vandrel.png"_s));
    LogoImage->setAlignment(Qt::AlignCenter);
    LogoImage->setAccessibleName(Produktname);
    OkBtn->setObjectName(u"OkBtn"_s);
    OkBtn->setDefault(true);

    auto *kontakt = new QVBoxLayout;
    kontakt->addWidget(KontaktLabel);
    kontakt->addWidget(KontaktMemo);
    auto *links = new QVBoxLayout;
    links->setSpacing(2);
    for (QLabel *label : {Label1, Label3, Label5, Label4, Label6, Label7, Label8})
        links->addWidget(label);
    auto *knopf = new QHBoxLayout;
    knopf->addStretch();
    knopf->addWidget(OkBtn);
    knopf->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(kontakt);
    layout->addSpacing(12);
    layout->addWidget(LogoImage, 1);
    layout->addSpacing(12);
    layout->addLayout(links);
    layout->addSpacing(12);
    layout->addLayout(knopf);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(Label3, Label5);
    setTabOrder(Label5, Label7);
    setTabOrder(Label7, Label8);
    setTabOrder(Label8, OkBtn);
    OkBtn->setFocus();

    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TVandrelAboutForm::~TVandrelAboutForm()
{
    if (VandrelAboutForm == this)
        VandrelAboutForm = nullptr;
}

void TVandrelAboutForm::Label3Click()
{
    oeffnen(Label3);
}

void TVandrelAboutForm::Label5Click()
{
    oeffnen(Label5);
}

void TVandrelAboutForm::Label7Click()
{
    oeffnen(Label7);
}

void TVandrelAboutForm::Label8Click()
{
    oeffnen(Label8);
}

void TVandrelAboutForm::showEvent(QShowEvent *event)
{
    // Scaling moves a new window, and a dialog that was moved no longer
    // centres itself; so it is placed here, at its laid-out size.
    if (parentWidget()) {
        const QRect owner = parentWidget()->window()->geometry();
        move(owner.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}
