// The camera, privacy and motion pages against the device-layer stand-in
// through the main window: one preview window between the two preview
// pages, closed when another page follows; Apply writes the section to the
// model file with one "Setup Changed" record and the device calls; live
// motion of the traced camera reaches the grid; the last camera renamed
// shows its new name on its tile and the spot outputs.
#include "tsetuprig.h"
#include "setupaction.h"
#include "tapptestmain.h"
#include "tbutton.h"
#include "tmotiongrid.h"
#include "tosdhooks.h"
#include "tsetupcamera.h"
#include "tsetupmotion.h"
#include "tsetupprivate.h"
#include "tsetupwnd.h"
#include "tvkeyboard.h"

#include <QtTest>
#include <cstring>

namespace SA = SetupAct;

namespace {

struct Rig : TSetupRig
{
    explicit Rig(const char* profile = "16")
        : TSetupRig(profile, true, [](TDvrFixture&) {
              // The preview window's size comes from the resource metrics.
              g_osdHooks =
                  TOsdHooks{[](int n) { return g_res->scale(n); }, [](int n) { return g_res->scaleCeil(n); },
                            [](int id) { return g_res->getSize(id); }, [](int id) { return g_res->getValue(id); },
                            [](int id) { return g_res->getImage(id) ? g_res->getImage(id)->toImage() : QImage(); }};
          })
    {
        fx.cfg->commitfile();
    }
    ~Rig()
    {
        delete w;
        w = nullptr;
        g_osdHooks = TOsdHooks{};
    }
    bool open(int item)
    {
        if (!up())
            return false;
        w->runMenu(QStringLiteral("Setup"), SA::Btn_Device);
        QTest::mouseClick(setup()->button(item), Qt::LeftButton);
        dalTestJournalClear();
        return setup()->page(item) && setup()->page(item)->isVisible();
    }
    static QStringList journal(const char* prefix)
    {
        QStringList out;
        char line[256];
        for (int i = 0; i < dalTestJournalCount(); ++i)
            if (dalTestJournalLine(i, line, sizeof line) >= 0 && QByteArray(line).startsWith(prefix))
                out << QString::fromLatin1(line);
        return out;
    }
    void click(int item, int row)
    {
        QTest::mouseClick(static_cast<QPushButton*>(setup()->page(item)->control(row)), Qt::LeftButton);
    }
};

QStringList requests(const QSignalSpy& spy)
{
    QStringList out;
    for (const QList<QVariant>& r : spy)
        out << QString("%1,%2,%3").arg(r[0].toInt()).arg(r[1].toInt()).arg(r[2].toInt());
    return out;
}

} // namespace

class TMainSetupDeviceTest : public QObject
{
    Q_OBJECT
private slots:
    // Privacy to motion keeps the preview window and only changes what it
    // shows; motion to the camera page closes it.
    void previewWindow()
    {
        Rig rig;
        QVERIFY(rig.open(SA::Btn_Device_Camera));
        QSignalSpy req(rig.setup(), &TSetupWnd::sg_request);
        QTest::mouseClick(rig.setup()->button(SA::Btn_Device_Private), Qt::LeftButton);
        QCOMPARE(requests(req), QStringList{"83,0,0"});
        const QStringList opened = Rig::journal("DalVoutSetViw(");
        QCOMPARE(opened.size(), 1);
        QVERIFY(!opened[0].endsWith(",0,0)"));
        req.clear();
        dalTestJournalClear();
        QTest::mouseClick(rig.setup()->button(SA::Btn_Device_Motion), Qt::LeftButton);
        QCOMPARE(requests(req), (QStringList{"85,0,1", "52,0,1"}));
        QCOMPARE(Rig::journal("DalVoutSetViw("), QStringList{});
        QCOMPARE(Rig::journal("DalVoutSetLayout(").size(), 1);
        QCOMPARE(Rig::journal("DalVinSetMdTrace(0,1)").size(), 1);
        req.clear();
        dalTestJournalClear();
        QTest::mouseClick(rig.setup()->button(SA::Btn_Device_Camera), Qt::LeftButton);
        QCOMPARE(requests(req), (QStringList{"52,-1,0", "84,0,0"}));
        const QStringList closed = Rig::journal("DalVoutSetViw(");
        QCOMPARE(closed.size(), 1);
        QVERIFY(closed[0].endsWith(",0,0)"));
        QCOMPARE(Rig::journal("DalVinSetMdTrace(0,1)"), QStringList{});
    }

