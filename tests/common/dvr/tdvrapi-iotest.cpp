#include "dvrkeys.h"
#include "tdvrfixture.h"
#include "tquickopt.h"

#include "tsignallog.h"
#include <QSettings>
#include <QSignalSpy>
#include <atomic>
#include <thread>
#include <ctime>

namespace {
using Notes = QVector<QVector<int>>;

// The facade with its callbacks registered and the stand-in started
// (ticks stepped by the test).
struct Started {
    TDvrFixture fx;
    TSignalLog spy{&g_api, &TDVRAPI::sg_dvrNotify};
    Started()
    {
        g_api.registerCallbacks();
        DalInit();
        dalTestSetManualTicks(1);
        DalStart();
    }
    // Every event injected so far has been delivered and handled.
    void settle()
    {
        dalTestFlush();
        QCoreApplication::processEvents();
    }
    // The notifications so far, {type, val1, val2}, ticks left out.
    Notes notes() const
    {
        Notes n;
        for (const QList<QVariant>& a : spy)
            if (a.at(0).toInt() != SIG_IO_TIME)
                n.append({a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt()});
        return n;
    }
};
}

class TDvrApiIoTest : public QObject
{
    Q_OBJECT
private slots:
    void keyTable_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<int>("qtKey");
        const int A = KEYMOD_ALT;
        const struct {
            const char* code;
            int qt;
        } rows[] = {
            {"4NDS", Qt::Key_Down + A}, {"4NEP", Qt::Key_Enter + A}, {"4NLB", Qt::Key_Left + A},
            {"4NRF", Qt::Key_Right + A}, {"4NSR", Qt::Key_F1 + A}, {"ENFR", Qt::Key_Pause + A},
            {"ENPP", Qt::Key_Play + A}, {"FOFA", Qt::Key_Context4}, {"FONE", Qt::Key_Context3},
            {"IRCL", Qt::Key_Context1}, {"IROP", Qt::Key_Context2}, {"KKLT", Qt::Key_F29}, {"KKMX", Qt::Key_F33},
            {"0", Qt::Key_0}, {"1", Qt::Key_1}, {"2", Qt::Key_2}, {"3", Qt::Key_3}, {"4", Qt::Key_4},
            {"5", Qt::Key_5}, {"6", Qt::Key_6}, {"7", Qt::Key_7}, {"8", Qt::Key_8}, {"9", Qt::Key_9},
            {"KR10", Qt::Key_F30}, {"KRAU", Qt::Key_LaunchMedia}, {"KRBA", Qt::Key_F20}, {"KRC0", Qt::Key_F10},
            {"KRC1", Qt::Key_F1}, {"KRC2", Qt::Key_F2}, {"KRC3", Qt::Key_F3}, {"KRC4", Qt::Key_F4},
            {"KRC5", Qt::Key_F5}, {"KRC6", Qt::Key_F6}, {"KRC7", Qt::Key_F7}, {"KRC8", Qt::Key_F8},
            {"KRC9", Qt::Key_F11}, {"KRCA", Qt::Key_F12}, {"KRDI", Qt::Key_F18}, {"KRDO", Qt::Key_Down},
            {"KREJ", Qt::Key_F32}, {"KREN", Qt::Key_Enter}, {"KRES", Qt::Key_Escape}, {"KRFB", Qt::Key_F24},
            {"KRFF", Qt::Key_F26}, {"KRIN", Qt::Key_F22}, {"KRLE", Qt::Key_Left}, {"KRLO", Qt::Key_F23},
            {"KRME", Qt::Key_Menu}, {"KRPA", Qt::Key_Pause}, {"KRPB", Qt::Key_F25}, {"KRPF", Qt::Key_Play},
            {"KRPN", Qt::Key_F9}, {"KRPT", Qt::Key_F21}, {"KRRI", Qt::Key_Right}, {"KRSB", Qt::Key_F27},
            {"KRSE", Qt::Key_Search}, {"KRSF", Qt::Key_F28}, {"KRSL", Qt::Key_F31}, {"KRSS", Qt::Key_F35},
            {"KRST", Qt::Key_Stop}, {"KRSW", Qt::Key_F34}, {"KRUP", Qt::Key_Up}, {"KRZO", Qt::Key_Zoom},
            {"MUTE", Qt::Key_VolumeMute}, {"UNHD", Qt::Key_B}, {"UNIN", Qt::Key_A}, {"UNLO", Qt::Key_D},
            {"UNNE", Qt::Key_C}, {"ZOTE", Qt::Key_ZoomIn}, {"ZOWI", Qt::Key_ZoomOut}, {"0x4B525858", 0}, {"0x4B523233", 0},
        };
        for (const auto& r : rows)
            QTest::newRow(r.code) << QByteArray(r.code) << r.qt;
    }

    // Each key goes out as its Qt key from either key source; the front
    // panel's fast backward arrives as F17.
    void keyTable()
    {
        QFETCH(QByteArray, key);
        QFETCH(int, qtKey);
        Started s;
        QCOMPARE(dalTestControlLine("key " + key + " press"), 0);
        QCOMPARE(dalTestControlLine("rmc " + key + " release"), 0);
        s.settle();
        Notes keys = s.notes();
        keys.removeAll({SIG_IO_PANIC, 1, 0}); // the panic key's own
        const int front = qtKey == Qt::Key_F24 ? int(Qt::Key_F17) : qtKey;
        QCOMPARE(keys, (Notes{{SIG_IO_KEY, KEY_PRESS, front}, {SIG_IO_RMCKEY, KEY_RELEASE, qtKey}}));
        QCOMPARE(g_api.m_keySource.load(), 1);
    }

    void keyNames_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<QString>("label");
        QTest::newRow("digit") << int(Qt::Key_7) << "7";
        QTest::newRow("pause is shown as still") << int(Qt::Key_Pause) << "STILL";
        QTest::newRow("lock or exit") << int(Qt::Key_F29) << "LOCK/EXIT";
        QTest::newRow("eject") << int(Qt::Key_F32) << "Eject";
        QTest::newRow("mode") << int(Qt::Key_Mode_switch) << "MODE";
        QTest::newRow("panic has no label") << int(Qt::Key_F9) << "";
        QTest::newRow("combined key has none") << int(Qt::Key_Pause + KEYMOD_ALT) << "";
        QTest::newRow("other key") << int(Qt::Key_Q) << "";
    }

    // The label of a Qt key, as the board test shows which key came.
    void keyNames()
    {
        QFETCH(int, qtKey);
        QFETCH(QString, label);
        QCOMPARE(TDVRAPI::keyName(qtKey), label);
    }

    void keyCodes_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("code");
        QTest::newRow("menu") << QByteArray("MENU") << 1.0 << int(KEY_MENU);
        QTest::newRow("digit") << QByteArray("0") << 1.0 << int(KEY_0);
        QTest::newRow("channel 20") << QByteArray("CH20") << 1.0 << int(KEY_CH20);
        QTest::newRow("slow forwards") << QByteArray("SLOW") << 0.0 << int(KEY_SF);
        QTest::newRow("slow backwards") << QByteArray("SLOW") << -2.0 << int(KEY_SB);
        QTest::newRow("label only") << QByteArray("PB") << 1.0 << -1;
        QTest::newRow("lower case") << QByteArray("menu") << 1.0 << -1;
        QTest::newRow("unknown") << QByteArray("JOG") << 1.0 << -1;
    }

    // The device key of a key name, slow play the way the decoder plays.
    void keyCodes()
    {
        QFETCH(QByteArray, name);
        QFETCH(double, rate);
        QFETCH(int, code);
        g_api.m_rate = rate;
        QCOMPARE(g_api.keyCodeOf(name.constData()), code);
        QCOMPARE(g_api.keyCodeOf(nullptr), -1);
        g_api.m_rate = 0.0;
    }

    void events_data()
    {
        // playing, shuttle position, jog as key; control lines (";" between,
        // "stop" takes the program's stop once the lines before it are handled);
        // the notifications; m_keyHit after; the log codes written.
        QTest::addColumn<QVector<int>>("state");
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<Notes>("notes");
        QTest::addColumn<int>("keyHit");
        QTest::addColumn<QVector<int>>("logs");
        const int L = SIG_LAYOUT_CHANGE, R = KEY_JOG_RIGHT, P = SIG_IO_PANIC, F9 = Qt::Key_F9, S = Qt::Key_F1 + KEYMOD_ALT;
        const QVector<int> live{0, 0, 0}, play{1, 0, 0}, shuttled{1, 2, 0}, none;
        QTest::newRow("menu click") << live << QByteArray("key KRME") << Notes{{3333, 1, Qt::Key_Menu}, {3333, 2, Qt::Key_Menu}} << 0 << none;
        QTest::newRow("remote held") << live << QByteArray("rmc KRUP held;key KRPN held") << Notes{{3334, 4, Qt::Key_Up}, {3333, 4, F9}} << 0 << none;
        QTest::newRow("layout 2, release passed on") << live << QByteArray("key KR22") << Notes{{L, 2, -1}, {3333, 2, 0}} << 0 << none;
        QTest::newRow("layout 4 held") << live << QByteArray("rmc KR33 held") << Notes{{L, 4, -1}} << 0 << none;
        QTest::newRow("layout 9") << live << QByteArray("key KR44 press") << Notes{{L, 9, -1}} << 0 << none;
        QTest::newRow("layout 10") << live << QByteArray("rmc KR41 press") << Notes{{L, 10, -1}} << 0 << none;
        QTest::newRow("shuttle") << live << QByteArray("shuttle -3") << Notes{{3346, 1, -3}} << 0 << none;
        QTest::newRow("sensor") << live << QByteArray("sensor 3 on") << Notes{{3338, 3, 1}} << 0 << none;
        QTest::newRow("remote id") << live << QByteArray("rmcid 7") << Notes{{3335, 1, 7}} << 0 << none;
        QTest::newRow("jog live") << live << QByteArray("jog 2;jog -1") << Notes{{3333, 1, R}, {3333, 1, KEY_JOG_LEFT}} << 0 << none;
        QTest::newRow("jog playing steps frames") << play << QByteArray("jog 2;jog -1") << Notes{} << 0 << none;
        QTest::newRow("jog as key playing") << QVector<int>{1, 0, 1} << QByteArray("jog 1") << Notes{{3333, 1, R}} << 0 << none;
        QTest::newRow("10P playing") << play << QByteArray("key KR10 press") << Notes{{3333, 1, Qt::Key_F30}} << 1 << none;
        QTest::newRow("RIGHT, shuttle off centre") << shuttled << QByteArray("key KRRI press") << Notes{} << 1 << none;
        QTest::newRow("panic on and off") << live << QByteArray("key KRPN;rmc KRPN press")
                                          << Notes{{3333, 1, F9}, {P, 1, 0}, {3333, 2, F9}, {3334, 1, F9}, {P, 0, 0}} << 0
                                          << QVector<int>{LOG_PANIC_START, LOG_PANIC_STOP};
        QTest::newRow("panic stop") << live << QByteArray("rmc KRPN press;key 4NSR press;key 4NSR press")
                                    << Notes{{3334, 1, F9}, {P, 1, 0}, {3333, 1, S}, {P, 0, 0}, {3333, 1, S}} << 0
                                    << QVector<int>{LOG_PANIC_START, LOG_PANIC_STOP};
        // Once the stop is taken the keys still pass on, but act on nothing.
        QTest::newRow("panic keys after the stop") << live << QByteArray("rmc KRPN press;stop;key KRPN;key 4NSR press")
                                                   << Notes{{3334, 1, F9}, {P, 1, 0}, {3333, 1, F9}, {3333, 2, F9}, {3333, 1, S}}
                                                   << 0 << QVector<int>{LOG_PANIC_START};
        QTest::newRow("jog playing after the stop") << play << QByteArray("stop;jog 2;jog -1") << Notes{} << 0 << none;
    }

    // Lines of the control FIFO turn into the notifications of the events,
    // as the playback state wants them.
    void events()
    {
        QFETCH(QVector<int>, state);
        QFETCH(QByteArray, lines);
        QFETCH(Notes, notes);
        QFETCH(int, keyHit);
        QFETCH(QVector<int>, logs);
        Started s;
        g_api.m_play = state[0];
        g_api.m_shuttlePos = state[1];
        g_api.m_jogAsKey = state[2];
        for (const QByteArray& line : lines.split(';')) {
            if (line == "stop") {
                s.settle();
                g_api.beginStop();
                continue;
            }
            QCOMPARE(dalTestControlLine(line.constData()), 0);
        }
        s.settle();
        QTRY_COMPARE(s.notes(), notes);
        QCOMPARE(g_api.m_keyHit.load(), keyHit);
        // A jog in playback that sends no key steps frames instead.
        const bool steps = lines.startsWith("jog") && notes.isEmpty();
        QCOMPARE(dalTestJournalFind("DalDecStep(1)") >= 0 && dalTestJournalFind("DalDecStep(0)") >= 0, steps);
        LogRecord r[2];
        QCOMPARE(g_api.lastLogs(r, 2), logs.size());
        QCOMPARE(g_api.m_panic.load(), int(logs.size() == 1)); // on when its last record is a start
        for (int i = 0; i < logs.size(); ++i)
            QCOMPARE(int(r[i].code), logs[i]);
    }

    // Every fifth tick saves a real time stamp as the alive time, with the
    // display order; the other ticks leave the flash alone. A sensor drives
    // the relay and the spot pop-up its alarm rows link to, and the tick that
    // sees the relay state change says so, once.
    void ticks()
    {
        Started s;
        auto* alarm = s.fx.live<PropAlarm>(IDX_PROP_ALARM);
        for (AlarmOutEntry& o : alarm->out) // relay 1 and the spot pop-up
            o.sensorOn[3] = &o == &alarm->out[1] || &o == &alarm->out[s.fx.dev.alarmouts - 1];
        TQuickOpt* q = g_api.m_quickOpt;
        q->load();
        std::swap(q->record().order[0], q->record().order[1]);
        TQuickOpt file(QStringLiteral("/dvr/quickOpt.conf"));
        for (int tick = 1; tick <= 10; ++tick) {
            if (tick == 3)
                QCOMPARE(dalTestControlLine("sensor 3 on"), 0);
            const int now = int(time(nullptr));
            QCOMPARE(dalTestStepTick(), tick);
            file.load();
            if (tick % 5) {
                QCOMPARE(file.timeAlive(), tick < 5 ? 0 : -1);
                continue;
            }
            QVERIFY(file.timeAlive() >= now && file.timeAlive() <= now + 2);
            QCOMPARE(file.record().order[0], 1);
            file.setTimeAlive(-1); // seen again only when a tick writes
            file.save();
        }
        DalTestIoOut out;
        dalTestGetIoOut(&out);
        QCOMPARE(out.relays, 2u);
        s.settle();
        // The spot pop-up is the GUI thread's.
        QCOMPARE(g_api.m_spotPopCh, 3);
        QStringList types;
        for (const QList<QVariant>& a : s.spy)
            types << a.at(0).toString();
        QCOMPARE(types.count("3336"), 10);
        QCOMPARE(types.count(QString::number(SIG_IO_STATE)), 1);
        // The window's record, published on its thread with the notification.
        QCOMPARE(g_api.m_ioState.alarm, out.relays);
    }

    // The one-second tick (device layer thread) and the drag-swap (GUI
    // thread) save the quick options at once: the file keeps its one group,
    // every key inside it, with the values of one record.
    void quickOptionsSavedFromTwoThreads_data()
    {
        QTest::addColumn<int>("saves");
        QTest::newRow("tick against swap") << 200;
    }

    void quickOptionsSavedFromTwoThreads()
    {
        QFETCH(int, saves);
        Started st;
        TDvrFixture& fx = st.fx;
        auto* display = fx.live<PropDisplay>(IDX_PROP_DISPLAY);
        for (int i = 0; i < PROP_MAX_CH; ++i)
            display->orders[i] = PROP_MAX_CH - 1 - i;
        // Every fifth tick saves the alive time.
        std::thread tick([saves] {
            for (int i = 0; i < saves * 5; ++i)
                dalTestStepTick();
        });
        // The swap's saves, from the GUI thread and from a second window
        // thread at once.
        std::atomic<int> failed{0};
        std::thread swap([saves, &failed] {
            for (int i = 0; i < saves; ++i)
                failed += g_api.saveQuickOpt() ? 0 : 1;
        });
        for (int i = 0; i < saves; ++i)
            failed += g_api.saveQuickOpt() ? 0 : 1;
        swap.join();
        tick.join();
        QCOMPARE(failed.load(), 0);
        QSettings file(fx.root.file("/dvr/quickOpt.conf"), QSettings::IniFormat);
        QCOMPARE(file.childGroups(), QStringList{"QUICKOPTION"});
        QVERIFY2(file.childKeys().isEmpty(), qPrintable(file.childKeys().join(',')));
        file.beginGroup("QUICKOPTION");
        QCOMPARE(file.childKeys().size(), 22);
        for (int i = 0; i < PROP_MAX_CH; ++i)
            QCOMPARE(file.value(QString::asprintf("ch%02d", i)).toInt(), PROP_MAX_CH - 1 - i);
        QVERIFY(qAbs(file.value("timeAlive").toLongLong() - qint64(time(nullptr))) < 60);
    }
};

QTEST_GUILESS_MAIN(TDvrApiIoTest)
#include "tdvrapi-iotest.moc"
