#include "common/berichtvenster.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(Meldingen::Knoppen)
Q_DECLARE_METATYPE(Meldingen::Antwoord)

// The real message box: Dutch buttons whatever Qt's language, and the button pressed
// comes back as the answer.
class TstBerichtVenster : public QObject {
    Q_OBJECT
private slots:
    void knoppen_data()
    {
        QTest::addColumn<Meldingen::Knoppen>("knoppen");
        QTest::addColumn<QStringList>("opschriften");
        QTest::addColumn<int>("druk"); // index into opschriften
        QTest::addColumn<Meldingen::Antwoord>("antwoord");
        QTest::newRow("OK") << Meldingen::Knoppen::Ok << QStringList{"OK"} << 0 << Meldingen::Antwoord::Ok;
        QTest::newRow("Annuleren") << Meldingen::Knoppen::OkAnnuleren << QStringList{"Annuleren", "OK"} << 0
                                   << Meldingen::Antwoord::Annuleren;
        QTest::newRow("Ja") << Meldingen::Knoppen::JaNee << QStringList{"&Ja", "&Nee"} << 0 << Meldingen::Antwoord::Ja;
        QTest::newRow("Nee") << Meldingen::Knoppen::JaNee << QStringList{"&Ja", "&Nee"} << 1 << Meldingen::Antwoord::Nee;
    }

    void knoppen()
    {
        QFETCH(Meldingen::Knoppen, knoppen);
        QFETCH(QStringList, opschriften);
        QFETCH(int, druk);
        QFETCH(Meldingen::Antwoord, antwoord);
        QStringList gezien;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QAbstractButton* kies = nullptr;
            for (QAbstractButton* knop : box->buttons()) {
                gezien << knop->text();
                if (knop->text() == opschriften.at(druk))
                    kies = knop;
            }
            if (kies)
                kies->click();
            else
                box->close(); // the captions compared below tell what was wrong
        });
        BerichtVenster venster;
        const Meldingen::Antwoord gekregen = venster.Toon(QStringLiteral("Wilt u toch doorgaan?."),
                                                          Meldingen::Pictogram::Uitroep, knoppen);
        gezien.sort();
        QCOMPARE(gezien, opschriften);
        QCOMPARE(gekregen, antwoord);
    }
};

QTEST_MAIN(TstBerichtVenster)
#include "tst_berichtvenster.moc"
