#include "moment/afmeldadressen.h"

#include "support/meldingrecorder.h"

#include <QTest>

#include <algorithm>

namespace {

QStringList Teksten(const QList<Vinkregel>& rijen)
{
    QStringList teksten;
    for (const Vinkregel& rij : rijen)
        teksten.append(rij.tekst);
    return teksten;
}

int AantalVinkjes(const QList<Vinkregel>& rijen)
{
    return static_cast<int>(std::count_if(rijen.cbegin(), rijen.cend(),
                                          [](const Vinkregel& r) { return r.aangevinkt; }));
}

// Addresses adres1@club.nl .. adresN@club.nl, each followed by `scheiding`.
QString Adressen(int aantal, const QString& scheiding)
{
    QString tekst;
    for (int i = 1; i <= aantal; ++i)
        tekst += QStringLiteral("adres%1@club.nl").arg(i) + scheiding;
    return tekst;
}

} // namespace

class TstAfmeldadressen : public QObject {
    Q_OBJECT
private slots:
    void vul_data();
    void vul();
    void maximum_data();
    void maximum();
};

void TstAfmeldadressen::vul_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("verwachtTekst");
    QTest::addColumn<QStringList>("verwachtRijen");
    QTest::addColumn<bool>("herbouwd");

    // Before each row the list holds the rows "oud1" and "oud2", both ticked, row 1 current.
    const QStringList oud{QStringLiteral("oud1"), QStringLiteral("oud2")};
    QTest::newRow("a, empty, b, empty")
        << QStringLiteral("a\r\n\r\nb\r\n\r\n") << QStringLiteral("a\r\nb\r\n")
        << QStringList{QStringLiteral("a"), QStringLiteral("b")} << true;
    QTest::newRow("several empty lines in a row")
        << QStringLiteral("a\r\n\r\n\r\n\r\nb") << QStringLiteral("a\r\nb\r\n")
        << QStringList{QStringLiteral("a"), QStringLiteral("b")} << true;
    QTest::newRow("no final line break") << QStringLiteral("a@x.nl") << QStringLiteral("a@x.nl\r\n")
                                         << QStringList{QStringLiteral("a@x.nl")} << true;
    QTest::newRow("starts with a line break")
        << QStringLiteral("\r\na\r\nb") << QStringLiteral("\r\na\r\nb\r\n")
        << QStringList{QString(), QStringLiteral("a"), QStringLiteral("b")} << true;
    QTest::newRow("blanks trimmed at both ends of the text")
        << QStringLiteral("  a@x.nl\r\nb@x.nl  ") << QStringLiteral("a@x.nl\r\nb@x.nl\r\n")
        << QStringList{QStringLiteral("a@x.nl"), QStringLiteral("b@x.nl")} << true;
    QTest::newRow("blanks inside a line stay")
        << QStringLiteral("a@x.nl \r\n b@x.nl") << QStringLiteral("a@x.nl \r\n b@x.nl\r\n")
        << QStringList{QStringLiteral("a@x.nl "), QStringLiteral(" b@x.nl")} << true;
    QTest::newRow("only a line break gives one empty row")
        << QStringLiteral("\r\n") << QStringLiteral("\r\n") << QStringList{QString()} << true;
    QTest::newRow("same addresses again lose their ticks")
        << QStringLiteral("oud1\r\noud2\r\n") << QStringLiteral("oud1\r\noud2\r\n") << oud << true;
    QTest::newRow("empty text keeps the rows") << QString() << QString() << oud << false;
    QTest::newRow("blanks only keep the rows")
        << QStringLiteral("   ") << QStringLiteral("   ") << oud << false;
}

void TstAfmeldadressen::vul()
{
    QFETCH(QString, tekst);
    QFETCH(QString, verwachtTekst);
    QFETCH(QStringList, verwachtRijen);
    QFETCH(bool, herbouwd);

    Afmeldadressen adressen;
    adressen.txtEmailadressen = tekst;
    adressen.lstActEmails = {{QStringLiteral("oud1"), true}, {QStringLiteral("oud2"), true}};
    adressen.lstActEmailsHuidig = 1;
    MeldingRecorder meldingen;

    VulAfmeldadressen(adressen, meldingen);

    QCOMPARE(adressen.txtEmailadressen, verwachtTekst);
    QCOMPARE(Teksten(adressen.lstActEmails), verwachtRijen);
    QCOMPARE(AantalVinkjes(adressen.lstActEmails), herbouwd ? 0 : 2);
    QCOMPARE(adressen.lstActEmailsHuidig, herbouwd ? 0 : 1);
    QVERIFY(meldingen.meldingen.isEmpty());
}

void TstAfmeldadressen::maximum_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("gemeld");
    const QString crlf = QStringLiteral("\r\n");
    QTest::newRow("100 addresses fit") << Adressen(100, crlf) << false;
    QTest::newRow("101 addresses") << Adressen(101, crlf) << true;
    QTest::newRow("150 addresses with empty lines between") << Adressen(150, crlf + crlf) << true;
}

void TstAfmeldadressen::maximum()
{
    QFETCH(QString, tekst);
    QFETCH(bool, gemeld);

    Afmeldadressen adressen;
    adressen.txtEmailadressen = tekst;
    MeldingRecorder meldingen;
    VulAfmeldadressen(adressen, meldingen);

    QCOMPARE(adressen.lstActEmails.size(), 100);
    QCOMPARE(adressen.lstActEmails.last().tekst, QStringLiteral("adres100@club.nl"));
    QCOMPARE(adressen.txtEmailadressen, Adressen(100, QStringLiteral("\r\n")));
    QCOMPARE(meldingen.meldingen.size(), gemeld ? 1 : 0);
    if (gemeld) {
        QCOMPARE(
            meldingen.meldingen.first().tekst,
            QStringLiteral("Er kunnen maximaal 100 afmeldadressen worden gebruikt; de overige zijn "
                           "weggelaten."));
        QCOMPARE(meldingen.meldingen.first().pictogram, Meldingen::Pictogram::Uitroep);
        QCOMPARE(meldingen.meldingen.first().knoppen, Meldingen::Knoppen::Ok);
    }
}

QTEST_GUILESS_MAIN(TstAfmeldadressen)
#include "tst_afmeldadressen.moc"
