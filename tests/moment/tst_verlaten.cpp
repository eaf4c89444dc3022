#include "moment/verlaten.h"
#include "support/meldingrecorder.h"

#include <QTest>

Q_DECLARE_METATYPE(Vertrek)

namespace {

const QString kGeenDatum = u"Er zijn g\u00E9\u00E9n speeldagen geselecteerd in de speelkalender!"_qs;
const QString kGeenAdres = u"Er zijn nog g\u00E9\u00E9n Afmeld-emailadres(sen) geselecteerd!\r\n"
                           "Dat is niet verplicht, wel een extra zekerheid.\r\n\r\nWilt u toch doorgaan?."_qs;
const QString kGeenPartner = QStringLiteral("U hebt nog geen Partnerbestand gekozen\r\n\r\n");

} // namespace

class TstVerlaten : public QObject {
    Q_OBJECT
private slots:
    void vertrek_data()
    {
        QTest::addColumn<bool>("datum");
        QTest::addColumn<bool>("adres");
        QTest::addColumn<bool>("partnerOntbreekt");
        QTest::addColumn<bool>("doorgaan"); // the answer to the address question
        QTest::addColumn<Vertrek>("vertrek");
        QTest::addColumn<QStringList>("teksten");
        QTest::newRow("all good") << true << true << false << true << Vertrek::Opslaan << QStringList{};
        QTest::newRow("no date stops before anything else")
            << false << false << true << true << Vertrek::Blijven << QStringList{kGeenDatum};
        QTest::newRow("no address, go on") << true << false << false << true << Vertrek::Opslaan << QStringList{kGeenAdres};
        QTest::newRow("no address, stop") << true << false << true << false << Vertrek::Blijven << QStringList{kGeenAdres};
        QTest::newRow("partner file missing: save, stay open")
            << true << true << true << true << Vertrek::OpslaanEnBlijven << QStringList{kGeenPartner};
        QTest::newRow("no address then partner file")
            << true << false << true << true << Vertrek::OpslaanEnBlijven << QStringList{kGeenAdres, kGeenPartner};
    }

    void vertrek()
    {
        QFETCH(bool, datum);
        QFETCH(bool, adres);
        QFETCH(bool, partnerOntbreekt);
        QFETCH(bool, doorgaan);
        QFETCH(Vertrek, vertrek);
        QFETCH(QStringList, teksten);
        MeldingRecorder meldingen;
        meldingen.ZetVolgendAntwoord(doorgaan ? Meldingen::Antwoord::Ja : Meldingen::Antwoord::Nee);
        QCOMPARE(ControleerVertrek({datum, adres, partnerOntbreekt}, meldingen), vertrek);
        QCOMPARE(meldingen.Teksten(), teksten);
        for (const MeldingRecorder::Melding& m : meldingen.meldingen) {
            const bool vraag = m.tekst == kGeenAdres;
            QCOMPARE(m.knoppen, vraag ? Meldingen::Knoppen::JaNee : Meldingen::Knoppen::Ok);
            QCOMPARE(m.pictogram, m.tekst == kGeenPartner ? Meldingen::Pictogram::Geen : Meldingen::Pictogram::Uitroep);
        }
    }
};

QTEST_GUILESS_MAIN(TstVerlaten)
#include "tst_verlaten.moc"
