// The alarm-output page and its PTZ preset window offscreen in the setup
// frame: the rows and columns the unit's counts give (kept to the record),
// each control writing only its field, the table's cells, typed names, the
// table's edit mode under the page's keys, Default, and the preset window's
// snapshot put back by CANCEL, Escape or the page or frame hiding.
#include "setuptestenv.h"
#include "talarmtbl.h"
#include "tcombo.h"
#include "tedit.h"
#include "tsetupalarm.h"
#include "tsetupalarmpreset.h"

#include <cstring>
#include <memory>

using namespace setuptest;
using namespace SetupAct;

namespace {

using A = TSetupAlarm;

// The unit's counts as the device reported them, unclamped.
struct Unit
{
    int videos = 16, sensors = 16, outputs = 7, relays = 1, txtin = 5;
};

// The frame of such a unit, opened on the alarm-output page.
struct Rig
{
    explicit Rig(const Unit& u = Unit())
    {
        for (int live : {0, 1}) {
            auto* dev = static_cast<PropDevices*>(fx.cfg->getsection(IDX_PROP_DEVICES, live));
            dev->videos = u.videos;
            dev->sensors = u.sensors;
            dev->alarmouts = u.outputs;
            dev->relaycnt = u.relays;
            dev->txtin = u.txtin;
        }
        vkeytest::setUpGlobals();
        TConfig::setTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
        msg = new TMsgWnd(nullptr, ID_WND_MSG, QSize(400, 200));
        msg->init(0);
        g_msgWnd = msg;
        vk = new TVKeyboard(nullptr, ID_WND_VKEYBOARD, QSize(600, 300));
        vk->initCtrl();
        g_vkeyboard = vk;
        w = new TSetupWnd(nullptr, ID_WND_SETUP, QSize(800, 600));
        w->init(0);
        spy.reset(new QSignalSpy(w, &TSetupWnd::sg_request));
        w->setCurGroup(Btn_Device);
        w->move(240, 60);
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::mouseClick(w->button(Btn_Device_Alarm), Qt::LeftButton);
        QCoreApplication::processEvents();
        page = static_cast<A*>(w->page(Btn_Device_Alarm));
        QVERIFY(page && page->isVisible());
    }
    ~Rig()
    {
        delete w;
        g_vkeyboard = nullptr;
        delete vk;
        g_msgWnd = nullptr;
        delete msg;
        TConfig::setTextHook(nullptr);
    }
    PropAlarm* rec() const { return static_cast<PropAlarm*>(fx.cfg->getsection(IDX_PROP_ALARM, 0)); }
    void click(QWidget* c)
    {
        QTest::mouseClick(c, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    void tab(int t) { click(page->control(A::RowTab0 + t)); }
    void key(int k)
    {
        vkeytest::key(w, k);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    template <class T> T* ctl(int row) const { return static_cast<T*>(page->control(row)); }
    int shown(int first, int count) const
    {
        int n = 0;
        for (int k = 0; k < count; ++k)
            n += page->control(first + k)->isVisible() ? 1 : 0;
        return n;
    }
    // Clicks data cell (row, col) of the table.
    void cell(int row, int col)
    {
        TAlarmtbl* t = page->table();
        QTest::mouseClick(t, Qt::LeftButton, Qt::NoModifier, t->cellRect(TAlarmtbl::LABEL_COLS + col, row + 1).center());
        QCoreApplication::processEvents();
    }
    TSetupAlarmPreset* openPresets()
    {
        tab(A::TabMotion);
        click(page->control(A::RowPreset));
        return page->presetWnd();
    }

    TDvrFixture fx;
    TMsgWnd* msg = nullptr;
    TVKeyboard* vk = nullptr;
    TSetupWnd* w = nullptr;
    A* page = nullptr;
    std::unique_ptr<QSignalSpy> spy;
};

bool same(const PropAlarm& a, const PropAlarm& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class TSetupAlarmTest : public QObject
{
    Q_OBJECT
private slots:
    // Rows, columns and labels follow the unit's counts, each kept to what
    // the record holds.
    void counts_data()
    {
        QTest::addColumn<int>("videos");
        QTest::addColumn<int>("sensors");
        QTest::addColumn<int>("outputs");
        QTest::addColumn<int>("relays");
        QTest::addColumn<int>("txtin");
        QTest::addColumn<int>("tableRows");
        QTest::addColumn<QVector<int>>("cols");   // Sensor In, Motion, POS (or -1 without the tab), VideoLoss
        QTest::addColumn<QStringList>("labels");  // the Duration tab's rows
        QTest::addColumn<int>("names");
        QTest::newRow("1 relay of 4 outputs")
            << 16 << 16 << 7 << 1 << 5 << 7 << QVector<int>{16, 16, 5, 16}
            << QStringList{"Alarm 1(R)", "Alarm 2", "Alarm 3", "Alarm 4", "Buzzer", "Popup", "Spot Popup", "Preset"}
            << 4;
        QTest::newRow("relays past the outputs") << 4 << 4 << 5 << 9 << 5 << 5 << QVector<int>{4, 4, 5, 4}
                                                 << QStringList{"Alarm 1(R)", "Alarm 2(R)", "Buzzer", "Popup",
                                                                "Spot Popup", "Preset"}
                                                 << 2;
        QTest::newRow("no outputs, no text inputs")
            << 8 << 8 << 0 << 0 << 0 << 3 << QVector<int>{8, 8, -1, 8}
            << QStringList{"Buzzer", "Popup", "Spot Popup", "Preset"} << 0;
        QStringList many;
        for (int k = 1; k <= 20; ++k)
            many << QString("Alarm %1").arg(k);
        many << "Buzzer" << "Popup" << "Spot Popup" << "Preset";
        QTest::newRow("counts past the record") << 40 << 33 << 40 << -2 << 33 << 23 << QVector<int>{20, 20, 20, 20}
                                                << many << 20;
    }
    void counts()
    {
        QFETCH(int, videos);
        QFETCH(int, sensors);
        QFETCH(int, outputs);
        QFETCH(int, relays);
        QFETCH(int, txtin);
        QFETCH(int, tableRows);
        QFETCH(QVector<int>, cols);
        QFETCH(QStringList, labels);
        QFETCH(int, names);
        Unit u;
        u.videos = videos;
        u.sensors = sensors;
        u.outputs = outputs;
        u.relays = relays;
        u.txtin = txtin;
        Rig rig(u);
        QCOMPARE(rig.page->tab(), int(A::TabSensorType));
        QCOMPARE(rig.shown(A::RowSensor0, A::SENSORS), qMin(sensors, 20));
        QVERIFY(rig.w->grab().save(vkeytest::grabPath(QString("setup-alarm-sensors-%1.png").arg(sensors))));
        QCOMPARE(rig.page->control(A::RowTab0 + A::TabPos)->isVisible(), cols[2] >= 0);
        for (int t = A::TabSensorIn; t <= A::TabVideoLoss; ++t) {
            const int want = cols[t - A::TabSensorIn];
            rig.tab(t);
            if (want < 0) {
                // Without text inputs the POS tab is hidden and takes no click.
                QCOMPARE(rig.page->tab(), int(A::TabMotion));
                continue;
            }
            QCOMPARE(rig.page->tab(), t);
            QVERIFY(rig.page->table()->isVisible());
            QCOMPARE(rig.page->table()->rows(), tableRows);
            QCOMPARE(rig.page->table()->cols(), want);
            QCOMPARE(rig.page->control(A::RowPreset)->isVisible(), t == A::TabMotion);
        }
        rig.tab(A::TabDuration);
        QVERIFY(!rig.page->table()->isVisible());
        QCOMPARE(rig.shown(A::RowDur0, A::OUT_ROWS), labels.size());
        QCOMPARE(rig.page->labels(), labels);
        QVERIFY(rig.w->grab().save(vkeytest::grabPath(QString("setup-alarm-durations-%1.png").arg(outputs))));
        rig.tab(A::TabName);
        QCOMPARE(rig.shown(A::RowName0, A::NAMES), names);
        QCOMPARE(rig.shown(A::RowDur0, A::OUT_ROWS), 0);
        QVERIFY(rig.w->grab().save(vkeytest::grabPath(QString("setup-alarm-names-%1.png").arg(outputs))));
    }

    // Every list writes only its own field; a list past the unit's rows and
    // a reported -1 write nothing.
    void lists_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("field");
        QTest::newRow("Preset row") << int(A::TabDuration) << A::RowDur0 + 7 << 4 << "dur_preset";
        QTest::newRow("output 3's duration") << int(A::TabDuration) << A::RowDur0 + 2 << 9 << "out2.dur";
        QTest::newRow("Spot Popup's duration") << int(A::TabDuration) << A::RowDur0 + 6 << 1 << "out6.dur";
        QTest::newRow("sensor 1's type") << int(A::TabSensorType) << int(A::RowSensor0) << 1 << "sensortype0";
        QTest::newRow("sensor 16's type") << int(A::TabSensorType) << A::RowSensor0 + 15 << 1 << "sensortype15";
        QTest::newRow("a list past the rows") << int(A::TabDuration) << A::RowDur0 + 8 << 3 << "";
        QTest::newRow("a sensor past the unit's") << int(A::TabSensorType) << A::RowSensor0 + 16 << 1 << "";
        QTest::newRow("a reported -1") << int(A::TabDuration) << A::RowDur0 + 2 << -1 << "";
    }
    void lists()
    {
        QFETCH(int, tab);
        QFETCH(int, row);
        QFETCH(int, index);
        QFETCH(QString, field);
        Rig rig;
        rig.tab(tab);
        PropAlarm want = *rig.rec();
        if (field == "dur_preset")
            want.dur_preset = index;
        else if (field.startsWith("out"))
            want.out[field.mid(3, 1).toInt()].dur = index;
        else if (field.startsWith("sensortype"))
            want.sensortype[field.mid(10).toInt()] = uint8_t(index);
        auto* c = rig.ctl<TCombo>(row);
        if (index < 0)
            emit c->sg_changeIndex(c->id(), -1);
        else
            c->setCurrentIndex(index);
        QVERIFY(same(*rig.rec(), want));
    }

    // A clicked cell sets the tab's flag of that output and input only.
    void cells_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("Sensor In") << int(A::TabSensorIn);
        QTest::newRow("Motion detection") << int(A::TabMotion);
        QTest::newRow("POS") << int(A::TabPos);
        QTest::newRow("VideoLoss") << int(A::TabVideoLoss);
    }
    void cells()
    {
        QFETCH(int, tab);
        Rig rig;
        rig.tab(tab);
        PropAlarm want = *rig.rec();
        AlarmOutEntry& o = want.out[5];
        uint8_t* flags = tab == A::TabSensorIn ? o.sensorOn : tab == A::TabMotion ? o.motionOn
                                                              : tab == A::TabPos  ? o.txtinOn
                                                                                  : o.vlossOn;
        flags[3] = 1;
        rig.cell(5, 3);
        QVERIFY(same(*rig.rec(), want));
        QCOMPARE(rig.page->table()->cell(5, 3), 1);
        QVERIFY(rig.w->grab().save(vkeytest::grabPath(QString("setup-alarm-tab%1.png").arg(tab))));
        // Another tab and back: the table reloads from the record.
        rig.tab(A::TabDuration);
        rig.tab(tab);
        QCOMPARE(rig.page->table()->cell(5, 3), 1);
        rig.cell(5, 3);
        flags[3] = 0;
        QVERIFY(same(*rig.rec(), want));
    }

    // Names typed on the keyboard: cut to 31 bytes at a whole character;
    // Cancel, or a row past the alarm outputs, change nothing.
    void names_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored"); // empty: the record unchanged
        const QString hangul(31, QChar(0xD55C));
        QTest::newRow("typed") << 1 << "Gate" << QByteArray("Gate");
        QTest::newRow("31 Hangul keep 10") << 0 << hangul << QString(10, QChar(0xD55C)).toUtf8();
        QTest::newRow("40 letters keep 31") << 3 << QString(40, 'x') << QByteArray(31, 'x');
        QTest::newRow("Cancel") << 1 << "\x1b" << QByteArray();
        QTest::newRow("row past the outputs") << 4 << "Door" << QByteArray();
    }
    void names()
    {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        Rig rig;
        rig.tab(A::TabName);
        PropAlarm want = *rig.rec();
        if (!stored.isEmpty())
            qstrncpy(want.out[row].name, stored.constData(), sizeof want.out[row].name);
        auto* e = rig.ctl<TEdit>(A::RowName0 + row);
        if (e->isVisible())
            rig.click(e);
        else
            rig.page->sl_edclicked(e->id()); // a field the operator cannot reach
        QVERIFY(rig.vk->isVisible());
        if (typed == "\x1b") {
            QTest::mouseClick(rig.vk->cancelButton(), Qt::LeftButton);
        } else {
            rig.vk->setText(typed);
            QTest::mouseClick(rig.vk->okButton(), Qt::LeftButton);
        }
        QCoreApplication::processEvents();
        QVERIFY(same(*rig.rec(), want));
        if (!stored.isEmpty())
            QCOMPARE(e->text(), QString::fromUtf8(stored));
    }

    // The table under the page's keys: Down from the tab row reaches it,
    // Enter starts its edit mode, Escape only leaves the edit mode and a
    // second Escape cancels the setup.
    void tableKeys()
    {
        Rig rig;
        rig.tab(A::TabSensorIn);
        rig.key(Qt::Key_Down);
        QVERIFY(rig.page->table()->hasFocus());
        rig.key(Qt::Key_Return);
        QVERIFY(rig.page->table()->isEditing());
        const uint8_t before = rig.rec()->out[0].sensorOn[1];
        rig.key(Qt::Key_Right);
        rig.key(Qt::Key_Return);
        QCOMPARE(int(rig.rec()->out[0].sensorOn[1]), before ? 0 : 1);
        // Up from row 0 wraps to the last output: Spot Popup.
        rig.key(Qt::Key_Up);
        rig.key(Qt::Key_Return);
        QCOMPARE(int(rig.rec()->out[6].sensorOn[1]), 1);
        rig.spy->clear();
        rig.key(Qt::Key_Escape);
        QVERIFY(!rig.page->table()->isEditing());
        QVERIFY(rig.w->isVisible());
        QCOMPARE(requests(*rig.spy), QStringList());
        QVERIFY(rig.page->table()->hasFocus());
        // Up from the table goes to the tab shown.
        rig.key(Qt::Key_Up);
        QVERIFY(rig.page->control(A::RowTab0 + A::TabSensorIn)->hasFocus());
        rig.key(Qt::Key_Escape);
        QTRY_VERIFY(!rig.w->isVisible());
        QCOMPARE(requests(*rig.spy), QStringList{"2,0,0"});
    }

    // Default resets the whole section, the motion presets included.
    void defaults()
    {
        Rig rig;
        PropAlarm* a = rig.rec();
        a->preset_motion[1][2] = 5;
        a->dur_preset = 3;
        a->sensortype[0] = 1;
        qstrncpy(a->out[0].name, "X", sizeof a->out[0].name);
        rig.click(rig.page->control(A::RowDefaultBtn));
        QCOMPARE(a->preset_motion[1][2], 0);
        QCOMPARE(a->dur_preset, 0);
        QCOMPARE(int(a->sensortype[0]), 0);
        QCOMPARE(QByteArray(a->out[0].name), QByteArray("Alarm 1"));
        QCOMPARE(rig.ctl<TCombo>(A::RowSensor0)->currentIndex(), 0);
        // Apply asks the frame to apply page 20.
        rig.spy->clear();
        rig.click(rig.page->control(A::RowApplyBtn));
        QCOMPARE(requests(*rig.spy), QStringList{"20,0,0"});
    }

    // The preset window: OK keeps the presets of every source camera
    // changed; CANCEL, Escape, and the page or the frame hiding put them
    // all back.
    void presetClose_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("kept");
        QTest::newRow("OK") << "ok" << true;
        QTest::newRow("CANCEL") << "cancel" << false;
        QTest::newRow("Escape") << "escape" << false;
        QTest::newRow("page hidden") << "page" << false;
        QTest::newRow("frame hidden") << "frame" << false;
        QTest::newRow("closed for a remote setup") << "remote" << true;
    }
    void presetClose()
    {
        QFETCH(QString, how);
        QFETCH(bool, kept);
        Rig rig;
        TSetupAlarmPreset* p = rig.openPresets();
        QTRY_VERIFY(p->isVisible());
        QVERIFY(p->windowModality() == Qt::ApplicationModal && !p->parentWidget() && p->id() == -1);
        QCOMPARE(p->focusTable().size(), 42);
        p->combo(1)->setCurrentIndex(3);
        rig.click(p->button(2));
        p->combo(0)->setCurrentIndex(5);
        QCOMPARE(rig.rec()->preset_motion[0][1], 3);
        QCOMPARE(rig.rec()->preset_motion[2][0], 5);
        if (how == "ok")
            rig.click(p->button(TSetupAlarmPreset::OK));
        else if (how == "cancel")
            rig.click(p->button(TSetupAlarmPreset::CANCEL));
        else if (how == "escape")
            rig.key(Qt::Key_Escape);
        else if (how == "page")
            rig.page->hideWnd();
        else if (how == "frame")
            rig.w->hide();
        // A remote setup replaced the edit copy (camera 2's own preset too),
        // then the menu closes without reverting it.
        if (how == "remote") {
            rig.rec()->preset_motion[2][2] = 9;
            rig.w->closeForRemote();
        }
        QTRY_VERIFY(!p->isVisible());
        QCOMPARE(rig.rec()->preset_motion[0][1], kept ? 3 : 0);
        QCOMPARE(rig.rec()->preset_motion[2][0], kept ? 5 : 0);
        QCOMPARE(rig.rec()->preset_motion[2][2], how == "remote" ? 9 : 0);
        // The Escape went to the window, not to the setup.
        if (how == "escape")
            QVERIFY(rig.w->isVisible());
    }

