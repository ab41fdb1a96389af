#include "tsetupth.h"
#include "appglobals.h"
#include "logrecord.h"
#include "setupaction.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "townerthread.h"
#include "tproperty.h"

#include <QLoggingCategory>

#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

using namespace SetupAct;

namespace {

// UI texts of the run's own messages.
enum { T_SETUP = 2, T_FAILED = 212 };

enum { OemLinkedSerial = 7, StartDelayMs = 500 };

// The sections of a page's Apply, its log label, in page-id order. Only the
// first section decides whether anything changed.
struct PageApply
{
    int page;
    int sections[3];
    const char* label;
};

const PageApply kPages[] = {
    {Btn_Display_Osd, {IDX_PROP_OSD, IDX_PROP_DTFORM, IDX_PROP_INFOBAR}, "(OSD)"},
    {Btn_Display_Disp, {IDX_PROP_DISPLAY, -1, -1}, "(Display)"},
    {Btn_Display_SpotHd, {IDX_PROP_SPOTHD, -1, -1}, "(HD Spot)"},
    {Btn_Display_Spot, {IDX_PROP_SPOT, -1, -1}, "(Spot)"},
    {Btn_Display_Color, {IDX_PROP_COLOR, -1, -1}, "(Color)"},
    {Btn_Record_Record, {IDX_PROP_RECORD, -1, -1}, "(Record)"},
    {Btn_Record_Group, {IDX_PROP_GROUP, -1, -1}, "(Group)"},
    {Btn_Record_Schedule, {IDX_PROP_SCHEDULE, -1, -1}, "(Schedule)"},
    {Btn_Record_Holiday, {IDX_PROP_HOLIDAY, -1, -1}, "(Holiday)"},
    {Btn_Record_Eventin, {IDX_PROP_EVENT, -1, -1}, "(Event In)"},
    {Btn_Device_Camera, {IDX_PROP_CAMERA, -1, -1}, "(Camera)"},
    {Btn_Device_Private, {IDX_PROP_PRIVATE, -1, -1}, "(Private Zone)"},
    {Btn_Device_Audio, {IDX_PROP_AUDIO, -1, -1}, "(Audio)"},
    {Btn_Device_Motion, {IDX_PROP_MOTION, -1, -1}, "(Motion detection)"},
    {Btn_Device_Alarm, {IDX_PROP_ALARM, -1, -1}, "(Alarm out)"},
    {Btn_Device_Ptz, {IDX_PROP_PTZ, -1, -1}, "(PTZ)"},
    {Btn_Device_Ctrl, {IDX_PROP_CONTROL, -1, -1}, "(Controller)"},
    {Btn_Device_Pos, {IDX_PROP_POS, -1, -1}, "(POS)"},
    {Btn_Network_Addr, {IDX_PROP_NETADDR, -1, -1}, "(Address)"},
    {Btn_Network_Port, {IDX_PROP_NETPORT, -1, -1}, "(Port)"},
    {Btn_Network_Ddns, {IDX_PROP_NETDDNS, -1, -1}, "(DDNS)"},
    {Btn_Network_Email, {IDX_PROP_NETEMAIL, -1, -1}, "(E-mail)"},
    {Btn_Network_Control, {IDX_PROP_NETCONTROL, -1, -1}, "(Network Control)"},
    {Btn_System_Dt, {IDX_PROP_DATETIME, -1, -1}, "(Date/Time)"},
    {Btn_System_User, {IDX_PROP_USER, -1, -1}, "(User Authority)"},
    {Btn_System_Strg, {IDX_PROP_STORAGE, -1, -1}, "(Storage)"},
    {Btn_System_Smart, {IDX_PROP_SMART, -1, -1}, "(S.M.A.R.T)"},
};

const PageApply* pageOf(int page)
{
    for (const PageApply& p : kPages) {
        if (p.page == page)
            return &p;
    }
    return nullptr;
}

QByteArray sectionBuf(int idx)
{
    return QByteArray(qMax(0, TProperty::sectionSize(idx)), '\0');
}

template <class T> const T* as(const QByteArray& b)
{
    return b.size() >= int(sizeof(T)) ? reinterpret_cast<const T*>(b.constData()) : nullptr;
}

template <class T> T* live(int idx)
{
    return static_cast<T*>(g_cfg->getsection(idx, 1));
}

int oem()
{
    return g_default ? g_default->getOem() : 0;
}

// The sections OK and CANCEL walk: not the device record, the PTZ presets,
// nor the sections from 31 on.
bool okSection(int idx)
{
    return idx >= IDX_PROP_OSD && idx <= IDX_PROP_SMART && idx != IDX_PROP_PRESET;
}

bool recordingSection(int idx)
{
    return (idx >= IDX_PROP_RECORD && idx <= IDX_PROP_EVENT) || idx == IDX_PROP_DATETIME || idx == IDX_PROP_STORAGE;
}

bool outputDiffers(const QByteArray& before, const QByteArray& after)
{
    const auto* o = as<PropDisplay>(before);
    const auto* n = as<PropDisplay>(after);
    return o && n && (o->device2 != n->device2 || o->res != n->res || o->ratio != n->ratio);
}

} // namespace

