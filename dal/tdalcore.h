#pragma once
#include "dal.h"
#include "dal_test.h"
#include "tdalcontrol.h"
#include "tdalprofile.h"
#include "tdalworker.h"

#include <map>
#include <mutex>
#include <string>

// The state of the device-layer stand-in, kept per family, and its
// delivery threads: the IO family (keys, jog, shuttle, sensors, the
// one-second tick) on one thread, every other family on a second one.
// Callbacks are delivered only between their registration and DalStop.
class TDalCore
{
public:
    static TDalCore& instance();
    ~TDalCore();

    // Life cycle.
    int init();
    int start();
    int stop();
    int exit();
    void reset(); // the test driver's full reset

    // Registration.
    void setIoCb(DalIoCb cb, void* ctx);
    void setEncCb(DalEncCfgCb cfg, DalEncNotifyCb notify, void* ctx);
    void setDecCb(DalDecCb cb, void* ctx);
    void setNetCb(DalNetCb cb, void* ctx);
    void setBackupCb(DalBackupCb cb, void* ctx);
    void setNeseCb(DalNeseCb cb, void* ctx);
    void setVinCb(DalVinCb cb, void* ctx);
    void setPosCb(DalPosCb cb, void* ctx);
    void setSerialTestCb(DalSerialTestCb cb, void* ctx);

    // Events, delivered on the stand-in's threads.
    void injectIo(int type, int from, int data);
    void injectVin(int type, int ch, int value);
    void injectEnc(int type, int ch, int data, const std::string& msg);
    void flush();
    int stepTick();
    void setManualTicks(bool on);

    // Profile and capability counts.
    TDalProfile profile();
    bool selectProfile(const std::string& name);
    void setPal(bool pal);
    bool setCountOverride(const std::string& field, int value);
    void applyOverrides(DalCaps* dal, AvcCaps* avc, VoutCaps* vout);

    // Failures made by the test driver.
    void setFail(const std::string& call, int result);
    void clearFails();
    bool failed(const char* call, int* result);

    // Family state the calls keep.
    std::mutex& stateMutex() { return m_mutex; }
    DalTestState& state() { return m_state; }
    uint32_t videoLoss();

    std::string controlPath() const;

private:
    TDalCore();
    void tick();

    std::mutex m_mutex;
    TDalProfile m_profile;
    DalTestState m_state;
    std::map<std::string, int> m_fails;
    std::map<std::string, int> m_counts;

    DalIoCb m_ioCb = nullptr;
    void* m_ioCtx = nullptr;
    DalEncCfgCb m_encCfgCb = nullptr;
    DalEncNotifyCb m_encNotifyCb = nullptr;
    void* m_encCtx = nullptr;
    DalDecCb m_decCb = nullptr;
    void* m_decCtx = nullptr;
    DalNetCb m_netCb = nullptr;
    void* m_netCtx = nullptr;
    DalBackupCb m_backupCb = nullptr;
    void* m_backupCtx = nullptr;
    DalNeseCb m_neseCb = nullptr;
    void* m_neseCtx = nullptr;
    DalVinCb m_vinCb = nullptr;
    void* m_vinCtx = nullptr;
    DalPosCb m_posCb = nullptr;
    void* m_posCtx = nullptr;
    DalSerialTestCb m_serialCb = nullptr;
    void* m_serialCtx = nullptr;

    bool m_stopped = false;
    TDalWorker m_io;
    TDalWorker m_events;
    TDalControl m_control;
};
