#pragma once
// Runs the test program itself again as a child process, with variables
// added to its environment: for what a test cannot do in its own process
// (end it, start it in another zone, hold its GUI thread, abort it).
#include <QCoreApplication>
#include <QDir>
#include <QObject>
#include <QPair>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

// The temporary folder of one child (its TMPDIR, where its runtime roots
// go), owned by the child's QProcess: a child that is killed or aborts
// removes nothing itself, so the folder goes with the QProcess, which is
// destroyed only once its child has ended (~QProcess kills and waits).
class TSelfChildTmp : public QObject
{
public:
    explicit TSelfChildTmp(QProcess* owner)
        : QObject(owner), m_dir(QDir::tempPath() + QLatin1String("/child-XXXXXX"))
    {
    }
    QTemporaryDir m_dir;
};

inline void startSelf(QProcess& child, const QStringList& args, const QVector<QPair<QString, QString>>& env)
{
    QProcessEnvironment vars = QProcessEnvironment::systemEnvironment();
    const auto* tmp = new TSelfChildTmp(&child);
    if (tmp->m_dir.isValid())
        vars.insert(QStringLiteral("TMPDIR"), tmp->m_dir.path());
    for (const auto& v : env)
        vars.insert(v.first, v.second);
    child.setProcessEnvironment(vars);
    child.start(QCoreApplication::applicationFilePath(), args);
}
