#include "header/dialettertype.h"

#include "header/kopopmaak.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

DiaLettertype::DiaLettertype(const QString& huidig, QWidget* ouder)
    : QDialog(ouder), m_lijst(new QListWidget(this))
{
    setObjectName(QStringLiteral("diaLettertype"));
    setWindowTitle(QStringLiteral("Lettertype"));
    m_lijst->setObjectName(QStringLiteral("lstLettertype"));
    m_lijst->setAccessibleName(QStringLiteral("Lettertype"));
    m_lijst->addItems(AnsiLettertypen());
    // A font that is not installed opens on the family the preview draws instead.
    for (const QString& naam : {huidig, GetoondeFamilie(huidig)}) {
        const QList<QListWidgetItem*> gevonden = m_lijst->findItems(naam, Qt::MatchFixedString);
        if (!gevonden.isEmpty()) {
            m_lijst->setCurrentItem(gevonden.first());
            break;
        }
    }
    m_lijst->scrollToItem(m_lijst->currentItem(), QAbstractItemView::PositionAtCenter);

    auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(knoppen, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_lijst, &QListWidget::itemActivated, this, &QDialog::accept);

    auto* opmaak = new QVBoxLayout(this);
    opmaak->addWidget(m_lijst);
    opmaak->addWidget(knoppen);
    m_lijst->setFocus();
}

QString DiaLettertype::Gekozen() const
{
    return m_lijst->currentItem() ? m_lijst->currentItem()->text() : QString();
}
