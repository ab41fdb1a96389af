// Device notifications that refresh the setup page shown: a camera's input
// changing hands the page the new format, or "No Video", with the encoder's
// budget following the new standard; a POS device plugged in or out shows
// on the POS page's port button.
#include "dal_test.h"
#include "setupaction.h"
#include "tapptestmain.h"
#include "tsetuprig.h"
#include "tbutton.h"
#include "tsetuppos.h"
#include "tsetupwnd.h"

#include <QtTest>

namespace SA = SetupAct;

class TMainDevRefreshTest : public QObject
{
    Q_OBJECT
private slots:
    void formatReachesTheShownPage_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("item");
        QTest::addColumn<QByteArray>("line"); // on the stand-in's control FIFO
        QTest::addColumn<QString>("shown");   // camera 1's text in the record handed over
        QTest::addColumn<QByteArray>("budget");
        QTest::newRow("camera page: 720p") << int(SA::Btn_Device) << int(SA::Btn_Device_Camera)
                                           << QByteArray("format 0 1280x720 p 30") << "720P30" << QByteArray();
        QTest::newRow("camera page: 1080p at 25, the PAL budget")
            << int(SA::Btn_Device) << int(SA::Btn_Device_Camera) << QByteArray("format 0 1920x1080 p 25")
            << "1080P25" << QByteArray("DalSetAvcCaps(50)");
        QTest::newRow("camera page: no signal") << int(SA::Btn_Device) << int(SA::Btn_Device_Camera)
                                                << QByteArray("vloss 0 on") << "No Video" << QByteArray();
        QTest::newRow("record page: other size") << int(SA::Btn_Record) << int(SA::Btn_Record_Record)
                                                 << QByteArray("format 0 800x600 i 30") << "800x600I30"
                                                 << QByteArray();
    }
    void formatReachesTheShownPage()
    {
        QFETCH(int, tab);
        QFETCH(int, item);
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, budget);
        TSetupRig rig("16", true);
        rig.w->show();
        QVERIFY(QTest::qWaitFor([&] { return rig.w->m_initDone == 1; }, 5000));
        rig.w->runMenu(QStringLiteral("Setup"), tab);
        TSetupWnd* setup = rig.w->setupWnd();
        QSignalSpy replies(setup, &TSetupWnd::sg_reply);
        const VinState* st = nullptr;
        auto handed = [&] {
            for (const QList<QVariant>& r : replies)
                if (r.at(0).toInt() == SA::Act_InfoCamera)
                    st = static_cast<const VinState*>(r.at(2).value<void*>());
            return st != nullptr;
        };
        if (!setup->page(item)->isVisible())
            QTest::mouseClick(setup->button(item), Qt::LeftButton);
        QVERIFY(setup->page(item)->isVisible());
        // The record page asks for the cameras itself when shown.
        if (item == SA::Btn_Record_Record)
            QTRY_VERIFY(handed());
        replies.clear();
        st = nullptr;
        dalTestJournalClear();
        QCOMPARE(dalTestControlLine(line.constData()), 0);
        QTRY_VERIFY(handed());
        QTEST(QString::fromLatin1(st->text[0]), "shown");
        QCOMPARE(QString::fromLatin1(st->text[1]), QStringLiteral("NTSC"));
        if (!budget.isEmpty())
            QVERIFY(dalTestJournalFind(budget.constData()) >= 0);
        QVERIFY(setup->page(item)->isVisible());
    }

    void posDevicesShown()
    {
        TSetupRig rig("16", true);
        rig.w->show();
        QVERIFY(QTest::qWaitFor([&] { return rig.w->m_initDone == 1; }, 5000));
        rig.w->runMenu(QStringLiteral("Setup"), SA::Btn_Device);
        TSetupWnd* setup = rig.w->setupWnd();
        QTest::mouseClick(setup->button(SA::Btn_Device_Pos), Qt::LeftButton);
        auto* page = static_cast<TSetupPos*>(setup->page(SA::Btn_Device_Pos));
        QVERIFY(page->isVisible());
        TButton* port = page->portButton(2);
        QTRY_COMPARE(port->text(), QStringLiteral("USB2(X)"));
        QCOMPARE(dalTestControlLine("posusb 2 on"), 0);
        QTRY_COMPARE(port->text(), QStringLiteral("USB2(O)"));
        QCOMPARE(page->portButton(3)->text(), QStringLiteral("USB3(X)"));
        QCOMPARE(dalTestControlLine("posusb 2 off"), 0);
        QTRY_COMPARE(port->text(), QStringLiteral("USB2(X)"));
    }
};

DVR_APP_TEST_MAIN(TMainDevRefreshTest)
#include "tmain-devrefreshtest.moc"
