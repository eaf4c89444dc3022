#include "handleidingpdf.h"
#include "opmaak.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

using Opmaak::Blok;
using Opmaak::Soort;

namespace {

// One letter per kind and the text, blocks joined by "|": easy to read in a failing row.
QString Samenvatting(const QList<Blok>& blokken)
{
    QStringList delen;
    for (const Blok& blok : blokken) {
        const char* soort = "";
        switch (blok.soort) {
        case Soort::Hoofdstuk: soort = "H"; break;
        case Soort::Paragraaf: soort = "P"; break;
        case Soort::Alinea: soort = "A"; break;
        case Soort::Opsomming: soort = "O"; break;
        case Soort::Melding: soort = "M"; break;
        case Soort::Uitleg: soort = "U"; break;
        case Soort::Afbeelding: soort = "B"; break;
        }
        delen << QString::fromLatin1(soort) + u':' + blok.tekst;
    }
    return delen.join(u'|');
}

QString Handleiding()
{
    QFile bron(QStringLiteral(HOVELINK_HANDLEIDING_BRON));
    return bron.open(QIODevice::ReadOnly) ? QString::fromUtf8(bron.readAll()) : QString();
}

QList<Blok> Blokken(const QString& bron)
{
    return Opmaak::Lees(bron).blokken;
}

} // namespace

class TstHandleiding : public QObject {
    Q_OBJECT
private slots:
    void lees_data()
    {
        QTest::addColumn<QString>("bron");
        QTest::addColumn<QString>("blokken");
        QTest::newRow("chapter and section") << "# Een\n## Twee\n" << "H:Een|P:Twee";
        QTest::newRow("paragraph lines are joined") << "een\ntwee\n\ndrie" << "A:een twee|A:drie";
        QTest::newRow("heading ends a paragraph") << "tekst\n# Kop\nmeer" << "A:tekst|H:Kop|A:meer";
        QTest::newRow("bullets with a continuation") << "- a\n- b\n  vervolg\n" << "O:a|O:b vervolg";
        QTest::newRow("unindented text after a bullet") << "- a\ntekst" << "O:a|A:tekst";
        QTest::newRow("message lines keep their breaks")
            << "= regel 1\n=\n= regel 3\n: uitleg\n  verder" << "M:regel 1\n\nregel 3|U:uitleg verder";
        QTest::newRow("message right after an explanation") << "= a\n: x\n= b\n: y" << "M:a|U:x|M:b|U:y";
        QTest::newRow("CR LF and trailing spaces") << "# Kop  \r\ntekst \r\n" << "H:Kop|A:tekst";
        QTest::newRow("dashes without a space are text") << "-------\n" << "A:-------";
        QTest::newRow("inner spaces and quotes stay") << "\"Maak  de\" 'data'" << "A:\"Maak  de\" 'data'";
        QTest::newRow("picture between paragraph lines") << "tekst\n! venster.png\nmeer" << "A:tekst|B:venster.png|A:meer";
        QTest::newRow("empty source") << "" << "";
    }

    void lees()
    {
        QFETCH(QString, bron);
        QFETCH(QString, blokken);
        const Opmaak::Uitkomst uitkomst = Opmaak::Lees(bron);
        QVERIFY(uitkomst.gelukt);
        QCOMPARE(Samenvatting(uitkomst.blokken), blokken);
    }

    void fouten_data()
    {
        QTest::addColumn<QString>("bron");
        QTest::addColumn<int>("regel");
        QTest::newRow("hash without a space") << "#Kop" << 1;
        QTest::newRow("three hashes") << "tekst\n### Kop" << 2;
        QTest::newRow("explanation under a paragraph") << "tekst\n: uitleg" << 2;
        QTest::newRow("explanation after an empty line") << "= melding\n\n: uitleg" << 3;
        QTest::newRow("indented line under a paragraph") << "tekst\n  verder" << 2;
        QTest::newRow("indented line after an empty line") << "- a\n\n  b" << 3;
    }

