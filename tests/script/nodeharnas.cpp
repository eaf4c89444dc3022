#include "nodeharnas.h"

#include "common/ansi.h"
#include "script/maakscript.h"
#include "support/testpaden.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

NodeHarnas::NodeHarnas() : m_node(QStandardPaths::findExecutable(QStringLiteral("node"))) {}

QString NodeHarnas::Fout() const
{
    if (m_node.isEmpty())
        return QStringLiteral("node not found; ./test installs nodejs");
    if (!m_map.isValid())
        return QStringLiteral("no temporary folder");
    return {};
}

QString NodeHarnas::Rondgang(const QString& tekst) { return Ansi::Van(Ansi::Naar(tekst)); }

QByteArray NodeHarnas::Node(const QStringList& argumenten, int& code)
{
    QProcess node;
    node.start(m_node, argumenten);
    if (!node.waitForFinished(60000)) {
        code = -1;
        return {};
    }
    code = node.exitStatus() == QProcess::NormalExit ? node.exitCode() : -1;
    const QByteArray fout = node.readAllStandardError();
    if (code != 0)
        qWarning("%s", fout.constData());
    return node.readAllStandardOutput();
}

QJsonObject NodeHarnas::Draai(const ScriptInvoer& invoer)
{
    const QString pad = m_map.filePath(QStringLiteral("hovelink.js"));
    if (!TestPaden::SchrijfBestand(pad, Script::MaakScriptBestand(invoer)))
        return {};
    return DraaiBestand(pad, invoer.txtB1);
}

QJsonObject NodeHarnas::DraaiBestand(const QString& pad, const std::array<QString, 4>& namen)
{
    int code = 0;
    Node({QStringLiteral("--check"), pad}, code);
    if (code != 0)
        return {};
    QJsonArray vakken;
    for (const QString& naam : namen)
        vakken.append(Rondgang(naam));
    const QByteArray uit =
        Node({QStringLiteral(HOVELINK_SCRIPT_HARNESS), pad,
              QString::fromUtf8(QJsonDocument(vakken).toJson(QJsonDocument::Compact))},
             code);
    return code == 0 ? QJsonDocument::fromJson(uit).object() : QJsonObject();
}
