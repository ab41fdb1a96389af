#pragma once
#include <QProcess>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

// A program that can be ended together with everything it started. With
// ownGroup it runs in a process group of its own, which the processes it
// starts (a shell script's children) join; ending it ends the whole group,
// so none of them lives on holding its output open. Without ownGroup it is
// an ordinary child in this program's group.
class TGroupProcess : public QProcess
{
public:
    explicit TGroupProcess(bool ownGroup)
        : m_ownGroup(ownGroup)
    {
    }

    // Kills the program, and with ownGroup every process of its group.
    void killAll()
    {
        if (m_ownGroup && processId() > 0)
            ::kill(-pid_t(processId()), SIGKILL);
        kill();
    }

protected:
    // In the child, before the program is executed.
    void setupChildProcess() override
    {
        if (m_ownGroup)
            ::setpgid(0, 0);
    }

private:
    bool m_ownGroup;
};
