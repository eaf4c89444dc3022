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

QString ZonderStuurtekens(const QString& s)
{
    QString uit;
    uit.reserve(s.size());
    for (const QChar c : s)
        if (c.category() != QChar::Other_Control && c != QChar::LineSeparator && c != QChar::ParagraphSeparator)
            uit.append(c);
    return uit;
}

QString Nullen(qint64 getal, int cijfers)
{
    const QString digits = QString::number(getal < 0 ? -getal : getal).rightJustified(cijfers, u'0');
    return getal < 0 ? u'-' + digits : digits;
}

} // namespace Tekst
