// maakicoon <file.png>: writes the 256 x 256 application icon.
#include "icoontekening.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList argumenten = QCoreApplication::arguments();
    QTextStream fouten(stderr);
    if (argumenten.size() != 2) {
        fouten << "gebruik: maakicoon <bestand.png>\n";
        return 2;
    }
    if (!IcoonTekening::TekenIcoon(256).save(argumenten.at(1), "PNG")) {
        fouten << "kan niet schrijven: " << argumenten.at(1) << '\n';
        return 1;
    }
    return 0;
}
