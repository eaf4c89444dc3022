#include "moment/afmeldhelpvenster.h"

#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QWindow>

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
    if (afmeldVenster)
        setWindowIcon(afmeldVenster->windowIcon());
    adjustSize();
}

void FrmHelp2::showEvent(QShowEvent* event)
{
    HelpVenster::showEvent(event);
    Plaats();
}

void FrmHelp2::moveEvent(QMoveEvent* event)
{
    HelpVenster::moveEvent(event);
    // A window manager tells the frame only once the window is on the screen: then the
    // bottom edge is placed again with the real frame.
    if (isVisible() && windowHandle() && !windowHandle()->frameMargins().isNull() &&
        windowHandle()->frameMargins() != m_rand)
        Plaats();
}

void FrmHelp2::Plaats()
{
    const QWidget* ouder = parentWidget();
    if (!ouder)
        return;
    // Before the window manager has framed it, the window counts with the frame of the
    // window it stands against.
    m_rand = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (m_rand.isNull() && ouder->windowHandle())
        m_rand = ouder->windowHandle()->frameMargins();
    const QRect kader = ouder->frameGeometry();
    const int eigenHoogte = height() + m_rand.top() + m_rand.bottom();
    const QPoint twips = PositieHelp2(kader.topLeft() * kTwipsPerPixel, kader.height() * kTwipsPerPixel,
                                      eigenHoogte * kTwipsPerPixel);
    // The client area: move() takes a frame position only once the window manager has told the frame.
    setGeometry(QRect(twips / kTwipsPerPixel + QPoint(m_rand.left(), m_rand.top()), size()));
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
