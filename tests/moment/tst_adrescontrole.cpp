#include "moment/adrescontrole.h"

#include <QTest>

using Adrescontrole::Bevinding;

Q_DECLARE_METATYPE(Bevinding)

namespace QTest {
template <> char* toString(const Bevinding& b)
{
    return qstrdup(QByteArray("{ongeldig=").append(b.ongeldig ? "1" : "0").append(", dubbel=")
                       .append(b.dubbel ? "1" : "0").append('}').constData());
}
} // namespace QTest

namespace {
const Bevinding kGoed{};
const Bevinding kOngeldig{true, false};
const Bevinding kDubbel{false, true};
const Bevinding kBeide{true, true};
} // namespace

class TstAdrescontrole : public QObject {
    Q_OBJECT
private slots:
    void lijktEmailadres_data();
    void lijktEmailadres();
    void controleer_data();
    void controleer();
    void toelichting_data();
    void toelichting();
};

void TstAdrescontrole::lijktEmailadres_data()
{
    QTest::addColumn<QString>("adres");
    QTest::addColumn<bool>("goed");
    QTest::newRow("plain") << "secretaris@bctroef.nl" << true;
    QTest::newRow("subdomain, dots and plus") << "jan.de.vries+afm@mail.bctroef.nl" << true;
    QTest::newRow("spaces around count not") << "  wedstrijd@bctroef.nl  " << true;
    QTest::newRow("capitals") << "Secretaris@BCTroef.NL" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("spaces only") << "   " << false;
    QTest::newRow("no at sign") << "secretaris.bctroef.nl" << false;
    QTest::newRow("two at signs") << "jan@piet@bctroef.nl" << false;
    QTest::newRow("nothing before the at sign") << "@bctroef.nl" << false;
    QTest::newRow("domain without dot") << "secretaris@bctroef" << false;
    QTest::newRow("nothing after the at sign") << "secretaris@" << false;
    QTest::newRow("domain starts with dot") << "secretaris@.nl" << false;
    QTest::newRow("domain ends with dot") << "secretaris@bctroef." << false;
    QTest::newRow("two dots in a row") << "secretaris@bctroef..nl" << false;
    QTest::newRow("blank inside") << "jan piet@bctroef.nl" << false;
    QTest::newRow("blank after the at sign") << "jan@ bctroef.nl" << false;
    QTest::newRow("tab inside") << "jan\t@bctroef.nl" << false;
    QTest::newRow("no-break space inside") << u"jan\u00A0piet@bctroef.nl"_qs << false;
    QTest::newRow("accented letters pass") << u"zoë@bctroef.nl"_qs << true;
}

void TstAdrescontrole::lijktEmailadres()
{
    QFETCH(QString, adres);
    QFETCH(bool, goed);
    QCOMPARE(Adrescontrole::LijktEmailadres(adres), goed);
}

void TstAdrescontrole::controleer_data()
{
    QTest::addColumn<QStringList>("rijen");
    QTest::addColumn<QList<Bevinding>>("bevindingen");
    QTest::newRow("no rows") << QStringList{} << QList<Bevinding>{};
    QTest::newRow("all fine") << QStringList{"a@b.nl", "c@d.nl"} << QList<Bevinding>{kGoed, kGoed};
    QTest::newRow("twice, case and spaces ignored")
        << QStringList{"secretaris@bctroef.nl", "wedstrijd@bctroef.nl", " Secretaris@BCTROEF.nl "}
        << QList<Bevinding>{kDubbel, kGoed, kDubbel};
    QTest::newRow("three times") << QStringList{"a@b.nl", "A@b.nl", "a@B.nl"}
                                 << QList<Bevinding>{kDubbel, kDubbel, kDubbel};
    QTest::newRow("wrong address") << QStringList{"a@b.nl", "wedstrijd@bctroef"}
                                   << QList<Bevinding>{kGoed, kOngeldig};
    QTest::newRow("wrong and twice") << QStringList{"jan piet@b.nl", "Jan Piet@b.nl"}
                                     << QList<Bevinding>{kBeide, kBeide};
    QTest::newRow("empty rows get no mark") << QStringList{"", "a@b.nl", "  ", ""}
                                            << QList<Bevinding>{kGoed, kGoed, kGoed, kGoed};
    QTest::newRow("inner blanks make a different address")
        << QStringList{"a@b.nl", "a @b.nl"} << QList<Bevinding>{kGoed, kOngeldig};
}

void TstAdrescontrole::controleer()
{
    QFETCH(QStringList, rijen);
    QFETCH(QList<Bevinding>, bevindingen);
    QCOMPARE(Adrescontrole::Controleer(rijen), bevindingen);
}

void TstAdrescontrole::toelichting_data()
{
    QTest::addColumn<Bevinding>("bevinding");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("fine") << kGoed << "";
    QTest::newRow("wrong") << kOngeldig << "Dit lijkt geen geldig e-mailadres.";
    QTest::newRow("twice") << kDubbel << "Dit adres staat twee keer in de lijst.";
    QTest::newRow("both") << kBeide << "Dit lijkt geen geldig e-mailadres.\nDit adres staat twee keer in de lijst.";
}

void TstAdrescontrole::toelichting()
{
    QFETCH(Bevinding, bevinding);
    QFETCH(QString, tekst);
    QCOMPARE(Adrescontrole::Toelichting(bevinding), tekst);
    QCOMPARE(bevinding.Gemarkeerd(), !tekst.isEmpty());
}

QTEST_GUILESS_MAIN(TstAdrescontrole)
#include "tst_adrescontrole.moc"
