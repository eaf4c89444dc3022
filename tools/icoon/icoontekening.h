#pragma once

#include <QImage>

namespace IcoonTekening {

// The application icon: a calendar sheet with a heart, on a transparent square of the given size.
QImage TekenIcoon(int grootte);

} // namespace IcoonTekening
