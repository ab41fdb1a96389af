// The split-layout chooser on the stand-in's layout lists, driven by keys
// and mouse as the operator does.
#include "livetestenv.h"
#include "tbutton.h"
#include "treshooks.h"
#include "tsplitwnd.h"
#include "wndid.h"

#include <QSignalSpy>

namespace {

struct Rig
{
    explicit Rig(const char* profile, int layouts = -1) : fx(profile)
    {
        if (layouts >= 0)
            dalTestSetCount("numLayout", layouts);
        g_api.getCaps(&g_api.m_dalCaps, &g_api.m_avcCaps, &g_api.m_voutCapsRec);
        g_api.m_voutCaps = &g_api.m_voutCapsRec;
        g_api.m_numLayout = g_api.m_voutCapsRec.numLayout;
        g_resHooks.videos = [](int live) { return int(static_cast<PropDevices*>(g_cfg->getsection(0, live))->videos); };
        wnd = new TSplitWnd(nullptr, ID_WND_SPLIT, g_res->getSize(147));
        wnd->init(0);
        choices = new QSignalSpy(wnd, qOverload<int, int>(&TSplitWnd::sg_request));
        keys = new QSignalSpy(wnd, qOverload<int>(&TSplitWnd::sg_request));
    }
    ~Rig()
    {
        delete choices;
        delete keys;
        delete wnd;
        g_api.m_voutCaps = nullptr;
        g_api.m_play = 0;
        g_resHooks.videos = nullptr;
    }
    // What the chooser sent: "L<layout>" or "C<cell>" for a choice, "K<key>"
    // for a playback key.
    QString sent() const
    {
        QStringList out;
        for (const QList<QVariant>& a : *choices)
            out << (a.at(1).toInt() < 0 ? "L" + a.at(0).toString() : "C" + a.at(1).toString());
        for (const QList<QVariant>& a : *keys)
            out << "K" + a.at(0).toString();
        return out.join(' ');
    }
    QString selected() const
    {
        QStringList out;
        for (int i = 0; i < TSplitWnd::MAX_BTN; ++i)
            if (wnd->button(i)->state() == 1)
                out << QString::number(i);
        return out.join(',');
    }

    bool globals = (vkeytest::setUpGlobals(), true);
    TDvrFixture fx;
    TSplitWnd* wnd = nullptr;
    QSignalSpy* choices = nullptr;
    QSignalSpy* keys = nullptr;
};


} // namespace

class TSplitWndTest : public QObject
{
    Q_OBJECT
private slots:
    // 16 channels offer the layouts 1, 2, 3, 4 and 9: five buttons, then
    // sixteen cells, 21 cursor places in a ring.
    void keysAndMouse_data()
    {
        QTest::addColumn<int>("current"); // layout shown when the bar opens
        QTest::addColumn<QString>("input"); // keys; "c<n>" clicks cell n, "b<n>" button n
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("sent");
        QTest::newRow("opens on the layout shown") << 9 << "" << 4 << "";
        QTest::newRow("Left from button 0 to the last cell") << 1 << "L" << 20 << "";
        QTest::newRow("Right from the last cell to button 0") << 1 << "LR" << 0 << "";
        QTest::newRow("jog steps the ring") << 1 << "><<" << 20 << "";
        QTest::newRow("Up and Down stay") << 2 << "UD" << 1 << "";
        QTest::newRow("Enter on a button") << 4 << "E" << 3 << "L4";
        QTest::newRow("Enter on a cell") << 1 << "RRRRRRE" << 6 << "C1";
        QTest::newRow("Return sends nothing") << 4 << "N" << 3 << "";
        QTest::newRow("playback key passed on") << 1 << "P" << 0 << QString("K%1").arg(int(Qt::Key_Play));
        QTest::newRow("click a cell") << 1 << "c3" << 8 << "C3";
        QTest::newRow("click a button") << 1 << "b1" << 1 << "L2";
    }
    void keysAndMouse()
    {
        QFETCH(int, current);
        QFETCH(QString, input);
        Rig rig("16");
        rig.wnd->setCurrent(current);
        QVERIFY(livetest::popup(rig.wnd));
        if (input.startsWith('c')) {
            QTest::mouseClick(rig.wnd, Qt::LeftButton, Qt::NoModifier, rig.wnd->cellRect(input.mid(1).toInt()).center());
        } else if (input.startsWith('b')) {
            QTest::mouseClick(rig.wnd->button(input.mid(1).toInt()), Qt::LeftButton);
        } else {
            for (const QChar k : input) {
                const int key = k == 'E' ? int(Qt::Key_Enter) : k == 'N' ? int(Qt::Key_Return)
                              : k == 'P' ? int(Qt::Key_Play) : -1;
                if (key >= 0)
                    vkeytest::key(rig.wnd, key);
                else
                    vkeytest::keys(rig.wnd, QString(k));
            }
        }
        QTEST(rig.wnd->current(), "cursor");
        QTEST(rig.sent(), "sent");
        // A choice selects its button and the bar stays.
        if (rig.sent().startsWith('L'))
            QCOMPARE(rig.selected(), QString::number(rig.wnd->current()));
        QVERIFY(rig.wnd->isVisible());
        vkeytest::key(rig.wnd, Qt::Key_Escape);
        QVERIFY(!rig.wnd->isVisible());
    }

