// The record and record-group pages: the enable rules by mode, the load
// against the frame budget (red above it, whole frames counted by the
// test), the warning that holds Apply, Menu and the frame's OK, tab and item
// changes, the group test with its jump to the first group over, the estimate
// of recording days, "Apply All" and "Default", and the focus tables.
#include "setuptestenv.h"
#include "tcombo.h"
#include "tsetupgroup.h"
#include "tsetuprecord.h"

#include <QStringList>
#include <cstring>

using namespace setuptest;
using namespace SetupAct;
using P = TSetupRecPage;

namespace {

// The frame on the Record tab, with the main window's answers to the pages'
// camera (46) and storage (69) requests played from the facade.
struct RecFrame
{
    explicit RecFrame(const char* profile = "16") : f(profile)
    {
        QObject::connect(f.w, &TSetupWnd::sg_request, f.w, [this](int code, int a, int b, QString) {
            asked << QString("%1,%2,%3").arg(code).arg(a).arg(b);
            if (code == SetupAct::Act_InfoCamera) {
                g_api.checkCamera();
                f.w->reply(code, 0, &g_api.m_vinState);
            } else if (code == SetupAct::Act_InfoStrg) {
                f.w->reply(code, 0, &storage);
            }
        });
    }
    P* open(int id)
    {
        if (!f.show(Btn_Record))
            return nullptr;
        // The tab opens on its first page; choosing a page shown runs the
        // leave check again.
        if (!f.w->page(id)->isVisible())
            QTest::mouseClick(f.w->button(id), Qt::LeftButton);
        QCoreApplication::processEvents();
        return static_cast<P*>(f.w->page(id));
    }
    template <class T> T* edit(int idx) { return static_cast<T*>(f.fx.cfg->getsection(idx, 0)); }
    RecordEntry* table(int id, int group = 0)
    {
        return id == Btn_Record_Record ? edit<PropRecord>(IDX_PROP_RECORD)->data
                                       : edit<PropGroup>(IDX_PROP_GROUP)->data[group];
    }
    QString message() const { return f.msg->isVisible() ? f.msg->title() + "/" + f.msg->text() : QString(); }
    // An item chosen in a box (the box reports it as the operator's choice).
    static void choose(TCombo* c, int index) { c->setCurrentIndex(index); }

    Frame f;
    StorageInfo storage{};
    QStringList asked;
};

// Entries "ch:mode:res:fps" over the default table (every camera recording
// quarter pictures at full rate: 16 x 30 = 480, the budget).
void setLoad(RecordEntry* t, const QString& desc)
{
    for (const QString& e : desc.split(' ', Qt::SkipEmptyParts)) {
        const QStringList v = e.split(':');
        RecordEntry& r = t[v[0].toInt()];
        r.mode = uint8_t(v[1].toInt());
        r.cridx = r.eridx = uint8_t(v[2].toInt());
        r.cfidx = r.efidx = uint8_t(v[3].toInt());
    }
}

// The enabled states of the boxes after the mode, "1" or "0" each:
// continuous resolution, rate, quality, event resolution, rate, quality,
// duration, pre-alarm.
QString enabled(P* page)
{
    QString out;
    for (int r = P::R_CRES; r <= P::R_PRE; ++r)
        out += page->control(page->row(r))->isEnabled() ? '1' : '0';
    return out;
}

} // namespace

