#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

// The common dialogs of the header designer; a cancelled dialog gives nothing. Tests answer
// through their own implementation instead of a real dialog.
class KopDialogen {
public:
    virtual ~KopDialogen() = default;

    // The chosen font's name only; size, style and colour of the dialog are ignored.
    virtual std::optional<QString> KiesLettertype(QWidget* ouder, const QString& huidig) = 0;
    virtual std::optional<QColor> KiesKleur(QWidget* ouder) = 0;
    // The full path of the chosen file.
    virtual std::optional<QString> KiesAfbeelding(QWidget* ouder, const QString& startMap,
                                                  const QString& filter) = 0;
};

// The real dialogs of Qt.
class EchteKopDialogen : public KopDialogen {
public:
    std::optional<QString> KiesLettertype(QWidget* ouder, const QString& huidig) override;
    std::optional<QColor> KiesKleur(QWidget* ouder) override;
    std::optional<QString> KiesAfbeelding(QWidget* ouder, const QString& startMap,
                                          const QString& filter) override;
};
