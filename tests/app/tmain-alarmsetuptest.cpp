// The alarm-output page end to end: the stand-in's relays in the row
// labels, cells and lists edited with the mouse and keys, then the page's
// Apply, OK or CANCEL through the main window and the apply thread, with
// what reaches the model file, the system log and the stand-in's journal.
#include "tsetuprig.h"
#include "../ui/base/vkeytestenv.h"
#include "setupaction.h"
#include "talarmtbl.h"
#include "tapptestmain.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tdvrapi.h"
#include "tmain.h"
#include "tsetupalarm.h"
#include "tsetupwnd.h"

#include <QtTest>

namespace SA = SetupAct;
using A = TSetupAlarm;

namespace {

struct Rig : TSetupRig
{
    Rig() : TSetupRig("16", true) {}
    PropAlarm* edit() { return static_cast<PropAlarm*>(fx.cfg->getsection(IDX_PROP_ALARM, 0)); }
    // The device comes up, Setup opens on the Device tab, then the page.
    A* open()
    {
        if (!up())
            return nullptr;
        w->runMenu(QStringLiteral("Setup"), SA::Btn_Device);
        QApplication::setActiveWindow(setup());
        if (!QTest::qWaitForWindowActive(setup()))
            return nullptr;
        QTest::mouseClick(setup()->button(SA::Btn_Device_Alarm), Qt::LeftButton);
        QCoreApplication::processEvents();
        return static_cast<A*>(setup()->page(SA::Btn_Device_Alarm));
    }
    static int calls(const char* name)
    {
        int n = 0;
        char buf[512];
        const QByteArray head = QByteArray(name) + "(";
        for (int i = 0; i < dalTestJournalCount(); ++i) {
            if (dalTestJournalLine(i, buf, sizeof buf) >= 0 && QByteArray(buf).startsWith(head))
                ++n;
        }
        return n;
    }
    void key(int k)
    {
        // The keys the main window passes to the setup menu.
        vkeytest::key(setup(), k);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
};

} // namespace

class TMainAlarmSetupTest : public QObject
{
    Q_OBJECT
private slots:
    // A motion cell clicked, a sensor's type and the Preset row's duration
    // picked, then Apply (twice), OK or CANCEL.
    void apply_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("logs");
        QTest::addColumn<bool>("stored");
        QTest::newRow("Apply") << "apply" << QStringList{"(Alarm out)"} << true;
        QTest::newRow("Apply twice, one record") << "apply2" << QStringList{"(Alarm out)"} << true;
        QTest::newRow("OK") << "ok" << QStringList{"(OK)"} << true;
        QTest::newRow("CANCEL") << "cancel" << QStringList{} << false;
    }
    void apply()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, logs);
        QFETCH(bool, stored);
        Rig rig;
        A* page = rig.open();
        QVERIFY(page && page->isVisible());
        // The stand-in's board: four alarm outputs, all relays.
        QCOMPARE(page->labels().mid(0, 5),
                 (QStringList{"Alarm 1(R)", "Alarm 2(R)", "Alarm 3(R)", "Alarm 4(R)", "Buzzer"}));
        // Sensor 3 normally closed, picked from its list.
        static_cast<TCombo*>(page->control(A::RowSensor0 + 2))->setCurrentIndex(1);
        QTest::mouseClick(page->control(A::RowTab0 + A::TabMotion), Qt::LeftButton);
        TAlarmtbl* t = page->table();
        QTest::mouseClick(t, Qt::LeftButton, Qt::NoModifier, t->cellRect(TAlarmtbl::LABEL_COLS + 3, 1).center());
        // On the table with the keys: Enter, Down to output 2, Enter.
        rig.key(Qt::Key_Return);
        QVERIFY(t->isEditing());
        rig.key(Qt::Key_Down);
        rig.key(Qt::Key_Return);
        rig.key(Qt::Key_Escape);
        QVERIFY(!t->isEditing());
        QTest::mouseClick(page->control(A::RowTab0 + A::TabDuration), Qt::LeftButton);
        static_cast<TCombo*>(page->control(A::RowDur0 + 7))->setCurrentIndex(10);
        QCOMPARE(rig.edit()->dur_preset, 10);
        dalTestJournalClear();
        if (how.startsWith("apply"))
            QTest::mouseClick(page->control(A::RowApplyBtn), Qt::LeftButton);
        else
            QTest::mouseClick(rig.setup()->button(how == "ok" ? SA::Btn_Ok : SA::Btn_Cancel), Qt::LeftButton);
        QVERIFY(Rig::settled());
        if (how == "apply2") {
            QTest::mouseClick(page->control(A::RowApplyBtn), Qt::LeftButton);
            QVERIFY(Rig::settled());
        }
        QTEST(Rig::setupLogs(), "logs");
        const PropAlarm file = rig.fromFile<PropAlarm>(IDX_PROP_ALARM);
        QCOMPARE(int(file.out[0].motionOn[3]), stored ? 1 : 0);
        QCOMPARE(int(file.out[1].motionOn[0]), stored ? 1 : 0);
        QCOMPARE(int(file.sensortype[2]), stored ? 1 : 0);
        QCOMPARE(file.dur_preset, stored ? 10 : 0);
        // The device: every sensor's type set once and the outputs reset,
        // with the section applied, or with the stored one a CANCEL brings
        // back.
        QCOMPARE(Rig::calls("DalIoSetSensor"), 16);
        QCOMPARE(Rig::calls("DalIoRunAlarm"), 1);
        QVERIFY(dalTestJournalFind(stored ? "DalIoSetSensor(2,1,0)" : "DalIoSetSensor(2,1,1)") >= 0);
        QCOMPARE(int(rig.edit()->out[0].motionOn[3]), stored ? 1 : 0);
    }
};

DVR_APP_TEST_MAIN(TMainAlarmSetupTest)
#include "tmain-alarmsetuptest.moc"
