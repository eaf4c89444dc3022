#include "members/ledennaartabellen.h"

#include "common/instellingen.h"

LedenTabellen LedenNaarTabellen(const QStringList& ListH) {
    LedenTabellen tabellen;
    tabellen.LidNaam.reserve(ListH.size() + 1);
    tabellen.LidNummer.reserve(ListH.size() + 1);
    tabellen.LidGroep.reserve(ListH.size() + 1);
    tabellen.LidNaam.append(QString());
    tabellen.LidNummer.append(QString());
    tabellen.LidGroep.append(QString());
    for (const QString& record : ListH) {
        const QStringList velden = record.split(u',');
        tabellen.LidNummer.append(velden.value(3));
        tabellen.LidNaam.append(velden.value(4));
        tabellen.LidGroep.append(
            QString::number(static_cast<qint64>(Instellingen::LeidendGetal(record.left(2)))));
    }
    return tabellen;
}
