// The schedule page: the grid paints the chosen group (B at start, "None"
// stops recording) into the edit copy, the switches and Default, the status
// lines of the group under the pointer and their resolution names, the
// status table by channel count, and the focus table.
#include "setuptestenv.h"
#include "tscheduler.h"
#include "tsetupschedule.h"

#include <cstring>

using namespace setuptest;
using namespace SetupAct;
using S = TSetupSchedule;

namespace {

struct SchedFrame
{
    explicit SchedFrame(const char* profile = "16") : f(profile) {}
    S* open()
    {
        if (!f.show(Btn_Record))
            return nullptr;
        QTest::mouseClick(f.w->button(Btn_Record_Schedule), Qt::LeftButton);
        QCoreApplication::processEvents();
        return static_cast<S*>(f.w->page(Btn_Record_Schedule));
    }
    template <class T> T* edit(int idx) { return static_cast<T*>(f.fx.cfg->getsection(idx, 0)); }
    // An hour column of the grid clicked: painted with the chosen group.
    static void paintHour(S* p, int hour)
    {
        TScheduler* g = p->scheduler();
        QTest::mouseClick(g, Qt::LeftButton, Qt::NoModifier, g->grid().cellRect(TScheduleGrid::Header, hour, 0).center());
    }

    Frame f;
};

} // namespace

class TSetupScheduleTest : public QObject
{
    Q_OBJECT
private slots:
    // Painting before any choice writes B (1); the group buttons choose A,
    // C, D or no recording (4); the cells reach the edit copy only.
    void paintsTheChosenGroup_data()
    {
        QTest::addColumn<int>("button"); // a group button row, -1 none
        QTest::addColumn<int>("cell");
        QTest::newRow("B at start") << -1 << 1;
        QTest::newRow("A") << int(S::R_A) << 0;
        QTest::newRow("D") << int(S::R_D) << 3;
        QTest::newRow("None stops recording") << int(S::R_NONE) << 4;
    }
    void paintsTheChosenGroup()
    {
        QFETCH(int, button);
        SchedFrame r;
        auto* s = r.edit<PropSchedule>(IDX_PROP_SCHEDULE);
        std::memset(s->data, 2, sizeof s->data); // all C
        S* p = r.open();
        QVERIFY(p);
        QVERIFY(static_cast<TButton*>(p->control(S::R_B))->isChecked());
        if (button >= 0)
            QTest::mouseClick(p->control(button), Qt::LeftButton);
        for (int g = S::R_A; g <= S::R_NONE; ++g)
            QCOMPARE(static_cast<TButton*>(p->control(g))->isChecked(), g == (button >= 0 ? button : int(S::R_B)));
        r.paintHour(p, 9);
        for (int row = 0; row < 8; ++row) {
            QTEST(int(s->data[row][9 * 6]), "cell");
            QTEST(int(s->data[row][9 * 6 + 5]), "cell");
            QCOMPARE(int(s->data[row][10 * 6]), 2);
        }
        QCOMPARE(int(r.f.fx.live<PropSchedule>(IDX_PROP_SCHEDULE)->data[0][54]), 4);
        r.f.w->grab().save(vkeytest::grabPath(
            QString("setup-schedule-%1.png").arg(QTest::currentDataTag()).replace(' ', '-')));
    }

