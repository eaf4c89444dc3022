#include "script/scriptlogo.h"

namespace {

// The rest of the line that starts with `begin`; nothing when there is no such line.
QByteArray Regel(const QByteArray& script, const QByteArray& begin)
{
    const qsizetype plaats = script.indexOf("\r\n" + begin);
    if (plaats < 0)
        return {};
    const qsizetype start = plaats + 2 + begin.size();
    const qsizetype eind = script.indexOf("\r\n", start);
    return script.mid(start, eind < 0 ? -1 : eind - start);
}

} // namespace

QString LogoVanScript(const QByteArray& script)
{
    if (Regel(script, "ikop[6]=") != "1;")
        return {};
    const QByteArray naam = Regel(script, "ikop[7]='");
    // An escaped name is no plain file name; the logo check refuses it.
    return naam.endsWith("';") ? QString::fromLatin1(naam.chopped(2)) : QString();
}
