// What the setup runs leave in flash: a commit that fails is told and not
// logged as done, and a remote client that applies one page from its whole
// configuration file changes only that page.
#include "tsetuprig.h"
#include "../common/dvr/tnetfixture.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tfilesizelimit.h"
#include "tlog.h"
#include "tsetupth.h"
#include "tsetupwnd.h"
#include "tstatuswnd.h"
#include "trunner.h"

#include <QtTest>
#include <cstring>

namespace SA = SetupAct;

namespace {

struct Rig : TSetupRig
{
    Rig() : TSetupRig("16", true)
    {
        fx.cfg->commitfile(); // a unit that has run before
        w->show();
        QVERIFY(QTest::qWaitFor([this] { return w->m_initDone == 1; }, 5000));
    }
    template <class T> T* edit(int idx) { return static_cast<T*>(fx.cfg->getsection(idx, 0)); }
    template <class T> T* live(int idx) { return static_cast<T*>(fx.cfg->getsection(idx, 1)); }
    static bool settled() { return QTest::qWaitFor([] { return g_api.m_applying == 0; }, 8000); }
    QString status() const
    {
        auto* box = static_cast<TStatusWnd*>(w->wnd(ID_WND_STATUS));
        return box->isVisible() ? box->title() + "/" + box->text() : QString();
    }
    // "Setup Changed" entries as "code:contents".
    static QStringList setupLogs()
    {
        LogRecord r[TDVRAPI::LAST_LOGS];
        const int n = qMin(g_api.lastLogs(r, TDVRAPI::LAST_LOGS), int(TDVRAPI::LAST_LOGS));
        QStringList out;
        for (int i = 0; i < n; ++i) {
            if (r[i].code == LOG_SETUP_CHANGED)
                out << QString::fromUtf8(r[i].contents);
        }
        return out;
    }
};

} // namespace

class TMainSetupStoreTest : public QObject
{
    Q_OBJECT
private slots:
    // OK and a page's Apply on a full flash: the box says "Failed", the
    // whole OK is not logged as done, and the flash file is the one before.
    void commitFailureIsTold_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("logged");
        QTest::newRow("OK") << true << QStringList{};
        QTest::newRow("Apply") << false << QStringList{"(Record)"};
    }
    void commitFailureIsTold()
    {
        QFETCH(bool, ok);
        QFETCH(QStringList, logged);
        Rig rig;
        rig.w->runMenu(QStringLiteral("Setup"), SA::Btn_Record);
        TSetupWnd* setup = rig.w->setupWnd();
        QVERIFY(setup->isVisible());
        rig.edit<PropRecord>(IDX_PROP_RECORD)->data[1].cqual ^= 1;
        const QByteArray flash = rig.fx.root.read(rig.fx.cfg->confPath());
        QVERIFY(flash.size() > 4096);
        bool told = false;
        {
            // The flash takes no file of the configuration's size; the log's
            // first records still fit.
            TFileSizeLimit full(flash.size() / 2);
            if (ok)
                QTest::mouseClick(setup->button(SA::Btn_Ok), Qt::LeftButton);
            else
                setup->sl_action(SA::Btn_Record_Record, 0, 0);
            QVERIFY(QTest::qWaitFor([&] {
                told = told || rig.status() == QStringLiteral("Setup/Failed");
                return g_api.m_applying == 0;
            }, 8000));
            told = told || rig.status() == QStringLiteral("Setup/Failed");
        }
        QVERIFY(told);
        QCOMPARE(Rig::setupLogs(), logged);
        QCOMPARE(rig.fx.root.read(rig.fx.cfg->confPath()), flash);
        // The change is in force all the same.
        QCOMPARE(rig.live<PropRecord>(IDX_PROP_RECORD)->data[1].cqual, rig.edit<PropRecord>(IDX_PROP_RECORD)->data[1].cqual);
    }

    // A client applies the colour page from its whole file, which also holds
    // another admin password; the operator had a record edit open. Only the
    // colours become live, and a later local OK with nothing touched
    // applies nothing of the client's other sections.
    void remotePageApplyKeepsOnlyThePage()
    {
        Rig rig;
        rig.w->runMenu(QStringLiteral("Setup"), SA::Btn_Record);
        rig.edit<PropRecord>(IDX_PROP_RECORD)->data[0].cqual ^= 1; // the operator's edit, dropped with the menu
        const PropRecord record = *rig.live<PropRecord>(IDX_PROP_RECORD);
        const PropUser users = *rig.live<PropUser>(IDX_PROP_USER);
        // The client's file: the unit's own with its changes.
        QVERIFY(TRunner::copyFile(rig.fx.cfg->tmpPath(), "/tmp/rs.conf"));
        {
            QSettings client(rig.fx.root.file("/tmp/rs.conf"), QSettings::IniFormat);
            QVERIFY(client.contains("COLOR/data00") && client.contains("USER/pw00"));
            client.setValue("COLOR/data00", "21 32 43 54");
            client.setValue("USER/pw00", "client");
        }
        const PropColor colour = *rig.live<PropColor>(IDX_PROP_COLOR);
        sendPacket(DNPC_RS_APP_APPLY, TPayload().u32(quint32(SA::Btn_Display_Color)).text("/tmp/rs.conf").bytes);
        QVERIFY(Rig::settled());
        QVERIFY(std::memcmp(rig.live<PropColor>(IDX_PROP_COLOR), &colour, sizeof colour) != 0);
        QCOMPARE(std::memcmp(rig.live<PropUser>(IDX_PROP_USER), &users, sizeof users), 0);
        QCOMPARE(std::memcmp(rig.live<PropRecord>(IDX_PROP_RECORD), &record, sizeof record), 0);
        QCOMPARE(rig.fx.cfg->ismodified(), 0);

        // The operator comes back and confirms with nothing touched.
        rig.w->runMenu(QStringLiteral("Setup"), SA::Btn_System);
        QTest::mouseClick(rig.w->setupWnd()->button(SA::Btn_Ok), Qt::LeftButton);
        QVERIFY(Rig::settled());
        QCOMPARE(std::memcmp(rig.live<PropUser>(IDX_PROP_USER), &users, sizeof users), 0);
        QCOMPARE(std::memcmp(rig.live<PropRecord>(IDX_PROP_RECORD), &record, sizeof record), 0);
    }
};

QTEST_MAIN(TMainSetupStoreTest)
#include "tmain-setupstoretest.moc"
