#pragma once
// Records and codes of the network area of the device facade: the network
// status record the setup pages and the remote-setup client read, the
// remote-setup command codes and the setup-action codes those commands carry.
#include <cstdint>

// Network status (3344 bytes): the MAC, the web code and the connected
// clients of the watch, search and setup services.
struct NetClientInfo {
    enum { MAX_CLIENTS = 50, TEXT_SIZE = 64 };
    char mac[TEXT_SIZE];
    char webcode[TEXT_SIZE];
    int32_t watch;
    int32_t search;
    int32_t setup;
    int32_t count;
    char client[MAX_CLIENTS][TEXT_SIZE]; // "a.b.c.d(Watch)" ...
};

// Remote-setup commands (the cmd field of a packet).
enum DnpcCmd {
    DNPC_RS_CAPS = 0x600,
    DNPC_RS_START = 0x601,
    DNPC_RS_APP_OK = 0x610,
    DNPC_RS_APP_CANCEL = 0x611,
    DNPC_RS_APP_APPLY = 0x612,
    DNPC_RS_APP_RUN = 0x613,
    DNPC_RS_APP_INFO = 0x614,
    DNPC_RS_APP_TEST = 0x615,
    DNPC_RS_APP_RESULT = 0x616,
    DNPC_RS_USER_MIN = 0x620,
    DNPC_RS_USER_LAYOUT = 0x621,
    DNPC_UC_COLOR_GET = 0x700,
    DNPC_UC_COLOR_SET = 0x701,
    DNPC_UC_COLOR_APPLY = 0x702,
    DNPC_UC_PANIC_RECORD = 0x708,
    DNPC_UC_ALARM_GETNAME = 0x710,
    DNPC_CAPS_WEBCODE = 0xff01,
    DNPC_CAPS_NETWORK = 0xff02
};

// The setup-action codes remote-setup packets carry: live previews, status
// requests and network tests.
enum NetSetupAction {
    Act_PrvOsdAlpha = 38,
    Act_PrvColor = 39,
    Act_PrvColorBri = 40,
    Act_PrvColorCon = 41,
    Act_PrvColorSat = 42,
    Act_PrvColorHue = 43,
    Act_PrvDispCsc = 45,
    Act_InfoCamera = 46,
    Act_PrvPrivate = 47,
    Act_PrvAudio = 48,
    Act_PrvMotion = 49,
    Act_PrvMotionOff = 50,
    Act_InfoMotion = 51,
    Act_PrvMotionTrace = 52,
    Act_PrvPtz = 54,
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
    Act_StrgCheck = 71,
    Act_InfoSmart = 72
};

// The page id of the colour setup page (the remote colour apply).
enum { NET_PAGE_COLOR = 8 };

static_assert(sizeof(NetClientInfo) == 3344, "NetClientInfo layout");
