#include "ttimescale.h"
#include "uibaselog.h"

TTimeScale::TTimeScale() : m_x0(0), m_hourW(0), m_zoom(0), m_ts(0), m_te(DaySeconds) {}

int TTimeScale::spanSeconds(int zoom)
{
    if (zoom == 1)
        return 14400;
    if (zoom == 2)
        return 3600;
    return DaySeconds;
}

void TTimeScale::setWidth(int width)
{
    m_hourW = width > 0 ? width / 27 : 0;
    m_x0 = (width > 0 ? width : 0) - Steps * m_hourW;
}

void TTimeScale::reset()
{
    m_zoom = 0;
    m_ts = 0;
    m_te = DaySeconds;
}

int TTimeScale::pos2time(int x) const
{
    if (m_hourW <= 0)
        return m_ts;
    // 64-bit product: a wide widget times a day of seconds overflows int.
    return int(qint64(x - m_x0) * span() / (Steps * m_hourW)) + m_ts;
}

int TTimeScale::time2pos(int offset) const
{
    return m_x0 + int(qint64(Steps) * m_hourW * offset / span());
}

void TTimeScale::settle()
{
    if (m_ts < 0)
        m_ts = 0;
    m_te = m_ts + span();
}

int TTimeScale::button(int id, int posCur)
{
    switch (id) {
    case 0: // "<"
        if (m_zoom != 0 && m_ts > 0)
            m_ts -= span();
        break;
    case 5: // ">"
        if (m_zoom != 0 && m_ts < DaySeconds - span())
            m_ts += span();
        break;
    case 1: { // "+": show the span that holds the cursor's time
        if (m_zoom >= 2)
            break;
        const int t = pos2time(posCur);
        m_zoom += 1;
        const int sp = span();
        m_ts = (t / sp) * sp;
        settle();
        return time2pos(t % sp);
    }
    case 4: { // "-"
        if (m_zoom == 0)
            break;
        const int t = pos2time(posCur);
        if (m_zoom == 1) {
            m_zoom = 0;
            m_ts = 0;
        } else {
            m_zoom = 1;
            m_ts = (m_ts / 14400) * 14400;
        }
        settle();
        return time2pos(t - m_ts);
    }
    default:
        break;
    }
    settle();
    return posCur;
}

int TTimeScale::stepLeft(int posCur, bool* scrolled)
{
    const int sp = span();
    const int step = sp / Steps;
    const int t = pos2time(posCur);
    int ct = ((t - m_ts - step) / step) * step;
    *scrolled = false;
    if (ct < 0) {
        if (m_ts > 0) {
            qCDebug(lcUiBase, "Key_Left.. m_ts:%d ct:%d intv:%d", m_ts, ct, step);
            m_ts -= sp;
            settle();
            ct += sp;
            *scrolled = true;
        } else {
            ct = 0;
        }
    }
    return ct;
}

int TTimeScale::stepRight(int posCur, bool* scrolled)
{
    const int sp = span();
    const int step = sp / Steps;
    const int t = pos2time(posCur);
    int ct = ((t - m_ts + step) / step) * step;
    *scrolled = false;
    if (ct >= sp - 1) {
        if (m_te < DaySeconds) {
            qCDebug(lcUiBase, "Key_Right.. m_ts:%d ct:%d intv:%d", m_ts, ct, step);
            m_ts += sp;
            settle();
            ct -= sp;
            *scrolled = true;
        } else {
            ct = ((sp - 1) / step) * step;
        }
    }
    return ct;
}
