#include "scriptvoorbeelden.h"

namespace ScriptVoorbeelden {

ScriptInvoer Basis()
{
    ScriptInvoer in;
    in.txtClubnaam = QStringLiteral("BC De Troef");
    in.cmbSpeeldag = QStringLiteral("donderdag-avond");
    in.txtB1 = {QStringLiteral("naam1"), QStringLiteral("partner"), QStringLiteral("inval1"),
                QStringLiteral("inval3")};
    in.leden.LidNaam = {QString()};
    in.leden.LidNummer = {QString()};
    in.leden.LidGroep = {QString()};
    in.partners = {QString()};
    return in;
}

void VoegLidToe(ScriptInvoer& in, const QString& naam, const QString& nummer, const QString& groep,
                const QString& partner)
{
    in.leden.LidNaam.append(naam);
    in.leden.LidNummer.append(nummer);
    in.leden.LidGroep.append(groep);
    in.partners.append(partner);
}

QString DagRegel(const QString& lang, const QString& datum)
{
    return lang + QString(40, u' ') + datum;
}

ScriptInvoer TweeLeden()
{
    ScriptInvoer in = Basis();
    in.chkToonInvallers = 1;
    in.chk1 = 1;
    in.chk2 = 0;
    in.chkToonPartner = 1;
    in.chkPartnerOok = 1;
    in.txtContactPers = QStringLiteral("Piet Bakker");
    in.txtEindtijd = QStringLiteral("15:30");
    in.lstActEmails = {QStringLiteral("  afmelden@troef.nl  "),
                       QStringLiteral("secretaris@troef.nl")};
    in.lstDagen = {
        DagRegel(QStringLiteral("donderdag-avond 4 september 2025"), QStringLiteral("20250904")),
        DagRegel(QStringLiteral("donderdag-avond 11 september 2025"), QStringLiteral("20250911"))};
    in.txtB2 = {QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("3"),
                QStringLiteral("2,3")};
    in.kop.kopvakbr = 750;
    in.kop.kopvakho = 100;
    in.kop.koptekst = QStringLiteral("BC De Troef");
    in.kop.kopfont = QStringLiteral("Arial");
    in.kop.kopkleur = 0;
    in.kop.kophoogi = 7;
    in.kop.kophoog = 24;
    in.kop.kopvet = 1;
    in.kop.kopback = 65535;
    in.kop.kopverti = 10;
    in.kop.kopvert = 20;
    in.kop.tekstlo = QStringLiteral("abcde");
    in.kop.tekstro = QStringLiteral("info@troef.nl");
    in.kop.logofile = QStringLiteral("000001.jpg");
    in.kop.logomarge = 5;
    in.kop.logojn = 1;
    VoegLidToe(in, QStringLiteral("Jan van Dijk"), QStringLiteral("1234"), QStringLiteral("2"),
               QStringLiteral("5678"));
    VoegLidToe(in, QStringLiteral("Els de Wit"), QStringLiteral("77"), QStringLiteral("3"));
    return in;
}

ScriptInvoer ZonderPartner()
{
    ScriptInvoer in = Basis();
    in.txtClubnaam = u"Bridgeclub €uro"_qs;
    in.cmbSpeeldag = QStringLiteral("maandag");
    in.chkToonInvallers = 2;
    in.chk1 = 0;
    in.chk2 = 1;
    in.chkToonPartner = 0;
    in.chkPartnerOok = 0;
    in.txtContactPers = u"Zoë Müller"_qs;
    in.lstActEmails = {QStringLiteral("   ")};
    in.txtB2 = {QString(), QStringLiteral("Partners"), QStringLiteral("1,3,"),
                QStringLiteral(" 12 ")};
    in.kop.kopfont = QStringLiteral("Times New Roman");
    in.kop.kopkleur = 255 + 128 * 256;
    in.kop.kopback = 255 * 65536;
    in.kop.kophoog = 10;
    in.kop.kopvert = -2;
    // Partner numbers are given but must not reach the file: the box is cleared.
    VoegLidToe(in, u"Zoë Müller"_qs, QStringLiteral("5"), QStringLiteral("1"),
               QStringLiteral("99"));
    VoegLidToe(in, QStringLiteral("Partner2 Jansen"), QStringLiteral("12"), QStringLiteral("1"));
    VoegLidToe(in, QString(), QStringLiteral("13"), QStringLiteral("1"));
    VoegLidToe(in, u"Ben\u00A0Bos"_qs, QStringLiteral(" 130"), QStringLiteral("3"),
               QStringLiteral("5"));
    VoegLidToe(in, u"René Dupré"_qs, QStringLiteral("1234567"), QStringLiteral("12"));
    VoegLidToe(in, QStringLiteral("PARTNER9"), QStringLiteral("77"), QStringLiteral("3"));
    VoegLidToe(in, u"Łukasz Nowak"_qs, QStringLiteral("88"), QStringLiteral("3"));
    return in;
}

ScriptInvoer Aanhalingstekens()
{
    ScriptInvoer in = Basis();
    in.txtClubnaam = QStringLiteral("BC 't Hoekje");
    in.cmbSpeeldag = QStringLiteral("dinsdag-middag");
    in.chkToonInvallers = 1;
    in.chk1 = 1;
    in.chk2 = 1;
    in.chkToonPartner = 1;
    in.chkPartnerOok = 1;
    in.txtContactPers = QStringLiteral("Jan \"Pietje\" D'Hondt");
    in.txtEindtijd = QStringLiteral("12:00\r\n");
    in.lstActEmails = {QStringLiteral("a'b@c.nl"), QStringLiteral(" x\\y@z.nl ")};
    in.lstDagen = {
        DagRegel(QStringLiteral("dinsdag-middag 2 september 2025"), QStringLiteral("20250902"))};
    in.txtB1 = {QStringLiteral("naam'1"), QStringLiteral("part\\ner"), QStringLiteral("inval1"),
                QStringLiteral("inval3")};
    in.txtB2 = {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")};
    in.kop.koptekst = QStringLiteral("C:\\Kop\\'s");
    in.kop.kopfont = QStringLiteral("Arial");
    in.kop.kopkleur = -1;
    in.kop.kopback = -256;
    in.kop.kopvet = 1;
    in.kop.kophoog = 24;
    in.kop.logojn = 1;
    in.kop.logofile = QStringLiteral("000002.gif");
    in.kop.logomarge = 30;
    in.kop.kopvert = 70;
    in.kop.tekstlo = QStringLiteral("a\nb");
    in.kop.tekstro = QStringLiteral("tab\there");
    in.kop.kopvakbr = 999;
    in.kop.kopvakho = 130;
    VoegLidToe(in, QStringLiteral("D'Hondt"), QStringLiteral("1"), QStringLiteral("1"),
               QStringLiteral("2"));
    VoegLidToe(in, u"'t Hart ë\\"_qs, QStringLiteral("2"), QStringLiteral("1"),
               QStringLiteral("1"));
    VoegLidToe(in, QStringLiteral("Partner1 X"), QStringLiteral("3"), QStringLiteral("1"));
    VoegLidToe(in, QStringLiteral("Bas"), QStringLiteral("4"), QStringLiteral("1"),
               QStringLiteral("12a"));
    return in;
}

} // namespace ScriptVoorbeelden
