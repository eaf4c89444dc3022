#include "common/tekst.h"

namespace Tekst {

QString Trim(const QString& s)
{
    qsizetype begin = 0;
    qsizetype eind = s.size();
    while (begin < eind && s.at(begin) == u' ')
        ++begin;
    while (eind > begin && s.at(eind - 1) == u' ')
        --eind;
    return s.mid(begin, eind - begin);
}

QString Nullen(qint64 getal, int cijfers)
{
    const QString digits = QString::number(getal < 0 ? -getal : getal).rightJustified(cijfers, u'0');
    return getal < 0 ? u'-' + digits : digits;
}

} // namespace Tekst
