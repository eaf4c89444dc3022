// A write that fails (read-only folder, a folder in the file's place, a disk that fills up,
// a failing flush) leaves the previous Kwintel.ini, settings file, IniKop.ini and hovelink.js
// byte for byte and touches nothing else in their folder; the script's failure is told.
#include "app/algemeen.h"
#include "common/paden.h"
#include "common/tekst.h"
#include "header/kopbestand.h"
#include "moment/afmeldscript.h"
#include "moment/momentinstellingen.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

const QByteArray kVorige = "vorige inhoud, die heel moet blijven\r\n";
const QStringList kNamen{"Kwintel.ini", "dinsdag.ini", StandaardNaamKop, "hovelink.js"};

QMap<QString, QByteArray> Inhoud(const QString& map)
{
    QMap<QString, QByteArray> uit;
    for (QDirIterator it(map, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString pad = it.next();
        uit.insert(pad, it.fileInfo().isDir() ? "/" : TestPaden::LeesBestand(pad));
    }
    return uit;
}

// Writes file `soort` (an index in kNamen) into `map`: true when written; the reason in `fout`.
bool Schrijf(int soort, const QString& map, MeldingRecorder& meldingen, QString& fout)
{
    const QString pad = Paden::Samen(map, kNamen[soort]);
    const QString club = QStringLiteral("BC De Troef");
    TekstBestand::SchrijfResultaat r;
    if (soort == 0)
        r = Algemeen::SchrijfAlgemeen(pad, {3, club, 1});
    else if (soort == 1)
        r = BewaarInstellingen(pad, MomentVenster{.cmbVanSleutel = QStringLiteral("2025-09-01")});
    else if (soort == 2) {
        KopInstellingen kop{.koptekst = club};
        r = SchrijfKop(map, StandaardNaamKop, QStringLiteral("dinsdag"), club, kop);
    } else {
        GroepFrame groepen;
        groepen.ListH = {QStringLiteral("01,Dijk,A,1001,Jan van Dijk,0")};
        for (GroepVak& vak : groepen.txtB2)
            vak.tekst = QStringLiteral("1");
        return MaakAfmeldScript(pad, {.clubnaam = club, .speeldag = QStringLiteral("dinsdag")}, groepen, {},
                                meldingen) == ScriptUitkomst::Geschreven;
    }
    fout = r.fout;
    return r.ok;
}

} // namespace

class TstSchrijffouten : public QObject {
    Q_OBJECT
private slots:
    void vorigeBlijft_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<QString>("storing");
        for (int soort = 0; soort < 4; ++soort)
            for (const char* storing : {"read-only folder", "a folder in its place", "disk full", "flush fails"})
                QTest::addRow("%s, %s", qPrintable(kNamen[soort]), storing) << soort << storing;
    }

    void vorigeBlijft()
    {
        QFETCH(int, soort);
        QFETCH(QString, storing);
        QTemporaryDir tmp;
        const QString map = tmp.filePath("dinsdag"), pad = Paden::Samen(map, kNamen[soort]);
        QVERIFY(TestPaden::SchrijfBestand(Paden::Samen(map, "ander.txt"), "blijft\r\n"));
        QVERIFY(TestPaden::SchrijfBestand(storing == "a folder in its place" ? pad + "/erin.txt" : pad, kVorige));
        rlimit oud{};
        getrlimit(RLIMIT_FSIZE, &oud);
        if (storing == "read-only folder") {
            QVERIFY(QFile::setPermissions(map, QFile::ReadOwner | QFile::ExeOwner));
            if (QFile proef(map + "/proef"); proef.open(QIODevice::WriteOnly)) { // root writes all the same
                proef.remove();
                TekstBestand::ZetSchrijver([](const QString&, const QByteArray&) {
                    return TekstBestand::SchrijfResultaat{false, "Permission denied"};
                });
            }
        } else if (storing == "disk full") {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit grens{16, oud.rlim_max};
            setrlimit(RLIMIT_FSIZE, &grens);
        } else if (storing == "flush fails") {
            TestPaden::LaatSpoelenMislukken();
        }
        const QMap<QString, QByteArray> voor = Inhoud(tmp.path());
        MeldingRecorder meldingen;
        QString fout;
        const bool geschreven = Schrijf(soort, map, meldingen, fout);
        setrlimit(RLIMIT_FSIZE, &oud);
        TekstBestand::ZetSchrijver({});
        QFile::setPermissions(map, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QVERIFY(!geschreven);
        QCOMPARE(Inhoud(tmp.path()), voor);
        if (soort < 3) {
            QVERIFY(!fout.isEmpty()); // the reason, for whoever tells the user
            QVERIFY(meldingen.meldingen.isEmpty());
            return;
        }
        const QString kop = "Het Script-bestand kon niet worden opgeslagen:" + Tekst::CrLf + Paden::Toon(pad) +
                            Tekst::CrLf + Tekst::CrLf;
        QCOMPARE(meldingen.meldingen.size(), 1); // and so no completion message
        QVERIFY2(meldingen.meldingen[0].tekst.startsWith(kop) && meldingen.meldingen[0].tekst.size() > kop.size(),
                 qPrintable(meldingen.meldingen[0].tekst));
        // Once the cause is gone the same folder takes the file: no lock or half file stayed.
        QDir(pad).removeRecursively();
        QVERIFY(Schrijf(soort, map, meldingen, fout));
        QVERIFY(TestPaden::LeesBestand(pad).contains("lid[1]='Jan van Dijk';\r\n"));
        QCOMPARE(QDir(map).entryList(QDir::Files | QDir::Hidden), (QStringList{"ander.txt", "hovelink.js"}));
    }
};

QTEST_GUILESS_MAIN(TstSchrijffouten)
#include "tst_schrijffouten.moc"
