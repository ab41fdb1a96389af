#pragma once
// The facade of a unit (TDvrFixture) with its output capabilities held as
// the start-up takes them, and the OSD hooks of an unscaled screen whose
// icons are plain 16 x 16 squares.
#include "tdvrfixture.h"
#include "tosdhooks.h"

class TLiveFixture : public TDvrFixture
{
public:
    explicit TLiveFixture(const char* profile = "16")
        : TDvrFixture(profile)
    {
        g_api.getCaps(&g_api.m_dalCaps, &g_api.m_avcCaps, &g_api.m_voutCapsRec);
        g_api.m_voutCaps = &g_api.m_voutCapsRec;
        g_api.m_numLayout = g_api.m_voutCapsRec.numLayout;
        g_osdHooks.size = [](int id) { return id == 16 ? QSize(800, 600) : QSize(16, 16); };
        g_osdHooks.image = [](int id) {
            QImage img(16, 16, QImage::Format_RGB32);
            img.fill(qRgb(id, 200, 40));
            return img;
        };
        g_api.m_layout = g_api.m_sw = 0;
    }

    ~TLiveFixture()
    {
        g_api.freeObjects();
        g_api.m_voutCaps = nullptr;
        g_api.m_numLayout = 0;
        g_osdHooks = TOsdHooks{nullptr, nullptr, nullptr, nullptr, nullptr};
    }

    // The journal lines from index from on that contain text.
    static QStringList lines(const char* text, int from = 0)
    {
        QStringList out;
        char buf[512];
        for (int i = from; i < dalTestJournalCount(); ++i)
            if (dalTestJournalLine(i, buf, sizeof buf) == 0 && strstr(buf, text))
                out << QString::fromLatin1(buf);
        return out;
    }
};
