// The Record tab's pages through the main window on the stand-in: each
// page's Apply commits its section to the model file with its log record
// and has the recorder ask for its configuration again; OK after edits on
// several pages logs one "(OK)" and restarts recording once; a load over the
// budget holds the menu; the recorder's answers at chosen local times follow
// the record table, the schedule rows, the holiday row and the event masks.
#include "dal_test.h"
#include "setupaction.h"
#include "tapptestmain.h"
#include "tbutton.h"
#include "tcalendar.h"
#include "tcombo.h"
#include "tdvrapi.h"
#include "tmsgwnd.h"
#include "tscheduler.h"
#include "tsetupeventin.h"
#include "tsetupgroup.h"
#include "tsetupholiday.h"
#include "tsetuprecord.h"
#include "tsetuprig.h"
#include "tsetupschedule.h"
#include "tsetupwnd.h"

#include <QtTest>
#include <cstring>
#include <ctime>

namespace SA = SetupAct;
using P = TSetupRecPage;

namespace {

struct Rig : TSetupRig
{
    explicit Rig(const char* profile = "16") : TSetupRig(profile, true) {}
    template <class Page> Page* page(int id) { return static_cast<Page*>(setup()->page(id)); }
    // The device up, the menu open on the Record tab, a page chosen.
    bool open(int item)
    {
        if (!up())
            return false;
        w->runMenu(QStringLiteral("Setup"), SA::Btn_Record);
        return choose(item);
    }
    bool choose(int item)
    {
        if (!setup()->page(item)->isVisible())
            QTest::mouseClick(setup()->button(item), Qt::LeftButton);
        dalTestJournalClear();
        return setup()->page(item)->isVisible();
    }
    // The journal's lines naming one of the calls, in order.
    static QStringList calls(const QStringList& names)
    {
        QStringList out;
        char line[256];
        for (int i = 0; i < dalTestJournalCount(); ++i) {
            if (dalTestJournalLine(i, line, sizeof line) < 0)
                continue;
            for (const QString& n : names)
                if (QByteArray(line).startsWith(n.toLatin1()))
                    out << n;
        }
        return out;
    }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
};

// A local time: 2026-12-<day> hh:mm (the 7th is a Monday).
struct tm at(int day, int hour, int minute)
{
    struct tm t = {};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_isdst = -1;
    std::mktime(&t);
    return t;
}

} // namespace

class TMainSetupRecordTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().size() <= 1); }

    // Each page's Apply: the section in the model file, the page's label in
    // the log, and the recorder asked again.
    void apply_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("label");
        QTest::newRow("record") << int(SA::Btn_Record_Record) << "(Record)";
        QTest::newRow("group") << int(SA::Btn_Record_Group) << "(Group)";
        QTest::newRow("schedule") << int(SA::Btn_Record_Schedule) << "(Schedule)";
        QTest::newRow("holiday") << int(SA::Btn_Record_Holiday) << "(Holiday)";
        QTest::newRow("event in") << int(SA::Btn_Record_Eventin) << "(Event In)";
    }
    void apply()
    {
        QFETCH(int, item);
        QFETCH(QString, label);
        Rig rig;
        QVERIFY(rig.open(item));
        QWidget* applyBtn = nullptr;
        switch (item) {
        case SA::Btn_Record_Record: {
            auto* p = rig.page<TSetupRecord>(item);
            QTest::mouseClick(p->cameraButton(2), Qt::LeftButton);
            static_cast<TCombo*>(p->control(p->row(P::R_MODE)))->setCurrentIndex(3);
            applyBtn = p->control(p->row(P::R_APPLY));
            break;
        }
        case SA::Btn_Record_Group: {
            auto* p = rig.page<TSetupGroup>(item);
            static_cast<TCombo*>(p->control(0))->setCurrentIndex(2);
            static_cast<TCombo*>(p->control(p->row(P::R_CQUAL)))->setCurrentIndex(3);
            applyBtn = p->control(p->row(P::R_APPLY));
            break;
        }
        case SA::Btn_Record_Schedule: {
            auto* p = rig.page<TSetupSchedule>(item);
            rig.click(p->control(TSetupSchedule::R_ON));
            TScheduler* g = p->scheduler();
            QTest::mouseClick(g, Qt::LeftButton, Qt::NoModifier, g->grid().cellRect(TScheduleGrid::Header, 7, 0).center());
            applyBtn = p->control(TSetupSchedule::R_APPLY);
            break;
        }
        case SA::Btn_Record_Holiday: {
            auto* p = rig.page<TSetupHoliday>(item);
            p->calendar()->setDay(25);
            rig.click(p->control(TSetupHoliday::R_ADD));
            applyBtn = p->control(TSetupHoliday::R_APPLY);
            break;
        }
        default: {
            auto* p = rig.page<TSetupEventin>(item);
            rig.click(p->control(TSetupEventin::cellRow(1, 0)));
            applyBtn = p->control(TSetupEventin::R_APPLY);
            break;
        }
        }
        DalTestEnc before;
        dalTestGetEnc(&before);
        rig.click(applyBtn);
        QVERIFY(Rig::settled());
        QCOMPARE(Rig::setupLogs(), QStringList{label});
        QCOMPARE(Rig::calls({"DalEncrRefresh("}), QStringList{"DalEncrRefresh("});
        // The recorder asked for its configuration again.
        QTRY_VERIFY([] { DalTestEnc e; dalTestGetEnc(&e); return e.asks; }() > before.asks);
        switch (item) {
        case SA::Btn_Record_Record:
            QCOMPARE(int(rig.fromFile<PropRecord>(IDX_PROP_RECORD).data[2].mode), 3);
            break;
        case SA::Btn_Record_Group:
            QCOMPARE(int(rig.fromFile<PropGroup>(IDX_PROP_GROUP).data[2][0].cqual), 3);
            break;
        case SA::Btn_Record_Schedule: {
            const PropSchedule s = rig.fromFile<PropSchedule>(IDX_PROP_SCHEDULE);
            QCOMPARE(s.on, 1);
            QCOMPARE(int(s.data[3][7 * 6]), 1);
            break;
        }
        case SA::Btn_Record_Holiday: {
            const PropHoliday h = rig.fromFile<PropHoliday>(IDX_PROP_HOLIDAY);
            const int month = rig.page<TSetupHoliday>(item)->calendar()->date().month();
            QCOMPARE(int(h.data[month - 1][25]), 1);
            break;
        }
        default:
            QCOMPARE(int(rig.fromFile<PropEvent>(IDX_PROP_EVENT).evts[1][0]), 1);
            break;
        }
        QVERIFY(rig.setup()->isVisible());
    }

    // Edits on three pages, then OK: one "(OK)", recording stopped once and
    // started once, in that order.
    void okAfterEdits()
    {
        Rig rig;
        QVERIFY(rig.open(SA::Btn_Record_Record));
        auto* rec = rig.page<TSetupRecord>(SA::Btn_Record_Record);
        static_cast<TCombo*>(rec->control(rec->row(P::R_CQUAL)))->setCurrentIndex(2);
        QVERIFY(rig.choose(SA::Btn_Record_Schedule));
        rig.click(rig.page<TSetupSchedule>(SA::Btn_Record_Schedule)->control(TSetupSchedule::R_HOLIDAY));
        QVERIFY(rig.choose(SA::Btn_Record_Eventin));
        rig.click(rig.page<TSetupEventin>(SA::Btn_Record_Eventin)->control(TSetupEventin::cellRow(0, 1)));
        rig.click(rig.setup()->button(SA::Btn_Ok));
        QVERIFY(Rig::settled());
        QCOMPARE(Rig::setupLogs(), QStringList{"(OK)"});
        QCOMPARE(Rig::calls({"DalEncrStop(", "DalEncrStart("}), (QStringList{"DalEncrStop(", "DalEncrStart("}));
        QCOMPARE(int(rig.fromFile<PropRecord>(IDX_PROP_RECORD).data[0].cqual), 2);
        QCOMPARE(rig.fromFile<PropSchedule>(IDX_PROP_SCHEDULE).holiydayOn, 0);
        QCOMPARE(int(rig.fromFile<PropEvent>(IDX_PROP_EVENT).evts[0][1]), 1);
    }

    // One camera at full pictures and full rate: 570 against 480. Apply,
    // OK and a tab stay with the warning; CANCEL leaves with nothing logged.
    void overBudget()
    {
        Rig rig;
        QVERIFY(rig.open(SA::Btn_Record_Record));
        auto* p = rig.page<TSetupRecord>(SA::Btn_Record_Record);
        static_cast<TCombo*>(p->control(p->row(P::R_CRES)))->setCurrentIndex(2);
        QCOMPARE(p->totalText(), QString("570"));
        auto* box = static_cast<TMsgWnd*>(rig.w->wnd(ID_WND_MSG));
        for (QWidget* b : {p->control(p->row(P::R_APPLY)), static_cast<QWidget*>(rig.setup()->button(SA::Btn_Ok)),
                           static_cast<QWidget*>(rig.setup()->button(SA::Btn_Device))}) {
            rig.click(b);
            QVERIFY(box->isVisible());
            QCOMPARE(box->text(), QString("Maximum FPS is 480"));
            QVERIFY(p->isVisible());
            QTest::mouseClick(box->button(MSGBTN_OK), Qt::LeftButton);
        }
        rig.click(rig.setup()->button(SA::Btn_Cancel));
        QVERIFY(Rig::settled());
        QVERIFY(!rig.setup()->isVisible());
        QCOMPARE(Rig::setupLogs(), QStringList{});
        QCOMPARE(int(rig.live<PropRecord>(IDX_PROP_RECORD)->data[0].cridx), 0);
    }

    // The recorder's answers follow what was applied: the record table with
    // the schedule off, the group of the cell with it on, the holiday row on
    // a marked day, no recording in a "None" cell, and the event masks.
    void recorderAnswers_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("hour");
        QTest::addColumn<bool>("scheduleOn");
        QTest::addColumn<int>("contOn");  // camera 0
        QTest::addColumn<int>("quality"); // camera 0, continuous
        QTest::newRow("schedule off: the record table") << 7 << 10 << false << 1 << 1;
        QTest::newRow("Monday 10:00: group C") << 7 << 10 << true << 1 << 0;
        QTest::newRow("Monday 11:00: no recording") << 7 << 11 << true << 0 << 0;
        QTest::newRow("the 25th, a holiday: row 7, group A") << 25 << 10 << true << 0 << 3;
    }
    void recorderAnswers()
    {
        QFETCH(int, day);
        QFETCH(int, hour);
        QFETCH(bool, scheduleOn);
        Rig rig;
        // Camera 0: the record table at "Med" quality; group C at "Low";
        // group A event only. Monday 10:00 paints C, 11:00 none; the
        // holiday row paints A; the 25th of December is a holiday.
        QVERIFY(rig.open(SA::Btn_Record_Record));
        auto* rec = rig.page<TSetupRecord>(SA::Btn_Record_Record);
        static_cast<TCombo*>(rec->control(rec->row(P::R_CQUAL)))->setCurrentIndex(2);
        QVERIFY(rig.choose(SA::Btn_Record_Group));
        auto* grp = rig.page<TSetupGroup>(SA::Btn_Record_Group);
        static_cast<TCombo*>(grp->control(0))->setCurrentIndex(2);
        static_cast<TCombo*>(grp->control(grp->row(P::R_CQUAL)))->setCurrentIndex(3);
        static_cast<TCombo*>(grp->control(0))->setCurrentIndex(0);
        static_cast<TCombo*>(grp->control(grp->row(P::R_MODE)))->setCurrentIndex(2);
        QVERIFY(rig.choose(SA::Btn_Record_Schedule));
        auto* sch = rig.page<TSetupSchedule>(SA::Btn_Record_Schedule);
        TScheduler* g = sch->scheduler();
        // Whole hour columns: 10:00 in C, 11:00 none; then the holiday row
        // in A.
        rig.click(sch->control(TSetupSchedule::R_C));
        QTest::mouseClick(g, Qt::LeftButton, Qt::NoModifier, g->grid().cellRect(TScheduleGrid::Header, 10, 0).center());
        rig.click(sch->control(TSetupSchedule::R_NONE));
        QTest::mouseClick(g, Qt::LeftButton, Qt::NoModifier, g->grid().cellRect(TScheduleGrid::Header, 11, 0).center());
        rig.click(sch->control(TSetupSchedule::R_A));
        QTest::mouseClick(g, Qt::LeftButton, Qt::NoModifier, g->grid().cellRect(TScheduleGrid::Label, 0, 7).center());
        if (scheduleOn)
            rig.click(sch->control(TSetupSchedule::R_ON));
        QVERIFY(rig.choose(SA::Btn_Record_Holiday));
        auto* hol = rig.page<TSetupHoliday>(SA::Btn_Record_Holiday);
        rig.click(hol->control(TSetupHoliday::R_DELETEALL));
        hol->calendar()->setMonth(2026, 12);
        hol->calendar()->setDay(25);
        rig.click(hol->control(TSetupHoliday::R_ADD));
        QVERIFY(rig.choose(SA::Btn_Record_Eventin));
        auto* ev = rig.page<TSetupEventin>(SA::Btn_Record_Eventin);
        // Camera 1 starts on input 3: sensor, then motion.
        rig.click(ev->control(TSetupEventin::cellRow(0, 2)));
        rig.click(ev->control(TSetupEventin::cellRow(0, 2)));
        rig.click(rig.setup()->button(SA::Btn_Ok));
        QVERIFY(Rig::settled());

        const struct tm t = at(day, hour, 5);
        EncCfg out[32];
        QCOMPARE(dalTestEncCfg(&t, out), 0);
        QTEST(int(out[0].contOn), "contOn");
        QTEST(int(out[0].contQual), "quality");
        if (day == 25)
            QCOMPARE(int(out[0].evtOn), 1); // group A: event only
        if (out[0].contOn || out[0].evtOn) {
            // The event masks: camera 1's own input (the default), and input 3
            // by motion.
            QCOMPARE(out[0].event_md_mask & 4u, 4u);
            QCOMPARE(out[0].event_sen_mask & 4u, 0u);
        }
    }
};

DVR_APP_TEST_MAIN(TMainSetupRecordTest)
#include "tmain-setuprecordtest.moc"