TSetupth::TSetupth(QObject* parent) : QThread(parent)
{
    TOwnerThread::prepare(); // the runs hand their share over to this thread
}

TSetupth::~TSetupth()
{
    // A run waiting for the GUI thread gives up; the device work it is in
    // ends first.
    m_abort.storeRelease(1);
    wait();
}

bool TSetupth::isPlainName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QLatin1String("..")) && !name.contains(QChar(0));
}

void TSetupth::set(int flag, int a, int b, const QString& text, int local)
{
    g_api.setApplying(1);
    m_queue.append({flag, a, b, text, local});
    if (!m_busy) {
        m_busy = 1;
        startNext();
    }
}

void TSetupth::keepPageOnly(int flag)
{
    const PageApply* page = pageOf(flag);
    if (!page || !g_cfg)
        return;
    for (int idx = IDX_PROP_DEVICES + 1; idx <= IDX_PROP_SEARCHOPT; ++idx) {
        if (idx != page->sections[0] && idx != page->sections[1] && idx != page->sections[2])
            g_cfg->revert(idx, nullptr, nullptr);
    }
}

bool TSetupth::startNext()
{
    if (m_queue.isEmpty()) {
        m_busy = 0;
        return false;
    }
    const Request r = m_queue.takeFirst();
    m_flag = r.flag;
    m_a = r.a;
    m_b = r.b;
    m_text = r.text;
    m_local = r.local;
    m_user = QByteArray(g_api.m_curUser, int(qstrnlen(g_api.m_curUser, sizeof g_api.m_curUser)));
    m_busy = 1;
    if (m_gui.beforeRun)
        m_gui.beforeRun(m_flag);
    start();
    return true;
}

bool TSetupth::inGui(const std::function<void()>& f)
{
    // This object lives in the GUI thread: the work is handed to it and
    // waited for as long as it takes, unless the thread is being stopped.
    return TOwnerThread::call(this, f, TOwnerThread::NoBound, [this] { return m_abort.loadAcquire() != 0; });
}

void TSetupth::status(const QString& title, const QString& text)
{
    if (m_gui.status)
        inGui([&] { m_gui.status(title, text); });
}

bool TSetupth::commit()
{
    int result = 1;
    // The store is the GUI thread's.
    if (!inGui([&] { result = g_cfg->commitfile(); }))
        return false; // the program is stopping: nobody to tell
    if (result == 0)
        return true;
    qCWarning(lcApp, "TSetupth::commit failed:%d, the settings were not stored", result);
    status(TConfig::text(T_SETUP), TConfig::text(T_FAILED));
    return false;
}

void TSetupth::log(const char* label)
{
    g_api.writeLog(LOG_SETUP_CHANGED, m_user.constData(), label);
}

void TSetupth::run()
{
    // A stop waits for the runs to end: their share in the GUI thread is
    // served to the end even once the device threads are being let go.
    TOwnerThread::keepThroughClosing();
    QThread::msleep(StartDelayMs);
    qCDebug(lcApp, "TSetupth::run.. Enter.. m_flag:%d", m_flag);
    m_addrChanged = 0;
    if (!g_cfg)
        return;
    if (m_flag == Btn_Ok || m_flag == Btn_Cancel) {
        runOkCancel();
    } else if (m_flag == Act_ConfImport) {
        runImport();
    } else if (m_flag == Act_ConfDefault) {
        runDefault();
    } else if (m_flag >= Btn_Display && m_flag <= Btn_System_Config) {
        runPage();
        // Every page's Apply ends with the commit, changed or not.
        commit();
    }
    qCDebug(lcApp, "TSetupth::run.. Exit");
}

