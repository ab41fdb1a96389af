// E-mail notification: the mail account for the device layer, the user's
// e-mail test and the lines each event adds to the next event e-mail.
#include "tdvrapi.h"
#include "tclock.h"
#include "appglobals.h"
#include "dvrtext.h"
#include "tconfig.h"
#include "utf8cut.h"

#include <QDateTime>
#include <QLoggingCategory>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
template <int N>
void put(char (&dst)[256], const char (&src)[N])
{
    std::memset(dst, 0, sizeof dst);
    std::memcpy(dst, src, qstrnlen(src, uint(qMin(N, 255))));
}

// The event row of the e-mail selection and the UI text of its kind name.
struct EmailEvent {
    int code;
    int row;
    int kindText;
    bool picture;
};
const EmailEvent kEvents[] = {
    {SIG_IO_SENSOR, 0, 101, true},   {SIG_VIN_MOTION, 1, 102, true},     {SIG_VIN_VL, 2, 103, false},
    {SIG_POS_TEXTIN, 3, 395, true},  {SIG_ENC_SMART, 4, 89, false},      {SIG_ENC_SMART_TEMP, 4, 261, false},
};

const char kPosRule[] = "================================================";
}

void TDVRAPI::emailRecord(const PropNetemail& m, const PropNetaddr& a, EmailSet* set)
{
    std::memset(set, 0, sizeof *set);
    set->interval = int32_t(g_cfg->getvaluefromindex(IDX_DATA_EMAIL_PERIOD, m.dur));
    put(set->server, m.server);
    set->port = m.port;
    put(set->host, a.name);
    put(set->from, m.from);
    set->auth = m.authOn;
    set->ssl = m.sslOn;
    put(set->id, m.id);
    put(set->pw, m.pw);
    put(set->to, m.to);
}

int TDVRAPI::emailSetdevice(int live)
{
    if (!g_cfg)
        return 0;
    const int copy = live > 0 ? 1 : 0;
    const auto* mail = static_cast<const PropNetemail*>(g_cfg->getsection(IDX_PROP_NETEMAIL, copy));
    if (!mail->on)
        return 0;
    EmailSet set;
    emailRecord(*mail, *static_cast<const PropNetaddr*>(g_cfg->getsection(IDX_PROP_NETADDR, copy)), &set);
    const int r = DalNeseSetEmail(&set);
    qCDebug(lcApi, "DalNeseSetEmail => %d", r);
    return r == 0 ? 1 : 0;
}

void TDVRAPI::testEmail()
{
    qCDebug(lcApi, "======== TDVRAPI::testEmail m_nTest:%d ============", netTestKind());
    const QString title = dvrText(330);
    if (!g_cfg || !beginNetTest(NET_TEST_EMAIL, title))
        return;
    qCDebug(lcApi, "======== TDVRAPI::testEmail emit sg_dvrNotify ============");
    if (emailSetdevice(0) == 0) {
        failNetTest(title, dvrText(289));
        return;
    }
    EmailSet set;
    emailRecord(*static_cast<const PropNetemail*>(g_cfg->getsection(IDX_PROP_NETEMAIL, 0)),
                *static_cast<const PropNetaddr*>(g_cfg->getsection(IDX_PROP_NETADDR, 0)), &set);
    const int r = DalNeseTestEmail(&set);
    qCDebug(lcApi, "DalNeseTestEmail => %d", r < 0 ? 1 : 0);
    if (r < 0)
        failNetTest(title, dvrText(212));
}

void TDVRAPI::writeEmailLog(int code, int val1, int val2, const char* text)
{
    if (!g_cfg)
        return;
    const auto* mail = static_cast<const PropNetemail*>(g_cfg->getsection(IDX_PROP_NETEMAIL, 1));
    const EmailEvent* ev = nullptr;
    for (const EmailEvent& e : kEvents)
        if (e.code == code)
            ev = &e;
    if (!mail->on || !ev)
        return;
    // Rows 0..3 hold one flag per input or channel; the disk events have
    // one switch for every disk, the first flag of their row (the one the
    // e-mail settings keep).
    const int flag = ev->row == 4 ? 0 : qMax(0, val1);
    if (flag >= PROP_MAX_CH || !mail->evt[ev->row][flag])
        return;

    const QDateTime now = TClock::now();
    const QDate d = now.date();
    const QTime t = now.time();
    const QString stamp = g_cfg->datetext(d.year(), d.month(), d.day()) + QLatin1Char(' ')
                          + g_cfg->timetext(t.hour(), t.minute(), t.second());
    const QString kind = dvrText(ev->kindText);
    QString line;
    switch (code) {
    case SIG_ENC_SMART:
        line = stamp + QLatin1Char(' ') + kind + QStringLiteral(" : ") + QString::asprintf("HDD%d error", val1);
        break;
    case SIG_ENC_SMART_TEMP: {
        // Only a disk read above the limit (its temperature is m_smart's).
        const auto* smart = static_cast<const PropSmart*>(g_cfg->getsection(IDX_PROP_SMART, 1));
        const int limit = int(g_cfg->getvaluefromindex(IDX_DATA_TEMPERATURE, smart->heat));
        if (val1 >= 0 && val1 < DAL_MAX_DISK && m_smart.valid[val1] && m_smart.temp[val1] > limit)
            line = stamp + QLatin1Char(' ') + kind + QStringLiteral(" : ")
                   + QString::asprintf("HDD%d (%d'C/%d'C)", val1 + 1, m_smart.temp[val1], limit);
        break;
    }
    default:
        line = stamp + QLatin1Char(' ') + kind + QString::asprintf("[CH %02d] : ", val1 + 1)
               + QLatin1String(val2 ? "ON" : "OFF");
        break;
    }
    const QByteArray bytes = q2Utf8Whole(line, 255);
    qCDebug(lcApi, "writeEmailLog.. ##%s##", bytes.constData());
    if (!bytes.isEmpty())
        DalNeseAddEmailText(bytes.constData());
    if (code == SIG_POS_TEXTIN && val2 == 0 && text) {
        DalNeseAddEmailText(kPosRule);
        DalNeseAddEmailText(text);
        DalNeseAddEmailText(kPosRule);
    }
    if (ev->picture && mail->evt[6][0])
        DalNeseAddEmailImage(val1);
}
