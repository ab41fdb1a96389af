#pragma once
// The process-wide object pointers. main and the main window fill them; every
// floor of the program may read them, so this header only forward-declares.

class TString;
class TConfig;
class TDefault;
class TRes;
class TVKeyboard;
class TVKeyNumboard;
class TFileWnd;
class TStatusWnd;
class TMsgWnd;
class TTestWnd;
class TBackgrnd;

extern TString* g_str;
extern TConfig* g_cfg;
extern TDefault* g_default;
extern TRes* g_res;
extern TVKeyboard* g_vkeyboard;
extern TVKeyNumboard* g_vkeynum;
extern TFileWnd* g_fileWnd;
extern TStatusWnd* g_statusWnd;
extern TMsgWnd* g_msgWnd;
extern int g_noFocusFrame;
extern TTestWnd* g_testWnd;
extern TBackgrnd* g_backgrnd;