    void fouten()
    {
        QFETCH(QString, bron);
        QFETCH(int, regel);
        const Opmaak::Uitkomst uitkomst = Opmaak::Lees(bron);
        QVERIFY(!uitkomst.gelukt);
        QCOMPARE(uitkomst.foutRegel, regel);
        QVERIFY(!uitkomst.fout.isEmpty());
        QVERIFY(uitkomst.blokken.isEmpty());
    }

    // Every message of the program appears in the guide's list, word for word.
    void meldingen_data()
    {
        QTest::addColumn<QString>("melding");
        const QStringList meldingen = {
            u"Het programma is al gestart!..."_qs,
            u"Het bestand Mappen.ini is niet gevonden:"_qs,
            u"De Tafelwerk-map uit Mappen.ini bestaat niet:"_qs,
            u"U moet nog een Speeldag kiezen."_qs,
            u"U moet een Clubnaam opgeven!"_qs,
            u"Fout in SpeeldagCode!"_qs,
            u"Er is geen dag geselecteerd!"_qs,
            u"U mag slechts 1 dag tegelijk verwijderen!"_qs,
            u"Weet u zeker dat u ALLE gegevens van deze dag wilt verwijderen?"_qs,
            u"De map van deze speeldag kon niet helemaal worden verwijderd:"_qs,
            u"Als u deze maanden wilt wijzigen worden alle bestaande speeldagen verwijderd!\n"
            u"U zult dan opnieuw de juiste selecties moeten maken en uploaden!\n\nWilt u doorgaan!"_qs,
            u"Er kunnen maximaal 100 afmeldadressen worden gebruikt; de overige zijn weggelaten."_qs,
            u"De schrijfwijze is niet juist!\n\nEnkele voorbeelden: 09:00, 15:00, 18:35."_qs,
            u"Het maximum is 23 uur!"_qs,
            u"Het maximum is 59 minuten!"_qs,
            u"Overzicht niet aanwezig!"_qs,
            u"Er is afgebroken, de wijzigingen worden niet bewaard!"_qs,
            u"Er zijn g\u00E9\u00E9n speeldagen geselecteerd in de speelkalender!"_qs,
            u"Er zijn nog g\u00E9\u00E9n Afmeld-emailadres(sen) geselecteerd!\n"
            u"Dat is niet verplicht, wel een extra zekerheid.\n\nWilt u toch doorgaan?."_qs,
            u"U hebt nog geen Partnerbestand gekozen"_qs,
            u"U hebt nog geen ledenbestand gekozen!"_qs,
            u"Het ledenbestand heeft meer dan 99 spelergroepen; alleen de eerste 99 worden gebruikt."_qs,
            u"In vak 'naam1' mag slechts 1 groep gebruikt worden!"_qs,
            u"Groep 3 is niet geselecteerd in bovenstaande lijst!"_qs,
            u"Alle vakken moeten voorzien zijn van een groepsnummer!\n"
            u"Vak 1 mag slechts 1 groep bevatten, de overige mogen meer groepen hebben.\n"
            u"Schrijfwijze bijv: 1,3,5"_qs,
            u"In vak 'naam1' mag slechts 1 ledengroep gebruikt worden!"_qs,
            u"De groep in vak 'naam1' komt niet overeen met de PARTNERgroep!"_qs,
            u"Er wordt g\u00E9\u00E9n scriptbestand aangemaakt want er moeten spelers beschikbaar zijn!"_qs,
            u"Het Script-bestand voor 'donderdag' is gemaakt.\n\nU moet het hierna nog Uploaden.\n\n"
            u"Als u ook een logoafbeelding hebt gemaakt of gewijzigd moet u die \u00F3\u00F3k uploaden."_qs,
            u"Het Script-bestand kon niet worden opgeslagen:"_qs,
            u"Breedte-waarde is 500 t/m 999.\nWijzig de waarde"_qs,
            u"Kies een afbeelding met de extensie .bmp, .gif, .jpg of .ico."_qs,
        };
        for (const QString& melding : meldingen)
            QTest::newRow(qPrintable(melding.section(u'\n', 0, 0))) << melding;
    }

