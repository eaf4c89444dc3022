#include "members/ledennaartabellen.h"

#include "common/instellingen.h"
#include "members/ledenlijst.h"

LedenTabellen LedenNaarTabellen(const QStringList& ListH)
{
    LedenTabellen tabellen;
    tabellen.LidNaam.reserve(ListH.size() + 1);
    tabellen.LidNummer.reserve(ListH.size() + 1);
    tabellen.LidGroep.reserve(ListH.size() + 1);
    tabellen.LidNaam.append(QString());
    tabellen.LidNummer.append(QString());
    tabellen.LidGroep.append(QString());
    // The members of a group follow each other: their group number is worked out once and
    // its text shared.
    QStringView vorigeNummer;
    QString vorigeGroep;
    for (const QString& record : ListH) {
        const QStringView nummer = QStringView(record).left(2);
        if (vorigeGroep.isNull() || nummer != vorigeNummer) {
            vorigeNummer = nummer;
            vorigeGroep = QString::number(static_cast<qint64>(Instellingen::LeidendGetal(nummer.toString())));
        }
        tabellen.LidNummer.append(RecordVeld(record, 3).toString());
        tabellen.LidNaam.append(RecordVeld(record, 4).toString());
        tabellen.LidGroep.append(vorigeGroep);
    }
    return tabellen;
}