    // Reopened, the window shows the source camera chosen last, and the
    // keys reach it through the page.
    void presetReopen()
    {
        Rig rig;
        rig.rec()->preset_motion[2][1] = 7;
        TSetupAlarmPreset* p = rig.openPresets();
        rig.click(p->button(2));
        rig.click(p->button(TSetupAlarmPreset::OK));
        QTRY_VERIFY(!p->isVisible());
        rig.click(rig.page->control(A::RowPreset));
        QTRY_VERIFY(p->isVisible());
        QCOMPARE(p->camera(), 2);
        QCOMPARE(p->button(2)->state(), 1);
        QCOMPARE(p->button(0)->state(), 2);
        QCOMPARE(p->combo(1)->currentText(), QStringLiteral("Preset7"));
        QCOMPARE(p->combo(0)->currentText(), QStringLiteral("None"));
        QVERIFY(p->grab().save(vkeytest::grabPath("setup-alarm-presets.png")));
        // Right then Enter from camera button 0 chooses camera 2's neighbour.
        QTRY_VERIFY(p->button(0)->hasFocus());
        rig.key(Qt::Key_Right);
        QTRY_VERIFY(p->button(1)->hasFocus());
        rig.key(Qt::Key_Return);
        QTRY_COMPARE(p->camera(), 1);
        // Down to the first list, then back up lands on the chosen camera.
        rig.key(Qt::Key_Down);
        QTRY_VERIFY(p->combo(0)->hasFocus());
        rig.key(Qt::Key_Up);
        QTRY_VERIFY(p->button(1)->hasFocus());
    }

