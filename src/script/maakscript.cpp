#include "script/maakscript.h"

#include "common/ansi.h"
#include "common/tekst.h"
#include "script/groepfilter.h"
#include "script/scripttekst.h"
#include "script/sitevakken.h"

#include <algorithm>
#include <charconv>

namespace Script {
namespace {

// Writes the script line by line straight into Windows-1252 bytes: fixed script text is
// ASCII and is copied as it is, values are escaped and converted one by one. A club of
// 10,000 members so costs at most one allocation per member, not a few per character.
class Regels {
public:
    explicit Regels(QByteArray& bytes) : m_bytes(bytes) {}

    void Regel(const char* vast = "")
    {
        m_bytes.append(vast);
        m_bytes.append("\r\n", 2);
    }

    // `voor` + the value + `na`; the value is meant to stand between single quotes.
    void Tekst(const char* voor, const QString& waarde, const char* na = "';")
    {
        m_bytes.append(voor);
        if (!Letterlijk(waarde))
            m_bytes.append(Ansi::Naar(EscapeTekst(waarde)));
        Regel(na);
    }

    void Getal(const char* voor, qint64 waarde)
    {
        m_bytes.append(voor);
        Decimaal(waarde);
        Regel(";");
    }

    // naam[n]=' : the start of an array entry that holds a text.
    void Element(const char* naam, qsizetype n)
    {
        m_bytes.append(naam);
        m_bytes.append('[');
        Decimaal(n);
        m_bytes.append("]='", 3);
    }

    void Naam(const QString& naam)
    {
        // Quotes first: the \u escapes of EscapeNaam must keep their single backslash.
        if (!Letterlijk(naam))
            m_bytes.append(Ansi::Naar(EscapeNaam(EscapeTekst(naam))));
        Regel("';");
    }

    // Member number with 6 digits, partner number with 9, group number with 3.
    void Code(const QString& nummer, const QString& partner, const QString& groep)
    {
        VoegLidCodeToe(m_bytes, nummer, partner, groep);
        Regel("';");
    }

private:
    // Printable ASCII without backslash or apostrophe passes every rule and the code page
    // unchanged, so it is copied as it is: most names of most clubs, without a copy.
    bool Letterlijk(const QString& tekst)
    {
        const bool gewoon = std::all_of(tekst.begin(), tekst.end(), [](QChar c) {
            return c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'\\' && c != u'\'';
        });
        if (!gewoon)
            return false;
        const qsizetype begin = m_bytes.size();
        m_bytes.resize(begin + tekst.size());
        std::transform(tekst.begin(), tekst.end(), m_bytes.data() + begin,
                       [](QChar c) { return static_cast<char>(c.unicode()); });
        return true;
    }

    void Decimaal(qint64 waarde)
    {
        char buffer[24];
        const char* eind = std::to_chars(buffer, buffer + sizeof buffer, waarde).ptr;
        m_bytes.append(buffer, eind - buffer);
    }

