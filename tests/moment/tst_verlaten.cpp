#include "moment/afmeldscript.h"
#include "moment/verlaten.h"
#include "support/meldingrecorder.h"

#include <QTemporaryDir>
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

    // Members whose number has more than 6 digits are named before the script is written.
    void langeLidnummers_data()
    {
        QTest::addColumn<QStringList>("nummers");
        QTest::addColumn<QStringList>("genoemd");
        QTest::newRow("leading zeros do not count") << QStringList{"0123456"} << QStringList{};
        QTest::newRow("seven digits") << QStringList{"100", "1234567"} << QStringList{"Lid 2"};
        QTest::newRow("at most ten named") << QStringList(12, "10000000")
                                           << QStringList{"Lid 1", "Lid 2", "Lid 3", "Lid 4", "Lid 5", "Lid 6",
                                                          "Lid 7", "Lid 8", "Lid 9", "Lid 10"};
    }

    void langeLidnummers()
    {
        QFETCH(QStringList, nummers);
        QFETCH(QStringList, genoemd);
        GroepFrame groepen;
        for (qsizetype i = 0; i < nummers.size(); ++i)
            groepen.ListH.append("01,X,A," + nummers[i] + ",Lid " + QString::number(i + 1) + ",0");
        QTemporaryDir map;
        MeldingRecorder meldingen;
        QCOMPARE(MaakAfmeldScript(map.filePath("hovelink.js"), {}, groepen, {}, meldingen), ScriptUitkomst::Geschreven);
        QStringList teksten = meldingen.Teksten();
        teksten.removeLast(); // the script was still made
        QCOMPARE(teksten, genoemd.isEmpty() ? QStringList{}
                                            : QStringList{"Let op: deze leden hebben een lidnummer van meer dan 6 "
                                                          "cijfers; de afmeldsite toont hen in elk naamvak:\r\n" +
                                                          genoemd.join("\r\n")});
        QCOMPARE(meldingen.meldingen.first().pictogram,
                 genoemd.isEmpty() ? Meldingen::Pictogram::Informatie : Meldingen::Pictogram::Uitroep);
    }
};

QTEST_GUILESS_MAIN(TstVerlaten)
#include "tst_verlaten.moc"