    void meldingen()
    {
        QFETCH(QString, melding);
        const Opmaak::Uitkomst handleiding = Opmaak::Lees(Handleiding());
        QVERIFY2(handleiding.gelukt, qPrintable(handleiding.fout));
        bool gevonden = false;
        bool uitgelegd = false;
        for (qsizetype i = 0; i < handleiding.blokken.size(); ++i) {
            const Blok& blok = handleiding.blokken.at(i);
            // A message that ends in a path shows the path as its own line after the fixed text.
            if (blok.soort == Soort::Melding && (blok.tekst == melding || blok.tekst.startsWith(melding + u'\n'))) {
                gevonden = true;
                uitgelegd = i + 1 < handleiding.blokken.size() && handleiding.blokken.at(i + 1).soort == Soort::Uitleg;
            }
        }
        QVERIFY2(gevonden, qPrintable(melding));
        QVERIFY2(uitgelegd, qPrintable(melding));
    }

    void schermteksten_data()
    {
        QTest::addColumn<QString>("tekst");
        for (const char* tekst : {"Maak de AFMELD-data", "Kies een speeldag", "Zie voorbeeld site-structuur",
                                  "Verwijder geselecteerde speeldag ...", "Bestaande speeldagen:",
                                  "Maak de speelkalender", "Data wijzigen?", "Selecteer alles",
                                  "Eindtijd voor afmelden:", "Emailbevestiging activeren.",
                                  "Toon Partner op website", "Kies evt. Partnerbestand",
                                  "Koptekst en logo instellen", "Bekijk overzicht", "Aanwijzingen",
                                  "Indien OKE dan terug", "Afbreken (niet opslaan)",
                                  "Inrichten van de kop van een internetsite", "Kies een afbeelding",
                                  "Logo daadwerkelijk plaatsen?", "Akkoord en opslaan", "Annuleren",
                                  "Tafelwerk\\Travenza\\<speelmoment>", "hovelink.js", "WinSCP", "FileZilla",
                                  "0777", "afmelddata.txt", "Overzicht werking hovelink.pdf"})
            QTest::newRow(tekst) << QString::fromUtf8(tekst);
    }

    void schermteksten()
    {
        QFETCH(QString, tekst);
        QVERIFY(Handleiding().contains(tekst));
    }

    void hoofdstukkenOpEigenBladzijde_data()
    {
        QTest::addColumn<QString>("bron");
        QTest::addColumn<int>("bladzijden");
        QTest::newRow("title only") << "# Titel\nintro" << 1;
        QTest::newRow("sections stay on the page") << "# Titel\n## A\nx\n## B\ny" << 1;
        QTest::newRow("two chapters") << "# Titel\nintro\n# Een\nx\n# Twee\ny" << 3;
    }

    void hoofdstukkenOpEigenBladzijde()
    {
        QFETCH(QString, bron);
        QFETCH(int, bladzijden);
        QTextDocument document;
        HandleidingPdf::Opmaken(document, Blokken(bron), QImage());
        document.setPageSize(QSizeF(595, 842)); // A4 in points
        QCOMPARE(document.pageCount(), bladzijden);
    }

    // The explanation shares the message's box, so the two stay on one page.
    void meldingInEenKader()
    {
        QTextDocument document;
        HandleidingPdf::Opmaken(document, Blokken("= regel 1\n=\n= regel 3\n: uitleg\n\nna"), QImage());
        QStringList inKader;
        QStringList daarbuiten;
        for (QTextBlock blok = document.begin(); blok.isValid(); blok = blok.next()) {
            if (!blok.text().isEmpty())
                (QTextCursor(blok).currentFrame() == document.rootFrame() ? daarbuiten : inKader) << blok.text();
        }
        QCOMPARE(inKader, (QStringList{u"regel 1\u2028\u2028regel 3"_qs, u"uitleg"_qs}));
        QCOMPARE(daarbuiten, QStringList{u"na"_qs});
    }

    void blijftBijElkaar_data()
    {
        QTest::addColumn<int>("vulling");
        for (int vulling = 0; vulling < 16; ++vulling)
            QTest::addRow("%d filler paragraphs", vulling) << vulling;
    }

