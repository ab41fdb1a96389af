#pragma once
// Runs the test program itself again as a child process, with variables
// added to its environment: for what a test cannot do in its own process
// (end it, start it in another zone, hold its GUI thread, abort it).
#include <QCoreApplication>
#include <QPair>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QVector>

inline void startSelf(QProcess& child, const QStringList& args, const QVector<QPair<QString, QString>>& env)
{
    QProcessEnvironment vars = QProcessEnvironment::systemEnvironment();
    for (const auto& v : env)
        vars.insert(v.first, v.second);
    child.setProcessEnvironment(vars);
    child.start(QCoreApplication::applicationFilePath(), args);
}