    // Each button stands for the layout at its place in the output's list;
    // the bar offers at most 12 layouts and 20 cells, and the cursor rings
    // over what it shows.
    void buttonsPerUnit_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<int>("layouts"); // forced layout count, -1 the profile's
        QTest::addColumn<int>("playing");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("want"); // buttons, cells, selected, ring end, 4 and 5 enabled
        QTest::newRow("16: layout 9 is button 4") << QByteArray("16") << -1 << 0 << 9 << "5 16 4 20 11";
        QTest::newRow("16: a layout not offered") << QByteArray("16") << -1 << 0 << 5 << "5 16 - 20 11";
        QTest::newRow("20: layout 12 is button 7") << QByteArray("20") << -1 << 0 << 12 << "8 20 7 27 11";
        QTest::newRow("20 in playback: 4 and 5 stay") << QByteArray("20") << -1 << 1 << 1 << "8 20 0 27 11";
        QTest::newRow("8 in playback: 4 and 5 off") << QByteArray("8") << 14 << 1 << 1 << "12 8 0 19 00";
        QTest::newRow("8 live: 4 and 5 on") << QByteArray("8") << 14 << 0 << 1 << "12 8 0 19 11";
        QTest::newRow("32 channels: 20 cells") << QByteArray("32") << -1 << 0 << 17 << "7 20 6 26 11";
    }
    void buttonsPerUnit()
    {
        QFETCH(QByteArray, profile);
        QFETCH(int, layouts);
        QFETCH(int, playing);
        QFETCH(int, current);
        Rig rig(profile.constData(), layouts);
        g_api.m_play = playing;
        rig.wnd->setCurrent(current);
        const QString sel = rig.selected();
        QVERIFY(livetest::popup(rig.wnd));
        int shown = 0;
        for (int i = 0; i < TSplitWnd::MAX_BTN; ++i)
            shown += rig.wnd->button(i)->isVisible();
        // Left from button 0 reaches the last place of the ring.
        rig.wnd->setCurrent(g_api.layoutAt(0));
        vkeytest::keys(rig.wnd, "L");
        const QString got = QStringLiteral("%1 %2 %3 %4 %5%6")
                                .arg(shown)
                                .arg(rig.wnd->cells())
                                .arg(sel.isEmpty() ? "-" : sel)
                                .arg(rig.wnd->current())
                                .arg(int(rig.wnd->button(4)->isEnabled()))
                                .arg(int(rig.wnd->button(5)->isEnabled()));
        QTEST(got, "want");
        QCOMPARE(shown, rig.wnd->buttons());
        rig.wnd->grab().save(vkeytest::grabPath(QStringLiteral("split-%1.png").arg(QString(profile))));
    }
};

QTEST_MAIN(TSplitWndTest)
#include "tsplitwndtest.moc"
