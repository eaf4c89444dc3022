#include "bladwijzers.h"

#include <QRegularExpression>

namespace {

QByteArray Verwijzing(int object)
{
    return QByteArray::number(object) + " 0 R";
}

// A text string in UTF-16 with byte order mark, so accented titles survive.
QByteArray Tekst(const QString& tekst)
{
    QByteArray utf16("FEFF");
    for (const QChar teken : tekst)
        utf16 += QByteArray::number(teken.unicode(), 16).rightJustified(4, '0').toUpper();
    return '<' + utf16 + '>';
}

QByteArray Regel(qsizetype positie)
{
    return QByteArray::number(positie).rightJustified(10, '0') + " 00000 n \n";
}

} // namespace

namespace Bladwijzers {

bool VoegToe(QByteArray& pdf, const QList<Paginering::Hoofdstuk>& hoofdstukken)
{
    const QString tekst = QString::fromLatin1(pdf);
    const auto trailer = QRegularExpression(QStringLiteral("trailer\\s*<<(.*?)>>\\s*startxref\\s*(\\d+)"),
                                            QRegularExpression::DotMatchesEverythingOption)
                             .match(tekst);
    const auto wortel = QRegularExpression(QStringLiteral("/Root (\\d+) 0 R")).match(trailer.captured(1));
    const auto grootte = QRegularExpression(QStringLiteral("/Size (\\d+)")).match(trailer.captured(1));
    if (!trailer.hasMatch() || !wortel.hasMatch() || !grootte.hasMatch() || hoofdstukken.isEmpty())
        return false;
    const int catalogus = wortel.captured(1).toInt();
    const auto catalogusObject = QRegularExpression(QStringLiteral("\\n%1 0 obj\\s*<<(.*?)>>\\s*endobj").arg(catalogus),
                                                    QRegularExpression::DotMatchesEverythingOption)
                                     .match(tekst);
    const auto paginas = QRegularExpression(QStringLiteral("/Type /Pages\\s*/Kids\\s*\\[([^\\]]*)\\]")).match(tekst);
    if (!catalogusObject.hasMatch() || !paginas.hasMatch())
        return false;
    QList<int> pagina;
    for (const auto& kind : QRegularExpression(QStringLiteral("(\\d+) 0 R")).globalMatch(paginas.captured(1)))
        pagina.append(kind.captured(1).toInt());
    for (const Paginering::Hoofdstuk& hoofdstuk : hoofdstukken)
        if (hoofdstuk.pagina < 0 || hoofdstuk.pagina >= pagina.size())
            return false;

    // The outline takes the next free object numbers: the root, then one per chapter.
    const int omtrek = grootte.captured(1).toInt();
    const int aantal = static_cast<int>(hoofdstukken.size());
    QByteArray bijwerking = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    QList<qsizetype> posities;
    const auto object = [&](int nummer, const QByteArray& inhoud) {
        posities.append(pdf.size() + bijwerking.size());
        bijwerking += QByteArray::number(nummer) + " 0 obj\n<<\n" + inhoud + ">>\nendobj\n";
    };
    object(catalogus, catalogusObject.captured(1).toLatin1().trimmed() + "\n/Outlines " + Verwijzing(omtrek) +
                          "\n/PageMode /UseOutlines\n");
    object(omtrek, "/Type /Outlines\n/First " + Verwijzing(omtrek + 1) + "\n/Last " + Verwijzing(omtrek + aantal) +
                       "\n/Count " + QByteArray::number(aantal) + "\n");
    for (int i = 0; i < aantal; ++i) {
        QByteArray item = "/Title " + Tekst(hoofdstukken.at(i).titel) + "\n/Parent " + Verwijzing(omtrek) + "\n/Dest [" +
                          Verwijzing(pagina.at(hoofdstukken.at(i).pagina)) + " /Fit]\n";
        if (i > 0)
            item += "/Prev " + Verwijzing(omtrek + i) + "\n";
        if (i + 1 < aantal)
            item += "/Next " + Verwijzing(omtrek + i + 2) + "\n";
        object(omtrek + 1 + i, item);
    }

    const qsizetype xref = pdf.size() + bijwerking.size();
    bijwerking += "xref\n0 1\n0000000000 65535 f \n" + QByteArray::number(catalogus) + " 1\n" + Regel(posities.at(0)) +
                  QByteArray::number(omtrek) + ' ' + QByteArray::number(aantal + 1) + '\n';
    for (qsizetype i = 1; i < posities.size(); ++i)
        bijwerking += Regel(posities.at(i));
    bijwerking += "trailer\n<<\n" + trailer.captured(1).toLatin1().trimmed().replace(grootte.captured(0).toLatin1(), "/Size " + QByteArray::number(omtrek + aantal + 1)) +
                  "\n/Prev " + trailer.captured(2).toLatin1() + "\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    pdf += bijwerking;
    return true;
}

} // namespace Bladwijzers
