#pragma once
// Shared helpers of the resource tests.
#include "appglobals.h"
#include "tdefault.h"
#include "ttestroot.h"

#include <QFile>
#include <QImage>

#include <memory>

// The sheet the build draws.
inline QString generatedSheet() { return QStringLiteral(DVR_SHEET_DIR "/img_res.png"); }

// Puts the generated sheet (and optionally its .bak) into the root's app
// folder and returns the sheet path the program would use.
inline QString installSheet(const TTestRoot& root, bool sheet = true, bool bak = true)
{
    const QString path = root.file("/app/img_res.png");
    if (sheet)
        QFile::copy(generatedSheet(), path);
    if (bak)
        QFile::copy(generatedSheet(), path + ".bak");
    return path;
}

inline QImage argb(const QImage& i) { return i.convertToFormat(QImage::Format_ARGB32); }

// Makes g_default name an OEM variant (none for an empty name) while it lives.
class OemScope
{
public:
    explicit OemScope(const QByteArray& oem)
    {
        if (oem.isEmpty())
            return;
        m_root.write("/dvr/default.conf", "[DEFAULT]\noem=" + oem + "\n");
        m_def.reset(new TDefault("/dvr/default.conf"));
        PropDefault rec;
        m_def->load(&rec);
        g_default = m_def.get();
    }
    ~OemScope() { g_default = nullptr; }
    int oem() const { return m_def ? m_def->getOem() : -1; }
    const TTestRoot& root() const { return m_root; }

private:
    TTestRoot m_root;
    std::unique_ptr<TDefault> m_def;
};
