#include "moment/afmeldhelp.h"

#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

constexpr int kTwipsPerPixel = 15;

} // namespace

QPoint PositieHelp2(const QPoint& ouderLinksBoven, int ouderHoogte, int eigenHoogte)
{
    return {ouderLinksBoven.x() + 200, ouderLinksBoven.y() + ouderHoogte - eigenHoogte - 200};
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
        layout->addWidget(new QLabel(QString::fromUtf8(regel))); // each step on one line
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
