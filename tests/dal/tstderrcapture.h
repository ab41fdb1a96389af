#pragma once
#include <QTemporaryFile>
#include <cstdio>
#include <unistd.h>

// Sends this process's standard error into a file until restore() or the
// end of the object; text() gives what was written.
class TStderrCapture
{
public:
    TStderrCapture() : m_saved(::dup(2)) { m_file.open(); std::fflush(stderr); ::dup2(m_file.handle(), 2); }
    ~TStderrCapture() { restore(); }
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, 2);
        ::close(m_saved);
        m_saved = -1;
    }
    QByteArray text() { std::fflush(stderr); m_file.seek(0); return m_file.readAll(); }

private:
    QTemporaryFile m_file;
    int m_saved;
};
