#include "members/ledenrecord.h"

namespace {

const QString kOverleden = QStringLiteral("OVERLEDEN");

} // namespace

QStringView RecordVeld(QStringView record, int n)
{
    qsizetype begin = 0;
    for (; n > 0; --n) {
        const qsizetype komma = record.indexOf(u',', begin);
        if (komma < 0)
            return {};
        begin = komma + 1;
    }
    const qsizetype komma = record.indexOf(u',', begin);
    return record.sliced(begin, (komma < 0 ? record.size() : komma) - begin);
}

bool IsOverleden(QStringView veld15)
{
    return veld15.size() >= 5 && QStringView(kOverleden).contains(veld15, Qt::CaseInsensitive);
}
