// The system log page offscreen in the frame, answered by the facade's log
// as the main window answers it: newest page first, paging at the ends,
// Refresh, the export name asked on the keyboard.
#include "setuptestenv.h"
#include "tedit.h"
#include "tlistview.h"
#include "tsetupslog.h"

#include <QRegularExpression>

using namespace setuptest;
using namespace SetupAct;

namespace {

struct SlogFrame : Frame
{
    // entries: the log holds this many records (the start's own included).
    explicit SlogFrame(int entries)
    {
        write(entries);
        // The main window's answers to the page's requests.
        QObject::connect(w, &TSetupWnd::sg_request, w, [this](int code, int a, int, QString text) {
            sent << QString("%1,%2").arg(code).arg(code == Act_SlogExport ? text : QString::number(a));
            switch (code) {
            case Act_InfoSlog:
            case Act_InfoSlog2:
                g_api.logPages(a);
                w->reply(code, 0, &g_api.m_listInfo);
                break;
            case Act_InfoSlogLines:
                g_api.logLines(a);
                w->reply(code, 0, &g_api.m_pageLines);
                break;
            case Act_ConfDetect:
            case Act_ConfMount: w->reply(code, 0, &g_api.m_listInfo); break;
            default: break;
            }
        });
        show(Btn_System);
        QTest::mouseClick(w->button(Btn_System_Slog), Qt::LeftButton);
        QCoreApplication::processEvents();
        page = static_cast<TSetupSlog*>(w->page(Btn_System_Slog));
    }
    void write(int entries)
    {
        g_api.logPages(1);
        for (int i = g_api.m_listInfo.total; i < entries; ++i)
            g_api.writeLog(0x3000, "admin", QByteArray::number(i + 1).constData());
    }
    // F P N L the list's first, previous, next and last buttons; R Refresh.
    void run(const QString& spelled)
    {
        for (const QChar c : spelled) {
            const int b = QString("FPNL").indexOf(c);
            QWidget* target = b >= 0 ? static_cast<QWidget*>(page->list()->button(b))
                                     : page->control(TSetupSlog::RowRefresh);
            QTest::mouseClick(target, Qt::LeftButton);
            QCoreApplication::processEvents();
        }
    }
    TSetupSlog* page = nullptr;
    QStringList sent;
};

} // namespace

class TSetupSlogTest : public QObject
{
    Q_OBJECT
private slots:
    // Two full pages and five entries: the list opens on the third page.
    void paging_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("asked"); // page requests after the opening one
        QTest::newRow("opens on the newest page") << "" << 2 << 0;
        QTest::newRow("previous") << "P" << 1 << 1;
        QTest::newRow("first, then previous sends nothing") << "FP" << 0 << 1;
        QTest::newRow("next on the last page sends nothing") << "N" << 2 << 0;
        QTest::newRow("previous, next") << "PN" << 2 << 2;
        QTest::newRow("Refresh opens on the newest again") << "FR" << 2 << 2;
    }
    void paging()
    {
        QFETCH(QString, clicks);
        QFETCH(int, page);
        QFETCH(int, asked);
        SlogFrame f(0);
        QVERIFY(f.page && f.page->isVisible());
        const int per = f.page->perPage();
        QVERIFY(per >= 1 && per <= 99);
        QCOMPARE(f.sent.value(0), QString("73,%1").arg(per));
        f.write(2 * per + 5);
        f.run("R");
        QCOMPARE(f.sent.mid(f.sent.size() - 2), (QStringList{QString("74,%1").arg(per), "75,2"}));
        f.sent.clear();
        f.run(clicks);
        QCOMPARE(f.page->page(), page);
        QCOMPARE(f.page->list()->count(), page == 2 ? 5 : per);
        const QString first = QString::asprintf("%05d:[", page * per + 1);
        QVERIFY2(f.page->list()->lineText(0).startsWith(first), qPrintable(f.page->list()->lineText(0)));
        QVERIFY(f.page->list()->lineText(0).contains(QRegularExpression(R"(^\d{5}:\[.+\] .+)")));
        QCOMPARE(f.sent.filter(QRegularExpression("^75,")).size(), asked);
        f.w->grab().save(vkeytest::grabPath("setup-slog.png"));
    }

    // A list taller than a log page holds asks for 99 lines, never more
    // (the log answers a count above 99 with nothing).
    void tallList()
    {
        SlogFrame f(150);
        f.w->sl_btnclicked(Btn_System_Dt, 0);
        f.page->resize(f.page->width(), 4000);
        f.page->evtResize();
        QVERIFY2(f.page->list()->maxLine() > 99, qPrintable(QString::number(f.page->list()->maxLine())));
        f.sent.clear();
        f.w->sl_btnclicked(Btn_System_Slog, 0);
        QCoreApplication::processEvents();
        QCOMPARE(f.sent.value(0), QString("73,99"));
        QCOMPARE(f.page->pages(), 2);
        QCOMPARE(f.page->list()->count(), 150 - 99);
    }

    // An empty page count asks for no page.
    void emptyLog()
    {
        SlogFrame f(0);
        f.sent.clear();
        g_api.logPages(0); // the facade answers a bad count with no pages
        f.w->reply(Act_InfoSlog, 0, &g_api.m_listInfo);
        QCOMPARE(f.page->pages(), 0);
        QVERIFY(f.sent.isEmpty());
    }

    // The export name proposed from the clock, whole even when the last
    // field typed was shorter (a password), taken as typed on OK; Cancel
    // exports nothing.
    void exportName_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("lastLength"); // the keyboard's length before
        QTest::newRow("OK") << true << 256;
        QTest::newRow("OK after a password") << true << 15;
        QTest::newRow("Cancel") << false << 256;
    }
    void exportName()
    {
        QFETCH(bool, ok);
        QFETCH(int, lastLength);
        SlogFrame f(3);
        f.sent.clear();
        f.vk->setMaxLength(lastLength);
        QTest::mouseClick(f.page->control(TSetupSlog::RowExport), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(f.vk->isVisible());
        QVERIFY2(f.vk->text().contains(QRegularExpression(R"(^\d{14}_log\.txt$)")), qPrintable(f.vk->text()));
        QCOMPARE(f.vk->edit()->maxLength(), 255);
        const QString name = f.vk->text();
        QTest::mouseClick(ok ? f.vk->okButton() : f.vk->cancelButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QStringList want{"77,0", "78,0"};
        if (ok)
            want << "76," + name;
        QCOMPARE(f.sent, want);
    }
};

QTEST_MAIN(TSetupSlogTest)
#include "tsetupslogtest.moc"
