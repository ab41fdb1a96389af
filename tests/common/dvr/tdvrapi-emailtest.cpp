#include "tnetfixture.h"

#include <QRegularExpression>

namespace {
// The collected texts without their date and time stamp, and the pictures.
QStringList mail()
{
    QStringList out;
    char buf[4096];
    for (int i = 0; dalTestEmailText(i, buf, sizeof buf) == 0; ++i)
        out << QString::fromUtf8(buf).remove(QRegularExpression("^\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d "));
    for (int i = 0, ch; (ch = dalTestEmailImage(i)) >= 0; ++i)
        out << QStringLiteral("picture %1").arg(ch);
    return out;
}
}

class TDvrApiEmailTest : public QObject
{
    Q_OBJECT
private slots:
    // E-mail on, input 0 and 2 of every row chosen, pictures on.
    void lines_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("val1");
        QTest::addColumn<int>("val2");
        QTest::addColumn<bool>("mailOn");
        QTest::addColumn<QStringList>("texts");
        const QString rule(48, '=');
        QTest::newRow("sensor") << int(SIG_IO_SENSOR) << 2 << 1 << true << QStringList{"Sensor[CH 03] : ON", "picture 2"};
        QTest::newRow("motion on channel 0") << int(SIG_VIN_MOTION) << 0 << 0 << true
                                             << QStringList{"Motion[CH 01] : OFF", "picture 0"};
        QTest::newRow("video loss: no picture") << int(SIG_VIN_VL) << 2 << 1 << true << QStringList{"VideoLoss[CH 03] : ON"};
        QTest::newRow("pos text block") << int(SIG_POS_TEXTIN) << 0 << 0 << true
                                        << QStringList{"POS[CH 01] : OFF", rule, "SALE 12.50", rule, "picture 0"};
        QTest::newRow("pos on: line only") << int(SIG_POS_TEXTIN) << 0 << 1 << true
                                           << QStringList{"POS[CH 01] : ON", "picture 0"};
        QTest::newRow("disk error names the index") << int(SIG_ENC_SMART) << 0 << 1 << true
                                                    << QStringList{"S.M.A.R.T. : HDD0 error"};
        QTest::newRow("input not chosen") << int(SIG_IO_SENSOR) << 1 << 1 << true << QStringList();
        QTest::newRow("input beyond the table") << int(SIG_IO_SENSOR) << 20 << 1 << true << QStringList();
        QTest::newRow("e-mail off") << int(SIG_IO_SENSOR) << 2 << 1 << false << QStringList();
        QTest::newRow("other event") << int(SIG_VIN_CAMERA) << 2 << 1 << true << QStringList();
    }

    void lines()
    {
        QFETCH(int, code);
        QFETCH(int, val1);
        QFETCH(int, val2);
        QFETCH(bool, mailOn);
        TNetFixture fx;
        auto* m = fx.live<PropNetemail>(IDX_PROP_NETEMAIL);
        std::memset(m->evt, 0, sizeof m->evt);
        m->on = mailOn;
        for (int row = 0; row < 5; ++row)
            m->evt[row][0] = m->evt[row][2] = 1;
        m->evt[6][0] = 1;
        g_api.writeEmailLog(code, val1, val2, "SALE 12.50");
        QTEST(mail(), "texts");
    }

    // The facade's own event handling hands the event on.
    void throughNotification()
    {
        TNetFixture fx;
        auto* m = fx.live<PropNetemail>(IDX_PROP_NETEMAIL);
        m->on = 1;
        m->evt[0][1] = 1;
        m->evt[6][0] = 0;
        g_api.notify(SIG_IO_SENSOR, 1, 1);
        QTRY_COMPARE(mail(), QStringList{"Sensor[CH 02] : ON"});
    }
};

QTEST_GUILESS_MAIN(TDvrApiEmailTest)
#include "tdvrapi-emailtest.moc"
