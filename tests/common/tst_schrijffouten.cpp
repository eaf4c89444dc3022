#include "app/algemeen.h"
#include "header/kopbestand.h"
#include "moment/afmeldscript.h"
#include "moment/momentinstellingen.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QStringList kNamen{"Kwintel.ini", "dinsdag.ini", StandaardNaamKop, "hovelink.js"};

QMap<QString, QByteArray> Inhoud(const QString& map)
{
    QMap<QString, QByteArray> uit;
    for (const QFileInfo& info : QDir(map).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        uit.insert(info.fileName(), info.isDir() ? "/" : TestPaden::LeesBestand(info.filePath()));
    return uit;
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
        QTemporaryDir map;
        const QString pad = map.filePath(kNamen[soort]), club = "BC De Troef";
        QVERIFY(TestPaden::SchrijfBestand(map.filePath("ander.txt"), "blijft\r\n"));
        QVERIFY(TestPaden::SchrijfBestand(storing == "a folder in its place" ? pad + "/erin.txt" : pad, "vorige\r\n"));
        rlimit oud{};
        getrlimit(RLIMIT_FSIZE, &oud);
        if (storing == "read-only folder") {
            QVERIFY(QFile::setPermissions(map.path(), QFile::ReadOwner | QFile::ExeOwner));
            if (QFile proef(map.filePath("proef")); proef.open(QIODevice::WriteOnly)) { // root writes all the same
                proef.remove();
                TekstBestand::ZetSchrijver([](const QString&, const QByteArray&) {
                    return Uitkomst<>::Fout("Permission denied");
                });
            }
        } else if (storing == "disk full") {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit grens{16, oud.rlim_max};
            setrlimit(RLIMIT_FSIZE, &grens);
        } else if (storing == "flush fails") {
            TestPaden::LaatSpoelenMislukken();
        }
        const QMap<QString, QByteArray> voor = Inhoud(map.path());
        MeldingRecorder meldingen;
        KopInstellingen kop{.koptekst = club};
        GroepFrame groepen{.ListH = {"01,Dijk,A,1001,Jan van Dijk,0"}, .txtB2 = {{{"1"}, {"1"}, {"1"}, {"1"}}}};
        Uitkomst<> r = Uitkomst<>::Fout({});
        if (soort == 0)
            r = Algemeen::SchrijfAlgemeen(pad, {3, club, 1});
        else if (soort == 1)
            r = BewaarInstellingen(pad, MomentVenster{.cmbVanSleutel = "2025-09-01"});
        else if (soort == 2)
            r = SchrijfKop(map.path(), StandaardNaamKop, "dinsdag", club, kop);
        else
            QVERIFY(MaakAfmeldScript(pad, {.clubnaam = club}, groepen, {}, meldingen) == ScriptUitkomst::NietGeschreven);
        setrlimit(RLIMIT_FSIZE, &oud);
        TekstBestand::ZetSchrijver({});
        QFile::setPermissions(map.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QVERIFY(!r);
        QCOMPARE(Inhoud(map.path()), voor);
        QCOMPARE(r.melding().isEmpty(), soort == 3); // the script tells the reason itself
        QCOMPARE(meldingen.Teksten().size(), soort == 3 ? 1 : 0);
        if (soort == 3)
            QVERIFY(meldingen.Teksten()[0].startsWith("Het Script-bestand kon niet worden opgeslagen:\r\n" + QDir::toNativeSeparators(pad)));
    }
};

QTEST_GUILESS_MAIN(TstSchrijffouten)
#include "tst_schrijffouten.moc"
