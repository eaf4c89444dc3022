#include "common/venstertoetsenbord.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QValidator>

namespace Toetsenbord {

namespace {
constexpr char kSneltoets[] = "hovelinkSneltoets";

// A validator that never refuses: it drops what is not allowed, so a paste keeps its good part.
class TekenFilter : public QValidator {
    Q_OBJECT
public:
    TekenFilter(bool (*toegestaan)(QChar), QObject* ouder) : QValidator(ouder), m_toegestaan(toegestaan) {}
    State validate(QString& tekst, int& positie) const override
    {
        QString uit;
        for (qsizetype i = 0; i < tekst.size(); ++i) {
            if (tekst.at(i) >= u' ' && m_toegestaan(tekst.at(i)))
                uit.append(tekst.at(i));
            else if (i < positie)
                --positie;
        }
        tekst = uit;
        return Acceptable;
    }

private:
    bool (*m_toegestaan)(QChar);
};
} // namespace

void ZetSneltoets(QAbstractButton* knop, const QKeySequence& toets)
{
    // A shortcut of its own: the button's setShortcut is replaced by the mnemonic of every
    // new caption (none), and its handling animates a click without moving the focus, so
    // an address typed into a box would never reach its check before the window is left.
    auto* sneltoets = new QShortcut(toets, knop);
    QObject::connect(sneltoets, &QShortcut::activated, knop, [knop] {
        if (!knop->isEnabled())
            return;
        if (knop->focusPolicy() != Qt::NoFocus)
            knop->setFocus(Qt::ShortcutFocusReason);
        knop->click();
    });
    knop->setProperty(kSneltoets, toets.toString(QKeySequence::NativeText));
    ZetTip(knop, knop->toolTip());
}

void ZetTip(QAbstractButton* knop, const QString& tip)
{
    const QString toets = knop->property(kSneltoets).toString();
    if (toets.isEmpty()) {
        knop->setToolTip(tip);
        return;
    }
    const QString naam = QStringLiteral("Sneltoets: ") + toets;
    knop->setAccessibleDescription(tip.isEmpty() ? naam : tip + u' ' + naam);
    // The caption has no underlined letter, so the tooltip is where a user sees the key.
    knop->setToolTip(tip.isEmpty() ? toets : tip + u'\n' + toets);
}

void ZetTabVolgorde(std::initializer_list<QWidget*> volgorde)
{
    QWidget* vorige = nullptr;
    for (QWidget* w : volgorde) {
        if (vorige)
            QWidget::setTabOrder(vorige, w);
        vorige = w;
    }
}

void ZetTekenFilter(QLineEdit* vak, bool (*toegestaan)(QChar))
{
    vak->setValidator(new TekenFilter(toegestaan, vak));
}

bool EnterDruktKnop::eventFilter(QObject* doel, QEvent* gebeurtenis)
{
    if (gebeurtenis->type() != QEvent::KeyPress)
        return QObject::eventFilter(doel, gebeurtenis);
    const auto* toets = static_cast<QKeyEvent*>(gebeurtenis);
    auto* knop = qobject_cast<QPushButton*>(doel);
    // A held key presses once.
    if (!knop || !knop->isEnabled() || toets->isAutoRepeat() ||
        (toets->key() != Qt::Key_Return && toets->key() != Qt::Key_Enter) ||
        (toets->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QObject::eventFilter(doel, gebeurtenis);
    knop->click();
    return true;
}

} // namespace Toetsenbord

#include "venstertoetsenbord.moc"
