// The holiday page: Add, Delete, Delete All and a double click against the
// section, the calendar's marks and the list; the list in calendar order
// after a show; marks kept across month pages; Default.
#include "setuptestenv.h"
#include "tcalendar.h"
#include "tclock.h"
#include "tlistview.h"
#include "tsetupholiday.h"

#include <cstring>

using namespace setuptest;
using namespace SetupAct;
using H = TSetupHoliday;

namespace {

struct HolFrame
{
    H* open()
    {
        if (!f.show(Btn_Record))
            return nullptr;
        QTest::mouseClick(f.w->button(Btn_Record_Holiday), Qt::LeftButton);
        QCoreApplication::processEvents();
        return static_cast<H*>(f.w->page(Btn_Record_Holiday));
    }
    PropHoliday* edit() { return static_cast<PropHoliday*>(f.fx.cfg->getsection(IDX_PROP_HOLIDAY, 0)); }
    // A day of the calendar's month chosen by a click on its cell.
    static void clickDay(H* p, int day, bool twice = false)
    {
        TCalendar* c = p->calendar();
        const QPoint at = c->cellRect(c->cellOfDay(day)).center();
        QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, at);
        if (twice)
            QTest::mouseDClick(c, Qt::LeftButton, Qt::NoModifier, at);
    }
    static QStringList lines(H* p)
    {
        QStringList out;
        for (int i = 0; i < p->list()->count(); ++i)
            out << p->list()->lineText(i);
        return out;
    }
    // The calendar's marked days.
    static QList<int> marks(H* p)
    {
        QList<int> out;
        for (int d = 1; d <= 31; ++d) {
            const int cell = p->calendar()->cellOfDay(d);
            if (cell >= 0 && p->calendar()->markAt(cell))
                out << d;
        }
        return out;
    }

    Frame f;
};

} // namespace

