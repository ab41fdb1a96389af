#include "appglobals.h"

TString* g_str = nullptr;
TConfig* g_cfg = nullptr;
TDefault* g_default = nullptr;
TRes* g_res = nullptr;
TVKeyboard* g_vkeyboard = nullptr;
TVKeyNumboard* g_vkeynum = nullptr;
TFileWnd* g_fileWnd = nullptr;
TStatusWnd* g_statusWnd = nullptr;
TMsgWnd* g_msgWnd = nullptr;
int g_noFocusFrame = 0;
TTestWnd* g_testWnd = nullptr;
TBackgrnd* g_backgrnd = nullptr;
