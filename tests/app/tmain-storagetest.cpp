// The storage and S.M.A.R.T. pages end to end: the main window on the
// stand-in, the pages opened from the setup menu and driven by mouse, the
// disk jobs and the Apply runs read from the stand-in's journal, the system
// log, the status box and the model file.
#include "tsetuprig.h"
#include "../ui/base/vkeytestenv.h"
#include "dvrnotify.h"
#include "logrecord.h"
#include "setupaction.h"
#include "tapptestmain.h"
#include "tbutton.h"
#include "tdvrapi.h"
#include "tmain.h"
#include "tmsgwnd.h"
#include "tproperty.h"
#include "tsetupsmart.h"
#include "tsetupstrg.h"
#include "tsetupwnd.h"
#include "tstatuswnd.h"

#include <QtTest>
#include <cstring>

namespace SA = SetupAct;

namespace {

struct Rig : TSetupRig
{
    explicit Rig(const char* profile) : TSetupRig(profile, true)
    {
        fx.cfg->commitfile();
    }
    // The device comes up, then the setup menu opens on a page of the
    // System tab.
    bool open(int page)
    {
        if (!up())
            return false;
        w->runMenu(QStringLiteral("Setup"), SA::Btn_System);
        if (!setup()->isVisible())
            return false;
        dalTestJournalClear();
        QTest::mouseClick(setup()->button(page), Qt::LeftButton);
        return setup()->page(page)->isVisible();
    }
    TSetupStrg* strg() const { return static_cast<TSetupStrg*>(setup()->page(SA::Btn_System_Strg)); }
    TSetupSmart* smart() const { return static_cast<TSetupSmart*>(setup()->page(SA::Btn_System_Smart)); }
    TMsgWnd* box() const { return static_cast<TMsgWnd*>(w->wnd(ID_WND_MSG)); }
    static bool recording()
    {
        DalTestEnc st;
        dalTestGetEnc(&st);
        return st.recording;
    }
    // Journal lines of the given calls, in order.
    static QStringList journal(const QStringList& names)
    {
        QStringList out;
        char buf[512];
        for (int i = 0; i < dalTestJournalCount(); ++i) {
            if (dalTestJournalLine(i, buf, sizeof buf) < 0)
                continue;
            const QString line = QString::fromLatin1(buf);
            for (const QString& n : names)
                if (line.startsWith(n + "("))
                    out << line;
        }
        return out;
    }
    // System-log entries as "code:contents", the codes in hexadecimal.
    static QStringList logs(const QString& code)
    {
        LogRecord r[TDVRAPI::LAST_LOGS];
        const int n = qMin(g_api.lastLogs(r, TDVRAPI::LAST_LOGS), int(TDVRAPI::LAST_LOGS));
        QStringList out;
        for (int i = 0; i < n; ++i) {
            const QString e = QString::number(r[i].code, 16) + ":" + QString::fromUtf8(r[i].contents);
            if (e.startsWith(code + ":"))
                out << e;
        }
        return out;
    }

};

} // namespace

class TMainStorageTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().size() <= 1); }

    // A disk job confirmed on the storage page: recording stops, the job
    // runs in the device layer and recording starts again after its end
    // event (at once when the layer refuses it, or a format leaves a disk
    // as it was, with "Failed" shown and logged); the page follows the
    // disks' new state.
    void diskJobs_data()
    {
        QTest::addColumn<int>("mirrored");  // the disks before
        QTest::addColumn<QString>("press"); // f<disk>, mirror, run
        QTest::addColumn<QString>("refuse"); // the call the layer refuses; "place": the second disk's name not taken
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("status"); // the box after a refusal
        QTest::addColumn<int>("mirrorAfter");
        const QStringList format = {"DalEncrStop()", "DalNetDisconnectClient(-1)"};
        QTest::newRow("format disk 2")
            << 0 << "f1" << "" << (format + QStringList{"DalEncrFormatSd(1,0)", "DalEncrStart()"}) << "1011:HDD2"
            << "" << 0;
        QTest::newRow("mirroring on")
            << 0 << "mirror" << "" << (format + QStringList{"DalEncrFormatSd(-2,1)", "DalEncrStart()"})
            << "1011:All" << "" << 1;
        QTest::newRow("mirroring off")
            << 1 << "mirror" << "" << (format + QStringList{"DalEncrFormatSd(-2,0)", "DalEncrStart()"})
            << "1011:All" << "" << 0;
        QTest::newRow("disk check")
            << 0 << "run" << ""
            << QStringList{"DalEncrStop()", "DalNetDisconnectClient(2)", "DalNetDisconnectClient(4)",
                           "DalEncrFsckSd()", "DalEncrStart()"}
            << "1012:" << "" << 0;
        QTest::newRow("format refused")
            << 0 << "f0" << "DalEncrFormatSd" << (format + QStringList{"DalEncrFormatSd(0,0)", "DalEncrStart()"})
            << "1011:HDD1 Failed" << "Format/Failed" << 0;
        QTest::newRow("mirroring on refused")
            << 0 << "mirror" << "DalEncrFormatSd" << (format + QStringList{"DalEncrFormatSd(-2,1)", "DalEncrStart()"})
            << "1011:All Failed" << "Format/Failed" << 0;
        QTest::newRow("mirroring off refused")
            << 1 << "mirror" << "DalEncrFormatSd" << (format + QStringList{"DalEncrFormatSd(-2,0)", "DalEncrStart()"})
            << "1011:All Failed" << "Format/Failed" << 1;
        QTest::newRow("mirroring on, the second disk's name not taken")
            << 0 << "mirror" << "place" << (format + QStringList{"DalEncrFormatSd(-2,1)", "DalEncrStart()"})
            << "1011:All Failed" << "Format/Failed" << 0;
        QTest::newRow("check refused")
            << 0 << "run" << "DalEncrFsckSd"
            << QStringList{"DalEncrStop()", "DalNetDisconnectClient(2)", "DalNetDisconnectClient(4)",
                           "DalEncrFsckSd()", "DalEncrStart()"}
            << "1012:Failed" << "HDD Check/Failed" << 0;
    }
    void diskJobs()
    {
        QFETCH(int, mirrored);
        QFETCH(QString, press);
        QFETCH(QString, refuse);
        QFETCH(QStringList, calls);
        QFETCH(QString, log);
        QFETCH(QString, status);
        QFETCH(int, mirrorAfter);
        Rig rig("8"); // two disks: the plain page
        dalTestSetMirror(mirrored);
        QVERIFY(rig.open(SA::Btn_System_Strg));
        TSetupStrg* p = rig.strg();
        QTRY_COMPARE(p->mirrorLive(), mirrored);
        QVERIFY(p->diskText(0).endsWith(" GB"));
        QCOMPARE(p->mirrorBox()->isChecked(), mirrored != 0);
        QVERIFY(Rig::recording());
        if (!refuse.isEmpty()) {
            QVERIFY(refuse == "place" ? dalTestFailStep("place", 1) == 0
                                      : (dalTestFail(refuse.toLatin1().constData(), -1), true));
            DalTestDisk d; // the disks change while the page shows them
            dalTestGetDisk(0, &d);
            d.used = 11ull << 29; // 5.5 GB
            dalTestSetDisk(0, &d);
        }
        dalTestJournalClear();
        TButton* b = press == "mirror" ? p->mirrorBox() : press == "run" ? p->runButton()
                                                                           : p->formatButton(press.mid(1).toInt());
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(rig.box()->isVisible());
        QCOMPARE(Rig::journal({"DalEncrStop"}), QStringList()); // nothing before the answer
        QTest::mouseClick(rig.box()->button(MSGBTN_OK), Qt::LeftButton);
        // The box keeps the click until the disks report; a refused format
        // shows the disks again at once.
        if (press == "mirror") {
            QCOMPARE(p->mirrorBox()->isChecked(), refuse.isEmpty() ? mirrored == 0 : mirrored != 0);
            QCOMPARE(p->diskText(0).startsWith(refuse == "place" ? "0/" : "5.5/"), !refuse.isEmpty());
        }
        QTRY_COMPARE(Rig::journal({"DalEncrStop", "DalNetDisconnectClient", "DalEncrFormatSd", "DalEncrFsckSd",
                                   "DalEncrStart"}),
                     calls);
        QTRY_VERIFY(Rig::recording());
        // The job's progress shows in the status box (its last text: the
        // job's own, the database's, or the refusal).
        QVERIFY(!rig.status().isEmpty());
        const QStringList written = Rig::logs(log.section(':', 0, 0));
        QCOMPARE(written.isEmpty() ? QString() : written.last(), log);
        if (!status.isEmpty())
            QTRY_COMPARE(rig.status(), status);
        // The page follows the disks.
        QTRY_COMPARE(p->mirrorLive(), mirrorAfter);
        QCOMPARE(p->mirrorBox()->isChecked(), mirrorAfter != 0);
        QCOMPARE(p->formatButton(1)->isEnabled(), mirrorAfter == 0);
        if (press == "f1" && refuse.isEmpty())
            QTRY_VERIFY(p->diskText(1).startsWith("0/"));
        QVERIFY(rig.setup()->isVisible());
    }

    // Each page's Apply: the section in the model file, its label in the
    // log and its device call.
    void apply_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<int>("page");
        QTest::newRow("storage") << "8" << int(SA::Btn_System_Strg);
        QTest::newRow("storage, eSATA") << "16" << int(SA::Btn_System_Strg);
        QTest::newRow("S.M.A.R.T.") << "8" << int(SA::Btn_System_Smart);
        QTest::newRow("S.M.A.R.T., eSATA") << "16" << int(SA::Btn_System_Smart);
    }
    void apply()
    {
        QFETCH(QString, profile);
        QFETCH(int, page);
        Rig rig(profile.toLatin1().constData());
        QVERIFY(rig.open(page));
        const bool storage = page == SA::Btn_System_Strg;
        if (storage) {
            const int before = rig.edit<PropStorage>(IDX_PROP_STORAGE)->overwrite;
            QTest::mouseClick(rig.strg()->overwriteBox(), Qt::LeftButton);
            QCOMPARE(rig.edit<PropStorage>(IDX_PROP_STORAGE)->overwrite, before ? 0 : 1);
            QTest::mouseClick(static_cast<TButton*>(rig.strg()->applyButton()), Qt::LeftButton);
        } else {
            QTest::mouseClick(rig.smart()->onBox(), Qt::LeftButton);
            QCOMPARE(rig.edit<PropSmart>(IDX_PROP_SMART)->on, 1);
            QTest::mouseClick(static_cast<TButton*>(rig.smart()->applyButton()), Qt::LeftButton);
        }
        QTRY_VERIFY(g_api.m_applying == 1 || !Rig::logs("3002").isEmpty());
        QVERIFY(Rig::settled());
        QCOMPARE(Rig::logs("3002"), QStringList{storage ? "3002:(Storage)" : "3002:(S.M.A.R.T)"});
        if (storage) {
            const PropStorage f = rig.fromFile<PropStorage>(IDX_PROP_STORAGE);
            QCOMPARE(f.overwrite, rig.edit<PropStorage>(IDX_PROP_STORAGE)->overwrite);
            QCOMPARE(Rig::journal({"DalEncrSetAd"}).size(), 1);
            // Overwrite off: no automatic deletion whatever its list says.
            if (!f.overwrite)
                QCOMPARE(Rig::journal({"DalEncrSetAd"}), QStringList{"DalEncrSetAd(-1)"});
        } else {
            QCOMPARE(rig.fromFile<PropSmart>(IDX_PROP_SMART).on, 1);
            QCOMPARE(Rig::journal({"DalEncrSetSmart"}).value(0).left(18), QStringLiteral("DalEncrSetSmart(1,"));
        }
        QVERIFY(rig.setup()->isVisible());
    }

    // The S.M.A.R.T. page with the checks on asks for the readings: the
    // first disks' values of the stand-in, the status box shown meanwhile.
    void smartReadings()
    {
        Rig rig("8");
        for (int live : {0, 1})
            static_cast<PropSmart*>(rig.fx.cfg->getsection(IDX_PROP_SMART, live))->on = 1;
        QVERIFY(rig.open(SA::Btn_System_Smart));
        const QString deg(QChar(0xB0));
        QTRY_COMPARE(rig.smart()->reading(1, 1), "39" + deg + "C (102" + deg + "F)");
        QCOMPARE(rig.smart()->reading(0, 0), QStringLiteral("0 / 12"));
        QCOMPARE(rig.smart()->reading(0, 3), QStringLiteral("62.5"));
        QCOMPARE(Rig::journal({"DalEncrGetSmart"}).size(), 1);
    }
};

DVR_APP_TEST_MAIN(TMainStorageTest)
#include "tmain-storagetest.moc"
