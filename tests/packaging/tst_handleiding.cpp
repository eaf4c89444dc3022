#include "handleidingpdf.h"
#include "opmaak.h"
#include "support/testpaden.h"

#include <QAbstractTextDocumentLayout>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>

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

    // However the text before them runs, a message box never crosses a page end and a section
    // heading stands on the page of its first line of text.
    void blijftBijElkaar()
    {
        for (int vulling = 0; vulling < 16; ++vulling) {
            QString bron = "# Titel\n" + QString("Een alinea van een paar woorden die over een tweede regel loopt.\n\n").repeated(vulling) +
                           "## Kop\nEerste regel onder de kop.\n\n" +
                           QString("= Regel een\n= Regel twee\n: Uitleg van de melding met genoeg woorden voor twee regels.\n\n").repeated(4);
            QTextDocument document;
            HandleidingPdf::Opmaken(document, Opmaak::Lees(bron).blokken, QImage());
            HandleidingPdf::Pagineer(document, QSizeF(300, 220), 10);
            const auto pagina = [](qreal y) { return int(y / 220); };
            QAbstractTextDocumentLayout* layout = document.documentLayout();
            QCOMPARE(document.rootFrame()->childFrames().size(), 4);
            for (QTextFrame* kader : document.rootFrame()->childFrames())
                QCOMPARE(pagina(layout->frameBoundingRect(kader).top()), pagina(layout->frameBoundingRect(kader).bottom() - 1));
            const QTextBlock kop = document.findBlock(document.find("Kop").position());
            const qreal eersteRegel = layout->blockBoundingRect(kop.next()).top() + kop.next().layout()->lineAt(0).rect().bottom();
            QCOMPARE(pagina(layout->blockBoundingRect(kop).top()), pagina(eersteRegel - 1));
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
