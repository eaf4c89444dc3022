#include "common/berichtvenster.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(Meldingen::Antwoord)

// The real message box, answered with a user's keys and clicks: a question's safe answer on Enter.
class TstBerichtVenster : public QObject {
    Q_OBJECT
private slots:
    void antwoord_data()
    {
        QTest::addColumn<bool>("jaNee");
        QTest::addColumn<QString>("invoer"); // a key, or a button's caption to click
        QTest::addColumn<Meldingen::Antwoord>("antwoord");
        QTest::newRow("OK/Annuleren, Enter") << false << "Return" << Meldingen::Antwoord::Annuleren;
        QTest::newRow("click OK") << false << "OK" << Meldingen::Antwoord::Ok;
        QTest::newRow("Ja/Nee, Enter") << true << "Return" << Meldingen::Antwoord::Nee;
        QTest::newRow("Ja/Nee, Escape") << true << "Esc" << Meldingen::Antwoord::Nee;
    }
    void antwoord()
    {
        QFETCH(bool, jaNee);
        QFETCH(QString, invoer);
        QFETCH(Meldingen::Antwoord, antwoord);
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QCOMPARE(box->windowTitle(), "Hovelink");
            for (QAbstractButton* knop : box->buttons())
                if (knop->text() == invoer)
                    QTest::mouseClick(knop, Qt::LeftButton);
            if (box->isVisible())
                QTest::keySequence(box, QKeySequence(invoer));
        });
        QCOMPARE(BerichtVenster().Toon("Wilt u toch doorgaan?.", Meldingen::Pictogram::Uitroep,
                                       jaNee ? Meldingen::Knoppen::JaNee : Meldingen::Knoppen::OkAnnuleren),
                 antwoord);
    }
};

QTEST_MAIN(TstBerichtVenster)
#include "tst_berichtvenster.moc"
