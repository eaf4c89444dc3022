#include "common/berichtvenster.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(Meldingen::Knoppen)
Q_DECLARE_METATYPE(Meldingen::Antwoord)

// The real message box answered with the keys and clicks of a user: Dutch buttons, the title,
// and a question that may discard data gives its safe answer on Enter and Escape.
class TstBerichtVenster : public QObject {
    Q_OBJECT
private slots:
    void antwoord_data()
    {
        QTest::addColumn<Meldingen::Knoppen>("knoppen");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("invoer"); // a key, or "klik:" and a caption
        QTest::addColumn<QStringList>("opschriften");
        QTest::addColumn<Meldingen::Antwoord>("antwoord");
        using K = Meldingen::Knoppen;
        using A = Meldingen::Antwoord;
        const QStringList okAnnuleren{"Annuleren", "OK"}, jaNee{"&Ja", "&Nee"};
        QTest::newRow("OK, Enter") << K::Ok << "" << "Return" << QStringList{"OK"} << A::Ok;
        QTest::newRow("OK/Annuleren, Enter") << K::OkAnnuleren << "" << "Return" << okAnnuleren << A::Annuleren;
        QTest::newRow("OK/Annuleren, Escape") << K::OkAnnuleren << "" << "Esc" << okAnnuleren << A::Annuleren;
        QTest::newRow("OK/Annuleren, click OK") << K::OkAnnuleren << "" << "klik:OK" << okAnnuleren << A::Ok;
        QTest::newRow("Ja/Nee, Enter") << K::JaNee << "" << "Return" << jaNee << A::Nee;
        QTest::newRow("Ja/Nee, Escape") << K::JaNee << "" << "Esc" << jaNee << A::Nee;
        QTest::newRow("own title") << K::OkAnnuleren << "Datums wijzigen?" << "klik:OK" << okAnnuleren << A::Ok;
    }

    void antwoord()
    {
        QFETCH(Meldingen::Knoppen, knoppen);
        QFETCH(QString, titel);
        QFETCH(QString, invoer);
        QFETCH(QStringList, opschriften);
        QFETCH(Meldingen::Antwoord, antwoord);
        QStringList gezien;
        QString gezienTitel;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            gezienTitel = box->windowTitle();
            QAbstractButton* klik = nullptr;
            for (QAbstractButton* knop : box->buttons()) {
                gezien << knop->text();
                if (QStringLiteral("klik:") + knop->text() == invoer)
                    klik = knop;
            }
            if (klik)
                QTest::mouseClick(klik, Qt::LeftButton);
            else
                QTest::keySequence(box, QKeySequence(invoer));
            if (box->isVisible())
                box->done(-1); // the answer compared below tells what was wrong
        });
        BerichtVenster venster;
        const Meldingen::Antwoord gekregen =
            venster.Toon(QStringLiteral("Wilt u toch doorgaan?."), Meldingen::Pictogram::Uitroep, knoppen, titel);
        gezien.sort();
        QCOMPARE(gezien, opschriften);
        QCOMPARE(gezienTitel, titel.isEmpty() ? QStringLiteral("Hovelink") : titel);
        QCOMPARE(gekregen, antwoord);
    }
};

QTEST_MAIN(TstBerichtVenster)
#include "tst_berichtvenster.moc"
