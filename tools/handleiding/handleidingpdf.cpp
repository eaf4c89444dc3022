#include "handleidingpdf.h"

#include "paginering.h"

#include "bladwijzers.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

namespace {

using Opmaak::Blok;
using Opmaak::Soort;

const QColor kGroen(31, 111, 67);
const QColor kMeldingAchtergrond(238, 243, 240);
const QColor kMeldingTekst(20, 60, 38);
constexpr qreal kTekstPunten = 10.5;
const QString kIcoonNaam = QStringLiteral("hovelink-icoon");
constexpr qreal kMarge = 2 / 2.54 * 96;                      // 2 cm at the layout's 96 dpi
constexpr qreal kTekstBreedte = 21 / 2.54 * 96 - 2 * kMarge; // A4

QTextCharFormat Letter(qreal punten, bool vet, const QColor& kleur = Qt::black)
{
    QTextCharFormat letter;
    letter.setFontPointSize(punten);
    letter.setFontWeight(vet ? QFont::Bold : QFont::Normal);
    letter.setForeground(kleur);
    return letter;
}

QTextBlockFormat Alinea(qreal boven, qreal onder)
{
    QTextBlockFormat alinea;
    alinea.setTopMargin(boven);
    alinea.setBottomMargin(onder);
    alinea.setLineHeight(125, QTextBlockFormat::ProportionalHeight);
    return alinea;
}

class Zetter {
public:
    Zetter(QTextDocument& document, const QImage& icoon, const QHash<QString, QImage>& afbeeldingen)
        : m_document(document), m_cursor(&document), m_icoon(icoon), m_afbeeldingen(afbeeldingen) {}
    void Zet(const QList<Blok>& blokken);

private:
    void NieuwBlok(const QTextBlockFormat& alinea, const QTextCharFormat& letter);
    void Titelblad(const QString& titel);
    void Inhoud(const QList<Blok>& blokken);
    void Hoofdstuk(const QString& titel, int nummer);
    void Afbeelding(const QString& naam);
    void Opsomming(const QString& tekst);
    void Melding(const QString& tekst);
    void SluitMelding();

