// hovelink.js from fuzzed texts: every value stays inside its quotes, so the script keeps
// its layout whatever the user typed, and every member name reaches the site unchanged.
#include "common/ansi.h"
#include "fuzzsteun.h"
#include "script/maakscript.h"

#include <QSet>

namespace {

QStringList Regels(const QByteArray& deel)
{
    return QString::fromUtf8(deel).split(u'\n');
}

// The line with the contents of every quoted string and every run of digits left out.
// Empty when a string is not closed on its line or a line break stands inside the line.
QByteArray Skelet(const QByteArray& regel)
{
    QByteArray uit;
    bool inTekst = false;
    for (qsizetype i = 0; i < regel.size(); ++i) {
        const char c = regel.at(i);
        if (c == '\r' || c == '\n')
            return {};
        if (inTekst) {
            if (c == '\\')
                ++i;
            else if (c == '\'') {
                inTekst = false;
                uit += c;
            }
            continue;
        }
        if (c == '\'')
            inTekst = true;
        if (c >= '0' && c <= '9') {
            if (uit.isEmpty() || uit.back() != '0')
                uit += '0';
            continue;
        }
        uit += c;
    }
    return inTekst ? QByteArray() : uit;
}

QSet<QByteArray> Skeletten(const QByteArray& script)
{
    QSet<QByteArray> uit;
    for (const QByteArray& regel : script.split('\n'))
        uit.insert(Skelet(regel.endsWith('\r') ? regel.chopped(1) : regel));
    return uit;
}

// The value of a JavaScript string written by the script writer, as the site reads it.
QString JsWaarde(const QByteArray& tekst)
{
    const QString t = Ansi::Van(tekst);
    QString uit;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t.at(i) != u'\\' || i + 1 >= t.size()) {
            uit += t.at(i);
            continue;
        }
        const QChar volgend = t.at(++i);
        if (volgend == u'r')
            uit += u'\r';
        else if (volgend == u'n')
            uit += u'\n';
        else if (volgend == u'u' && i + 4 < t.size()) {
            uit += QChar(t.mid(i + 1, 4).toUShort(nullptr, 16));
            i += 4;
        } else
            uit += volgend;
    }
    return uit;
}

ScriptInvoer Invoer(const QList<QByteArray>& d)
{
    ScriptInvoer in;
    in.txtClubnaam = QString::fromUtf8(d.at(0));
    in.cmbSpeeldag = QString::fromUtf8(d.at(1));
    in.txtContactPers = QString::fromUtf8(d.at(2));
    in.txtEindtijd = QString::fromUtf8(d.at(3));
    in.lstActEmails = Regels(d.at(4));
    in.lstDagen = Regels(d.at(5));
    const QStringList namen = Regels(d.at(6));
    const QStringList vakken = Regels(d.at(7));
    for (int k = 0; k < 4; ++k) {
        in.txtB1[k] = namen.value(k);
        in.txtB2[k] = vakken.value(k);
    }
    const QStringList kop = Regels(d.at(8));
    in.kop.koptekst = kop.value(0);
    in.kop.kopfont = kop.value(1);
    in.kop.tekstlo = kop.value(2);
    in.kop.tekstro = kop.value(3);
    in.kop.logofile = kop.value(4);
    const QByteArray vlaggen = d.at(10);
    const auto vlag = [&](int i) { return i < vlaggen.size() ? static_cast<unsigned char>(vlaggen.at(i)) : 0; };
    in.chk1 = vlag(0) % 3;
    in.chk2 = vlag(1) % 3;
    in.chkToonInvallers = vlag(2) % 3;
    in.chkToonPartner = vlag(3) % 3;
    in.chkPartnerOok = vlag(4) % 2;
    in.kop.kopkleur = static_cast<qint32>(vlag(5) * 0x01010101u);
    in.kop.kophoog = static_cast<qint16>(vlag(6));
    in.leden.LidNaam = in.leden.LidNummer = in.leden.LidGroep = in.partners = {QString()};
    // One member a line: name, number, group and partner separated by tabs.
    for (const QString& regel : Regels(d.at(9))) {
        if (regel.isEmpty())
            continue;
        const QStringList velden = regel.split(u'\t');
        in.leden.LidNaam.append(velden.value(0));
        in.leden.LidNummer.append(velden.value(1));
        in.leden.LidGroep.append(velden.value(2));
        in.partners.append(velden.value(3));
    }
    return in;
}

// The fixed lines of the layout, from a script of plain values.
const QSet<QByteArray>& Layout()
{
    static const QSet<QByteArray> layout = [] {
        QList<QByteArray> d(11);
        d[4] = "a@b.nl";
        d[5] = "dag 20250101";
        d[6] = "naam1\npartner\ninval1\ninval3";
        d[7] = "1\n1\n2\n1,2";
        d[9] = "Jan\t12\t1\t13\nPiet\t13\t2\t12";
        d[10] = QByteArray("\x01\x01\x01\x01\x01", 5);
        return Skeletten(Script::MaakScriptBestand(Invoer(d)));
    }();
    return layout;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScriptInvoer in = Invoer(FuzzSteun::Delen(FuzzSteun::Bytes(data, size), 11));
    const QByteArray script = Script::MaakScriptBestand(in);
    FUZZ_EIS(script == Script::MaakScriptBestand(in));
    FUZZ_EIS(script.endsWith("\r\n\r\n"));
    for (const QByteArray& skelet : Skeletten(script))
        FUZZ_EIS(Layout().contains(skelet));

    // Every member that is not left out reaches lid[] with its name as it was typed.
    qsizetype k = 0;
    for (qsizetype i = 1; i <= in.leden.Aantal(); ++i) {
        const QString& naam = in.leden.LidNaam.at(i);
        const bool partner = naam.size() > 6 && naam.left(7).compare(u"PARTNER", Qt::CaseInsensitive) == 0;
        if (naam.isEmpty() || (in.chkPartnerOok == 0 && partner))
            continue;
        const QByteArray begin = "lid[" + QByteArray::number(++k) + "]='";
        const qsizetype plek = script.indexOf("\r\n" + begin);
        FUZZ_EIS(plek >= 0);
        const qsizetype van = plek + 2 + begin.size();
        const qsizetype tot = script.indexOf("';\r\n", van);
        FUZZ_EIS(JsWaarde(script.mid(van, tot - van)) == Ansi::Van(Ansi::Naar(naam)));
    }
    FUZZ_EIS(script.indexOf("lid[" + QByteArray::number(k + 1) + "]='") < 0);
    return 0;
}
