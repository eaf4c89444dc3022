// maakhandleiding <source.md> <icon.png> <pictures folder> <guide.pdf>: typesets the user guide as a PDF.
#include "handleidingpdf.h"
#include "opmaak.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList argumenten = QCoreApplication::arguments();
    QTextStream fouten(stderr);
    if (argumenten.size() != 5) {
        fouten << "gebruik: maakhandleiding <bron.md> <icoon.png> <afbeeldingenmap> <uitvoer.pdf>\n";
        return 2;
    }
    const QString bronPad = argumenten.at(1);
    QFile bron(bronPad);
    if (!bron.open(QIODevice::ReadOnly)) {
        fouten << bronPad << ": " << bron.errorString() << '\n';
        return 1;
    }
    const Opmaak::Uitkomst opmaak = Opmaak::Lees(QString::fromUtf8(bron.readAll()));
    if (!opmaak.gelukt) {
        fouten << bronPad << ':' << opmaak.foutRegel << ": " << opmaak.fout << '\n';
        return 1;
    }
    const QImage icoon(argumenten.at(2));
    if (icoon.isNull()) {
        fouten << argumenten.at(2) << ": geen afbeelding\n";
        return 1;
    }

    QHash<QString, QImage> afbeeldingen;
    const QDir afbeeldingenMap(argumenten.at(3));
    for (const Opmaak::Blok& blok : opmaak.blokken) {
        if (blok.soort != Opmaak::Soort::Afbeelding)
            continue;
        const QImage afbeelding(afbeeldingenMap.filePath(blok.tekst));
        if (afbeelding.isNull()) {
            fouten << afbeeldingenMap.filePath(blok.tekst) << ": geen afbeelding\n";
            return 1;
        }
        afbeeldingen.insert(blok.tekst, afbeelding);
    }

    QTextDocument document;
    HandleidingPdf::Opmaken(document, opmaak.blokken, icoon, afbeeldingen);
    const HandleidingPdf::Uitkomst pdf =
        HandleidingPdf::Schrijf(document, argumenten.at(4), QStringLiteral("Overzicht werking hovelink"));
    if (!pdf.gelukt) {
        fouten << argumenten.at(4) << ": " << pdf.fout << '\n';
        return 1;
    }
    return 0;
}