    QTextDocument& m_document;
    QTextCursor m_cursor;
    QImage m_icoon;
    const QHash<QString, QImage>& m_afbeeldingen;
    bool m_blokLeeg = true;          // the cursor stands in an empty block that the next block takes
    QTextList* m_lijst = nullptr;    // the bullet list that the next bullet joins
    QTextTable* m_melding = nullptr; // the message whose explanation may follow
};

void Zetter::NieuwBlok(const QTextBlockFormat& alinea, const QTextCharFormat& letter)
{
    if (m_blokLeeg) {
        m_cursor.setBlockFormat(alinea);
        m_cursor.setBlockCharFormat(letter);
        m_cursor.setCharFormat(letter);
        m_blokLeeg = false;
    } else {
        m_cursor.insertBlock(alinea, letter);
    }
}

void Zetter::Titelblad(const QString& titel)
{
    QTextBlockFormat midden = Alinea(40, 24);
    midden.setAlignment(Qt::AlignHCenter);
    if (!m_icoon.isNull()) {
        NieuwBlok(midden, Letter(kTekstPunten, false));
        m_document.addResource(QTextDocument::ImageResource, QUrl(kIcoonNaam), m_icoon);
        QTextImageFormat beeld;
        beeld.setName(kIcoonNaam);
        beeld.setWidth(128);
        beeld.setHeight(128);
        m_cursor.insertImage(beeld);
    }
    NieuwBlok(midden, Letter(26, true, kGroen));
    m_cursor.insertText(titel);
}

void Zetter::Inhoud(const QList<Blok>& blokken)
{
    NieuwBlok(Alinea(24, 6), Letter(13, true, kGroen));
    m_cursor.insertText(QStringLiteral("Inhoud"));
    QTextBlockFormat regel = Alinea(0, 2);
    regel.setLeftMargin(12);
    regel.setTabPositions({QTextOption::Tab(kTekstBreedte - 12, QTextOption::RightTab)});
    int nummer = 0;
    for (const Blok& blok : blokken) {
        if (blok.soort != Soort::Hoofdstuk || ++nummer == 1)
            continue;
        regel.setProperty(Paginering::kInhoudRegel, nummer - 1);
        NieuwBlok(regel, Letter(kTekstPunten, false));
        m_cursor.insertText(blok.tekst + u'\t');
    }
}

void Zetter::Hoofdstuk(const QString& titel, int nummer)
{
    QTextBlockFormat kop = Alinea(0, 10);
    kop.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    kop.setProperty(Paginering::kHoofdstuk, nummer);
    NieuwBlok(kop, Letter(18, true, kGroen));
    m_cursor.insertText(titel);
}

void Zetter::Afbeelding(const QString& naam)
{
    const QImage afbeelding = m_afbeeldingen.value(naam);
    if (afbeelding.isNull())
        return;
    QTextBlockFormat midden = Alinea(6, 4);
    midden.setAlignment(Qt::AlignHCenter);
    NieuwBlok(midden, Letter(kTekstPunten, false));
    m_document.addResource(QTextDocument::ImageResource, QUrl(naam), afbeelding);
    // A window as large as the text is wide, never enlarged; the size the screen would show it.
    const QSizeF grootte = afbeelding.deviceIndependentSize();
    const qreal schaal = qMin(1.0, kTekstBreedte / grootte.width());
    QTextImageFormat beeld;
    beeld.setName(naam);
    beeld.setWidth(grootte.width() * schaal);
    beeld.setHeight(grootte.height() * schaal);
    m_cursor.insertImage(beeld);
}

void Zetter::Opsomming(const QString& tekst)
{
    NieuwBlok(Alinea(0, 3), Letter(kTekstPunten, false));
    if (m_lijst) {
        m_lijst->add(m_cursor.block());
    } else {
        QTextListFormat bolletjes;
        bolletjes.setStyle(QTextListFormat::ListDisc);
        m_lijst = m_cursor.createList(bolletjes);
    }
    m_cursor.insertText(tekst);
}

void Zetter::Melding(const QString& tekst)
{
    // A message and its explanation share the one cell of a table: the layout moves a table row
    // that does not fit to the next page, so the two stay together.
    SluitMelding();
    QTextTableFormat tabel;
    tabel.setBorder(0);
    tabel.setCellPadding(0);
    tabel.setCellSpacing(0);
    tabel.setTopMargin(6);
    tabel.setBottomMargin(8); // a heading right after a table gets no top margin of its own
    tabel.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    m_melding = m_cursor.insertTable(1, 1, tabel);

    QTextBlockFormat kader = Alinea(0, 2);
    kader.setBackground(kMeldingAchtergrond);
    const QTextCharFormat letter = Letter(kTekstPunten, true, kMeldingTekst);
    m_cursor.setBlockFormat(kader);
    m_cursor.setBlockCharFormat(letter);
    m_cursor.setCharFormat(letter);
    QString regels = tekst;
    regels.replace(u'\n', QChar::LineSeparator);
    m_cursor.insertText(regels);
    m_blokLeeg = false;
}

void Zetter::SluitMelding()
{
    if (!m_melding)
        return;
    // Continue in the empty block that always follows a table.
    m_cursor.setPosition(m_melding->lastPosition() + 1);
    m_melding = nullptr;
    m_blokLeeg = true;
}

void Zetter::Zet(const QList<Blok>& blokken)
{
    // The first chapter is the title page; the contents close it, before the second chapter.
    int hoofdstukken = 0;
    for (const Blok& blok : blokken) {
        if (blok.soort != Soort::Opsomming)
            m_lijst = nullptr;
        if (blok.soort != Soort::Uitleg)
            SluitMelding();
        switch (blok.soort) {
        case Soort::Hoofdstuk:
            if (++hoofdstukken == 1) {
                Titelblad(blok.tekst);
                break;
            }
            if (hoofdstukken == 2)
                Inhoud(blokken);
            Hoofdstuk(blok.tekst, hoofdstukken - 1);
            break;
        case Soort::Afbeelding:
            Afbeelding(blok.tekst);
            break;
        case Soort::Paragraaf: {
            QTextBlockFormat kop = Alinea(14, 4);
            kop.setProperty(Paginering::kHoudBijVolgende, true);
            NieuwBlok(kop, Letter(13, true, kGroen));
            m_cursor.insertText(blok.tekst);
            break;
        }
        case Soort::Alinea:
            NieuwBlok(Alinea(3, 6), Letter(kTekstPunten, false));
            m_cursor.insertText(blok.tekst);
            break;
        case Soort::Opsomming:
            Opsomming(blok.tekst);
            break;
        case Soort::Melding:
            Melding(blok.tekst);
            break;
        case Soort::Uitleg: {
            QTextBlockFormat uitleg = Alinea(2, 4);
            uitleg.setLeftMargin(18);
            NieuwBlok(uitleg, Letter(kTekstPunten, false));
            m_cursor.insertText(blok.tekst);
            break;
        }
        }
    }
}

// Pages of the given size with the given margin all round, keeping message boxes and section
// headings together with what they belong to. The page size is in the units of the layout's paint
// device; the margin, like every format length, in pixels at 96 dpi.
void Pagineer(QTextDocument& document, const QSizeF& blad, qreal marge)
{
    QTextFrameFormat rand = document.rootFrame()->frameFormat();
    rand.setMargin(marge);
    document.rootFrame()->setFrameFormat(rand);
    document.setPageSize(blad);
    Paginering::HoudSamen(document);
}

} // namespace

