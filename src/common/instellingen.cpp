#include "common/instellingen.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

bool IsCijfer(QChar c) { return c >= u'0' && c <= u'9'; }

// Scans a number at `pos`: sign, digits, optional fraction, optional exponent.
// Returns the number of characters used (0 when there is no number).
qsizetype ScanGetal(const QString& s, qsizetype pos, double& uit)
{
    qsizetype i = pos;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
        ++i;
    const qsizetype cijfersBegin = i;
    while (i < s.size() && IsCijfer(s.at(i)))
        ++i;
    bool heeftCijfers = i > cijfersBegin;
    if (i < s.size() && s.at(i) == u'.') {
        qsizetype j = i + 1;
        while (j < s.size() && IsCijfer(s.at(j)))
            ++j;
        if (j > i + 1 || heeftCijfers) {
            heeftCijfers = heeftCijfers || j > i + 1;
            i = j;
        }
    }
    if (!heeftCijfers)
        return 0;
    if (i < s.size() && (s.at(i) == u'e' || s.at(i) == u'E')) {
        qsizetype j = i + 1;
        if (j < s.size() && (s.at(j) == u'+' || s.at(j) == u'-'))
            ++j;
        const qsizetype expBegin = j;
        while (j < s.size() && IsCijfer(s.at(j)))
            ++j;
        if (j > expBegin)
            i = j;
    }
    bool ok = false;
    uit = s.mid(pos, i - pos).toDouble(&ok);
    if (!ok)
        uit = 0;
    return i - pos;
}

template <typename T>
std::optional<T> Afronden(double getal)
{
    if (!std::isfinite(getal))
        return std::nullopt;
    const double rond = std::nearbyint(getal); // the default rounding mode sends halves to even
    if (rond < std::numeric_limits<T>::min() || rond > std::numeric_limits<T>::max())
        return std::nullopt;
    return static_cast<T>(rond);
}

} // namespace

namespace Instellingen {

bool Past(const QString& regel, QStringView sleutel)
{
    if (regel.size() < sleutel.size())
        return false;
    return QStringView(regel).left(sleutel.size()).toString().toUpper() == sleutel;
}

QString Waarde(const QString& regel)
{
    const qsizetype is = regel.indexOf(u'=');
    return is < 0 ? QString() : regel.mid(is + 1);
}

double LeidendGetal(const QString& waarde)
{
    qsizetype pos = 0;
    while (pos < waarde.size() && waarde.at(pos) == u' ')
        ++pos;
    double getal = 0;
    return ScanGetal(waarde, pos, getal) > 0 ? getal : 0;
}

std::optional<qint16> Geheel16(const QString& waarde) { return Afronden<qint16>(LeidendGetal(waarde)); }

std::optional<qint32> Geheel32(const QString& waarde) { return Afronden<qint32>(LeidendGetal(waarde)); }

std::optional<qint32> Getal32(const QString& waarde)
{
    qsizetype pos = 0;
    while (pos < waarde.size() && waarde.at(pos) == u' ')
        ++pos;
    double getal = 0;
    const qsizetype lengte = ScanGetal(waarde, pos, getal);
    if (lengte == 0)
        return std::nullopt;
    for (qsizetype i = pos + lengte; i < waarde.size(); ++i) {
        if (waarde.at(i) != u' ')
            return std::nullopt;
    }
    return Afronden<qint32>(getal);
}

} // namespace Instellingen
