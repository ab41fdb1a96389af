#include "tdvrapi.h"
#include "tfilewnd.h"
#include "tlistview.h"
#include "ttestroot.h"
#include "vkeytestenv.h"
#include "wndid.h"

#include <QtTest>

namespace {

// The chooser over a screen, with the main window's side of its requests
// played here: the device facade lists the folder of the test's stick and
// each answer comes back before the request returns.
class Rig
{
public:
    explicit Rig(const QStringList& files) : top(nullptr, Qt::FramelessWindowHint)
    {
        for (const QString& f : files)
            root.write(QStringLiteral("/backup/") + f, "x");
        top.resize(800, 600);
        fw = new TFileWnd(&top, ID_WND_FILE, g_res->getSize(125));
        fw->init(0);
        fw->hide();
        top.show();
        QApplication::setActiveWindow(&top);
        active = QTest::qWaitForWindowActive(&top);
        QObject::connect(fw, &TFileWnd::sg_request, &top, [this](int cmd, int value, QString dir, QString pattern) {
            requests << QStringLiteral("%1:%2").arg(cmd).arg(value);
            if (cmd == Act_FileInit) {
                g_api.fill_file(dir, pattern, value);
                fw->initLiveview(&g_api.m_listInfo);
            } else if (cmd == Act_FilePage) {
                g_api.readDirFile(value);
                fw->readListview(&g_api.m_pageLines);
            }
        });
        QObject::connect(fw, &TFileWnd::sg_reply, &top, [this](QString name) { replies << name; });
    }
    void open(const QString& title, const QString& pattern)
    {
        fw->setTitle(title);
        fw->setPath(QStringLiteral("/backup"), pattern);
        fw->moveCenter(&top);
        fw->setVisible(true);
        QCoreApplication::processEvents();
    }
    // Keys as the main window posts them: U D L R arrows, E Enter, X Escape.
    void keys(const QString& spelled)
    {
        for (const QChar k : spelled)
            vkeytest::key(fw, k == 'E' ? int(Qt::Key_Return) : k == 'X' ? int(Qt::Key_Escape)
                              : k == 'U' ? int(Qt::Key_Up) : k == 'D' ? int(Qt::Key_Down)
                              : k == 'L' ? int(Qt::Key_Left) : int(Qt::Key_Right));
    }
    QStringList shown() const
    {
        QStringList l;
        for (int i = 0; i < fw->list()->maxLine(); ++i)
            if (!fw->list()->lineText(i).isNull())
                l << fw->list()->lineText(i);
        return l;
    }

    TTestRoot root;
    QWidget top;
    TFileWnd* fw;
    QStringList requests;
    QStringList replies;
    bool active = false;
};

const QStringList kStick{"v1.fwr", "v2.fwr", "dvr.conf", "old.conf", "notes.txt"};

} // namespace

class TFileWndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    void choosesAFile_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("reply"); // empty: none
        QTest::addColumn<bool>("open");
        QTest::newRow("firmware, second line") << "*.fwr" << QStringList{"v1.fwr", "v2.fwr"} << "UEDEXDE" << "v2.fwr"
                                               << false;
        QTest::newRow("configuration, first line") << "*.conf" << QStringList{"dvr.conf", "old.conf"} << "UEEXDE"
                                                   << "dvr.conf" << false;
        QTest::newRow("cancel after choosing") << "*.fwr" << QStringList{"v1.fwr", "v2.fwr"} << "UEEXDRE" << ""
                                               << false;
        QTest::newRow("OK with nothing chosen") << "*.conf" << QStringList{"dvr.conf", "old.conf"} << "E" << ""
                                                << false;
        QTest::newRow("escape leaves the list only") << "*.fwr" << QStringList{"v1.fwr", "v2.fwr"} << "UEX" << ""
                                                     << true;
        QTest::newRow("escape closes") << "*.fwr" << QStringList{"v1.fwr", "v2.fwr"} << "UEXX" << "" << false;
        QTest::newRow("nothing to list") << "*.exe" << QStringList() << "UEE" << "" << true;
    }

    void choosesAFile()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, listed);
        QFETCH(QString, keys);
        QFETCH(QString, reply);
        QFETCH(bool, open);
        Rig rig(kStick);
        QVERIFY(rig.active);
        rig.open(QStringLiteral("Firmware File import"), pattern);
        QCOMPARE(rig.shown(), listed);
        QCOMPARE(rig.requests.size(), listed.isEmpty() ? 1 : 2); // no page asked of an empty listing
        rig.keys(keys.left(4));
        if (QTest::currentDataTag() == QLatin1String("firmware, second line"))
            QVERIFY(rig.fw->grab().save(vkeytest::grabPath(QStringLiteral("tfilewnd-chosen.png"))));
        rig.keys(keys.mid(4));
        QCOMPARE(rig.replies, reply.isEmpty() ? QStringList() : QStringList{reply});
        QCOMPARE(bool(rig.fw->isShown()), open);
        if (!reply.isEmpty())
            QVERIFY(QFile::exists(rig.root.file(QStringLiteral("/backup/") + reply)));
    }

    void pagesWithKeys()
    {
        QStringList files;
        for (int i = 0; i < 25; ++i)
            files << QStringLiteral("f%1.conf").arg(i, 2, 10, QLatin1Char('0'));
        Rig rig(files);
        QVERIFY(rig.active);
        rig.open(QStringLiteral("Configuration File import"), QStringLiteral("*.conf"));
        const int per = rig.fw->list()->maxLine();
        const int pages = (25 + per - 1) / per;
        QVERIFY2(pages >= 3, "the list shows too many lines for this test");
        QCOMPARE(rig.requests, (QStringList{QStringLiteral("2:%1").arg(per), "3:0"}));
        QCOMPARE(rig.fw->pages(), pages);

        struct Step {
            const char* keys;
            int page;      // shown afterwards
            bool asked;    // a page was requested
        };
        // Into the list, over to its paging buttons (First has the focus).
        const Step steps[] = {
            {"UER", 0, false},
            {"DDE", 1, true},          // Next
            {"DE", pages - 1, true},   // Last
            {"UE", pages - 1, false},  // Next on the last page
            {"UE", pages - 2, true},   // Previous
            {"UE", 0, true},           // First
            {"DE", 0, false},          // Previous on the first page
            {"DE", 1, true},           // Next
        };
        for (const Step& s : steps) {
            const int before = rig.requests.size();
            rig.keys(QLatin1String(s.keys));
            QCOMPARE(rig.fw->page(), s.page);
            QCOMPARE(rig.requests.size() > before, s.asked);
            QCOMPARE(rig.shown().first(), files.at(s.page * per));
        }
        // Back to the lines: the first line of page 1 is chosen and answered.
        rig.keys(QStringLiteral("LE"));
        QCOMPARE(rig.fw->chosenName(), files.at(per));
        QVERIFY(rig.fw->grab().save(vkeytest::grabPath(QStringLiteral("tfilewnd-page.png"))));
        rig.keys(QStringLiteral("XDE"));
        QCOMPARE(rig.replies, QStringList{files.at(per)});
    }
};

QTEST_MAIN(TFileWndTest)
#include "tfilewndtest.moc"
