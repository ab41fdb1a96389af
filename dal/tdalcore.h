#pragma once
#include "dal.h"
#include "dal_test.h"
#include "tdalalarm.h"
#include "tdalcontrol.h"
#include "tdalpos.h"
#include "tdalprofile.h"
#include "tdalptz.h"
#include "tdalworker.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>

// The state of the device-layer stand-in, kept per family, and its
// delivery threads: the IO family (keys, jog, shuttle, sensors, the
// one-second tick) on one thread, the network family on a second, every
// other family on a third.
// Callbacks are delivered only between their registration and DalStop;
// unregistering a family returns once a callback of it already running has
// ended.
class TDalCore
{
public:
    // The callback families, each registered by its own Dal*SetCb call.
    enum Family { IO, ENC, DEC, NET, BACKUP, NESE, VIN, POS, SERIAL, FAMILY_COUNT };

    // The registered functions and contexts, copied for one delivery.
    struct Callbacks {
        DalIoCb io = nullptr;
        DalEncCfgCb encCfg = nullptr;
        DalEncNotifyCb encNotify = nullptr;
        DalDecCb dec = nullptr;
        DalNetCb net = nullptr;
        DalBackupCb backup = nullptr;
        DalNeseCb nese = nullptr;
        DalVinCb vin = nullptr;
        DalPosCb pos = nullptr;
        DalSerialTestCb serial = nullptr;
        void* ctx[FAMILY_COUNT] = {};
    };
    using Delivery = std::function<void(const Callbacks&)>;
    using SyncDelivery = std::function<int(const Callbacks&)>;

    static TDalCore& instance();
    ~TDalCore();

    // Life cycle.
    int init();
    int start();
    int stop();
    int exit();
    void reset(); // the test driver's full reset

    // Registration; a null function unregisters the family.
    void setIoCb(DalIoCb cb, void* ctx);
    void setEncCb(DalEncCfgCb cfg, DalEncNotifyCb notify, void* ctx);
    void setDecCb(DalDecCb cb, void* ctx);
    void setNetCb(DalNetCb cb, void* ctx);
    void setBackupCb(DalBackupCb cb, void* ctx);
    void setNeseCb(DalNeseCb cb, void* ctx);
    void setVinCb(DalVinCb cb, void* ctx);
    void setPosCb(DalPosCb cb, void* ctx);
    void setSerialTestCb(DalSerialTestCb cb, void* ctx);

    // Generic delivery on the family's thread: the job gets a copy of the
    // registrations and calls the family's function when it is set. Nothing
    // is delivered after DalStop or when the queue is full (false).
    bool deliver(Family family, Delivery job);
    // The same, waiting for the callback's result; -1 when not delivered.
    int deliverWait(Family family, SyncDelivery job);

    // Events of the IO, video-input and encoder families with the state
    // they change (sensors, video loss).
    void injectIo(int type, int from, int data);
    void injectVin(int type, int ch, int value, const unsigned char* map);
    void injectEnc(int type, int ch, int data, const char* msg);
    void flush();
    int stepTick();
    void setManualTicks(bool on);

    // Profile and capability counts.
    TDalProfile profile();
    bool selectProfile(const std::string& name);
    void setPal(bool pal);
    bool setPrivacyLimit(double cx, double cy);
    bool setCountOverride(const std::string& field, int value);
    void applyOverrides(DalCaps* dal, AvcCaps* avc, VoutCaps* vout);
    // The override of one count, when a test set one.
    bool countOverride(const std::string& field, int* value);

    // Failures made by the test driver.
    void setFail(const std::string& call, int result);
    void clearFails();
    bool failed(const char* call, int* result);

    // Family state the calls keep.
    std::mutex& stateMutex() { return m_mutex; }
    DalTestState& state() { return m_state; }
    uint32_t videoLoss();
    // The stand-in's seconds: one per tick delivered, from the reset on.
    int seconds();
    TDalAlarm& alarm() { return m_alarm; }
    TDalPtz& ptz() { return m_ptz; }
    TDalPos& pos() { return m_pos; }

    // The control FIFO's host path ("$DVR_ROOT/tmp/dal.ctl"), named even
    // where the channel cannot be opened.
    std::string controlPath() const;

private:
    TDalCore();
    void tick();
    TDalWorker& worker(Family family) { return family == IO ? m_io : family == NET ? m_net : m_events; }
    // After a family was unregistered: waits for a callback of it that
    // may still run with the old registration.
    void unregistered(Family family);

    std::mutex m_mutex;
    TDalProfile m_profile;
    DalTestState m_state;
    std::map<std::string, int> m_fails;
    std::map<std::string, int> m_counts;
    Callbacks m_cb;

    bool m_stopped = false;
    int m_seconds = 0;
    TDalAlarm m_alarm;
    TDalPtz m_ptz;
    TDalPos m_pos;
    TDalWorker m_io;
    TDalWorker m_events;
    TDalWorker m_net;
    TDalControl m_control;
};
