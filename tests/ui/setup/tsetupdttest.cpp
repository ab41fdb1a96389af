// The date and time page offscreen in the frame: the operator's edits of the
// running clock become one offset that Apply carries and the record keeps,
// the clock runs on without changing it, the daylight-saving box follows the
// zone, Sync asks for an NTP sync, Default drops the offset.
#include "setuptestenv.h"
#include "tcombo.h"
#include "dal.h"
#include <cstring>
#include <QAbstractItemView>
#include "tdate.h"
#include "tedit.h"
#include "tsetupdt.h"
#include "ttime.h"

using namespace setuptest;
using namespace SetupAct;

namespace {

struct DtFrame : Frame
{
    DtFrame()
    {
        // The zone table as the device start fills it from the device's list.
        SysCaps caps;
        std::memset(&caps, 0, sizeof caps);
        DalSysGetCaps(&caps);
        for (int live = 0; live < 2; ++live) {
            auto* z = static_cast<PropTimezone*>(fx.cfg->getsection(IDX_PROP_TIMEZONE, live));
            z->cnt = qMin(int(caps.numTz), int(PROP_MAX_TIMEZONES));
            for (int i = 0; i < z->cnt; ++i) {
                z->zone[i].dst = caps.tz[i].dst;
                qstrncpy(z->zone[i].local, caps.tz[i].name, sizeof z->zone[i].local);
            }
        }
        // A zone with daylight saving: its box takes the focus.
        auto* dt = static_cast<PropDatetime*>(fx.cfg->getsection(IDX_PROP_DATETIME, 0));
        qstrncpy(dt->tz, "GMT-05:00 New York", sizeof dt->tz);
        show(Btn_System);
        QTest::mouseClick(w->button(Btn_System_Dt), Qt::LeftButton);
        QCoreApplication::processEvents();
        page = static_cast<TSetupDt*>(w->page(Btn_System_Dt));
    }
    // Keys spelled: U D L R arrows, E Enter, X Escape, T one clock tick,
    // A Apply (the focus walked there from the item: R then seven Downs, Enter).
    void run(const QString& spelled)
    {
        for (const QChar c : spelled) {
            switch (c.toLatin1()) {
            case 'U': key(Qt::Key_Up); break;
            case 'D': key(Qt::Key_Down); break;
            case 'L': key(Qt::Key_Left); break;
            case 'R': key(Qt::Key_Right); break;
            case 'E': key(Qt::Key_Enter); break;
            case 'X': key(Qt::Key_Escape); break;
            case 'T': tick(); break;
            case 'I': QTest::mouseClick(w->button(Btn_System_Dt), Qt::LeftButton); break;
            default: break;
            }
        }
    }
    void tick()
    {
        now = now.addSecs(1);
        w->toDt(0, now.toString("yyyy/MM/dd HH:mm:ss"));
    }
    const PropDatetime* rec() const
    {
        return static_cast<const PropDatetime*>(g_cfg->getsection(IDX_PROP_DATETIME, 0));
    }
    TSetupDt* page = nullptr;
    QDateTime now;
};

// From the page's item: the time-zone combo is one Right, the other
// controls follow it downwards, "Apply" is eight Downs below the zone.
const QString toZone = "IR";
const QString toDate = "IRDD";
const QString toTime = "IRDDD";
const QString apply = "IRDDDDDDDE";

} // namespace

