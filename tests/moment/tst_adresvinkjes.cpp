// Ticks of address rows that the stored address text no longer gives: the window keeps
// them when the user empties the address box, and a file holding them would end the next
// reading before the dates, groups and partner file.
#include "moment/momentinstellingen.h"

#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QTemporaryDir>
#include <QTest>

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

Q_DECLARE_METATYPE(Afmeldadressen)

namespace {

QList<Vinkregel> Rijen(const QStringList& teksten, const QList<int>& aangevinkt)
{
    QList<Vinkregel> rijen;
    for (qsizetype i = 0; i < teksten.size(); ++i)
        rijen.append({teksten.at(i), aangevinkt.contains(int(i))});
    return rijen;
}

} // namespace

class TstAdresvinkjes : public QObject {
    Q_OBJECT
private slots:
    void rondgang_data();
    void rondgang();
};

void TstAdresvinkjes::rondgang_data()
{
    QTest::addColumn<Afmeldadressen>("adressen");
    QTest::addColumn<QByteArray>("actemails"); // the line as written
    QTest::addColumn<QList<Vinkregel>>("terug"); // the address rows after reading it again

    const QStringList ab{QStringLiteral("a@x.nl"), QStringLiteral("b@x.nl")};
    QTest::newRow("box emptied, old rows ticked")
        << Afmeldadressen{QString(), Rijen(ab, {0, 1}), 0} << QByteArray("actemails=\r\n")
        << QList<Vinkregel>();
    QTest::newRow("box of blanks, old rows ticked")
        << Afmeldadressen{QStringLiteral("   "), Rijen(ab, {1}), 0} << QByteArray("actemails=\r\n")
        << QList<Vinkregel>();
    QTest::newRow("text shorter than the rows")
        << Afmeldadressen{QStringLiteral("a@x.nl\r\n"), Rijen(ab, {0, 1}), 0}
        << QByteArray("actemails=00\r\n") << Rijen({ab.at(0)}, {0});
    QTest::newRow("text and rows agree")
        << Afmeldadressen{QStringLiteral("a@x.nl\r\n\r\nb@x.nl\r\n"), Rijen(ab, {1}), 0}
        << QByteArray("actemails=01\r\n") << Rijen(ab, {1});
}

void TstAdresvinkjes::rondgang()
{
    QFETCH(Afmeldadressen, adressen);
    QFETCH(QByteArray, actemails);
    QFETCH(QList<Vinkregel>, terug);

    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("dinsdag.ini"));
    MomentVenster venster{.cmbVanSleutel = QStringLiteral("2025-09-01"),
                          .adressen = adressen,
                          .lstDagen = Rijen({QStringLiteral("d0"), QStringLiteral("d1")}, {1}),
                          .lst1Gekozen = {QStringLiteral("1  (A1)")},
                          .cmbPartner = QStringLiteral("A1"),
                          .chkToonPartner = 1};
    QVERIFY(BewaarInstellingen(pad, venster).ok);
    QVERIFY(TestPaden::LeesBestand(pad).contains("\r\n" + actemails));

    MomentVenster gelezen;
    BewaardeMoment bewaard;
    qint32 kopvakho = 0;
    MeldingRecorder meldingen;
    LeesInstellingen(pad, gelezen, bewaard, kopvakho, meldingen);
    QCOMPARE(gelezen.adressen.lstActEmails, terug);
    // Read to the end: what follows the addresses is back.
    QCOMPARE(bewaard.BewaardeDagen, QStringLiteral("01"));
    QCOMPARE(bewaard.BewaardeLedenBest, QStringLiteral("(A1)"));
    QCOMPARE(bewaard.BewaardPartnerbest, QStringLiteral("A1"));
    QCOMPARE(bewaard.BewaardToonPartner, qint16(1));
    QVERIFY(meldingen.meldingen.isEmpty());
}

QTEST_GUILESS_MAIN(TstAdresvinkjes)
#include "tst_adresvinkjes.moc"
