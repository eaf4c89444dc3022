#include "common/tekst.h"

namespace Tekst {

QStringView Trim(QStringView s)
{
    while (!s.isEmpty() && s.front() == u' ')
        s = s.sliced(1);
    while (!s.isEmpty() && s.back() == u' ')
        s.chop(1);
    return s;
}

QString Trim(const QString& s)
{
    const QStringView kort = Trim(QStringView(s));
    return kort.size() == s.size() ? s : kort.toString();
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