void TSetupth::spendClockOffset()
{
    inGui([] {
        static_cast<PropDatetime*>(g_cfg->getsection(IDX_PROP_DATETIME, 0))->diff = 0;
        g_cfg->apply(IDX_PROP_DATETIME, nullptr, nullptr, 1);
    });
}

void TSetupth::runPage()
{
    const PageApply* page = pageOf(m_flag);
    if (page == nullptr)
        return;
    const int first = page->sections[0];
    QByteArray after = sectionBuf(first);
    QByteArray before = sectionBuf(first);
    int changed = 0;
    // The copies move in the GUI thread, where the pages edit them.
    if (!inGui([&] {
            changed = g_cfg->apply(first, after.data(), before.data(), 1);
            for (int k = 1; k < 3; ++k) {
                if (page->sections[k] >= 0)
                    g_cfg->apply(page->sections[k], nullptr, nullptr, 1);
            }
        }))
        return;
    if (m_flag == Btn_Network_Addr)
        m_addrChanged = changed;
    if (m_flag == Btn_Network_Port) {
        qCDebug(lcApp, "TSetupWnd::Btn_Network_Port");
        const auto* n = as<PropNetport>(after);
        if (!changed && n && n->upnp) {
            qCDebug(lcApp, "ONLY upnp!!");
            g_api.upnpSet(n->upnp, 0);
        }
    }
    if (!changed)
        return;
    log(page->label);

    switch (m_flag) {
    case Btn_Display_Disp:
        g_api.dispColorSetdevice();
        if (outputDiffers(before, after))
            inGui([this] { if (m_gui.changeDisplay) m_gui.changeDisplay(0); });
        g_api.dispLayout(-1, -1);
        g_api.saveQuickOpt();
        break;
    case Btn_Display_SpotHd: g_api.spothdSetdevice(); break;
    case Btn_Display_Spot: g_api.spotSetdevice(); break;
    case Btn_Record_Record:
    case Btn_Record_Group:
    case Btn_Record_Schedule:
    case Btn_Record_Holiday:
    case Btn_Record_Eventin: g_api.encRefresh(); break;
    case Btn_Device_Camera:
        g_api.camSetdevice(1);
        g_api.writeWebAccount();
        g_api.dispLayout(-1, -1);
        g_api.saveQuickOpt();
        break;
    case Btn_Device_Private: g_api.setPrivacy(-1, 1); break;
    case Btn_Device_Audio: g_api.audioSetdevice(); break;
    case Btn_Device_Motion: g_api.motionSetdevice(1); break;
    case Btn_Device_Alarm: g_api.alarmSetdevice(); break;
    case Btn_Device_Ptz:
        g_api.ptzSetdevice(-1, 1);
        if (oem() == OemLinkedSerial) {
            g_api.ctrlSetdevice();
            g_api.posSetdevice();
        }
        break;
    case Btn_Device_Ctrl:
        g_api.ctrlSetdevice();
        if (oem() == OemLinkedSerial) {
            g_api.posSetdevice();
            g_api.ptzSetdevice(-1, 1);
        }
        break;
    case Btn_Device_Pos:
        g_api.posSetdevice();
        if (oem() == OemLinkedSerial) {
            g_api.ctrlSetdevice();
            g_api.ptzSetdevice(-1, 1);
        }
        break;
    case Btn_Network_Addr:
        g_api.addrSetdevice();
        g_api.netSetPort(1, 0);
        if (live<PropNetport>(IDX_PROP_NETPORT)->upnp)
            g_api.upnpSet(1, 0);
        break;
    case Btn_Network_Port: {
        const auto* n = as<PropNetport>(after);
        const auto* o = as<PropNetport>(before);
        g_api.ddnsSetdevice();
        g_api.netSetPort(1, 1);
        qCDebug(lcApp, "Btn_Network_Port.. tport.web:%d oport.web:%d", n ? n->web : 0, o ? o->web : 0);
        g_api.upnpSet(n ? n->upnp : 0, 0);
        break;
    }
    case Btn_Network_Ddns: g_api.ddnsSetdevice(); break;
    case Btn_Network_Email: g_api.emailSetdevice(1); break;
    case Btn_Network_Control: g_api.encSetdevice(); break;
    case Btn_System_Dt: {
        const auto* n = as<PropDatetime>(after);
        const auto* o = as<PropDatetime>(before);
        g_api.encStop();
        g_api.dtSetdevice(0);
        const bool setClock = n && o && n->diff != o->diff;
        if (setClock)
            g_api.setTime(n->diff);
        g_api.encStart();
        if (setClock)
            spendClockOffset();
        break;
    }
    case Btn_System_User: {
        g_api.userSetdevice();
        g_api.camSetdevice(0);
        inGui([this] { if (m_gui.logoutPeriod) m_gui.logoutPeriod(); });
        g_api.writeWebAccount();
        g_api.ddnsSetdevice();
        const auto* n = as<PropUser>(after);
        const auto* o = as<PropUser>(before);
        if (n && o)
            inGui([&] { if (m_gui.userApplied) m_gui.userApplied(*o, *n, 0); });
        break;
    }
    case Btn_System_Strg:
        g_api.encStop();
        g_api.strgSetdevice();
        g_api.encStart();
        break;
    case Btn_System_Smart: g_api.smartSetdevice(); break;
    default: break; // the OSD is drawn from the live copy; colours were previewed
    }
}