namespace HandleidingPdf {

void Opmaken(QTextDocument& document, const QList<Opmaak::Blok>& blokken, const QImage& icoon,
             const QHash<QString, QImage>& afbeeldingen)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kTekstPunten);
    document.setDefaultFont(font);
    Zetter(document, icoon, afbeeldingen).Zet(blokken);
}

Uitkomst Schrijf(QTextDocument& document, const QString& pad, const QString& titel)
{
    QBuffer uitvoer;
    uitvoer.open(QIODevice::WriteOnly);
    QList<Paginering::Hoofdstuk> hoofdstukken;
    {
        QPdfWriter pdf(&uitvoer);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("Hovelink"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        // The whole sheet is the page; the document keeps 2 cm margins, and the page number
        // stands in the bottom margin.
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        document.documentLayout()->setPaintDevice(&pdf);
        const QSizeF blad(pdf.width(), pdf.height());
        Pagineer(document, blad, kMarge);
        hoofdstukken = Paginering::Nummer(document);
        // The layout scales margins from 96 dpi to the writer; the page number is drawn directly.
        const qreal marge = kMarge * pdf.logicalDpiY() / 96.0;

        QPainter schilder(&pdf);
        const QFont nummerLetter(document.defaultFont(), &pdf);
        for (int pagina = 0; pagina < document.pageCount(); ++pagina) {
            if (pagina > 0)
                pdf.newPage();
            const QRectF zicht(0, pagina * blad.height(), blad.width(), blad.height());
            schilder.save();
            schilder.translate(0, -zicht.top());
            schilder.setClipRect(zicht);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = zicht;
            context.palette.setColor(QPalette::Text, Qt::black);
            document.documentLayout()->draw(&schilder, context);
            schilder.restore();

            schilder.setFont(nummerLetter);
            const QString nummer = QString::number(pagina + 1);
            const QFontMetricsF maten = schilder.fontMetrics();
            schilder.drawText(QPointF(blad.width() - marge - maten.horizontalAdvance(nummer),
                                      blad.height() - marge / 2),
                              nummer);
        }
    }
    QByteArray inhoud = uitvoer.data();
    if (!hoofdstukken.isEmpty() && !Bladwijzers::VoegToe(inhoud, hoofdstukken))
        return {false, QStringLiteral("de bladwijzers passen niet in de PDF van QPdfWriter")};
    QSaveFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(inhoud) != inhoud.size() || !bestand.commit())
        return {false, bestand.errorString()};
    return {true, {}};
}

} // namespace HandleidingPdf
