#pragma once
// The codes between the search window and the main window: the window's
// requests (sg_request(code, value)) and the answers the main window gives
// back through TSearchWnd::reply(code, data). The value of a request is a
// pointer to a SearchQuery for the loads (48-51), an integer otherwise.
enum SearchReq {
    Act_LoadDataTime = 48,   // SearchQuery of a day (Time, Thumbnail, Panorama)
    Act_LoadDataEvt = 49,    // SearchQuery of a day page (Event)
    Act_LoadDbTime = 50,     // SearchQuery: open the database for the time modes
    Act_LoadDbEvt = 51,      // SearchQuery: open the database for the event list
    Act_NextMonth = 52,
    Act_PrevMonth = 53,
    Act_Backup = 54,
    Act_SearchOpt = 55,      // the options dialog closed with OK
    Act_CtrlSeek = 58,       // seconds of day, while playing
    Act_CtrlFRew = 59,       // the values of 59-65 are seconds of day
    Act_CtrlSlowRew = 60,
    Act_CtrlPause = 61,
    Act_CtrlRew = 62,
    Act_CtrlPlay = 63,       // -1: resume at rate 1 where playing
    Act_CtrlSlowFwd = 64,
    Act_CtrlFFwd = 65,
    Act_ReplyLoadDb = 66,    // answer: MonthInfo or null
    Act_ReplyLoadData = 67,  // answer: ReiDay, DayEvents or null
    Act_ReplyLoadMonth = 68, // answer: MonthInfo or null
    Act_SearchWait = 69,     // show the wait box
    Act_SearchClose = 70,    // hide the wait box
    Act_SearchUsb = 71,      // detect external media; answer: media found
    Act_SearchMount = 72,    // mount external media; answer: mounted
    Act_SearchLayout = 73,   // next playback layout
    Act_SearchPage = 74,     // next page of the playback layout
    Act_SearchLayoutSw = 75, // layout value
    Act_SearchFull = 76,     // channel 0..19, single view
    Act_SearchExit = 78,     // the window closes
    Act_SearchCursor = 79,   // the mouse moved without the left button
    Act_NoReply = 80         // the timeline thread's job has no answer
};