    // A unit of four cameras: four buttons and four lists; nothing beyond
    // preset_motion [0..3][0..3] can change.
    void presetFourCameras()
    {
        Unit u;
        u.videos = 4;
        Rig rig(u);
        TSetupAlarmPreset* p = rig.openPresets();
        QTRY_VERIFY(p->isVisible());
        int buttons = 0;
        int lists = 0;
        for (int c = 0; c < TSetupAlarmPreset::CAMS; ++c) {
            buttons += p->button(c)->isVisible() ? 1 : 0;
            lists += p->combo(c)->isVisible() ? 1 : 0;
        }
        QCOMPARE(buttons, 4);
        QCOMPARE(lists, 4);
        const PropAlarm before = *rig.rec();
        p->sl_btnclicked(5);
        QCOMPARE(p->camera(), 0);
        p->sl_changeIndex(5, 3);
        p->sl_changeIndex(1, -1);
        QVERIFY(same(*rig.rec(), before));
        rig.click(p->button(3));
        p->combo(3)->setCurrentIndex(2);
        QCOMPARE(rig.rec()->preset_motion[3][3], 2);
        rig.click(p->button(TSetupAlarmPreset::OK));
    }

    // Up from Apply or Default: the preset "Setup" button on the Motion tab,
    // the table on the other table tabs, the list's last line on the rest;
    // the "Setup" button sits under the table and over the command row.
    void upFromCommands_data()
    {
        QTest::addColumn<int>("videos");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("lands");
        for (int videos : {4, 16}) {
            const QByteArray n = QByteArray::number(videos) + " cameras, ";
            QTest::newRow(n + "motion, Apply") << videos << int(A::TabMotion) << int(A::RowApplyBtn) << "preset";
            QTest::newRow(n + "motion, Default") << videos << int(A::TabMotion) << int(A::RowDefaultBtn) << "preset";
            QTest::newRow(n + "sensor in, Apply") << videos << int(A::TabSensorIn) << int(A::RowApplyBtn) << "table";
            QTest::newRow(n + "video loss, Default") << videos << int(A::TabVideoLoss) << int(A::RowDefaultBtn)
                                                     << "table";
            QTest::newRow(n + "POS, Apply") << videos << int(A::TabPos) << int(A::RowApplyBtn) << "table";
            QTest::newRow(n + "duration, Apply") << videos << int(A::TabDuration) << int(A::RowApplyBtn) << "list";
        }
    }
    void upFromCommands()
    {
        QFETCH(int, videos);
        QFETCH(int, tab);
        QFETCH(int, from);
        QFETCH(QString, lands);
        Unit u;
        u.videos = videos;
        Rig rig(u);
        rig.tab(tab);
        QWidget* preset = rig.page->control(A::RowPreset);
        QWidget* apply = rig.page->control(A::RowApplyBtn);
        QCOMPARE(preset->isVisible(), tab == A::TabMotion);
        if (tab == A::TabMotion) {
            QVERIFY(preset->y() >= rig.page->table()->geometry().bottom());
            QVERIFY(preset->geometry().bottom() < apply->y());
        }
        rig.page->control(from)->setFocus(Qt::OtherFocusReason);
        rig.key(Qt::Key_Up);
        QWidget* expected = lands == "preset" ? preset
                            : lands == "table" ? static_cast<QWidget*>(rig.page->table())
                                               : rig.page->control(A::RowDur0 + (8 + 1) / 2 - 1);
        QTRY_COMPARE(QApplication::focusWidget(), expected);
    }
};

QTEST_MAIN(TSetupAlarmTest)
#include "tsetupalarmtest.moc"
