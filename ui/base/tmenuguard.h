#pragma once

// Marks the time a pop-up menu's show or hide handler runs.
//
// Qt cannot take a top-level window being shown, hidden or deleted while a
// menu is half open or half closed: it loops for good closing the menu, or
// crashes inside it. Work that other threads queue to the GUI thread (a
// remote setup, device news) shows such windows, so nothing reached from
// these handlers may run a nested event loop: that work then runs once the
// handler has returned. The handlers hold a guard; code that would let the
// pending events run asks processEvents() here instead. GUI thread only.
class TMenuGuard
{
public:
    TMenuGuard();
    ~TMenuGuard();
    TMenuGuard(const TMenuGuard&) = delete;
    TMenuGuard& operator=(const TMenuGuard&) = delete;

    // A menu's show or hide handler is running.
    static bool active();
    // Lets the pending events run once, unless a menu's handler is running.
    static void processEvents();
};
