#pragma once

// The time axis of the search timeline: which seconds of the day the 24
// column steps show at the current zoom level, and how an x position maps to
// a time and back. Kept apart from the widget so that zooming, scrolling and
// cursor steps can be checked on plain numbers.
class TTimeScale
{
public:
    enum { DaySeconds = 86400, Steps = 24 };

    TTimeScale();

    // Seconds shown at a zoom level: 0 a day, 1 four hours, 2 one hour; any
    // other level counts as 0.
    static int spanSeconds(int zoom);

    // Lays the axis out for a widget width: one step is width / 27 pixels,
    // the label column takes what is left of 24 steps.
    void setWidth(int width);
    // The whole day at zoom 0.
    void reset();

    int x0() const { return m_x0; }
    int hourW() const { return m_hourW; }
    int zoom() const { return m_zoom; }
    int ts() const { return m_ts; }
    int te() const { return m_te; }
    int span() const { return spanSeconds(m_zoom); }
    // Right edge (exclusive) of the columns.
    int x1() const { return m_x0 + Steps * m_hourW; }

    // Second of the day under x; with no columns at all (a widget narrower
    // than 27 px) every x is the span's first second.
    int pos2time(int x) const;
    // x of an offset in seconds from the span's first second.
    int time2pos(int offset) const;
    // x lies in the graph's columns.
    bool inColumns(int x) const { return x >= m_x0 && x < x1(); }

    // The zoom and scroll buttons: 0 "<", 1 "+", 4 "-", 5 ">". Returns the
    // new cursor x for the cursor at posCur.
    int button(int id, int posCur);

    // One cursor step by key. Returns the new cursor offset from ts() (after
    // any scroll) and tells whether the span scrolled.
    int stepLeft(int posCur, bool* scrolled);
    int stepRight(int posCur, bool* scrolled);

private:
    void settle();

    int m_x0;
    int m_hourW;
    int m_zoom;
    int m_ts;
    int m_te;
};
