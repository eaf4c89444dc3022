#include "app/speelmomenten.h"

#include "app/speeldagmappen.h"
#include "common/paden.h"

#include <QDir>

namespace Speelmomenten {

const QStringList& VulSpeeldagen()
{
    static const QStringList lijst = [] {
        QStringList uit{QStringLiteral("-------")};
        const QStringList dagen{"maandag", "dinsdag", "woensdag", "donderdag", "vrijdag", "zaterdag"};
        uit += dagen;
        for (const QString& dag : dagen) {
            for (const char* deel : {"-morgen", "-middag", "-avond"})
                uit.append(dag + QLatin1String(deel));
        }
        return uit;
    }();
    return lijst;
}

QString CodeTabel()
{
    return QStringLiteral("A=MAANDAG,B=MAANDAG-MORGEN,C=MAANDAG-MIDDAG,D=MAANDAG-AVOND"
                          "E=DINSDAG,F=DINSDAG-MORGEN,G=DINSDAG-MIDDAG,H=DINSDAG-AVOND"
                          "I=WOENSDAG,J=WOENSDAG-MORGEN,K=WOENSDAG-MIDDAG,L=WOENSDAG-AVOND"
                          "M=DONDERDAG,N=DONDERDAG-MORGEN,O=DONDERDAG-MIDDAG,P=DONDERDAG-AVOND"
                          "Q=VRIJDAG,R=VRIJDAG-MORGEN,S=VRIJDAG-MIDDAG,T=VRIJDAG-AVOND"
                          "U=ZATERDAG,V=ZATERDAG-MORGEN,W=ZATERDAG-MIDDAG,X=ZATERDAG-AVOND");
}

void VulCodeTabel(Werkruimte& werkruimte) { werkruimte.CodeTabel = CodeTabel(); }

void BepaalSpeeldagCode(Werkruimte& werkruimte, Meldingen& meldingen)
{
    werkruimte.Fout = 0;
    const qsizetype p = werkruimte.CodeTabel.indexOf(werkruimte.Speeldag.toUpper());
    // The letter stands two places before the name ("P=DONDERDAG-AVOND").
    if (p < 2) {
        werkruimte.Fout = 1;
        meldingen.Toon(QStringLiteral("Fout in SpeeldagCode!"), Meldingen::Pictogram::Uitroep);
        return;
    }
    werkruimte.SpeeldagCode = werkruimte.CodeTabel.mid(p - 2, 1);
}

void BereidSpeelmomentVoor(Werkruimte& werkruimte, const QString& naam, Meldingen& meldingen)
{
    const QString map = Paden::Samen(werkruimte.MapProgramma, naam);
    // A link in Travenza is never written through: it makes way for a folder of our own.
    SpeeldagMappen::VerwijderKoppeling(map);
    if (!Paden::Bestaat(map))
        QDir().mkdir(map);
    werkruimte.Speeldag = naam;
    werkruimte.NaamMomentIni = naam + QStringLiteral(".ini");
    werkruimte.PadMomentIni = Paden::Samen(map, werkruimte.NaamMomentIni);
    werkruimte.PadScript = Paden::Samen(map, werkruimte.NaamScript);
    VulCodeTabel(werkruimte);
    BepaalSpeeldagCode(werkruimte, meldingen);
}

} // namespace Speelmomenten
