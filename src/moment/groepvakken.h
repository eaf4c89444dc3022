#pragma once

#include "common/uitkomst.h"
#include "members/ledenbestand.h"
#include "members/ledenvolgorde.h"
#include "members/spelergroepen.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class Meldingen;

// The controls of frame "5 Spelergroep(en) kiezen" of frmAfmelden as plain values. The
// window copies user input into them, calls a handler of Groepvakken and shows the result.

struct Vinkvak {
    int waarde = 0; // 0 unticked, 1 ticked, 2 grey
    bool enabled = false;
};

struct KeuzeLijst {
    QStringList items;
    qsizetype geselecteerd = -1; // -1: no entry selected
    bool enabled = false;

    // The text of the selected entry, empty when none is selected.
    QString Tekst() const;
};

struct GroepVak {
    QString tekst;
    bool geel = false; // yellow after a failed check, white otherwise
};

inline constexpr int kAantalVakken = 4;

struct GroepFrame {
    GroepenLijst lst1;
    QStringList ListH;
    QString txt1;
    QString Label6 = QStringLiteral("Aantal ....");
    std::array<GroepVak, kAantalVakken> txtB2;
    Vinkvak chkPartnerOok{1, false}; // only the settings file changes it
    bool Frame8Enabled = false;
    KeuzeLijst cmbPartner;
    Vinkvak chkToonPartner;
    bool Text1Zichtbaar = false; // "(partners)" in front of group box 1
    int focusVak = -1;           // the group box the last failed check put the focus on; -1 none
};

// The saved choices of the play-moment settings file that the group logic restores.
struct BewaardeGroepkeuze {
    QString BewaardeLedenBest;
    QString BewaardPartnerbest;
    int BewaardToonPartner = 0;
};

// Key filter of a group box: the key code when it is a digit, "," or Backspace (8), else 0.
int txtB2_KeyPress(int KeyAscii);

// With "Toon Partner op website" ticked, box 1 shows the partners of box 0's members: it takes
// box 0's groups.
void NeemPartnerGroepenOver(GroepFrame& frame);

// The group, member and partner logic of the sign-off settings window.
class Groepvakken {
public:
    Groepvakken(QString MapTwk, BewaardeGroepkeuze bewaard, Meldingen& meldingen);

    GroepFrame& Frame() { return m_frame; }
    const GroepFrame& Frame() const { return m_frame; }

    // Reads the member file once (kept for every later selection) and fills lst1. A file
    // that cannot be read is reported, naming it; lst1 then stays empty.
    void LeesGroepen(const QString& BestandSpelers);
    // The same with the file already read (`leden` is LeesLedenbestand(BestandSpelers)).
    void LeesGroepen(const QString& BestandSpelers, Ledenbestand leden);

    // Ticks or unticks a row of lst1 and runs lst1_Click, as a click on its check box does.
    void ZetGroep(qsizetype rij, bool aangevinkt);

    // Handlers: the window first copies the new control value into Frame().
    void lst1_Click();
    void chkPartnerOok_Click();
    void chkToonPartner_Click();
    void cmbPartner_Click();

    // Appends the ticked groups that have a partner file to cmbPartner (lst1_Click empties
    // it first), selects entry 0 and restores the saved partner file with its tick.
    void VulPartnerbestanden();
    // Ticks every row whose key occurs in BewaardeLedenBest and runs lst1_Click, leaving what
    // a lst1_Click after each tick leaves.
    void HerstelLedengroepen();

    // Checks group box i when it loses the focus; false when it was refused (the box is
    // emptied and focusVak names it).
    bool txtB2_LostFocus(int i);

    // Checks all four boxes when the window is left with OK; the first failure is reported
    // and sets VakFout to 1.
    void ControleerVakken();
    int VakFout() const { return m_vakFout; }

private:
    void ZetToonPartner(int waarde);
    void SelecteerPartner(qsizetype index);
    // Refuses a box text with an element that is not a ticked group, naming the first one.
    Uitkomst<> ControleerGeselecteerd(const QString& vaktekst) const;
    // True when box 0 names a ticked group while the chosen partner file is another group's.
    bool PartnerVanAndereGroep(const QString& vak0) const;
    void Faal(int i);

    QString m_mapTwk;
    BewaardeGroepkeuze m_bewaard;
    Meldingen& m_meldingen;
    Ledenbestand m_leden;
    LedenVolgorde m_volgorde; // the ranking of m_leden, kept for every later selection
    GroepFrame m_frame;
    int m_vakFout = 0;
};
