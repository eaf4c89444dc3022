#include "members/ledeninlezing.h"

LedenInLezing::LedenInLezing(const QString& pad)
    : m_pad(pad), m_lezing(std::async(std::launch::async, LeesLedenbestand, pad))
{
}

Ledenbestand LedenInLezing::Neem() { return m_lezing.valid() ? m_lezing.get() : LeesLedenbestand(m_pad); }
