#include "tmessages.h"

#include <QLoggingCategory>
#include <QMutex>
#include <QtTest>

#include <thread>
#include <vector>

Q_LOGGING_CATEGORY(lcShown, "messages.shown")
Q_LOGGING_CATEGORY(lcOther, "messages.other")

namespace {

// What reached the handler installed before the program's.
struct Caught {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<Caught> s_caught;
QMutex s_caughtMutex; // messages come from several threads

void catchMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    QMutexLocker lock(&s_caughtMutex);
    s_caught << Caught{type, QByteArray(context.category), text};
}

// A handler put in front of the program's that hands each message back to
// the one it found there.
QtMessageHandler s_found = nullptr;
void handBack(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    s_found(type, context, text);
}

// The lone surrogate that stands for a byte that is not UTF-8.
QString byteOf(ushort b)
{
    return QString(QChar(ushort(0xdc00 + b)));
}

} // namespace

class TMessagesTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        s_caught.clear();
        m_before = qInstallMessageHandler(catchMessage);
        QVERIFY(TMessages::install() == catchMessage);
    }
    void cleanup() { qInstallMessageHandler(m_before); }

    // A text in a message as the line shows it.
    void shown_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("line");
        QTest::newRow("C0 controls") << "a\x1b[31mred\nline\t.exe" << "a\\x1b[31mred\\x0aline\\x09.exe";
        QTest::newRow("DEL") << "a\x7f" "b" << "a\\x7fb";
        QTest::newRow("C1 CSI") << QString("a") + QChar(0x9b) + "31m" << "a\\xc2\\x9b31m";
        QTest::newRow("backslash") << "C:\\x1b" << "C:\\x5cx1b";
        const QString text = QString::fromUtf8("카메라 día \xf0\x9f\x98\x80");
        QTest::newRow("UTF-8 text, outside the BMP too") << text << text;
        QTest::newRow("lone surrogate of a byte, of a NUL") << "a" + byteOf(0xff) + byteOf(0x80) + byteOf(0)
                                                            << "a\\xff\\x80\\x00";
        QTest::newRow("other low lone surrogates") << byteOf(0x01) + byteOf(0x7f) << QString::fromUtf8("\xef\xbf\xbd\xef\xbf\xbd");
        QTest::newRow("bidi and zero-width controls, the separators, noncharacters")
            << QString::fromUcs4(U"a\u202e" "b\u200b\u2028\u2029\ufffe\U000e0001" "c")
            << "a\\xe2\\x80\\xaeb\\xe2\\x80\\x8b\\xe2\\x80\\xa8\\xe2\\x80\\xa9\\xef\\xbf\\xbe\\xf3\\xa0\\x80\\x81c";
        QTest::newRow("byte-order mark") << "a" + QString(QChar(0xfeff)) + "b" << "a\\xef\\xbb\\xbfb";
        QTest::newRow("lone high surrogate") << "a" + QString(QChar(0xd83d)) + "b" << QString::fromUtf8("a\xef\xbf\xbd" "b");
    }
    void shown()
    {
        QFETCH(QString, text);
        QFETCH(QString, line);
        qCWarning(lcShown, "refused:%ls", qUtf16Printable(text));
        QCOMPARE(s_caught.size(), 1);
        QCOMPARE(s_caught[0].text, "refused:" + line);
    }

    // Bytes from outside: UTF-8 as its characters, each other byte as \xNN.
    void fromBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("line");
        QTest::newRow("control bytes, 0xff, a stray continuation")
            << QByteArray("/tmp/\x1b\x07\n\x7f\xff\x80") << "/tmp/\\x1b\\x07\\x0a\\x7f\\xff\\x80";
        QTest::newRow("overlong, an encoded surrogate, beyond U+10FFFF")
            << QByteArray("\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80") << "\\xc0\\xaf\\xed\\xa0\\x80\\xf4\\x90\\x80\\x80";
        QTest::newRow("cut before ASCII") << QByteArray("\xed\x95z") << "\\xed\\x95z";
        QTest::newRow("NUL first, inside, last") << QByteArray("\0a\0\x7f\0", 5) << "\\x00a\\x00\\x7f\\x00";
        QTest::newRow("UTF-8, four bytes too") << QByteArray("\xed\x95\x9c\xea\xb8\x80\xf0\x9f\x98\x80")
                                                << QString::fromUtf8("한글\xf0\x9f\x98\x80");
    }
    void fromBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line);
        qCDebug(lcShown, "path:%ls", qUtf16Printable(TMessages::fromBytes(bytes)));
        QCOMPARE(s_caught.size(), 1);
        QCOMPARE(s_caught[0].text, "path:" + line);
    }

    // Every level and category reaches the handler installed before, as
    // it was given; installed again, the program's handler hands on once,
    // to the one it had (also with one in front that hands messages back).
    void handedOn_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("installs"); // below 0: the last behind one that hands back
        QTest::newRow("debug") << int(QtDebugMsg) << 1;
        QTest::newRow("critical") << int(QtCriticalMsg) << 1;
        QTest::newRow("warning, installed twice") << int(QtWarningMsg) << 2;
        QTest::newRow("installed again behind one that hands back") << int(QtWarningMsg) << -2;
    }
    void handedOn()
    {
        QFETCH(int, level);
        QFETCH(int, installs);
        for (int i = 1; i < qAbs(installs); ++i) {
            if (installs < 0)
                s_found = qInstallMessageHandler(handBack);
            TMessages::install();
        }
        const char* text = "TClass::method name:\x1b";
        switch (level) {
        case QtDebugMsg: qCDebug(lcOther, "%s", text); break;
        case QtInfoMsg: qCInfo(lcOther, "%s", text); break;
        case QtWarningMsg: qCWarning(lcOther, "%s", text); break;
        default: qCCritical(lcOther, "%s", text); break;
        }
        qWarning("no category\n");
        QCOMPARE(s_caught.size(), 2);
        QCOMPARE(int(s_caught[0].type), level);
        QCOMPARE(s_caught[0].category, QByteArray("messages.other"));
        QCOMPARE(s_caught[0].text, QString("TClass::method name:\\x1b"));
        QCOMPARE(int(s_caught[1].type), int(QtWarningMsg));
        QCOMPARE(s_caught[1].category, QByteArray("default"));
        QCOMPARE(s_caught[1].text, QString("no category\\x0a"));
    }

    // Messages come from the device layer's threads too, also while the
    // handler is being installed: each reaches the one before, raw or
    // shown, none lost.
    void fromThreads()
    {
        qInstallMessageHandler(catchMessage);
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([] {
                for (int i = 0; i < 100; ++i)
                    qCWarning(lcOther, "from a thread\n");
            });
        TMessages::install();
        for (std::thread& t : threads)
            t.join();
        QCOMPARE(s_caught.size(), 400);
        for (const Caught& c : s_caught)
            QVERIFY(c.text == "from a thread\n" || c.text == "from a thread\\x0a");
    }

private:
    QtMessageHandler m_before = nullptr;
};

QTEST_GUILESS_MAIN(TMessagesTest)
#include "tmessagestest.moc"
