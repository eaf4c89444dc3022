#pragma once

#include <QJsonObject>
#include <QList>
#include <QTemporaryDir>

#include <array>
#include <utility>

// Runs generated scripts through harness.js in Node: what the sign-off site holds and shows.
class NodeHarnas {
public:
    // Empty when node is found, else why not.
    QString Fout() const;
    // Per script (its path and four box names as typed) the harness's JSON; {"fout": ...} when it fails.
    QList<QJsonObject> Draai(const QList<std::pair<QString, std::array<QString, 4>>>& scripts);
    // One script after node --check; an empty object when either fails.
    QJsonObject DraaiBestand(const QString& pad, const std::array<QString, 4>& namen);

private:
    int Node(const QStringList& argumenten, QByteArray* uit = nullptr) const;

    QTemporaryDir m_map;
};
