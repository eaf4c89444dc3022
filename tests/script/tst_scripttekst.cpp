#include "script/groepfilter.h"
#include "script/scripttekst.h"

#include <QTest>

class TstScriptTekst : public QObject {
    Q_OBJECT
private slots:
    void tekenNaarUnicode_data();
    void tekenNaarUnicode();
    void kleurNaarRgb_data();
    void kleurNaarRgb();
    void escapeNaam_data();
    void escapeNaam();
    void escapeTekst_data();
    void escapeTekst();
    void cijfers_data();
    void cijfers();
    void groepFilter_data();
    void groepFilter();
};

void TstScriptTekst::tekenNaarUnicode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("uit");
    QTest::newRow("e diaeresis") << 235 << "\\u00EB";
    QTest::newRow("inverted exclamation") << 161 << "\\u00A1";
    QTest::newRow("y diaeresis") << 255 << "\\u00FF";
    QTest::newRow("capitals") << 202 << "\\u00CA";
}

void TstScriptTekst::tekenNaarUnicode()
{
    QFETCH(int, code);
    QFETCH(QString, uit);
    QCOMPARE(Script::TekenNaarUnicode(code), uit);
}

void TstScriptTekst::kleurNaarRgb_data()
{
    QTest::addColumn<qint32>("kleur");
    QTest::addColumn<QString>("uit");
    QTest::newRow("black") << 0 << "rgb(0,0,0)";
    QTest::newRow("white") << 0xFFFFFF << "rgb(255,255,255)";
    QTest::newRow("orange") << (255 + 128 * 256) << "rgb(255,128,0)";
    QTest::newRow("blue is the third byte") << 255 * 65536 << "rgb(0,0,255)";
    QTest::newRow("yellow default") << 65535 << "rgb(255,255,0)";
    QTest::newRow("high byte ignored") << 0x01102030 << "rgb(48,32,16)";
    QTest::newRow("minus one truncates toward zero") << -1 << "rgb(255,0,0)";
    QTest::newRow("minus 256") << -256 << "rgb(0,255,0)";
}

void TstScriptTekst::kleurNaarRgb()
{
    QFETCH(qint32, kleur);
    QFETCH(QString, uit);
    QCOMPARE(Script::KleurNaarRgb(kleur), uit);
}

void TstScriptTekst::escapeNaam_data()
{
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QString>("uit");
    QTest::newRow("both letters escaped") << u"Zoë Müller"_qs << "Zo\\u00EB M\\u00FCller";
    QTest::newRow("plain name unchanged") << "Jan van Dijk" << "Jan van Dijk";
    QTest::newRow("no-break space 160 stays") << u"a\u00A0b"_qs << u"a\u00A0b"_qs;
    QTest::newRow("e acute 233") << u"é"_qs << "\\u00E9";
    QTest::newRow("inverted exclamation 161") << u"¡"_qs << "\\u00A1";
    QTest::newRow("euro 128 stays") << u"€"_qs << u"€"_qs;
    QTest::newRow("outside the code page stays") << u"Łukasz"_qs << u"Łukasz"_qs;
    QTest::newRow("adjacent accents") << u"éè"_qs << "\\u00E9\\u00E8";
    QTest::newRow("quotes and backslash untouched") << "D'Hondt \"x\" \\" << "D'Hondt \"x\" \\";
    QTest::newRow("empty") << "" << "";
}

void TstScriptTekst::escapeNaam()
{
    QFETCH(QString, naam);
    QFETCH(QString, uit);
    QCOMPARE(Script::EscapeNaam(naam), uit);
}

void TstScriptTekst::escapeTekst_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("uit");
    QTest::newRow("apostrophe") << "D'Hondt" << "D\\'Hondt";
    QTest::newRow("backslash") << "C:\\map" << "C:\\\\map";
    QTest::newRow("escaped apostrophe stays two characters") << "\\'" << "\\\\\\'";
    QTest::newRow("cr lf") << "a\r\nb" << "a\\r\\nb";
    QTest::newRow("double quote stays") << "\"x\"" << "\"x\"";
    QTest::newRow("tab stays") << "a\tb" << "a\tb";
    QTest::newRow("accents stay") << u"Zoë"_qs << u"Zoë"_qs;
}

