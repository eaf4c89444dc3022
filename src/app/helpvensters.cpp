#include "app/helpvensters.h"

#include "app/sitestructuurplaatjes.h"
#include "common/toetsenbord.h"

#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kTwipsPerPixel = 15;

QLabel* Plaatje(const QImage& beeld, const QString& naam)
{
    auto* label = new QLabel;
    label->setAccessibleName(naam);
    label->setPixmap(QPixmap::fromImage(beeld));
    label->setFixedSize(beeld.size());
    return label;
}

QLabel* Tekst(const QString& tekst, bool afbreken = true)
{
    auto* label = new QLabel(tekst);
    label->setWordWrap(afbreken);
    return label;
}

} // namespace

HelpVenster::HelpVenster(QWidget* parent) : QDialog(parent) {}

void HelpVenster::keyPressEvent(QKeyEvent* event)
{
    // Help closes only through its button or the close box, never by a key meant elsewhere.
    if (event->matches(QKeySequence::Cancel))
        return;
    QDialog::keyPressEvent(event);
}

QPoint PositieHelp2(const QPoint& ouderLinksBoven, int ouderHoogte, int eigenHoogte)
{
    return {ouderLinksBoven.x() + 200, ouderLinksBoven.y() + ouderHoogte - eigenHoogte - 200};
}

DiaSitestructuur::DiaSitestructuur(QWidget* parent) : HelpVenster(parent)
{
    setObjectName(QStringLiteral("diaSitestructuur"));
    setWindowTitle(QStringLiteral("Voorbeeld Sitestructuur"));
    auto* terug = new QPushButton(QStringLiteral("Terug"));
    terug->setObjectName(QStringLiteral("cmdTerug"));
    connect(terug, &QPushButton::clicked, this, &QDialog::accept);
    Toetsenbord::ZetSneltoets(terug, QKeySequence(Qt::ALT | Qt::Key_T));

    auto* plaatjes = new QHBoxLayout;
    plaatjes->addWidget(Plaatje(SitestructuurPlaatjes::Boom(),
                                QStringLiteral("Voorbeeld: de map /public_html/afm/donderdag op de server, "
                                               "met hovelink.js en afmelddata.txt")),
                        0, Qt::AlignTop);
    plaatjes->addWidget(Plaatje(SitestructuurPlaatjes::Rechten(),
                                QStringLiteral("Voorbeeld: de rechten van de map donderdag op 0777 "
                                               "(lezen, schrijven en uitvoeren voor iedereen)")),
                        0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tekst(QStringLiteral("Gedeeltelijke site-structuur")));
    layout->addLayout(plaatjes);
    layout->addWidget(Tekst(QStringLiteral("De \u2018Rechten\u2019 voor zowel de map \u2018/afm\u2019 als de map "
                                           "\u2018/donderdag\u2019 afzonderlijk instellen op \u20180777\u2019. "
                                           "(Rechtsklik op de map)")));
    layout->addWidget(Tekst(QStringLiteral("Ditzelfde geldt ook voor het bestand \u2018afmelddata.txt\u2019. Dit "
                                           "bestand wordt automatisch aangemaakt bij de eerste afmelding. ")));
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch(1);
    knoppen->addWidget(terug);
    layout->addLayout(knoppen);
}

FrmHelp2::FrmHelp2(QWidget* afmeldVenster) : HelpVenster(afmeldVenster)
{
    setObjectName(QStringLiteral("frmHelp2"));
    setWindowTitle(QStringLiteral("Toelichting voor dit scherm"));
    auto* layout = new QVBoxLayout(this);
    for (const char* regel :
         {"Dit zijn de handelingen voor dit scherm:", "1. Maak de Speelkalender van het Competitieseizoen.",
          "2. Type de voorkomende afmeld/emailadressen.", "3. Aanvinken wie de actuele afmeldadressen zijn.",
          "Klik daarna in vak 3, dan verschijnen ze.", "4. Invullen/aanvinken bij 'Diverse'.",
          "5. Kies de Spelergroepen tbv van de keuzelijsten op Internet.",
          "Al deze ingaven worden PER SPEELMOMENT bewaard."})
        layout->addWidget(Tekst(QString::fromUtf8(regel), false)); // each step on one line
    if (afmeldVenster) {
        setWindowIcon(afmeldVenster->windowIcon());
        adjustSize();
        const QRect ouder = afmeldVenster->frameGeometry();
        const QPoint twips = PositieHelp2(ouder.topLeft() * kTwipsPerPixel, ouder.height() * kTwipsPerPixel,
                                          frameGeometry().height() * kTwipsPerPixel);
        move(twips / kTwipsPerPixel);
    }
}

FrmHelpPartner::FrmHelpPartner(const QString& tekst, QWidget* afmeldVenster) : HelpVenster(afmeldVenster)
{
    setObjectName(QStringLiteral("frmHelpPartner"));
    setWindowTitle(QStringLiteral("Partnerbestand"));
    if (afmeldVenster)
        setWindowIcon(afmeldVenster->windowIcon());
    m_txtPartner = new QPlainTextEdit;
    m_txtPartner->setObjectName(QStringLiteral("txtPartner"));
    m_txtPartner->setReadOnly(true);
    m_txtPartner->setFont(QFont(QStringLiteral("Arial")));
    m_txtPartner->setAccessibleName(windowTitle());
    m_txtPartner->setTabChangesFocus(true);
    // The text uses CR LF between lines; the box wants bare line feeds.
    m_txtPartner->setPlainText(QString(tekst).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_txtPartner);
    resize(560, 300);
}
