// A write that fails (read-only folder, a folder in the file's place, a disk that fills up
// halfway) leaves the previous Kwintel.ini, play-moment settings file, IniKop.ini and
// hovelink.js byte for byte as they were and touches nothing else in their folder; the
// script's failure is the one the user is told about.
#include "app/algemeen.h"
#include "common/paden.h"
#include "common/tekst.h"
#include "common/tekstbestand.h"
#include "header/kopbestand.h"
#include "moment/afmeldscript.h"
#include "moment/momentinstellingen.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

enum class Soort { Kwintel, Moment, IniKop, Script };
enum class Storing { AlleenLezen, MapOpDeNaam, SchijfVol, SpoelenFaalt };

const QByteArray kVorige = "vorige inhoud, die heel moet blijven\r\n";

QString Naam(Soort soort)
{
    switch (soort) {
    case Soort::Kwintel: return QStringLiteral("Kwintel.ini");
    case Soort::Moment: return QStringLiteral("dinsdag.ini");
    case Soort::IniKop: return StandaardNaamKop;
    case Soort::Script: return QStringLiteral("hovelink.js");
    }
    return {};
}

// Every file and folder under `map` with its bytes (folders with an empty value and a "/").
QMap<QString, QByteArray> Inhoud(const QString& map)
{
    QMap<QString, QByteArray> uit;
    QDirIterator it(map, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pad = it.next();
        const QString naam = QDir(map).relativeFilePath(pad);
        if (it.fileInfo().isDir())
            uit.insert(naam + u'/', {});
        else
            uit.insert(naam, TestPaden::LeesBestand(pad));
    }
    return uit;
}

// Whether a folder made read-only really refuses new files (not for root).
bool AlleenLezenWerkt(const QString& map)
{
    QFile proef(Paden::Samen(map, QStringLiteral("proef")));
    const bool geschreven = proef.open(QIODevice::WriteOnly);
    if (geschreven)
        proef.remove();
    return !geschreven;
}

// Files beyond `bytes` cannot grow while it lives, as on a disk that is full.
class BestandsGrens {
public:
    explicit BestandsGrens(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_oud);
        m_signaal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit grens = m_oud;
        grens.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &grens);
    }
    ~BestandsGrens()
    {
        setrlimit(RLIMIT_FSIZE, &m_oud);
        std::signal(SIGXFSZ, m_signaal);
    }

private:
    rlimit m_oud{};
    void (*m_signaal)(int) = nullptr;
};

} // namespace

Q_DECLARE_METATYPE(Soort)
Q_DECLARE_METATYPE(Storing)

