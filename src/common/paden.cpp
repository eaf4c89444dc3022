#include "common/paden.h"

#include <QDir>
#include <QFileInfo>

namespace Paden {

QString Samen(const QString& map, const QString& naam)
{
    if (map.endsWith(u'/') || map.endsWith(u'\\'))
        return map + naam;
    return map + u'/' + naam;
}

bool Bestaat(const QString& pad) { return !pad.isEmpty() && QFileInfo::exists(pad); }

QString Toon(const QString& pad) { return QDir::toNativeSeparators(pad); }

} // namespace Paden