    // The switches write their fields; Default puts back the section's
    // defaults (off, holidays on, no recording) and the grid shows them.
    void switchesAndDefault()
    {
        SchedFrame r;
        auto* s = r.edit<PropSchedule>(IDX_PROP_SCHEDULE);
        S* p = r.open();
        QVERIFY(p);
        QCOMPARE(s->on, 0);
        QTest::mouseClick(p->control(S::R_ON), Qt::LeftButton);
        QCOMPARE(s->on, 1);
        QTest::mouseClick(p->control(S::R_HOLIDAY), Qt::LeftButton);
        QCOMPARE(s->holiydayOn, 0);
        r.paintHour(p, 3);
        QCOMPARE(int(s->data[5][18]), 1);
        r.f.w->sl_btnclicked(Btn_Record_Schedule, 0); // the shown page: nothing
        QTest::mouseClick(p->control(S::R_DEFAULT), Qt::LeftButton);
        QCOMPARE(s->on, 0);
        QCOMPARE(s->holiydayOn, 1);
        QCOMPARE(int(s->data[5][18]), 4);
        QCOMPARE(p->scheduler()->value(5, 18), 4);
        QVERIFY(static_cast<TButton*>(p->control(S::R_HOLIDAY))->isChecked());
        QSignalSpy req(r.f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(p->control(S::R_APPLY), Qt::LeftButton);
        QCOMPARE(requests(req), QStringList{"12,0,0"});
    }

    void resName_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<QString>("want");
        QTest::newRow("704x480") << 704 << 480 << "D1";
        QTest::newRow("704x240") << 704 << 240 << "2CIF";
        QTest::newRow("352x240") << 352 << 240 << "CIF";
        QTest::newRow("PAL 704x576") << 704 << 576 << "D1";
        QTest::newRow("PAL 704x288") << 704 << 288 << "2CIF";
        QTest::newRow("PAL 352x288") << 352 << 288 << "CIF";
    }
    void resName()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QTEST(S::resName(w, h), "want");
    }

    // The group under the pointer gives every camera its line; off the
    // grid every line is "None".
    void statusLines_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("res");  // continuous; the event fields take res ^ 1
        QTest::addColumn<int>("fps");  // continuous; the event fields take 0
        QTest::addColumn<QString>("want");
        QTest::newRow("C/E at D1, 7.5") << 3 << 2 << 3 << "C.E/D1/7.5";
        QTest::newRow("continuous: whole rate") << 1 << 0 << 1 << "C/CIF/15";
        QTest::newRow("event: the event fields") << 2 << 0 << 3 << "E/2CIF/30";
        QTest::newRow("none") << 0 << 2 << 3 << "None";
    }
    void statusLines()
    {
        QFETCH(int, mode);
        QFETCH(int, res);
        QFETCH(int, fps);
        SchedFrame r;
        RecordEntry& e = r.edit<PropGroup>(IDX_PROP_GROUP)->data[2][5];
        e.mode = uint8_t(mode);
        e.cridx = uint8_t(res);
        e.cfidx = uint8_t(fps);
        e.eridx = uint8_t(res ^ 1);
        e.efidx = 0;
        S* p = r.open();
        QVERIFY(p);
        QCOMPARE(p->status().size(), 16);
        emit p->scheduler()->sg_changeValue(0, 2, nullptr);
        QTEST(p->status()[5], "want");
        QCOMPARE(p->status()[4], S::statusLine(r.edit<PropGroup>(IDX_PROP_GROUP)->data[2][4]));
        emit p->scheduler()->sg_changeValue(0, -1, nullptr);
        QCOMPARE(p->status(), QVector<QString>(16, "None").toList());
        emit p->scheduler()->sg_changeValue(0, 4, nullptr);
        QCOMPARE(p->status()[5], QString("None"));
    }

    // One status line per camera the sections hold (never past their 20),
    // and the focus table of 22 entries whatever the unit.
    void byChannelCount_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<int>("lines");
        QTest::newRow("4 cameras: one row") << QByteArray("4") << 4;
        QTest::newRow("16 cameras: four rows") << QByteArray("16") << 16;
        QTest::newRow("32 cameras: the 20 held") << QByteArray("32") << 20;
    }
    void byChannelCount()
    {
        QFETCH(QByteArray, profile);
        SchedFrame r(profile.constData());
        S* p = r.open();
        QVERIFY(p);
        emit p->scheduler()->sg_changeValue(0, 1, nullptr);
        QTEST(p->status().size(), "lines");
        QCOMPARE(p->focusTable().size(), 22);
        r.f.w->grab().save(vkeytest::grabPath(QString("setup-schedule-%1ch.png").arg(QString(profile))));
    }

    // The arrows through the switches, the grid and the group column.
    void focusWalk()
    {
        SchedFrame r;
        S* p = r.open();
        QVERIFY(p);
        QWidget* item = r.f.w->button(Btn_Record_Schedule);
        item->setFocus();
        const struct
        {
            int key;
            QWidget* want;
        } steps[] = {{Qt::Key_Right, p->control(S::R_ON)},   {Qt::Key_Right, p->control(S::R_HOLIDAY)},
                     {Qt::Key_Down, p->scheduler()},         {Qt::Key_Right, p->control(S::R_A)},
                     {Qt::Key_Down, p->control(S::R_B)},     {Qt::Key_Left, p->scheduler()},
                     {Qt::Key_Down, p->control(S::R_APPLY)}, {Qt::Key_Right, p->control(S::R_DEFAULT)},
                     {Qt::Key_Right, r.f.w->button(Btn_Ok)}};
        for (const auto& s : steps) {
            r.f.key(s.key);
            QVERIFY(s.want->hasFocus());
        }
    }
};

QTEST_MAIN(TSetupScheduleTest)
#include "tsetupscheduletest.moc"