    QByteArray& m_bytes;
};

void MaakAlgemeen(const ScriptInvoer& in, Regels& r)
{
    r.Regel("var alg=[];");
    r.Tekst("alg[0]='", in.txtClubnaam);
    r.Tekst("alg[1]='", in.cmbSpeeldag);
    r.Getal("alg[2]=", in.chk1);
    r.Getal("alg[3]=", in.chk2);
    r.Tekst("alg[4]='", in.txtContactPers);
    r.Tekst("alg[5]='", in.txtEindtijd);
    r.Getal("alg[6]=", in.chkToonInvallers);
    r.Getal("alg[7]=", in.chkToonPartner);
    r.Getal("alg[8]=", 1);
    r.Regel();
}

void MaakKop(const KopInstellingen& kop, Regels& r)
{
    r.Regel("var ikop=[];");
    r.Tekst("ikop[0]='", kop.koptekst);
    r.Tekst("ikop[1]='", kop.kopfont);
    r.Getal("ikop[2]=", kop.kopvet);
    r.Getal("ikop[3]=", kop.kophoog);
    r.Tekst("ikop[4]='", KleurNaarRgb(kop.kopkleur));
    r.Tekst("ikop[5]='", KleurNaarRgb(kop.kopback));
    r.Getal("ikop[6]=", kop.logojn);
    r.Tekst("ikop[7]='", kop.logofile);
    r.Getal("ikop[8]=", kop.logomarge);
    r.Getal("ikop[9]=", kop.kopvert);
    r.Tekst("ikop[10]='", kop.tekstlo);
    r.Tekst("ikop[11]='", kop.tekstro);
    r.Getal("ikop[12]=", kop.kopvakbr);
    r.Getal("ikop[13]=", kop.kopvakho);
    r.Regel();
}

// var naam=[]; a function that fills it, one line per value; the call.
void MaakLijst(const char* naam, const char* functie, const QStringList& waarden, Regels& r)
{
    r.Regel(QByteArray("var ").append(naam).append("=[];").constData());
    r.Regel(QByteArray("function ").append(functie).append("()").constData());
    r.Regel("{");
    for (qsizetype n = 0; n < waarden.size(); ++n) {
        r.Element(naam, n);
        r.Tekst("", waarden.at(n));
    }
    r.Regel("}");
    r.Regel(QByteArray(functie).append("();").constData());
    r.Regel();
}

QStringList Adressen(const QStringList& lstActEmails)
{
    QStringList uit;
    for (const QString& adres : lstActEmails) {
        const QString s = Tekst::Trim(adres);
        if (!s.isEmpty())
            uit.append(s);
    }
    return uit;
}

QStringList Dagen(const QStringList& lstDagen)
{
    QStringList uit;
    for (const QString& dag : lstDagen)
        uit.append(dag.right(8));
    return uit;
}

void MaakFormat(Regels& r)
{
    r.Regel("function format(num, size) {");
    r.Regel("var s = num + '';");
    r.Regel("while (s.length < size) s = '0' + s;");
    r.Regel("return s;}");
    r.Regel();
}

void MaakDeclaraties(const ScriptInvoer& in, Regels& r)
{
    static const char* const kFilters[4] = {"var DUM10='", "var DUM11='", "var DUM12='",
                                            "var DUM13='"};
    r.Regel("var idbnrbes=[];");
    r.Regel("var lid=[];");
    for (int k = 0; k < 4; ++k)
        r.Tekst(kFilters[k], GroepFilter(in.txtB2.at(k), k));
    r.Regel();
}

void MaakLedenlijst(const ScriptInvoer& in, Regels& r)
{
    r.Regel("function LedenNaarDims()");
    r.Regel("{");
    r.Element("lid", 0);
    r.Tekst("", QLatin1String(KiesNaam));
    r.Element("idbnrbes", 0);
    r.Tekst("", QLatin1String(KiesNaamCode));
    qsizetype k = 0;
    for (qsizetype i = 1; i <= in.leden.Aantal(); ++i) {
        const QString& naam = in.leden.LidNaam.at(i);
        if (!LidOpSite(naam, in.chkPartnerOok))
            continue;
        ++k;
        r.Element("lid", k);
        r.Naam(naam);
        const QString partner = in.chkToonPartner == 1 ? in.partners.value(i) : QString();
        r.Element("idbnrbes", k);
        r.Code(in.leden.LidNummer.value(i), partner, in.leden.LidGroep.value(i));
    }
    r.Regel("}");
    r.Regel();
    r.Regel("LedenNaarDims();");
    r.Regel();
}

void MaakVulCombo(const ScriptInvoer& in, Regels& r)
{
    const char* const geenPartner = "    if (lid[i].substring(0,7)=='Partner') {oke=0}";
    r.Regel("function VulCombo(cmbnaam)");
    r.Regel("{");
    r.Regel("var frm=document.forms[0];");
    r.Regel("for (var i=0; i<lid.length; i++)");
    r.Regel("{");
    r.Regel("var oke = 0;");
    r.Regel("var zoek = idbnrbes[i].substring(15,18);");
    r.Tekst("if (cmbnaam == '", in.txtB1.at(0), "'){");
    r.Regel("    if (DUM10.indexOf(zoek) > -1){oke=1} ");
    r.Regel(geenPartner);
    r.Regel("    }");
    r.Tekst("if (cmbnaam == '", in.txtB1.at(1), "'){");
    r.Regel("    if (DUM11.indexOf(zoek) > -1){oke=1} }");
    r.Tekst("if (cmbnaam == '", in.txtB1.at(2), "'){");
    r.Regel("    if (DUM12.indexOf(zoek) > -1){oke=1}");
    r.Regel(geenPartner);
    r.Regel("    }");
    r.Tekst("if (cmbnaam == '", in.txtB1.at(3), "'){");
    r.Regel("    if (DUM13.indexOf(zoek) > -1){oke=1} }");
    r.Regel("if (oke == 1) {");
    r.Regel("var y=document.createElement('option');");
    r.Regel("y.text=lid[i];");
    r.Regel("y.value=idbnrbes[i];");
    r.Regel("var x=frm.elements[cmbnaam];");
    r.Regel("try         {x.add(y,null);}");
    r.Regel("catch(ex)   {x.add(y);}");
    r.Regel("}");
    r.Regel("}");
    r.Regel("}");
}

} // namespace

void MaakLedenDeel(const ScriptInvoer& invoer, QByteArray& script)
{
    Regels r(script);
    MaakFormat(r);
    MaakDeclaraties(invoer, r);
    MaakLedenlijst(invoer, r);
    MaakVulCombo(invoer, r);
}

QByteArray MaakScriptBestand(const ScriptInvoer& invoer)
{
    QByteArray script;
    // About 90 bytes per member; one allocation instead of many for a big club.
    script.reserve(4096 + 100 * invoer.leden.Aantal());
    Regels r(script);
    MaakAlgemeen(invoer, r);
    MaakKop(invoer.kop, r);
    MaakLijst("actem", "ActemNaarDim", Adressen(invoer.lstActEmails), r);
    MaakLijst("dag", "DagenNaarDim", Dagen(invoer.lstDagen), r);
    MaakLedenDeel(invoer, script);
    r.Regel();
    return script;
}

} // namespace Script
