#include "Konfiguration.h"
#include "Vandrelaboutfrm.h"
#include "dialogs.h"
#include "recordingdesktop.h"
#include "recordingmessages.h"
#include "windowrule.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void texts_areTheProductsOwn()
    {
        QWidget main;
        auto *form = new TVandrelAboutForm(&main);
        QCOMPARE(form->windowTitle(), u"Vandrel Tessaro ..."_s);
        QCOMPARE(form->KontaktLabel->text(), u"Vandrel Kontakt :"_s);
        QCOMPARE(form->KontaktMemo->text(), u"Morvane, Ansprechpartnerin: Jana Beispiel\n\nTel:\t030 23125 410\n"
                                            u"Fax:\t030 23125 411\n\n© Morvane. Alle Rechte vorbehalten."_s);
        QCOMPARE(form->Label1->text(), u"Vandrel Online :"_s);
        QCOMPARE(form->Label4->text(), QString());
        QCOMPARE(form->Label6->text(), u"Morvane Online :"_s);
        QCOMPARE(form->OkBtn->text(), u"OK"_s);
        QVERIFY(form->OkBtn->isDefault());
        QVERIFY(!form->LogoImage->pixmap().isNull());
        // The about window shows the site whose page the online help is.
        QVERIFY(Konfiguration::HilfeAdresse.startsWith(Konfiguration::ProduktAdresse + u"/index.php?"_s));
    }

    void linkClick_opensExactlyItsCaption_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("target");
        QTest::newRow("product's web page") << u"Label3"_s << u"https://www.vandrel-tessaro.example.org"_s;
        QTest::newRow("mail to the maker") << u"Label5"_s << u"mailto:info@morvane.example.com"_s;
        QTest::newRow("maker's web page") << u"Label7"_s << u"https://www.morvane.example.com"_s;
        QTest::newRow("mail to the maker, again") << u"Label8"_s << u"mailto:info@morvane.example.com"_s;
        QTest::newRow("heading Vandrel") << u"Label1"_s << QString();
        QTest::newRow("heading maker") << u"Label6"_s << QString();
    }

    void linkClick_opensExactlyItsCaption()
    {
        QFETCH(QString, label);
        QFETCH(QString, target);
        RecordingDesktop desktop;
        // No browser or mail program: the window stays open, and says nothing.
        desktop.answer = false;
        RecordingMessages messages;
        QWidget main;
        auto *form = new TVandrelAboutForm(&main);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        auto *link = form->findChild<QLabel *>(label);
        QVERIFY(link);

        QTest::mouseClick(link, Qt::LeftButton);

        const bool isLink = !target.isEmpty();
        if (isLink) {
            QCOMPARE(link->text(), target);
            QCOMPARE(desktop.urls, QList<QUrl>{QUrl(target)});
        } else {
            QCOMPARE(desktop.urls, QList<QUrl>());
        }
        QCOMPARE(link->font().underline(), isLink);
        QCOMPARE(link->cursor().shape(), isLink ? Qt::PointingHandCursor : Qt::ArrowCursor);
        QCOMPARE(link->focusPolicy(), isLink ? Qt::StrongFocus : Qt::NoFocus);
        QCOMPARE(link->accessibleName(), isLink ? target : QString());
        QVERIFY(form->isVisible());
        QVERIFY(messages.texts.isEmpty());
    }

    void linkKey_opensItWithoutMouse_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void linkKey_opensItWithoutMouse()
    {
        QFETCH(int, key);
        RecordingDesktop desktop;
        QWidget main;
        auto *form = new TVandrelAboutForm(&main);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        form->activateWindow();
        form->Label7->setFocus();

        QTest::keyClick(form->Label7, Qt::Key(key));

        QCOMPARE(desktop.urls, QList<QUrl>{QUrl(u"https://www.morvane.example.com"_s)});
        QVERIFY(form->isVisible());
    }

    void closing_endsTheDialogAndFreesTheWindow_data()
    {
        QTest::addColumn<bool>("byOk");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << true << int(QDialog::Accepted);
        QTest::newRow("close box") << false << int(QDialog::Rejected);
    }

    void closing_endsTheDialogAndFreesTheWindow()
    {
        QFETCH(bool, byOk);
        QFETCH(int, result);
        QWidget main;
        VandrelAboutForm = new TVandrelAboutForm(&main);
        QPointer<TVandrelAboutForm> form = VandrelAboutForm;
        QTimer::singleShot(0, form, [form, byOk] {
            if (byOk)
                QTest::mouseClick(form->OkBtn, Qt::LeftButton);
            else
                form->close();
        });

        QCOMPARE(Dialogs::exec(form), result);

        QVERIFY(!form);
        QCOMPARE(VandrelAboutForm, nullptr);
    }

    void opening_scaledLikeTheRestAndCentredOnTheMainWindow_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::newRow("design height") << WindowRule::designHeight;
        QTest::newRow("larger screen") << 1440;
    }

    void opening_scaledLikeTheRestAndCentredOnTheMainWindow()
    {
        QFETCH(int, screenHeight);
        QWidget main;
        main.setGeometry(100, 80, 900, 700);
        auto *area = new QWidget(&main);
        auto *form = new TVandrelAboutForm(area);
        WindowRule::scale(form, screenHeight);

        form->show();

        const QPoint offset = form->geometry().center() - main.geometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(u"%1,%2"_s.arg(offset.x()).arg(offset.y())));
        QCOMPARE(form->Label3->font().pointSizeF(), form->Label1->font().pointSizeF());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