    // However the text before them runs, a message box never crosses a page end and a section
    // heading stands on the page of its first line of text.
    void blijftBijElkaar()
    {
        QFETCH(int, vulling);
        QString bron = u"# Titel\n"_qs;
        for (int i = 0; i < vulling; ++i)
            bron += u"Een alinea van een paar woorden die over een tweede regel loopt.\n\n"_qs;
        bron += u"## Kop\nEerste regel onder de kop.\n\n"_qs;
        for (int i = 0; i < 4; ++i)
            bron += u"= Regel een\n= Regel twee\n: Uitleg van de melding met genoeg woorden voor twee regels.\n\n"_qs;

        QTextDocument document;
        HandleidingPdf::Opmaken(document, Blokken(bron), QImage());
        const qreal hoogte = 220;
        HandleidingPdf::Pagineer(document, QSizeF(300, hoogte), 10);
        const auto pagina = [hoogte](qreal y) { return static_cast<int>(y / hoogte); };
        QAbstractTextDocumentLayout* layout = document.documentLayout();

        const QList<QTextFrame*> kaders = document.rootFrame()->childFrames();
        QCOMPARE(kaders.size(), 4);
        for (QTextFrame* kader : kaders) {
            const QRectF vlak = layout->frameBoundingRect(kader);
            QCOMPARE(pagina(vlak.top()), pagina(vlak.bottom() - 1));
        }
        const QTextBlock kop = document.findBlock(document.find(u"Kop"_qs).position());
        const QRectF onder = layout->blockBoundingRect(kop.next());
        const qreal eersteRegel = onder.top() + kop.next().layout()->lineAt(0).rect().bottom();
        QCOMPARE(pagina(layout->blockBoundingRect(kop).top()), pagina(eersteRegel - 1));
    }

    void schrijftPdf()
    {
        QTemporaryDir map;
        const QString pad = map.filePath(u"Overzicht werking hovelink.pdf"_qs);
        QImage icoon(32, 32, QImage::Format_ARGB32);
        icoon.fill(Qt::red);
        QTextDocument document;
        HandleidingPdf::Opmaken(document, Blokken("# Titel\nintro\n# Een\nx\n## Deel\nz\n# Twee\ny"), icoon);
        const HandleidingPdf::Uitkomst uitkomst = HandleidingPdf::Schrijf(document, pad, u"Titel"_qs);
        QVERIFY2(uitkomst.gelukt, qPrintable(uitkomst.fout));
        // A title page with the icon and the contents, which give each chapter's page; a bookmark
        // per chapter leads there.
        QCOMPARE(document.toPlainText(), QString(QChar::ObjectReplacementCharacter) +
                                             u"\nTitel\nintro\nInhoud\nEen\t2\nTwee\t3\nEen\nx\nDeel\nz\nTwee\ny"_qs);
        QFile pdf(pad);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray inhoud = pdf.readAll();
        QVERIFY(inhoud.startsWith("%PDF-"));
        QVERIFY(inhoud.trimmed().endsWith("%%EOF"));
        QVERIFY(inhoud.contains("/Count 3"));
        QVERIFY(inhoud.contains("/Title <FEFF00450065006E>"));
        QVERIFY(inhoud.contains("/Title <FEFF0054007700650065>"));
    }

    void schrijvenMislukt()
    {
        QTemporaryDir map;
        const QString pad = map.filePath(u"ontbreekt/overzicht.pdf"_qs);
        QTextDocument document;
        HandleidingPdf::Opmaken(document, Blokken("# Titel"), QImage());
        const HandleidingPdf::Uitkomst uitkomst = HandleidingPdf::Schrijf(document, pad, u"Titel"_qs);
        QVERIFY(!uitkomst.gelukt);
        QVERIFY(!uitkomst.fout.isEmpty());
        QVERIFY(!QFile::exists(pad));
    }
};

QTEST_MAIN(TstHandleiding)
#include "tst_handleiding.moc"
