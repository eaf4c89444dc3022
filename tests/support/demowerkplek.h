#pragma once

#include "app/opstarten.h"
#include "app/speelmomenten.h"
#include "header/vensterkopdialogen.h"
#include "moment/frmafmelden.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QTemporaryDir>

#include <memory>

// A copy of the demo Tafelwerk folder as the program opens it, with donderdag-avond prepared;
// for the window tests. Today is 15 March 2025 in the sign-off window.
struct DemoWerkplek {
    QTemporaryDir dir;
    Werkruimte w;
    KopInstellingen kop;
    BewaardeMoment bewaard;
    MeldingRecorder meldingen;

    DemoWerkplek()
    {
        TestPaden::KopieerMap(TestPaden::DemoMap(), dir.path());
        w.MapTwk = w.MapSpelers = dir.path();
        w.BestandSpelers = dir.filePath("TWKspelers.txt");
        Opstarten::Init(w);
        Speelmomenten::BereidSpeelmomentVoor(w, "donderdag-avond", meldingen);
    }
    std::unique_ptr<FrmAfmelden> OpenAfmelden(std::function<void()> ververs = {})
    {
        auto venster = std::make_unique<FrmAfmelden>(w, kop, bewaard,
                                                     StartKeuze{"donderdag-avond", "BC De Troef", 1, std::move(ververs)},
                                                     meldingen, [] { return QDate(2025, 3, 15); });
        venster->ZetProgrammaMap(dir.path());
        venster->Form_Load();
        return venster;
    }
};

// The header designer's dialogs answered as a test sets them: a logo path, or nothing for
// cancelled; no font or colour is ever chosen. Records the logo filter it was offered.
class DialogAntwoorden : public KopDialogen {
public:
    std::optional<QString> afbeelding;
    QString filter;
    std::optional<QString> KiesLettertype(QWidget*, const QString&) override { return {}; }
    std::optional<QColor> KiesKleur(QWidget*) override { return {}; }
    std::optional<QString> KiesAfbeelding(QWidget*, const QString&, const QString& f) override
    {
        return filter = f, afbeelding;
    }
};
