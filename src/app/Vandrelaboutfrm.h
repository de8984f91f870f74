#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Shows the product's logo, the maker's contact block and the links to the
// product's and the maker's web pages and the maker's e-mail address; a link
// hands its caption to the desktop. Opens over the middle of its owner's
// window; "OK" ends it with Accepted, the close box with Rejected, and either
// frees it.
class TVandrelAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TVandrelAboutForm(QWidget *parent);
    ~TVandrelAboutForm() override;

    QLabel *KontaktLabel;
    QLabel *KontaktMemo;
    QLabel *LogoImage;
    QLabel *Label1;
    QLabel *Label3;
    QLabel *Label5;
    QLabel *Label4;
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label8;
    QPushButton *OkBtn;

    void Label3Click();
    void Label5Click();
    void Label7Click();
    void Label8Click();

protected:
    void showEvent(QShowEvent *event) override;
};

// The one live about window; empty while none exists.
extern TVandrelAboutForm *VandrelAboutForm;
