#pragma once
// Codes of the setup menu: what a setup page sends the setup frame with
// sg_action(code, a, b), what the frame forwards to the main window, and the
// code under which the answer comes back. 0-2 are the frame's bottom buttons,
// 3, 9, 15, 24 and 31 its tabs, 4-37 the page ids (a page's Apply sends its
// id), 38-58 live previews, 46-82 requests, tests and maintenance, 83-85 the
// preview window, 86-89 maintenance actions.
//
// Scoped in a namespace: the device facade declares the codes that remote
// setup carries under the same names (the main window asserts they agree).
namespace SetupAct {
enum SetupAction {
    Btn_Shutdown = 0,
    Btn_Ok = 1,
    Btn_Cancel = 2,
    Btn_Display = 3,
    Btn_Display_Osd = 4,
    Btn_Display_Disp = 5,
    Btn_Display_SpotHd = 6,
    Btn_Display_Spot = 7,
    Btn_Display_Color = 8,
    Btn_Record = 9,
    Btn_Record_Record = 10,
    Btn_Record_Group = 11,
    Btn_Record_Schedule = 12,
    Btn_Record_Holiday = 13,
    Btn_Record_Eventin = 14,
    Btn_Device = 15,
    Btn_Device_Camera = 16,
    Btn_Device_Private = 17,
    Btn_Device_Audio = 18,
    Btn_Device_Motion = 19,
    Btn_Device_Alarm = 20,
    Btn_Device_Ptz = 21,
    Btn_Device_Ctrl = 22,
    Btn_Device_Pos = 23,
    Btn_Network = 24,
    Btn_Network_Addr = 25,
    Btn_Network_Port = 26,
    Btn_Network_Ddns = 27,
    Btn_Network_Email = 28,
    Btn_Network_Control = 29,
    Btn_Network_Status = 30,
    Btn_System = 31,
    Btn_System_Dt = 32,
    Btn_System_User = 33,
    Btn_System_Strg = 34,
    Btn_System_Smart = 35,
    Btn_System_Slog = 36,
    Btn_System_Config = 37,
    Act_PrvOsdAlpha = 38,
    Act_PrvColor = 39,
    Act_PrvColorBri = 40,
    Act_PrvColorCon = 41,
    Act_PrvColorSat = 42,
    Act_PrvColorHue = 43,
    Act_PrvDispOut = 44,
    Act_PrvDispCsc = 45,
    Act_InfoCamera = 46,
    Act_PrvPrivate = 47,
    Act_PrvAudio = 48,
    Act_PrvMotion = 49,
    Act_PrvMotionOff = 50,
    Act_InfoMotion = 51,
    Act_PrvMotionTrace = 52,
    Act_Unused53 = 53,
    Act_PrvPtz = 54,
    Act_PrvPtzUp = 55,
    Act_PrvPtzDown = 56,
    Act_PrvPtzLeft = 57,
    Act_PrvPtzRight = 58,
    Act_Unused59 = 59,
    Act_InfoPos = 60,
    Act_InfoDhcp = 61,
    Act_TestUpnp = 62,
    Act_InfoUpnp = 63,
    Act_TestDdns = 64,
    Act_InfoDdns = 65,
    Act_TestEmail = 66,
    Act_InfoNetClient = 67,
    Act_TestNtp = 68,
    Act_InfoStrg = 69,
    Act_StrgFormat = 70,
    Act_StrgCheck = 71,
    Act_InfoSmart = 72,
    Act_InfoSlog = 73,
    Act_InfoSlog2 = 74,
    Act_InfoSlogLines = 75,
    Act_SlogExport = 76,
    Act_ConfDetect = 77,
    Act_ConfMount = 78,
    Act_ConfUpgrade = 79,
    Act_ConfExport = 80,
    Act_ConfImport = 81,
    Act_ConfDefault = 82,
    Act_PipShow = 83,
    Act_PipHide = 84,
    Act_PipReshow = 85,
    Act_HotBoardTest = 86,
    Act_HotDelConfig = 87,
    Act_HotDelLog = 88,
    Act_HotFormat = 89,
    Act_Last = 89
};

// The five tabs, in menu order, with their first and last item.
struct SetupTab
{
    int id;
    int first;
    int last;
};
constexpr SetupTab kSetupTabs[5] = {{Btn_Display, Btn_Display_Osd, Btn_Display_Color},
                                    {Btn_Record, Btn_Record_Record, Btn_Record_Eventin},
                                    {Btn_Device, Btn_Device_Camera, Btn_Device_Pos},
                                    {Btn_Network, Btn_Network_Addr, Btn_Network_Status},
                                    {Btn_System, Btn_System_Dt, Btn_System_Config}};

// The column (0..4) of the tab that holds a tab or item id; -1 for others.
constexpr int tabColumnOf(int id)
{
    for (int k = 0; k < 5; ++k) {
        if (id >= kSetupTabs[k].id && id <= kSetupTabs[k].last)
            return k;
    }
    return -1;
}

// A page id: an item of a tab (4-37 without the tabs).
constexpr bool isPageId(int id)
{
    return tabColumnOf(id) >= 0 && kSetupTabs[tabColumnOf(id)].id != id;
}

// The pages with a live picture in their preview area.
constexpr bool isPreviewPage(int id)
{
    return id == Btn_Display_Color || id == Btn_Device_Private || id == Btn_Device_Motion || id == Btn_Device_Ptz;
}
} // namespace SetupAct
