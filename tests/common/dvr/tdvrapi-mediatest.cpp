#include "tdvrapi.h"
#include "ttestroot.h"

#include <QtTest>

class TDvrApiMediaTest : public QObject
{
    Q_OBJECT
private slots:
    void fileListPages_data()
    {
        QTest::addColumn<QStringList>("files"); // under /backup
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("perPage");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("lines"); // of the page
        const QStringList stick{"v2.fwr", "dvr.conf", "v1.fwr", "notes.txt", "old.conf"};
        QStringList many;
        for (int i = 0; i < 45; ++i)
            many << QStringLiteral("cam%1.conf").arg(i, 2, 10, QLatin1Char('0'));
        const QString longName = QString(60, QLatin1Char('n')) + QStringLiteral(".fwr"); // 64 bytes
        const QString hangul = QString(20, QChar(0xD55C)) + QStringLiteral(".fwr");       // 64 bytes of UTF-8
        QTest::newRow("firmware") << stick << "/backup" << "*.fwr" << 10 << 0 << 2 << 1 << QStringList{"v1.fwr", "v2.fwr"};
        QTest::newRow("configurations") << stick << "/backup" << "*.conf" << 10 << 0 << 2 << 1
                                        << QStringList{"dvr.conf", "old.conf"};
        QTest::newRow("one character matches all, by extension")
            << stick << "/backup" << "*" << 10 << 0 << 5 << 1
            << QStringList{"dvr.conf", "old.conf", "v1.fwr", "v2.fwr", "notes.txt"};
        QTest::newRow("last page of 45 at 20") << many << "/backup" << "*.conf" << 20 << 2 << 45 << 3
                                               << QStringList{"cam40.conf", "cam41.conf", "cam42.conf", "cam43.conf",
                                                              "cam44.conf"};
        QTest::newRow("100 a page") << many << "/backup" << "*.conf" << 100 << 0 << 45 << 1 << many;
        QTest::newRow("0 a page lists nothing") << stick << "/backup" << "*.fwr" << 0 << 0 << 0 << 0 << QStringList();
        QTest::newRow("101 a page lists nothing") << stick << "/backup" << "*.fwr" << 101 << 0 << 0 << 0 << QStringList();
        QTest::newRow("page past the end") << stick << "/backup" << "*.fwr" << 10 << 1 << 2 << 1 << QStringList();
        QTest::newRow("names beyond a line are left out")
            << QStringList{longName, hangul, "short.fwr"} << "/backup" << "*.fwr" << 10 << 0 << 1 << 1
            << QStringList{"short.fwr"};
        // Read back from a page line, a name that begins with U+FEFF loses
        // it and names another file (or none).
        const QString bom(QChar(0xFEFF));
        QTest::newRow("names not given back byte for byte are left out")
            << QStringList{bom + "bom.exe", "bom.exe", bom + "only.exe"} << "/backup" << "*.exe" << 10 << 0 << 1 << 1
            << QStringList{"bom.exe"};
        QTest::newRow("a 63-byte name stays whole") << QStringList{longName.mid(1)} << "/backup" << "*.fwr" << 10 << 0
                                                     << 1 << 1 << QStringList{longName.mid(1)};
        QTest::newRow("folder above the root") << stick << "/backup/../.." << "*" << 10 << 0 << 0 << 0 << QStringList();
        QTest::newRow("no such folder") << stick << "/backup/none" << "*" << 10 << 0 << 0 << 0 << QStringList();
    }

    void fileListPages()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, path);
        QFETCH(QString, filter);
        QFETCH(int, perPage);
        QFETCH(int, page);
        QFETCH(int, total);
        QFETCH(int, pages);
        QFETCH(QStringList, lines);
        TTestRoot root;
        for (const QString& f : files)
            QVERIFY(root.write(QStringLiteral("/backup/") + f, "x"));
        QVERIFY(root.write(QStringLiteral("/backup/sub.fwr/inner.fwr"), "x")); // a folder is no file
        g_api.fill_file(path, filter, perPage);
        QCOMPARE(g_api.m_listInfo.total, total);
        QCOMPARE(g_api.m_listInfo.pages, pages);
        g_api.readDirFile(page);
        QStringList got;
        for (int i = 0; i < g_api.m_pageLines.count; ++i)
            got << QString::fromUtf8(g_api.m_pageLines.line[i]);
        QCOMPARE(got, lines);
        QCOMPARE(g_api.m_pageLines.page, lines.isEmpty() ? -1 : page);
    }
};

QTEST_GUILESS_MAIN(TDvrApiMediaTest)
#include "tdvrapi-mediatest.moc"
