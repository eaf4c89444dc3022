#include "script/maakscript.h"

#include "common/ansi.h"
#include "common/tekst.h"
#include "script/groepfilter.h"
#include "script/scripttekst.h"

namespace Script {
namespace {

// Collects the script line by line; every line ends with CR LF.
class Regels {
public:
    explicit Regels(QString& tekst) : m_tekst(tekst) {}

    void Regel(const QString& regel = {})
    {
        m_tekst += regel;
        m_tekst += Tekst::CrLf;
    }

    // `voor` + the value between single quotes + `na`.
    void Tekst(const QString& voor, const QString& waarde, const QString& na = u"';"_qs)
    {
        m_tekst += voor;
        m_tekst += EscapeTekst(waarde);
        Regel(na);
    }

    void Getal(const QString& voor, qint64 waarde)
    {
        m_tekst += voor;
        m_tekst += QString::number(waarde);
        Regel(u";"_qs);
    }

private:
    QString& m_tekst;
};

QString Index(const QString& naam, qsizetype n)
{
    return naam + u'[' + QString::number(n) + u']';
}

void MaakAlgemeen(const ScriptInvoer& in, Regels& r)
{
    r.Regel(u"var alg=[];"_qs);
    r.Tekst(u"alg[0]='"_qs, in.txtClubnaam);
    r.Tekst(u"alg[1]='"_qs, in.cmbSpeeldag);
    r.Getal(u"alg[2]="_qs, in.chk1);
    r.Getal(u"alg[3]="_qs, in.chk2);
    r.Tekst(u"alg[4]='"_qs, in.txtContactPers);
    r.Tekst(u"alg[5]='"_qs, in.txtEindtijd);
    r.Getal(u"alg[6]="_qs, in.chkToonInvallers);
    r.Getal(u"alg[7]="_qs, in.chkToonPartner);
    r.Getal(u"alg[8]="_qs, 1);
    r.Regel();
}

void MaakKop(const KopInstellingen& kop, Regels& r)
{
    r.Regel(u"var ikop=[];"_qs);
    r.Tekst(u"ikop[0]='"_qs, kop.koptekst);
    r.Tekst(u"ikop[1]='"_qs, kop.kopfont);
    r.Getal(u"ikop[2]="_qs, kop.kopvet);
    r.Getal(u"ikop[3]="_qs, kop.kophoog);
    r.Tekst(u"ikop[4]='"_qs, KleurNaarRgb(kop.kopkleur));
    r.Tekst(u"ikop[5]='"_qs, KleurNaarRgb(kop.kopback));
    r.Getal(u"ikop[6]="_qs, kop.logojn);
    r.Tekst(u"ikop[7]='"_qs, kop.logofile);
    r.Getal(u"ikop[8]="_qs, kop.logomarge);
    r.Getal(u"ikop[9]="_qs, kop.kopvert);
    r.Tekst(u"ikop[10]='"_qs, kop.tekstlo);
    r.Tekst(u"ikop[11]='"_qs, kop.tekstro);
    r.Getal(u"ikop[12]="_qs, kop.kopvakbr);
    r.Getal(u"ikop[13]="_qs, kop.kopvakho);
    r.Regel();
}

// A filled array function: var naam=[]; function, one line per value, the call.
void MaakLijst(const QString& naam, const QString& functie, const QStringList& waarden, Regels& r)
{
    r.Regel(u"var "_qs + naam + u"=[];"_qs);
    r.Regel(u"function "_qs + functie + u"()"_qs);
    r.Regel(u"{"_qs);
    for (qsizetype n = 0; n < waarden.size(); ++n)
        r.Tekst(Index(naam, n) + u"='"_qs, waarden.at(n));
    r.Regel(u"}"_qs);
    r.Regel(functie + u"();"_qs);
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

bool LaatWeg(const QString& naam, int chkPartnerOok)
{
    if (naam.isEmpty())
        return true;
    return chkPartnerOok == 0 && naam.size() > 6 &&
           naam.left(7).toUpper() == u"PARTNER"_qs;
}

QString Code(const ScriptInvoer& in, qsizetype i)
{
    const QString partner = in.chkToonPartner == 1 ? in.partners.value(i) : QString();
    return Cijfers(in.leden.LidNummer.value(i), 6) +
           Cijfers(partner.isEmpty() ? QStringLiteral("0") : partner, 9) +
           Cijfers(in.leden.LidGroep.value(i), 3);
}

void MaakFormat(Regels& r)
{
    r.Regel(u"function format(num, size) {"_qs);
    r.Regel(u"var s = num + '';"_qs);
    r.Regel(u"while (s.length < size) s = '0' + s;"_qs);
    r.Regel(u"return s;}"_qs);
    r.Regel();
}

void MaakDeclaraties(const ScriptInvoer& in, Regels& r)
{
    r.Regel(u"var idbnrbes=[];"_qs);
    r.Regel(u"var lid=[];"_qs);
    for (int k = 0; k < 4; ++k)
        r.Tekst(u"var DUM1"_qs + QString::number(k) + u"='"_qs, GroepFilter(in.txtB2.at(k), k));
    r.Regel();
}

void MaakLedenlijst(const ScriptInvoer& in, Regels& r)
{
    r.Regel(u"function LedenNaarDims()"_qs);
    r.Regel(u"{"_qs);
    r.Tekst(u"lid[0]='"_qs, QStringLiteral("-----  KIES NAAM  -----"));
    r.Tekst(u"idbnrbes[0]='"_qs, QString(18, u'0'));
    qsizetype k = 0;
    for (qsizetype i = 1; i <= in.leden.Aantal(); ++i) {
        const QString& naam = in.leden.LidNaam.at(i);
        if (LaatWeg(naam, in.chkPartnerOok))
            continue;
        ++k;
        // Quotes first: the \u escapes of EscapeNaam must keep their single backslash.
        r.Regel(Index(u"lid"_qs, k) + u"='"_qs + EscapeNaam(EscapeTekst(naam)) + u"';"_qs);
        r.Tekst(Index(u"idbnrbes"_qs, k) + u"='"_qs, Code(in, i));
    }
    r.Regel(u"}"_qs);
    r.Regel();
    r.Regel(u"LedenNaarDims();"_qs);
    r.Regel();
}

void MaakVulCombo(const ScriptInvoer& in, Regels& r)
{
    const QString geenPartner = QStringLiteral("    if (lid[i].substring(0,7)=='Partner') {oke=0}");
    r.Regel(u"function VulCombo(cmbnaam)"_qs);
    r.Regel(u"{"_qs);
    r.Regel(u"var frm=document.forms[0];"_qs);
    r.Regel(u"for (var i=0; i<lid.length; i++)"_qs);
    r.Regel(u"{"_qs);
    r.Regel(u"var oke = 0;"_qs);
    r.Regel(u"var zoek = idbnrbes[i].substring(15,18);"_qs);
    r.Tekst(u"if (cmbnaam == '"_qs, in.txtB1.at(0), u"'){"_qs);
    r.Regel(u"    if (DUM10.indexOf(zoek) > -1){oke=1} "_qs);
    r.Regel(geenPartner);
    r.Regel(u"    }"_qs);
    r.Tekst(u"if (cmbnaam == '"_qs, in.txtB1.at(1), u"'){"_qs);
    r.Regel(u"    if (DUM11.indexOf(zoek) > -1){oke=1} }"_qs);
    r.Tekst(u"if (cmbnaam == '"_qs, in.txtB1.at(2), u"'){"_qs);
    r.Regel(u"    if (DUM12.indexOf(zoek) > -1){oke=1}"_qs);
    r.Regel(geenPartner);
    r.Regel(u"    }"_qs);
    r.Tekst(u"if (cmbnaam == '"_qs, in.txtB1.at(3), u"'){"_qs);
    r.Regel(u"    if (DUM13.indexOf(zoek) > -1){oke=1} }"_qs);
    r.Regel(u"if (oke == 1) {"_qs);
    r.Regel(u"var y=document.createElement('option');"_qs);
    r.Regel(u"y.text=lid[i];"_qs);
    r.Regel(u"y.value=idbnrbes[i];"_qs);
    r.Regel(u"var x=frm.elements[cmbnaam];"_qs);
    r.Regel(u"try         {x.add(y,null);}"_qs);
    r.Regel(u"catch(ex)   {x.add(y);}"_qs);
    r.Regel(u"}"_qs);
    r.Regel(u"}"_qs);
    r.Regel(u"}"_qs);
}

} // namespace

void MaakLedenDeel(const ScriptInvoer& invoer, QString& scriptTekst)
{
    Regels r(scriptTekst);
    MaakFormat(r);
    MaakDeclaraties(invoer, r);
    MaakLedenlijst(invoer, r);
    MaakVulCombo(invoer, r);
}

QByteArray MaakScriptBestand(const ScriptInvoer& invoer)
{
    QString scriptTekst;
    // About 70 characters per member; one allocation instead of many for big clubs.
    scriptTekst.reserve(2048 + 70 * invoer.leden.Aantal());
    Regels r(scriptTekst);
    MaakAlgemeen(invoer, r);
    MaakKop(invoer.kop, r);
    MaakLijst(u"actem"_qs, u"ActemNaarDim"_qs, Adressen(invoer.lstActEmails), r);
    MaakLijst(u"dag"_qs, u"DagenNaarDim"_qs, Dagen(invoer.lstDagen), r);
    MaakLedenDeel(invoer, scriptTekst);
    r.Regel();
    return Ansi::Naar(scriptTekst);
}

} // namespace Script
