#include "common/lijstvolgorde.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

namespace {

QCollator MaakCollator()
{
    QCollator c(QLocale(QLocale::Dutch, QLocale::Netherlands));
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setNumericMode(false);
    c.setIgnorePunctuation(false);
    return c;
}

// The collator's weights of the ASCII characters, learnt from the collator itself: 0 for a
// character it ignores. Two texts whose first
// difference lies in plain ASCII are then told apart without the collator, which is most
// of the comparisons when thousands of members are sorted.
struct Snelweg {
    std::array<int, 128> gewicht{};
    bool bruikbaar = false;
};

Snelweg Leer(const QCollator& c)
{
    Snelweg s;
    std::vector<char16_t> tekens;
    const QString a = QStringLiteral("a");
    for (char16_t t = 0; t < 128; ++t) {
        // Compared after a letter: QCollator answers for an empty text without asking ICU.
        if (c.compare(a + QChar{t}, a) == 0)
            s.gewicht[t] = 0;
        else
            tekens.push_back(t);
    }
    std::stable_sort(tekens.begin(), tekens.end(),
                     [&](char16_t x, char16_t y) { return c.compare(QString(QChar{x}), QString(QChar{y})) < 0; });
    int gewicht = 0;
    for (std::size_t i = 0; i < tekens.size(); ++i) {
        const QString teken(QChar{tekens[i]});
        if (i == 0 || c.compare(QString(QChar{tekens[i - 1]}), teken) != 0) {
            // A new weight must outweigh any difference after it, or it is no first-level weight.
            if (i > 0 && c.compare(QString(QChar{tekens[i - 1]}) + u'z', teken + u'a') >= 0)
                return {};
            ++gewicht;
        }
        s.gewicht[tekens[i]] = gewicht;
    }
    // Two letters or digits must sort as their weights do: a collation that joins two
    // characters into one (a contraction) gets no shortcut.
    QStringList paren;
    for (char16_t x = u'0'; x <= u'z'; ++x) {
        for (char16_t y = u'0'; y <= u'z'; ++y) {
            if ((QChar{x}.isDigit() || QChar{x}.isLower()) && (QChar{y}.isDigit() || QChar{y}.isLower()))
                paren.append(QString(QChar{x}) + QChar{y});
        }
    }
    std::stable_sort(paren.begin(), paren.end(),
                     [&](const QString& x, const QString& y) { return c.compare(x, y) < 0; });
    const auto rang = [&](const QString& t) { return s.gewicht[t.at(0).unicode()] * 256 + s.gewicht[t.at(1).unicode()]; };
    for (qsizetype i = 1; i < paren.size(); ++i) {
        if (rang(paren.at(i - 1)) > rang(paren.at(i)))
            return {};
    }
    s.bruikbaar = true;
    return s;
}

struct Volgorde {
    QCollator collator = MaakCollator();
    Snelweg snelweg = Leer(collator);
};

const Volgorde& Huidig();

// The collator's sign for `a` and `b`.
int Collatie(QStringView a, QStringView b)
{
    const Volgorde& v = Huidig();
    if (v.snelweg.bruikbaar) {
        const std::array<int, 128>& gewicht = v.snelweg.gewicht;
        const qsizetype n = qMin(a.size(), b.size());
        // Members of one group share a long start ("01,Bakker,A,100"): four characters a step.
        qsizetype i = 0;
        while (i + 4 <= n && std::memcmp(a.data() + i, b.data() + i, 4 * sizeof(QChar)) == 0)
            i += 4;
        while (i < n && a[i] == b[i])
            ++i;
        qsizetype j = i;
        const auto overslaan = [&](QStringView t, qsizetype& k) {
            while (k < t.size() && t[k].unicode() < 128 && gewicht[t[k].unicode()] == 0)
                ++k;
        };
        for (;;) {
            overslaan(a, i);
            overslaan(b, j);
            const int ga = i < a.size() ? (a[i].unicode() < 128 ? gewicht[a[i].unicode()] : -1) : 0;
            const int gb = j < b.size() ? (b[j].unicode() < 128 ? gewicht[b[j].unicode()] : -1) : 0;
            if (ga < 0 || gb < 0)
                break; // beyond ASCII: the collator decides
            if (ga != gb)
                return ga < gb ? -1 : 1; // the end of a text (0) weighs least
            if (ga == 0)
                return 0;
            ++i;
            ++j;
        }
    }
    return v.collator.compare(a, b);
}

bool MetTekens(QStringView s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c == u'-' || c == u'\''; });
}

// `s` without hyphens and apostrophes.
QString ZonderTekens(QStringView s)
{
    QString uit = s.toString();
    uit.remove(u'-');
    uit.remove(u'\'');
    return uit;
}

// Comparing two texts is cheaper than making their sort keys: a list's texts mostly differ
// early, and in plain ASCII.
void SorteerOp(const std::vector<QStringView>& teksten, std::vector<qsizetype>& posities)
{
    struct Plek {
        QStringView vorm;
        qsizetype index;
    };
    std::vector<QString> zonder; // the forms of the texts with a sign; most have none
    std::vector<Plek> plekken;
    plekken.reserve(posities.size());
    for (const qsizetype i : posities) {
        const QStringView tekst = teksten[static_cast<std::size_t>(i)];
        if (MetTekens(tekst)) {
            zonder.push_back(ZonderTekens(tekst));
            plekken.push_back({{}, i});
        } else {
            plekken.push_back({tekst, i});
        }
    }
    // Views into `zonder` are taken once it no longer grows.
    std::size_t z = 0;
    for (Plek& plek : plekken)
        if (plek.vorm.isNull() && !teksten[static_cast<std::size_t>(plek.index)].isNull())
            plek.vorm = zonder[z++];
    std::sort(plekken.begin(), plekken.end(), [&](const Plek& x, const Plek& y) {
        const int c = Collatie(x.vorm, y.vorm);
        if (c != 0)
            return c < 0;
        return teksten[static_cast<std::size_t>(x.index)].compare(teksten[static_cast<std::size_t>(y.index)],
                                                                  Qt::CaseSensitive) < 0;
    });
    for (std::size_t k = 0; k < plekken.size(); ++k)
        posities[k] = plekken[k].index;
}

const Volgorde& Huidig()
{
    static const Volgorde volgorde;
    return volgorde;
}

} // namespace

namespace LijstVolgorde {

int Vergelijk(const QString& a, const QString& b)
{
    const int c = Collatie(MetTekens(a) ? ZonderTekens(a) : a, MetTekens(b) ? ZonderTekens(b) : b);
    if (c != 0)
        return c;
    return QString::compare(a, b, Qt::CaseSensitive);
}

void Sorteer(QStringList& lijst)
{
    const QStringList teksten = lijst;
    const std::vector<QStringView> views(teksten.cbegin(), teksten.cend());
    std::vector<qsizetype> volgorde(views.size());
    std::iota(volgorde.begin(), volgorde.end(), 0);
    SorteerOp(views, volgorde);
    for (qsizetype i = 0; i < lijst.size(); ++i)
        lijst[i] = teksten[volgorde[static_cast<std::size_t>(i)]];
}

void SorteerPosities(const std::vector<QStringView>& teksten, std::vector<qsizetype>& posities)
{
    SorteerOp(teksten, posities);
}

} // namespace LijstVolgorde