class TSetupHolidayTest : public QObject
{
    Q_OBJECT
private slots:
    // Day 25 and day 3 of this month, by buttons and double clicks.
    void editing_data()
    {
        QTest::addColumn<QString>("steps"); // a25 add, d25 delete, x25 double click, z delete all
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QList<int>>("marked");
        QTest::newRow("add") << "a25" << QStringList{"%m - 25"} << QList<int>{25};
        QTest::newRow("added twice: listed once") << "a25 a25" << QStringList{"%m - 25"} << QList<int>{25};
        QTest::newRow("added afterwards at the end") << "a25 a03" << QStringList{"%m - 25", "%m - 03"}
                                                     << QList<int>{3, 25};
        QTest::newRow("delete") << "a25 a03 d25" << QStringList{"%m - 03"} << QList<int>{3};
        QTest::newRow("double click adds") << "x25" << QStringList{"%m - 25"} << QList<int>{25};
        QTest::newRow("double click again removes") << "x25 x25" << QStringList{} << QList<int>{};
        QTest::newRow("and restores") << "x25 x25 x25" << QStringList{"%m - 25"} << QList<int>{25};
        QTest::newRow("delete all") << "a25 a03 z" << QStringList{} << QList<int>{};
    }
    void editing()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, list);
        QFETCH(QList<int>, marked);
        HolFrame r;
        std::memset(r.edit()->data, 0, sizeof r.edit()->data);
        r.edit()->data[11][31] = 1; // 31 December stays unless all go
        H* p = r.open();
        QVERIFY(p);
        const int month = TClock::now().date().month();
        QCOMPARE(p->calendar()->date().month(), month);
        for (const QString& s : steps.split(' ')) {
            const int day = s.mid(1).toInt();
            if (s[0] != 'z')
                r.clickDay(p, day, s[0] == 'x');
            if (s[0] == 'a')
                QTest::mouseClick(p->control(H::R_ADD), Qt::LeftButton);
            else if (s[0] == 'd')
                QTest::mouseClick(p->control(H::R_DELETE), Qt::LeftButton);
            else if (s[0] == 'z')
                QTest::mouseClick(p->control(H::R_DELETEALL), Qt::LeftButton);
        }
        const bool all = steps.endsWith('z');
        QStringList want;
        if (!all && month != 12)
            want << "12 - 31";
        for (QString l : list)
            want << l.replace("%m", QString::asprintf("%02d", month));
        if (!all && month == 12)
            want.prepend("12 - 31");
        QCOMPARE(r.lines(p), want);
        QList<int> wantMarks = marked;
        if (!all && month == 12)
            wantMarks << 31;
        QCOMPARE(r.marks(p), wantMarks);
        // The section holds what the calendar shows, and nothing else.
        int set = 0;
        for (int m = 0; m < 12; ++m)
            for (int d = 0; d < 32; ++d)
                set += r.edit()->data[m][d] ? 1 : 0;
        QCOMPARE(set, want.size());
        for (int d : marked)
            QCOMPARE(int(r.edit()->data[month - 1][d]), 1);
        QCOMPARE(int(r.edit()->data[11][31]), all ? 0 : 1);
        if (QByteArray(QTest::currentDataTag()) == "added afterwards at the end") {
            // Shown again, the list is in calendar order.
            r.f.w->sl_btnclicked(Btn_Record_Group, 0);
            r.f.w->sl_btnclicked(Btn_Record_Holiday, 0);
            QCOMPARE(r.lines(p).size(), 3);
            QVERIFY(r.lines(p)[0] < r.lines(p)[1] && r.lines(p)[1] < r.lines(p)[2]);
            r.f.w->grab().save(vkeytest::grabPath("setup-holiday.png"));
        }
    }

    // The marks follow the section on every month page; Default restores
    // the section's defaults; Apply asks for the section.
    void monthsAndDefault()
    {
        HolFrame r;
        std::memset(r.edit()->data, 0, sizeof r.edit()->data);
        H* p = r.open();
        QVERIFY(p);
        r.clickDay(p, 10);
        QTest::mouseClick(p->control(H::R_ADD), Qt::LeftButton);
        QTest::mouseClick(p->calendar()->button(1), Qt::LeftButton); // next month
        QCOMPARE(r.marks(p), QList<int>{});
        QTest::mouseClick(p->calendar()->button(0), Qt::LeftButton); // back
        QCOMPARE(r.marks(p), QList<int>{10});
        PropHoliday defaults;
        r.f.fx.cfg->setdefault(IDX_PROP_HOLIDAY);
        std::memcpy(&defaults, r.edit(), sizeof defaults);
        r.clickDay(p, 10);
        QTest::mouseClick(p->control(H::R_ADD), Qt::LeftButton);
        QTest::mouseClick(p->control(H::R_DEFAULT), Qt::LeftButton);
        QCOMPARE(std::memcmp(r.edit(), &defaults, sizeof defaults), 0);
        QSignalSpy req(r.f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(p->control(H::R_APPLY), Qt::LeftButton);
        QCOMPARE(requests(req), QStringList{"13,0,0"});
        QVERIFY(p->control(H::R_MENU)->isHidden());
    }

    // The arrows between the calendar, the list and the buttons.
    void focusWalk()
    {
        HolFrame r;
        H* p = r.open();
        QVERIFY(p);
        QCOMPARE(p->focusTable().size(), 12 + 7);
        r.f.w->button(Btn_Record_Holiday)->setFocus();
        const struct
        {
            int key;
            QWidget* want;
        } steps[] = {{Qt::Key_Right, p->calendar()},         {Qt::Key_Down, p->control(H::R_ADD)},
                     {Qt::Key_Right, p->control(H::R_DELETE)}, {Qt::Key_Right, p->control(H::R_DELETEALL)},
                     {Qt::Key_Down, p->control(H::R_APPLY)},   {Qt::Key_Right, p->control(H::R_DEFAULT)},
                     {Qt::Key_Right, r.f.w->button(Btn_Ok)}};
        for (const auto& s : steps) {
            r.f.key(s.key);
            QVERIFY(s.want->hasFocus());
        }
    }
};

QTEST_MAIN(TSetupHolidayTest)
#include "tsetupholidaytest.moc"
