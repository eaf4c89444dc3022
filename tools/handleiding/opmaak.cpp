#include "opmaak.h"

#include <QStringList>

namespace {

using Opmaak::Blok;
using Opmaak::Soort;

const QString kInspringing = QStringLiteral("  ");

QString ZonderSpatiesRechts(QString regel)
{
    while (regel.endsWith(u' '))
        regel.chop(1);
    return regel;
}

QString ZonderSpatiesLinks(const QString& regel)
{
    qsizetype begin = 0;
    while (begin < regel.size() && regel.at(begin) == u' ')
        ++begin;
    return regel.mid(begin);
}

bool IsVervolgbaar(Soort soort)
{
    return soort == Soort::Opsomming || soort == Soort::Uitleg;
}

class Lezer {
public:
    Opmaak::Uitkomst Lees(const QString& bron);

private:
    // Returns false with m_fout set when the line breaks the markup.
    bool Regel(const QString& regel);
    Blok* Open() { return m_open ? &m_uitkomst.blokken.last() : nullptr; }
    void Begin(Soort soort, const QString& tekst);

    Opmaak::Uitkomst m_uitkomst;
    bool m_open = false;
    QString m_fout;
};

void Lezer::Begin(Soort soort, const QString& tekst)
{
    m_uitkomst.blokken.append({soort, tekst});
    m_open = true;
}

bool Lezer::Regel(const QString& regel)
{
    Blok* open = Open();
    if (regel.isEmpty()) {
        m_open = false;
        return true;
    }
    if (regel.startsWith(u'#')) {
        if (regel.startsWith(QStringLiteral("# ")))
            Begin(Soort::Hoofdstuk, regel.mid(2));
        else if (regel.startsWith(QStringLiteral("## ")))
            Begin(Soort::Paragraaf, regel.mid(3));
        else {
            m_fout = QStringLiteral("onbekende kop (gebruik \"# \" of \"## \")");
            return false;
        }
        m_open = false; // a heading is always one line
        return true;
    }
    if (regel.startsWith(QStringLiteral("! "))) {
        Begin(Soort::Afbeelding, regel.mid(2));
        m_open = false; // a picture is always one line
        return true;
    }
    if (regel.startsWith(QStringLiteral("- "))) {
        Begin(Soort::Opsomming, regel.mid(2));
        return true;
    }
    if (regel == u"=" || regel.startsWith(QStringLiteral("= "))) {
        const QString tekst = regel.mid(2);
        if (open && open->soort == Soort::Melding)
            open->tekst += u'\n' + tekst;
        else
            Begin(Soort::Melding, tekst);
        return true;
    }
    if (regel.startsWith(QStringLiteral(": "))) {
        if (!open || open->soort != Soort::Melding) {
            m_fout = QStringLiteral("uitleg zonder melding erboven");
            return false;
        }
        Begin(Soort::Uitleg, regel.mid(2));
        return true;
    }
    if (regel.startsWith(kInspringing)) {
        if (!open || !IsVervolgbaar(open->soort)) {
            m_fout = QStringLiteral("ingesprongen regel zonder opsomming of uitleg erboven");
            return false;
        }
        open->tekst += u' ' + ZonderSpatiesLinks(regel);
        return true;
    }
    if (open && open->soort == Soort::Alinea)
        open->tekst += u' ' + regel;
    else
        Begin(Soort::Alinea, regel);
    return true;
}

Opmaak::Uitkomst Lezer::Lees(const QString& bron)
{
    const QStringList regels = bron.split(u'\n');
    for (qsizetype i = 0; i < regels.size(); ++i) {
        QString regel = regels.at(i);
        if (regel.endsWith(u'\r'))
            regel.chop(1);
        if (!Regel(ZonderSpatiesRechts(regel))) {
            m_uitkomst.foutRegel = static_cast<int>(i) + 1;
            m_uitkomst.fout = m_fout;
            m_uitkomst.blokken.clear();
            return m_uitkomst;
        }
    }
    m_uitkomst.gelukt = true;
    return m_uitkomst;
}

} // namespace

namespace Opmaak {

Uitkomst Lees(const QString& bron)
{
    return Lezer().Lees(bron);
}

} // namespace Opmaak