    // Apply end to end: the model file, one record with the page's label
    // and the device calls.
    void apply_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("call");
        QTest::newRow("camera") << int(SA::Btn_Device_Camera) << "(Camera)" << "DalSetCamName(";
        QTest::newRow("privacy") << int(SA::Btn_Device_Private) << "(Private Zone)" << "DalVinSetPrivacy(1,0,0.045";
        QTest::newRow("motion") << int(SA::Btn_Device_Motion) << "(Motion detection)" << "DalVinSetMd(1,0,00000000";
    }
    void apply()
    {
        QFETCH(int, item);
        Rig rig;
        // The user's web account sees every camera over the network.
        for (int l : {0, 1}) {
            UserAccount& u = static_cast<PropUser*>(rig.fx.cfg->getsection(IDX_PROP_USER, l))->user[0];
            u.network = 1;
            std::memset(u.camnet, 1, sizeof u.camnet);
        }
        QVERIFY(rig.open(item));
        TSetupPage* page = rig.setup()->page(item);
        QTest::mouseClick(page->cameraButton(1), Qt::LeftButton);
        int applyRow = 0;
        if (item == SA::Btn_Device_Camera) {
            rig.click(item, TSetupCamera::R_DISABLE);
            applyRow = TSetupCamera::R_APPLY;
        } else if (item == SA::Btn_Device_Private) {
            TSelGrid* g = static_cast<TSetupPrivate*>(page)->grid();
            QTest::mouseClick(g, Qt::LeftButton, {}, QPoint(1 + int(1.5 * g->cellWidth()), 1 + int(2.5 * g->cellHeight())));
            applyRow = TSetupPrivate::R_APPLY;
        } else {
            rig.click(item, TSetupMotion::R_ALLOFF);
            applyRow = TSetupMotion::R_APPLY;
        }
        dalTestJournalClear();
        rig.click(item, applyRow);
        QVERIFY(Rig::settled());
        QTEST(Rig::setupLogs().join('|'), "label");
        QFETCH(QString, call);
        QVERIFY2(!Rig::journal(call.toLatin1().constData()).isEmpty(), qPrintable(Rig::journal("Dal").join('\n')));
        if (item == SA::Btn_Device_Camera) {
            QCOMPARE(rig.fromFile<PropCamera>(IDX_PROP_CAMERA).data[1].disableOn, 1);
            // The disabled camera leaves the account's camera mask.
            const QByteArray web = rig.fx.root.read("/var/volatile/web_account.txt");
            QVERIFY2(web.contains("camera0 = 65533\n"), web.constData());
        } else if (item == SA::Btn_Device_Private) {
            QCOMPARE(rig.fromFile<PropPrivate>(IDX_PROP_PRIVATE).mask[1][2], 0x2u);
        } else {
            QCOMPARE(rig.fromFile<PropMotion>(IDX_PROP_MOTION).ch[1].mask[0], 0u);
        }
        QVERIFY(rig.setup()->isVisible());
    }

    // The last camera renamed on the page and applied: its tile, spot and
    // HD spot titles are drawn with the new name, and the spot outputs get
    // them.
    void renameLast_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::newRow("4 channels") << QByteArray("4");
        QTest::newRow("20 channels") << QByteArray("20");
    }
    void renameLast()
    {
        QFETCH(QByteArray, profile);
        Rig rig(profile.constData());
        QVERIFY(rig.open(SA::Btn_Device_Camera));
        const int last = profile.toInt() - 1;
        QImage* titles[] = {&g_api.m_titleImg[last], &g_api.m_spotTitleImg[last], &g_api.m_hdTitleImg[last]};
        const QImage before = *titles[0];
        TSetupPage* page = rig.setup()->page(SA::Btn_Device_Camera);
        QTest::mouseClick(page->cameraButton(last), Qt::LeftButton);
        QTest::mouseClick(page->control(TSetupCamera::R_NAME), Qt::LeftButton);
        QVERIFY(g_vkeyboard->isVisible());
        g_vkeyboard->setText(QStringLiteral("Back door"));
        QTest::mouseClick(g_vkeyboard->okButton(), Qt::LeftButton);
        dalTestJournalClear();
        rig.click(SA::Btn_Device_Camera, TSetupCamera::R_APPLY);
        QVERIFY(Rig::settled());
        QCOMPARE(QByteArray(rig.fromFile<PropCamera>(IDX_PROP_CAMERA).data[last].name), QByteArray("Back door"));
        for (int kind = 0; kind < 3; ++kind) {
            QImage want(titles[kind]->size(), titles[kind]->format());
            g_api.drawOsdText(last, QStringLiteral("Back door"), &want, kind, 0);
            QVERIFY2(*titles[kind] == want, qPrintable(QString::number(kind)));
        }
        QVERIFY(*titles[0] != before);
        // The spot outputs are sent the camera's titles.
        for (const char* out : {"spot_osd", "spothd_osd"})
            QVERIFY2(!Rig::journal("DalCmd(").filter(out).filter(QString("ch:%1 ").arg(last)).isEmpty(), out);
    }

    // Escape drops what was not applied: the edit copy is the live one
    // again and the device's preview follows the live zone.
    void escapeDrops()
    {
        Rig rig;
        QVERIFY(rig.open(SA::Btn_Device_Private));
        rig.click(SA::Btn_Device_Private, TSetupPrivate::R_APPLYALL);
        auto* page = static_cast<TSetupPrivate*>(rig.setup()->page(SA::Btn_Device_Private));
        TSelGrid* g = page->grid();
        QTest::mouseClick(g, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(rig.edit<PropPrivate>(IDX_PROP_PRIVATE)->mask[0][0], 0x1u);
        vkeytest::key(rig.setup(), Qt::Key_Escape);
        QTRY_VERIFY(!rig.setup()->isVisible());
        QTRY_COMPARE(rig.edit<PropPrivate>(IDX_PROP_PRIVATE)->mask[0][0], 0u);
        QCOMPARE(rig.fromFile<PropPrivate>(IDX_PROP_PRIVATE).mask[0][0], 0u);
    }

    // Live motion: with the trace on camera 2 and motion seen there, the
    // video thread's block reaches the grid once a second.
    void liveMotion()
    {
        Rig rig;
        QVERIFY(rig.open(SA::Btn_Device_Motion));
        auto* page = static_cast<TSetupMotion*>(rig.setup()->page(SA::Btn_Device_Motion));
        QTest::mouseClick(page->cameraButton(2), Qt::LeftButton);
        uint32_t cells[32] = {};
        cells[4] = 0x30;
        QCOMPARE(dalTestMdCells(2, cells), 0);
        dalTestSetManualTicks(1);
        dalTestMotion(2, 1);
        QVERIFY(dalTestStepTick() > 0);
        QTRY_COMPARE(page->motionGrid()->liveDrawn(4), 0x30u);
        rig.w->grab();
        // Another camera: the trace moves, camera 2's blocks stop.
        QTest::mouseClick(page->cameraButton(3), Qt::LeftButton);
        QVERIFY(dalTestStepTick() > 0);
        QTest::qWait(50);
        QCOMPARE(page->motionGrid()->liveDrawn(4), 0u);
        dalTestSetManualTicks(0);
    }
};

DVR_APP_TEST_MAIN(TMainSetupDeviceTest)
#include "tmain-setupdevicetest.moc"