void TSetupth::runOkCancel()
{
    const bool ok = m_flag == Btn_Ok;
    int modified = 0;
    int changed[IDX_PROP_COUNT] = {};
    QByteArray before[IDX_PROP_COUNT];
    QByteArray after[IDX_PROP_COUNT];
    if (!inGui([&] {
            modified = ok ? g_cfg->ismodified() : 0;
            for (int idx = 0; idx < IDX_PROP_COUNT; ++idx) {
                if (!okSection(idx))
                    continue;
                after[idx] = sectionBuf(idx);
                before[idx] = sectionBuf(idx);
                if (ok) {
                    changed[idx] = g_cfg->apply(idx, after[idx].data(), before[idx].data(), 0);
                    if (changed[idx])
                        g_cfg->save(idx);
                } else {
                    // Reverting: "after" is the live copy coming back, "before"
                    // the edits dropped.
                    changed[idx] = g_cfg->revert(idx, before[idx].data(), after[idx].data());
                    if (idx == IDX_PROP_OSD) {
                        const auto* l = as<PropOsd>(after[idx]);
                        const auto* e = as<PropOsd>(before[idx]);
                        qCDebug(lcApp, "IDX_PROP_OSD.. alpha:%d,%d", l ? l->alpha : 0, e ? e->alpha : 0);
                    }
                }
            }
        }))
        return;
    // The whole OK is logged only once it is in flash: a change that would
    // be gone at the next start is told as a failure instead.
    if (ok && commit() && modified)
        log("(OK)");

    qCDebug(lcApp, "TSetupth::run.. --1--");
    const int port = changed[IDX_PROP_NETPORT];
    const int net = changed[IDX_PROP_NETADDR] || port;
    int rec = 0;
    for (int idx = 0; idx < IDX_PROP_COUNT; ++idx)
        rec |= changed[idx] && recordingSection(idx);
    qCDebug(lcApp, "TSetupth::run.. encChanged:%d net.. %d,%d", rec, net, port);
    if (rec)
        g_api.encStop();

    int clockSet = 0;
    for (int idx = 0; idx < IDX_PROP_COUNT; ++idx) {
        if (!changed[idx])
            continue;
        QThread::msleep(1);
        qCDebug(lcApp, "TSetupth::run.. changed idx:%d", idx);
        sectionOps(idx, ok, before[idx], after[idx], &clockSet);
    }

    if (rec)
        g_api.encStart();
    if (net)
        g_api.netSetPort(net, port);
    inGui([this] { if (m_gui.logoutPeriod) m_gui.logoutPeriod(); });
    if (ok && clockSet)
        spendClockOffset();
}

