#include "handleidingpdf.h"
#include "opmaak.h"
#include "support/testpaden.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

class TstHandleiding : public QObject {
    Q_OBJECT
private slots:
    // One letter per kind (HPAOMUB) and the text, blocks joined by "|"; a fault gives its line.
    void lees()
    {
        const QList<std::pair<QString, QString>> rijen = {
            {"# Een\n## Twee\n", "H:Een|P:Twee"}, {"een\ntwee\n\ndrie", "A:een twee|A:drie"}, {"tekst\n# Kop\nmeer", "A:tekst|H:Kop|A:meer"}, {"- a\n- b\n  vervolg\n- c\ntekst", "O:a|O:b vervolg|O:c|A:tekst"}, {"= regel 1\n=\n= regel 3\n: uitleg\n  verder", "M:regel 1\n\nregel 3|U:uitleg verder"}, {"= a\n: x\n= b\n: y", "M:a|U:x|M:b|U:y"}, {"# Kop  \r\ntekst \r\n", "H:Kop|A:tekst"}, {"-------\n\"Maak  de\" 'data'", "A:------- \"Maak  de\" 'data'"}, {"tekst\n! v.png\nmeer", "A:tekst|B:v.png|A:meer"}, {"#Kop", "1"}, {"tekst\n### Kop", "2"}, {"tekst\n: uitleg", "2"}, {"= melding\n\n: uitleg", "3"}, {"tekst\n  verder", "2"}, {"- a\n\n  b", "3"}};
        for (const auto& [bron, verwacht] : rijen) {
            const Opmaak::Uitkomst uitkomst = Opmaak::Lees(bron);
            QStringList blokken;
            for (const Opmaak::Blok& blok : uitkomst.blokken)
                blokken << QChar::fromLatin1("HPAOMUB"[int(blok.soort)]) + u':' + blok.tekst;
            QCOMPARE(uitkomst.gelukt ? blokken.join(u'|') : QString::number(uitkomst.foutRegel), verwacht);
            QCOMPARE(uitkomst.fout.isEmpty(), uitkomst.gelukt);
        }
    }

    // A title page with the icon and the contents, which give each chapter's page; each chapter
    // starts a page and has a bookmark.
    void schrijftPdf()
    {
        QTemporaryDir map;
        QImage icoon(32, 32, QImage::Format_ARGB32);
        icoon.fill(Qt::red);
        QTextDocument document;
        HandleidingPdf::Opmaken(document, Opmaak::Lees("# Titel\nintro\n# Een\nx\n## Deel\nz\n# Twee\ny").blokken, icoon);
        const HandleidingPdf::Uitkomst uitkomst = HandleidingPdf::Schrijf(document, map.filePath("h.pdf"), "Titel");
        QVERIFY2(uitkomst.gelukt, qPrintable(uitkomst.fout));
        QCOMPARE(document.toPlainText(), QChar(QChar::ObjectReplacementCharacter) + u"\nTitel\nintro\nInhoud\nEen\t2\nTwee\t3\nEen\nx\nDeel\nz\nTwee\ny"_qs);
        const QByteArray inhoud = TestPaden::LeesBestand(map.filePath("h.pdf"));
        QVERIFY(inhoud.startsWith("%PDF-") && inhoud.trimmed().endsWith("%%EOF") && inhoud.contains("/Count 3") &&
                inhoud.contains("/Title <FEFF00450065006E>") && inhoud.contains("/Title <FEFF0054007700650065>"));
    }
};

QTEST_MAIN(TstHandleiding)
#include "tst_handleiding.moc"
