// The S.M.A.R.T. warnings of the start: the box's lines and the log texts.
#include "smartwarn.h"

#include <QtTest>

using Disks = QVector<QVector<int>>; // {disk 1..16, valid, temperature, errors}

class SmartWarnTest : public QObject
{
    Q_OBJECT
private slots:
    void warnings_data()
    {
        QTest::addColumn<Disks>("disks");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QStringList>("temps");
        QTest::addColumn<QStringList>("logs");
        const QString deg(QChar(0xB0));
        const QString hot = QStringLiteral("Overheating! (HDD%1 %2") + deg + "C/50" + deg + "C)";
        QTest::newRow("healthy, or data not valid") << Disks{{1, 1, 50, 2}, {2, 0, 90, 9}} << QStringList()
                                                    << QStringList() << QStringList();
        QTest::newRow("one of each")
            << Disks{{3, 1, 51, 0}, {16, 1, 20, 3}}
            << QStringList{"S.M.A.R.T Error! (HDD16  3 Errors / 3 Test)"} << QStringList{hot.arg(3).arg(51)}
            << QStringList{"(HDD3 51'C/50'C)"};
        Disks six;
        QStringList sixLogs;
        for (int d = 1; d <= 6; ++d) {
            six.append({d, 1, 60 + d, 0});
            sixLogs << QStringLiteral("(HDD%1 %2'C/50'C)").arg(d).arg(60 + d);
        }
        QTest::newRow("six overheated: four lines and ...")
            << six << QStringList()
            << QStringList{hot.arg(1).arg(61), hot.arg(2).arg(62), hot.arg(3).arg(63), hot.arg(4).arg(64), "..."}
            << sixLogs;
        Disks five;
        for (int d = 1; d <= 5; ++d)
            five.append({d + 10, 1, 20, 7});
        QTest::newRow("five with errors: four lines and ...")
            << five
            << QStringList{"S.M.A.R.T Error! (HDD11  7 Errors / 3 Test)", "S.M.A.R.T Error! (HDD12  7 Errors / 3 Test)",
                           "S.M.A.R.T Error! (HDD13  7 Errors / 3 Test)", "S.M.A.R.T Error! (HDD14  7 Errors / 3 Test)",
                           "..."}
            << QStringList() << QStringList();
    }
    void warnings()
    {
        QFETCH(Disks, disks);
        int32_t valid[16] = {}, temp[16] = {}, errors[16] = {};
        for (const QVector<int>& d : disks) {
            valid[d[0] - 1] = d[1];
            temp[d[0] - 1] = d[2];
            errors[d[0] - 1] = d[3];
        }
        const SmartWarnings w = smartWarnings(valid, temp, errors, 50, 3, QStringLiteral("S.M.A.R.T Error"),
                                              QStringLiteral("Overheating"));
        QTEST(w.errors, "errors");
        QTEST(w.temps, "temps");
        QStringList logs;
        for (const QByteArray& b : w.tempLogs)
            logs << QString::fromLatin1(b);
        QTEST(logs, "logs");
    }
};

QTEST_GUILESS_MAIN(SmartWarnTest)
#include "smartwarntest.moc"