void TSetupth::sectionOps(int idx, bool ok, const QByteArray& before, const QByteArray& after, int* clockSet)
{
    switch (idx) {
    case IDX_PROP_DISPLAY:
        g_api.dispColorSetdevice();
        if (outputDiffers(before, after))
            inGui([this] { if (m_gui.changeDisplay) m_gui.changeDisplay(0); });
        g_api.dispLayout(-1, -1);
        g_api.saveQuickOpt();
        qCDebug(lcApp, "IDX_PROP_DISPLAY --2--");
        break;
    case IDX_PROP_SPOTHD: g_api.spothdSetdevice(); break;
    case IDX_PROP_SPOT: g_api.spotSetdevice(); break;
    case IDX_PROP_COLOR: g_api.colorSetdevice(-1, 1); break;
    case IDX_PROP_CAMERA:
        g_api.camSetdevice(1);
        g_api.writeWebAccount();
        g_api.dispLayout(-1, -1);
        g_api.saveQuickOpt();
        break;
    case IDX_PROP_PRIVATE: g_api.setPrivacy(-1, 1); break;
    case IDX_PROP_AUDIO: g_api.audioSetdevice(); break;
    case IDX_PROP_MOTION: g_api.motionSetdevice(1); break;
    case IDX_PROP_ALARM: g_api.alarmSetdevice(); break;
    case IDX_PROP_PTZ: g_api.ptzSetdevice(-1, 1); break;
    case IDX_PROP_POS: g_api.posSetdevice(); break;
    case IDX_PROP_CONTROL: g_api.ctrlSetdevice(); break;
    case IDX_PROP_NETADDR: g_api.addrSetdevice(); break;
    case IDX_PROP_NETPORT: {
        const auto* n = as<PropNetport>(after);
        g_api.upnpSet(n ? n->upnp : 0, 0);
        break;
    }
    case IDX_PROP_NETEMAIL: g_api.emailSetdevice(1); break;
    case IDX_PROP_NETCONTROL: g_api.encSetdevice(); break;
    case IDX_PROP_NETDDNS: g_api.ddnsSetdevice(); break;
    case IDX_PROP_DATETIME: {
        g_api.dtSetdevice(0);
        const auto* n = as<PropDatetime>(after);
        const auto* o = as<PropDatetime>(before);
        if (ok && n && o && n->diff != o->diff) {
            g_api.encStop();
            g_api.setTime(n->diff);
            g_api.encStart();
            *clockSet = 1;
        }
        break;
    }
    case IDX_PROP_USER: {
        inGui([this] { if (m_gui.logoutPeriod) m_gui.logoutPeriod(); });
        g_api.camSetdevice(0);
        g_api.writeWebAccount();
        const auto* n = as<PropUser>(after);
        const auto* o = as<PropUser>(before);
        if (ok && n && o)
            inGui([&] { if (m_gui.userApplied) m_gui.userApplied(*o, *n, 1); });
        g_api.userSetdevice();
        break;
    }
    case IDX_PROP_STORAGE: g_api.strgSetdevice(); break;
    case IDX_PROP_SMART: g_api.smartSetdevice(); break;
    default: break; // drawn from the live copy, or covered by the recording restart
    }
}

void TSetupth::runImport()
{
    // Only a plain name on the external medium: the bridge refuses others
    // before the run; this keeps the run safe on its own.
    int result = -1;
    if (isPlainName(m_text)) {
        const QString path = QStringLiteral("/backup/") + m_text;
        inGui([&] { result = g_cfg->reload(path); });
    }
    if (result < 0) {
        status(QString(), TConfig::text(293));
        return;
    }
    // The store kept the unit's own device record in the edit copy; the
    // imported settings reach the live copy with OK.
    inGui([this] { if (m_gui.resetPreview) m_gui.resetPreview(); });
    g_api.dispColorSetdevice();
    inGui([this] { if (m_gui.changeDisplay) m_gui.changeDisplay(0); });
    g_api.dispLayout(-1, -1);
    g_api.saveQuickOpt();
}

void TSetupth::runDefault()
{
    inGui([this] {
        g_cfg->setdefault(-1);
        if (m_gui.resetPreview)
            m_gui.resetPreview();
    });
    g_api.dispColorSetdevice();
    inGui([this] { if (m_gui.changeDisplay) m_gui.changeDisplay(0); });
    g_api.dispLayout(-1, -1);
    g_api.saveQuickOpt();
    inGui([this] { if (m_gui.repaint) m_gui.repaint(); });
}