class TSetupDtTest : public QObject
{
    Q_OBJECT
private slots:
    // Edits of the running clock and what Apply carries, in order; the
    // record's diff after the last key.
    void offset_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("diff");
        const QString hourUp = toTime + "EUX";
        QString minute;
        for (int i = 0; i < 60; ++i)
            minute += 'T';
        QTest::newRow("+1 h, a minute of ticks: 3600 once")
            << "2026/12/05 10:00:00" << hourUp + minute + apply << QStringList{"32,3600,0"} << 3600;
        QTest::newRow("a day and ten minutes")
            << "2026/12/05 10:00:00" << toDate + "ERRUX" + toTime + "ERUUUUUUUUUUX" + apply
            << QStringList{"32,87000,0"} << 87000;
        QTest::newRow("across midnight the date stays")
            << "2026/12/05 23:55:00" << toTime + "ERUUUUUUUUUUX" + apply << QStringList{"32,-85800,0"} << -85800;
        // Apply keeps the focus: Enter again, or four Ups back to the time.
        QTest::newRow("a second Apply without edits carries nothing")
            << "2026/12/05 10:00:00" << hourUp + apply + "TTE" << QStringList{"32,3600,0", "32,0,0"} << 3600;
        QTest::newRow("a second +1 h moves again")
            << "2026/12/05 10:00:00" << hourUp + apply + "TTUUUUEUXDDDDE"
            << QStringList{"32,3600,0", "32,3600,0"} << 3600;
        QTest::newRow("Default drops the offset")
            << "2026/12/05 10:00:00" << hourUp + "IRDDDDDDDRE" << QStringList{} << 0;
        QTest::newRow("Sync asks for an NTP sync")
            << "2026/12/05 10:00:00" << "IRDDDDDDE" << QStringList{"68,0,0"} << 0;
        QTest::newRow("reset tick drops the pending offset")
            << "2026/12/05 10:00:00" << hourUp + "Z" + apply << QStringList{"32,0,0"} << 0;
    }
    void offset()
    {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QStringList, sent);
        QFETCH(int, diff);
        DtFrame f;
        QVERIFY(f.page && f.page->isVisible());
        f.now = QDateTime::fromString(start, "yyyy/MM/dd HH:mm:ss");
        f.w->toDt(0, start);
        QCOMPARE(f.page->timeEdit()->time(), f.now.time());
        QSignalSpy spy(f.w, &TSetupWnd::sg_request);
        const int z = keys.indexOf('Z');
        if (z >= 0) {
            f.run(keys.left(z));
            f.w->toDt(1, f.now.toString("yyyy/MM/dd HH:mm:ss"));
            f.run(keys.mid(z + 1));
        } else {
            f.run(keys);
        }
        QCOMPARE(requests(spy), sent);
        QCOMPARE(int(f.rec()->diff), diff);
        f.tick();
        // The display runs on with the clock and keeps no offset after Apply.
        QCOMPARE(f.page->dateEdit()->date(), f.now.addSecs(f.page->offset()).date());
    }

    // The zone list and the daylight-saving box: a zone without daylight
    // saving disables the box and keeps the stored choice.
    void zone_data()
    {
        QTest::addColumn<int>("downs");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("tz");
        QTest::newRow("New York keeps DST") << 0 << true << "GMT-05:00 New York";
        QTest::newRow("Paris keeps DST") << 2 << true << "GMT+01:00 Paris";
        QTest::newRow("Beijing has none") << 3 << false << "GMT+08:00 Beijing";
    }
    void zone()
    {
        QFETCH(int, downs);
        QFETCH(bool, enabled);
        QFETCH(QString, tz);
        DtFrame f;
        auto* rec = static_cast<PropDatetime*>(g_cfg->getsection(IDX_PROP_DATETIME, 0));
        rec->dst = 1;
        f.run(toZone + "E");
        auto* combo = static_cast<TCombo*>(f.page->control(TSetupDt::RowZone));
        QTRY_VERIFY(combo->view()->isVisible());
        // The list opens on the stored zone; go to the first one, then down.
        for (int i = 0; i < 10; ++i)
            f.run("U");
        for (int i = 0; i < downs; ++i)
            f.run("D");
        f.run("E");
        QCOMPARE(QString::fromUtf8(rec->tz), tz);
        QCOMPARE(f.page->control(TSetupDt::RowDst)->isEnabled(), enabled);
        QCOMPARE(int(rec->dst), 1);
        f.w->grab().save(vkeytest::grabPath(QString("setup-dt-%1.png").arg(downs)));
    }

    // The NTP server typed on the keyboard lands in the record.
    void server()
    {
        DtFrame f;
        f.run("IRDDDDE");
        QVERIFY(f.vk->isVisible());
        f.vk->setText("pool.ntp.org");
        QTest::mouseClick(f.vk->okButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(QString::fromUtf8(f.rec()->server), QString("pool.ntp.org"));
        QCOMPARE(static_cast<TEdit*>(f.page->control(TSetupDt::RowServer))->text(), QString("pool.ntp.org"));
        f.w->grab().save(vkeytest::grabPath("setup-dt.png"));
    }
};

QTEST_MAIN(TSetupDtTest)
#include "tsetupdttest.moc"
