#pragma once

#include "script/scriptinvoer.h"

#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>

// Writes the script of some inputs, checks it with node --check and runs harness.js on it:
// what the sign-off site would hold and show, as JSON.
class NodeHarnas {
public:
    NodeHarnas();

    // Empty when node is found and the scratch folder works, else why not.
    QString Fout() const;

    // The harness's JSON for `invoer`; an empty object when node --check or the harness failed.
    QJsonObject Draai(const ScriptInvoer& invoer);
    // The same for a script file that lies ready, with the four box names as they stand.
    QJsonObject DraaiBestand(const QString& pad, const std::array<QString, 4>& namen);

    // A text as it comes back from the file's code page.
    static QString Rondgang(const QString& tekst);

private:
    QByteArray Node(const QStringList& argumenten, int& code);

    QString m_node;
    QTemporaryDir m_map;
};
