#pragma once
// The steps of the process start-up and end that main runs around the main
// window, kept here so they can be run and checked on their own.
#include "tstopsignals.h"

#include <QSize>
#include <QString>

#include <functional>

struct VoutCaps;
class QWidget;

// The whole program as main runs it; its exit code. stopBoundMs is the stop
// watcher's bound (TStopSignals): how long a stop request may wait to be
// taken, and a shutdown that began to reach the end of the event loop.
int dvruiMain(int argc, char** argv, int stopBoundMs = TStopSignals::TakeBoundMs);

// Installs every hook the program's lower libraries call upward through:
// the facade's configuration hooks, the texts of the option lists and of
// the facade, what the resources and the OSD read of the configuration,
// the device and the resource object, and the OSD language the text
// keyboard asks for (the edit copy's, for its Korean layout). Start-up runs
// it once before the configuration is made; tests start the same way.
void installHooks();

// Removes what cut-off whole-file writes left in flash: the temporary
// files beside every file the program writes whole there (the model file
// confPath and the commit file, the quick options, the system log's copy,
// the staged firmware image and its version, the image sheet restored in
// the program's folder), named as each writer names them, and nothing
// else. Flash has room for only a few of them: start-up runs it once, as
// soon as the model file's name is known, before the configuration and the
// device facade write there (only the video-type step's quick-options save
// comes earlier: the model's name needs the video type set first). The
// number removed.
int removeFlashLeftovers(const QString& confPath);

// The screen the main window covers: the last output size the device
// lists. A count of 0 gives 1280 x 720, a count above the table's 20
// entries is taken as 20, and a listed size that is not positive gives
// 1280 x 720 too.
QSize screenSizeOf(const VoutCaps& caps);

// After the event loop, by the main window's flags: with an upgrade pending
// the upgrade tool is started in the background ("/dvr/upgrade /dvr/fwr
// skip_crc_check reboot &") and this returns 1, also when power-off was
// chosen as well; with power-off alone the process sleeps until the power
// goes, or until stopRequested says a stop request (Ctrl-C, SIGTERM) came,
// and then returns 0 for the tear-down; otherwise 0.
int runAfterLoop(int upgrade, int powerOff, const std::function<bool()>& stopRequested = {});

// Deletes the main window, then the text object, the resources and the
// configuration, so that no window hook ever runs on a freed one. The
// defaults object lives on.
void tearDown(QWidget* mainWnd);
