#include "app/sitestructuurplaatjes.h"

#include <QPainter>

namespace {

const QColor kKader(120, 120, 120);
const QColor kMap(230, 190, 80);
const QColor kRood(200, 30, 30);

void MapIcoon(QPainter& p, int x, int y)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kMap);
    p.drawRect(x, y + 2, 14, 10);
    p.drawRect(x, y, 6, 3);
}

void BestandIcoon(QPainter& p, int x, int y)
{
    p.setPen(kKader);
    p.setBrush(Qt::white);
    p.drawRect(x + 1, y, 10, 12);
}

void Omcirkel(QPainter& p, const QRect& r)
{
    p.setPen(QPen(kRood, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r);
}

void Vinkje(QPainter& p, int x, int y, bool aan)
{
    p.setPen(kKader);
    p.setBrush(Qt::white);
    p.drawRect(x, y, 10, 10);
    if (aan) {
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(x + 2, y + 5, x + 4, y + 8);
        p.drawLine(x + 4, y + 8, x + 8, y + 2);
    }
}

QImage Leeg(int b, int h)
{
    QImage beeld(b, h, QImage::Format_RGB32);
    beeld.fill(Qt::white);
    return beeld;
}

} // namespace

namespace SitestructuurPlaatjes {

QImage Boom()
{
    QImage beeld = Leeg(340, 295);
    QPainter p(&beeld);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(kKader);
    p.drawRect(0, 0, 339, 294);
    p.drawLine(130, 0, 130, 294);

    // Folder tree
    const struct {
        int niveau;
        const char* naam;
    } boom[] = {{0, "/"}, {1, "public_html"}, {2, "afm"}, {3, "donderdag"}, {4, "img"}, {4, "scripts"}};
    int y = 10;
    for (const auto& m : boom) {
        const int x = 8 + m.niveau * 12;
        MapIcoon(p, x, y);
        p.setPen(Qt::black);
        p.drawText(x + 18, y + 11, QLatin1String(m.naam));
        y += 20;
    }
    Omcirkel(p, QRect(36 + 8, 66, 80, 22));

    // Files of donderdag
    p.setPen(Qt::black);
    p.drawText(138, 14, QStringLiteral("Naam"));
    p.drawText(262, 14, QStringLiteral("Rechten"));
    p.setPen(kKader);
    p.drawLine(131, 19, 339, 19);
    const struct {
        bool map;
        const char* naam;
        const char* rechten;
    } bestanden[] = {{true, "..", ""},
                     {true, "img", "rwxr-xr-x"},
                     {true, "scripts", "rwxr-xr-x"},
                     {false, "afmelden.html", "rw-r--r--"},
                     {false, "afmelden.php", "rw-r--r--"},
                     {false, "bevestig.php", "rw-r--r--"},
                     {false, "index.html", "rw-r--r--"},
                     {false, "opmaak.css", "rw-r--r--"},
                     {false, "afmelddata.txt", "rwxrwxrwx"},
                     {false, "hovelink.js", "rw-r--r--"}};
    y = 26;
    int jsY = 0;
    for (const auto& b : bestanden) {
        if (b.map)
            MapIcoon(p, 136, y);
        else
            BestandIcoon(p, 136, y);
        p.setPen(Qt::black);
        p.drawText(156, y + 11, QLatin1String(b.naam));
        p.drawText(262, y + 11, QLatin1String(b.rechten));
        if (QLatin1String(b.naam) == QLatin1String("hovelink.js"))
            jsY = y;
        y += 20;
    }
    Omcirkel(p, QRect(150, jsY - 5, 80, 22));
    return beeld;
}

QImage Rechten()
{
    QImage beeld = Leeg(346, 175);
    QPainter p(&beeld);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(kKader);
    p.drawRect(0, 0, 345, 174);

    // Folder list of afm
    p.setPen(Qt::black);
    p.drawText(8, 16, QStringLiteral("/public_html/afm"));
    MapIcoon(p, 8, 28);
    p.setPen(Qt::black);
    p.drawText(28, 39, QStringLiteral(".."));
    MapIcoon(p, 8, 50);
    p.setPen(Qt::black);
    p.drawText(28, 61, QStringLiteral("donderdag"));
    p.drawText(90, 39, QStringLiteral("rwxrwxrwx"));
    p.drawText(90, 61, QStringLiteral("rwxrwxrwx"));

    // Rights dialog
    const QRect dialoog(160, 8, 178, 158);
    p.setPen(kKader);
    p.setBrush(QColor(240, 240, 240));
    p.drawRect(dialoog);
    p.setBrush(QColor(60, 100, 170));
    p.drawRect(dialoog.left(), dialoog.top(), dialoog.width(), 16);
    p.setPen(Qt::white);
    p.drawText(dialoog.left() + 6, dialoog.top() + 12, QStringLiteral("Rechten wijzigen"));
    p.setPen(Qt::black);
    const char* kolommen[] = {"Lees", "Schrijf", "Uitv."};
    const char* rijen[] = {"Eigenaar", "Groep", "Anderen"};
    for (int k = 0; k < 3; ++k)
        p.drawText(dialoog.left() + 62 + k * 38, dialoog.top() + 34, QLatin1String(kolommen[k]));
    for (int r = 0; r < 3; ++r) {
        p.setPen(Qt::black);
        p.drawText(dialoog.left() + 8, dialoog.top() + 56 + r * 22, QLatin1String(rijen[r]));
        for (int k = 0; k < 3; ++k)
            Vinkje(p, dialoog.left() + 70 + k * 38, dialoog.top() + 46 + r * 22, true);
    }
    p.setPen(Qt::black);
    p.drawText(dialoog.left() + 8, dialoog.top() + 130, QStringLiteral("Octale waarde:"));
    p.setBrush(Qt::white);
    p.setPen(kKader);
    p.drawRect(dialoog.left() + 92, dialoog.top() + 119, 40, 16);
    p.setPen(Qt::black);
    p.drawText(dialoog.left() + 98, dialoog.top() + 131, QStringLiteral("0777"));
    Omcirkel(p, QRect(dialoog.left() + 86, dialoog.top() + 113, 52, 28));
    return beeld;
}

} // namespace SitestructuurPlaatjes
