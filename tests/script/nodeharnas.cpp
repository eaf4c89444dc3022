#include "nodeharnas.h"

#include "common/ansi.h"
#include "support/testpaden.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

QString NodeHarnas::Fout() const
{
    return QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty() ? QStringLiteral("node not found; ./test installs nodejs")
                                                                            : QString();
}

int NodeHarnas::Node(const QStringList& argumenten, QByteArray* uit) const
{
    QProcess node;
    node.start(QStandardPaths::findExecutable(QStringLiteral("node")), argumenten);
    if (!node.waitForFinished(120000) || node.exitStatus() != QProcess::NormalExit)
        return -1;
    if (uit)
        *uit = node.readAllStandardOutput();
    return node.exitCode();
}

QList<QJsonObject> NodeHarnas::Draai(const QList<std::pair<QString, std::array<QString, 4>>>& scripts)
{
    QJsonArray manifest;
    for (const auto& [pad, namen] : scripts) {
        QJsonArray vakken;
        for (const QString& naam : namen)
            vakken.append(Ansi::Van(Ansi::Naar(naam)));
        manifest.append(QJsonObject{{QStringLiteral("pad"), pad}, {QStringLiteral("namen"), vakken}});
    }
    const QString pad = m_map.filePath(QStringLiteral("manifest.json"));
    QByteArray uit;
    if (!TestPaden::SchrijfBestand(pad, QJsonDocument(manifest).toJson()) || Node({QStringLiteral(HOVELINK_SCRIPT_HARNESS), pad}, &uit) != 0)
        return {};
    QList<QJsonObject> js;
    for (const QByteArray& regel : uit.trimmed().split('\n'))
        js.append(QJsonDocument::fromJson(regel).object());
    return js;
}

QJsonObject NodeHarnas::DraaiBestand(const QString& pad, const std::array<QString, 4>& namen)
{
    const QJsonObject js = Node({QStringLiteral("--check"), pad}) == 0 ? Draai({{pad, namen}}).value(0) : QJsonObject();
    return js.contains(QStringLiteral("fout")) ? QJsonObject() : js;
}
