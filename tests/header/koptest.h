#pragma once

#include "header/kopinstellingen.h"

#include <QMetaType>
#include <QTest>

Q_DECLARE_METATYPE(KopInstellingen)

// Every field on one line, so that a failing comparison shows which field differs.
inline char* toString(const KopInstellingen& k)
{
    const QString tekst =
        QStringLiteral("br=%1 ho=%2 tekst='%3' font='%4' kleur=%5 hoogi=%6 hoog=%7 vet=%8 back=%9 "
                       "verti=%10 vert=%11 lo='%12' ro='%13' logo='%14' marge=%15 jn=%16")
            .arg(k.kopvakbr).arg(k.kopvakho).arg(k.koptekst, k.kopfont).arg(k.kopkleur)
            .arg(k.kophoogi).arg(k.kophoog).arg(k.kopvet).arg(k.kopback).arg(k.kopverti)
            .arg(k.kopvert).arg(k.tekstlo, k.tekstro, k.logofile).arg(k.logomarge).arg(k.logojn);
    return QTest::toString(tekst);
}

// The header of the yellow 750 by 100 example with a logo.
inline KopInstellingen VoorbeeldKop()
{
    KopInstellingen k;
    k.kopvakbr = 750;
    k.kopvakho = 100;
    k.koptekst = QStringLiteral("BC bridgeclub");
    k.kopfont = QStringLiteral("Arial");
    k.kopkleur = 0;
    k.kophoogi = 7;
    k.kophoog = 24;
    k.kopvet = 1;
    k.kopback = 65535;
    k.kopverti = 10;
    k.kopvert = 20;
    k.tekstlo = QStringLiteral("abcde");
    k.tekstro = QStringLiteral("info@bridgeclub.nl");
    k.logofile = QStringLiteral("000001.jpg");
    k.logomarge = 5;
    k.logojn = 1;
    return k;
}