void TstScriptTekst::escapeTekst()
{
    QFETCH(QString, tekst);
    QFETCH(QString, uit);
    QCOMPARE(Script::EscapeTekst(tekst), uit);
}

void TstScriptTekst::cijfers_data()
{
    QTest::addColumn<QString>("getal");
    QTest::addColumn<int>("cijfers");
    QTest::addColumn<QByteArray>("uit");
    QTest::newRow("12 with 3") << "12" << 3 << QByteArray("012");
    QTest::newRow("1234 with 3 keeps all") << "1234" << 3 << QByteArray("1234");
    QTest::newRow("member number") << "1234" << 6 << QByteArray("001234");
    QTest::newRow("partner number") << "5678" << 9 << QByteArray("000005678");
    QTest::newRow("zero") << "0" << 9 << QByteArray("000000000");
    QTest::newRow("blanks around") << " 77 " << 6 << QByteArray("000077");
    QTest::newRow("leading zeros do not count") << "0000012" << 6 << QByteArray("000012");
    QTest::newRow("beyond 64 bits kept")
        << "123456789012345678901" << 6 << QByteArray("123456789012345678901");
    QTest::newRow("empty reads 0") << "" << 3 << QByteArray("000");
    QTest::newRow("letters read 0") << "12a" << 9 << QByteArray("000000000");
    QTest::newRow("apostrophe reads 0") << "1'2" << 6 << QByteArray("000000");
    QTest::newRow("minus reads 0") << "-5" << 3 << QByteArray("000");
    QTest::newRow("arabic-indic digits read 0") << u"\u0661\u0662"_qs << 3 << QByteArray("000");
    QTest::newRow("blanks only read 0") << "   " << 6 << QByteArray("000000");
}

void TstScriptTekst::cijfers()
{
    QFETCH(QString, getal);
    QFETCH(int, cijfers);
    QFETCH(QByteArray, uit);
    // Appends: what the script already holds stays in front.
    QByteArray script("idbnrbes[1]='");
    Script::VoegCijfersToe(script, getal, cijfers);
    QCOMPARE(script, "idbnrbes[1]='" + uit);
}

void TstScriptTekst::groepFilter_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("uit");
    QTest::newRow("empty") << "" << 0 << "";
    QTest::newRow("blanks only") << "   " << 2 << "";
    QTest::newRow("one group") << "12" << 0 << "#000#012";
    QTest::newRow("two groups with blank") << "1, 3" << 3 << "#000#001#003";
    QTest::newRow("trailing comma") << "1,3," << 2 << "#000#001#003";
    QTest::newRow("empty element between") << "1,,3" << 2 << "#000#001#003";
    QTest::newRow("leading comma") << ",5" << 0 << "#000#005";
    QTest::newRow("comma only") << "," << 0 << "#000";
    QTest::newRow("not a number reads 0") << "1,x" << 3 << "#000#001#000";
    QTest::newRow("beyond 16 bits reads 0") << "70000,2" << 0 << "#000#000#002";
    QTest::newRow("largest 16 bits") << "32767" << 0 << "#000#32767";
    QTest::newRow("partners in box 1") << "partners" << 1 << "#000#001";
    QTest::newRow("PARTNERS mixed with numbers") << "4,PaRtNeRs" << 1 << "#000#001";
    QTest::newRow("partners in box 0 is no keyword") << "partners" << 0 << "#000#000";
    QTest::newRow("partners in box 3 is no keyword") << "2,partners" << 3 << "#000#002#000";
}

void TstScriptTekst::groepFilter()
{
    QFETCH(QString, tekst);
    QFETCH(int, element);
    QFETCH(QString, uit);
    QCOMPARE(Script::GroepFilter(tekst, element), uit);
}

QTEST_GUILESS_MAIN(TstScriptTekst)
#include "tst_scripttekst.moc"