class TstSchrijffouten : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_map = std::make_unique<QTemporaryDir>();
        QVERIFY(m_map->isValid());
    }

    void cleanup()
    {
        TekstBestand::ZetSchrijver({});
        // A read-only folder must be writable again before it can be removed.
        QFile::setPermissions(m_map->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_map.reset();
    }

    void vorigeBlijft_data()
    {
        QTest::addColumn<Soort>("soort");
        QTest::addColumn<Storing>("storing");
        const QList<std::pair<Storing, const char*>> storingen{
            {Storing::AlleenLezen, "read-only folder"},
            {Storing::MapOpDeNaam, "a folder in its place"},
            {Storing::SchijfVol, "disk full halfway"},
            {Storing::SpoelenFaalt, "flush to disk fails"}};
        for (const Soort soort : {Soort::Kwintel, Soort::Moment, Soort::IniKop, Soort::Script}) {
            for (const auto& [storing, naam] : storingen)
                QTest::addRow("%s, %s", qPrintable(Naam(soort)), naam) << soort << storing;
        }
    }

    void vorigeBlijft()
    {
        QFETCH(Soort, soort);
        QFETCH(Storing, storing);

        const QString map = Paden::Samen(m_map->path(), QStringLiteral("dinsdag"));
        const QString pad = Paden::Samen(map, Naam(soort));
        QVERIFY(TestPaden::SchrijfBestand(Paden::Samen(map, QStringLiteral("ander.txt")), "blijft\r\n"));
        if (storing == Storing::MapOpDeNaam)
            QVERIFY(TestPaden::SchrijfBestand(Paden::Samen(pad, QStringLiteral("erin.txt")), "x"));
        else
            QVERIFY(TestPaden::SchrijfBestand(pad, kVorige));

        std::optional<BestandsGrens> grens;
        switch (storing) {
        case Storing::AlleenLezen:
            QVERIFY(QFile::setPermissions(map, QFile::ReadOwner | QFile::ExeOwner));
            // Root writes into a read-only folder all the same: refuse as the system would.
            if (!AlleenLezenWerkt(map))
                TekstBestand::ZetSchrijver([](const QString&, const QByteArray&) {
                    return TekstBestand::SchrijfResultaat{false, QStringLiteral("Permission denied")};
                });
            break;
        case Storing::MapOpDeNaam:
            break;
        case Storing::SchijfVol:
            grens.emplace(16);
            break;
        case Storing::SpoelenFaalt:
            TestPaden::LaatSpoelenMislukken();
            break;
        }
        const QMap<QString, QByteArray> voor = Inhoud(m_map->path());

        MeldingRecorder meldingen;
        QString fout;
        const bool geschreven = Schrijf(soort, map, meldingen, fout);
        grens.reset();

        QVERIFY(!geschreven);
        QCOMPARE(Inhoud(m_map->path()), voor);
        if (storing != Storing::MapOpDeNaam)
            QCOMPARE(TestPaden::LeesBestand(pad), kVorige);
        if (soort == Soort::Script) {
            QCOMPARE(meldingen.meldingen.size(), 1); // and so no completion message
            const QString kop = QStringLiteral("Het Script-bestand kon niet worden opgeslagen:") + Tekst::CrLf +
                                Paden::Toon(pad) + Tekst::CrLf + Tekst::CrLf;
            const QString tekst = meldingen.meldingen.at(0).tekst;
            QVERIFY2(tekst.startsWith(kop) && tekst.size() > kop.size(), qPrintable(tekst)); // and the reason
            QCOMPARE(meldingen.meldingen.at(0).pictogram, Meldingen::Pictogram::Kritiek);
            QCOMPARE(meldingen.meldingen.at(0).knoppen, Meldingen::Knoppen::Ok);
        } else {
            QVERIFY(!fout.isEmpty()); // the reason, for whoever tells the user
            QVERIFY(meldingen.meldingen.isEmpty());
        }
    }

    // The same folder takes the file again once the cause is gone: no lock or half file stays.
    void gelukteSchrijfNaEenFout()
    {
        const QString map = Paden::Samen(m_map->path(), QStringLiteral("dinsdag"));
        QVERIFY(TestPaden::SchrijfBestand(Paden::Samen(map, QStringLiteral("hovelink.js")), kVorige));
        MeldingRecorder meldingen;
        QString fout;
        {
            BestandsGrens grens(16);
            QVERIFY(!Schrijf(Soort::Script, map, meldingen, fout));
        }
        QVERIFY(Schrijf(Soort::Script, map, meldingen, fout));
        QCOMPARE(meldingen.meldingen.size(), 2);
        QCOMPARE(meldingen.meldingen.at(1).pictogram, Meldingen::Pictogram::Informatie);
        const QByteArray script = TestPaden::LeesBestand(Paden::Samen(map, QStringLiteral("hovelink.js")));
        QVERIFY(script.startsWith("var alg=[];\r\nalg[0]='BC De Troef';\r\n"));
        QVERIFY(script.contains("lid[1]='Jan van Dijk';\r\n"));
        QCOMPARE(QDir(map).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("hovelink.js")});
    }

private:
    // Writes the file of kind `soort` into `map`; true when it was written. The script
    // tells `meldingen`; the settings files give their error text in `fout`.

    bool Schrijf(Soort soort, const QString& map, MeldingRecorder& meldingen, QString& fout)
    {
        const QString pad = Paden::Samen(map, Naam(soort));
        TekstBestand::SchrijfResultaat resultaat;
        switch (soort) {
        case Soort::Kwintel:
            resultaat = Algemeen::SchrijfAlgemeen(pad, {3, QStringLiteral("BC De Troef"), 1});
            break;
        case Soort::Moment:
            resultaat = BewaarInstellingen(pad, MomentVenster{.cmbVanSleutel = QStringLiteral("2025-09-01"),
                                                              .txtContactPers = QStringLiteral("Jan Smit")});
            break;
        case Soort::IniKop: {
            KopInstellingen kop{.koptekst = QStringLiteral("BC De Troef")};
            resultaat = SchrijfKop(map, StandaardNaamKop, QStringLiteral("dinsdag"), QStringLiteral("BC De Troef"), kop);
            break;
        }
        case Soort::Script: {
            GroepFrame groepen;
            groepen.ListH = {QStringLiteral("01,Dijk,A,1001,Jan van Dijk,0")};
            for (int i = 0; i < 4; ++i)
                groepen.txtB2[i].tekst = QStringLiteral("1");
            AfmeldGegevens gegevens{.clubnaam = QStringLiteral("BC De Troef"), .speeldag = QStringLiteral("dinsdag")};
            return MaakAfmeldScript(pad, gegevens, groepen, KopInstellingen{}, meldingen) == ScriptUitkomst::Geschreven;
        }
        }
        fout = resultaat.fout;
        return resultaat.ok;
    }

    std::unique_ptr<QTemporaryDir> m_map;
};

QTEST_GUILESS_MAIN(TstSchrijffouten)
#include "tst_schrijffouten.moc"