class TSetupRecPageTest : public QObject
{
    Q_OBJECT
private slots:
    void enableByMode_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("resolutions"); // record resolutions the unit has
        QTest::addColumn<QString>("want");
        QTest::newRow("none: only mode and audio") << int(Btn_Record_Record) << 0 << 3 << "00000000";
        QTest::newRow("continuous") << int(Btn_Record_Record) << 1 << 3 << "11100000";
        QTest::newRow("event with pre-alarm") << int(Btn_Record_Record) << 2 << 3 << "00011111";
        QTest::newRow("both: no pre-alarm") << int(Btn_Record_Record) << 3 << 3 << "11111110";
        QTest::newRow("one resolution: both boxes off") << int(Btn_Record_Record) << 3 << 1 << "01101110";
        QTest::newRow("group page, event, one resolution") << int(Btn_Record_Group) << 2 << 1 << "00001111";
    }
    void enableByMode()
    {
        QFETCH(int, page);
        QFETCH(int, mode);
        QFETCH(int, resolutions);
        RecFrame r;
        dalTestSetCount("num_rridx", resolutions);
        P* p = r.open(page);
        QVERIFY(p && p->isVisible());
        QVERIFY(p->control(p->row(P::R_AUDIO))->isVisible());
        r.choose(static_cast<TCombo*>(p->control(p->row(P::R_MODE))), mode);
        QCOMPARE(int(r.table(page)[0].mode), mode);
        QTEST(enabled(p), "want");
        QVERIFY(p->control(p->row(P::R_MODE))->isEnabled());
        QVERIFY(p->control(p->row(P::R_AUDIO))->isEnabled());
    }

    // Budget 480 (sixteen cameras at 30 quarter frames): the total in red
    // above it; Apply passes while the load cut to whole frames is within
    // it, else "Maximum FPS is 480" and nothing is sent.
    void budget_data()
    {
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("red");
        QTest::addColumn<bool>("passes");
        QTest::newRow("at the budget") << "" << "480" << false << true;
        QTest::newRow("half a frame over: red, passes")
            << "0:1:0:3 1:1:0:3 2:1:0:3 3:1:2:0 4:1:2:6" << "480.5" << true << true;
        QTest::newRow("one frame over") << "0:1:2:0 1:0:0:0 2:0:0:0 3:1:0:7" << "481" << true << false;
    }
    void budget()
    {
        QFETCH(QString, load);
        QFETCH(bool, passes);
        RecFrame r;
        setLoad(r.table(Btn_Record_Record), load);
        P* p = r.open(Btn_Record_Record);
        QVERIFY(p);
        QTEST(p->totalText(), "text");
        QTEST(p->totalLoad() > 480.0, "red");
        r.asked.clear();
        QTest::mouseClick(p->control(p->row(P::R_APPLY)), Qt::LeftButton);
        QCOMPARE(r.asked.contains("10,0,0"), passes);
        QCOMPARE(r.message(), passes ? QString() : QString("Warning/Maximum FPS is 480"));
        r.f.w->grab().save(
            vkeytest::grabPath(QString("setup-record-%1.png").arg(QTest::currentDataTag()).replace(' ', '-')));
    }

    // Over the budget, Menu, the frame's OK, a tab and an item all keep the
    // page with the warning; CANCEL and Escape leave.
    void holdsTheFrame_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("button"); // a frame button, or -1 the page's Menu
        QTest::addColumn<bool>("stays");
        for (int page : {int(Btn_Record_Record), int(Btn_Record_Group)}) {
            const QString n = page == Btn_Record_Record ? "record " : "group ";
            QTest::newRow(qPrintable(n + "Menu")) << page << -1 << true;
            QTest::newRow(qPrintable(n + "OK")) << page << int(Btn_Ok) << true;
            QTest::newRow(qPrintable(n + "tab")) << page << int(Btn_Device) << true;
            QTest::newRow(qPrintable(n + "item")) << page << int(Btn_Record_Schedule) << true;
            QTest::newRow(qPrintable(n + "CANCEL")) << page << int(Btn_Cancel) << false;
        }
        QTest::newRow("record Escape") << int(Btn_Record_Record) << int(Qt::Key_Escape) << false;
    }
    void holdsTheFrame()
    {
        QFETCH(int, page);
        QFETCH(int, button);
        QFETCH(bool, stays);
        RecFrame r;
        // Group D (or the record table) over: one camera at full pictures.
        setLoad(r.table(page, 3), "0:1:2:0");
        P* p = r.open(page);
        QVERIFY(p);
        QCOMPARE(r.message(), QString());
        if (button == -1)
            QTest::mouseClick(p->control(p->row(P::R_MENU)), Qt::LeftButton);
        else if (button == Qt::Key_Escape)
            r.f.key(Qt::Key_Escape);
        else
            QTest::mouseClick(r.f.w->button(button), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(p->isVisible(), stays);
        QCOMPARE(r.f.w->isVisible(), stays);
        QCOMPARE(r.message(), stays ? QString("Warning/Maximum FPS is 480") : QString());
    }

    // Every group is tested whichever is shown; OK on the warning shows the
    // first group over.
    void groupTestAndJump_data()
    {
        QTest::addColumn<QString>("over"); // groups over the budget
        QTest::addColumn<int>("shows");    // the group after OK on the box
        QTest::newRow("none") << "" << -1;
        QTest::newRow("C while A shows") << "2" << 2;
        QTest::newRow("B and D: B first") << "1 3" << 1;
        QTest::newRow("A itself") << "0" << 0;
    }
    void groupTestAndJump()
    {
        QFETCH(QString, over);
        QFETCH(int, shows);
        RecFrame r;
        for (const QString& g : over.split(' ', Qt::SkipEmptyParts))
            setLoad(r.table(Btn_Record_Group, g.toInt()), "5:3:2:0");
        auto* p = static_cast<TSetupGroup*>(r.open(Btn_Record_Group));
        QVERIFY(p);
        QCOMPARE(p->groupCount(), 4);
        QCOMPARE(p->group(), 0);
        QTest::mouseClick(p->control(p->row(P::R_APPLY)), Qt::LeftButton);
        QCOMPARE(r.asked.contains("11,0,0"), shows < 0);
        QCOMPARE(p->group(), 0); // the warning switches nothing
        if (shows < 0)
            return;
        QVERIFY(r.f.msg->isVisible());
        QTest::mouseClick(r.f.msg->button(MSGBTN_OK), Qt::LeftButton);
        QTRY_VERIFY(!r.f.msg->isVisible());
        QCOMPARE(p->group(), shows);
        QCOMPARE(static_cast<TCombo*>(p->control(0))->currentIndex(), shows);
        QTest::mouseClick(p->cameraButton(5), Qt::LeftButton);
        QCOMPARE(static_cast<TCombo*>(p->control(p->row(P::R_MODE)))->currentIndex(), 3);
    }

    // The estimate: one quotient of 100 x capacity by the bytes of a day,
    // two fraction digits cut.
    void estimate_data()
    {
        QTest::addColumn<qint64>("capacity");
        QTest::addColumn<double>("rate"); // bytes a second
        QTest::addColumn<QString>("want");
        const qint64 day = 100 * 86400; // a day at 100 bytes a second
        QTest::newRow("nothing recorded") << qint64(1000) << 0.0 << "0.00 Day";
        QTest::newRow("3.05") << day * 305 / 100 << 100.0 << "3.05 Day";
        QTest::newRow("3.50") << day * 350 / 100 << 100.0 << "3.50 Day";
        QTest::newRow("12.05") << day * 1205 / 100 << 100.0 << "12.05 Day";
        QTest::newRow("2.30 not 2.29") << day * 230 / 100 << 100.0 << "2.30 Day";
        QTest::newRow("1.15 not 1.14") << day * 115 / 100 << 100.0 << "1.15 Day";
        QTest::newRow("no capacity: nothing") << qint64(0) << 100.0 << "";
        QTest::newRow("four 1 TB disks") << qint64(4) * 1000000 * 1048576 << 1000000.0 << "48.54 Day";
    }
    void estimate()
    {
        QFETCH(qint64, capacity);
        QFETCH(double, rate);
        QTEST(P::daysText(capacity, rate), "want");
    }

    // The storage answer's megabytes reach the page in 64 bits; the shown
    // estimate follows the settings.
    void storageAnswer()
    {
        RecFrame r;
        r.storage.totalMB = 4 * 1000000;
        P* p = r.open(Btn_Record_Record);
        QVERIFY(p);
        QTRY_COMPARE(p->hddTotal(), qint64(4) * 1000000 * 1048576);
        const QString before = p->estimateText();
        QVERIFY(before.endsWith(" Day"));
        // Nothing recorded by any camera: 0.00 days.
        for (int ch = 0; ch < 20; ++ch)
            r.table(Btn_Record_Record)[ch].mode = 0;
        QCOMPARE(p->estimateText(), QString("0.00 Day"));
        r.storage.totalMB = 0;
        r.f.w->reply(SetupAct::Act_InfoStrg, 0, &r.storage);
        QCOMPARE(p->estimateText(), QString());
    }

    // "Apply All" copies the whole shown entry into the unit's cameras of
    // the shown table only; "Default" resets every table of the page; a
    // group index outside the chooser is ignored.
    void allAndDefault()
    {
        RecFrame r;
        r.f.fx.cfg->setdefault(IDX_PROP_GROUP); // the defaults, to compare with
        auto* p = static_cast<TSetupGroup*>(r.open(Btn_Record_Group));
        QVERIFY(p);
        const QByteArray before(reinterpret_cast<const char*>(r.edit<PropGroup>(IDX_PROP_GROUP)), sizeof(PropGroup));
        auto* chooser = static_cast<TCombo*>(p->control(0));
        r.choose(chooser, 1);
        QCOMPARE(p->group(), 1);
        QTest::mouseClick(p->cameraButton(3), Qt::LeftButton);
        QCOMPARE(p->channel(), 3);
        r.choose(static_cast<TCombo*>(p->control(p->row(P::R_MODE))), 2);
        r.choose(static_cast<TCombo*>(p->control(p->row(P::R_PRE))), 4);
        QTest::mouseClick(p->control(p->row(P::R_AUDIO)), Qt::LeftButton);
        QTest::mouseClick(p->control(p->row(P::R_ALL)), Qt::LeftButton);
        const PropGroup* g = r.edit<PropGroup>(IDX_PROP_GROUP);
        for (int ch = 0; ch < 20; ++ch) {
            const RecordEntry& e = g->data[1][ch];
            QCOMPARE(std::memcmp(&e, &g->data[1][3], sizeof e) == 0, ch < 16);
        }
        QCOMPARE(int(g->data[1][0].mode), 2);
        QCOMPARE(int(g->data[1][0].predur), 4);
        for (int k : {0, 2, 3})
            QCOMPARE(std::memcmp(g->data[k], before.constData() + k * sizeof g->data[k], sizeof g->data[k]), 0);
        // The chooser cannot leave the section's groups.
        p->sl_changeIndex(chooser->id(), 7);
        QCOMPARE(p->group(), 1);
        r.edit<PropGroup>(IDX_PROP_GROUP)->data[3][9].mode = 0;
        QTest::mouseClick(p->control(p->row(P::R_DEFAULT)), Qt::LeftButton);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(g), sizeof(PropGroup)), before);
        QCOMPARE(static_cast<TCombo*>(p->control(p->row(P::R_MODE)))->currentIndex(), int(g->data[1][3].mode));
    }

    // The focus tables on the twenty-channel unit: 45 and 46 entries; the
    // arrows follow the links and come back to the camera shown.
    void focusWalk_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<int>("entries");
        QTest::newRow("record") << int(Btn_Record_Record) << QByteArray("20") << 45;
        QTest::newRow("group") << int(Btn_Record_Group) << QByteArray("20") << 46;
        // A 32-channel unit: the 20 cameras the sections hold.
        QTest::newRow("record, 32 channels") << int(Btn_Record_Record) << QByteArray("32") << 45;
        QTest::newRow("group, 32 channels") << int(Btn_Record_Group) << QByteArray("32") << 46;
    }
    void focusWalk()
    {
        QFETCH(int, page);
        QFETCH(QByteArray, profile);
        RecFrame r(profile.constData());
        P* p = r.open(page);
        QVERIFY(p);
        QTEST(p->focusTable().size(), "entries");
        QWidget* item = r.f.w->button(page);
        QTest::mouseClick(p->cameraButton(5), Qt::LeftButton);
        p->control(p->row(P::R_MODE))->setFocus();
        r.f.key(Qt::Key_Right);
        QVERIFY(p->control(p->row(P::R_ALL))->hasFocus());
        r.f.key(Qt::Key_Right);
        QVERIFY(item->hasFocus());
        if (page == Btn_Record_Record) {
            // Left from the item: the last camera; Down from it: the mode
            // box; Up into the camera row: the camera shown.
            r.f.key(Qt::Key_Left);
            QVERIFY(p->cameraButton(19)->hasFocus());
            r.f.key(Qt::Key_Down);
            QVERIFY(p->control(p->row(P::R_MODE))->hasFocus());
            r.f.key(Qt::Key_Up);
            QVERIFY(p->cameraButton(5)->hasFocus());
        } else {
            // The group chooser stands between the menu and the cameras.
            r.f.key(Qt::Key_Left);
            QVERIFY(p->control(0)->hasFocus());
            r.f.key(Qt::Key_Down);
            QVERIFY(p->cameraButton(5)->hasFocus());
            r.f.key(Qt::Key_Up);
            QVERIFY(p->control(0)->hasFocus());
        }
        // Down past the audio check to the first enabled box (continuous).
        p->control(p->row(P::R_AUDIO))->setFocus();
        r.f.key(Qt::Key_Down);
        QVERIFY(p->control(p->row(P::R_CRES))->hasFocus());
        r.f.key(Qt::Key_Down);
        r.f.key(Qt::Key_Down);
        r.f.key(Qt::Key_Down); // event boxes are off in continuous mode
        QVERIFY(p->control(p->row(P::R_APPLY))->hasFocus());
        r.f.key(Qt::Key_Right);
        QVERIFY(p->control(p->row(P::R_DEFAULT))->hasFocus());
        r.f.key(Qt::Key_Right);
        QVERIFY(r.f.w->button(Btn_Ok)->hasFocus());
        // "Apply All" stays within the sections' 20 entries.
        QTest::mouseClick(p->control(p->row(P::R_ALL)), Qt::LeftButton);
        for (int ch = 0; ch < 20; ++ch)
            QCOMPARE(std::memcmp(&r.table(page)[ch], &r.table(page)[5], sizeof(RecordEntry)), 0);
        QVERIFY(!p->cameraButton(19)->isHidden());
        r.f.w->grab().save(vkeytest::grabPath(
            QString("setup-%1.png").arg(QTest::currentDataTag()).replace(' ', '-').replace(',', "")));
    }
};

QTEST_MAIN(TSetupRecPageTest)
#include "tsetuprecpagetest.moc"
