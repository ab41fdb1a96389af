#include "tdefault.h"
#include "tproperty.h"
#include "ttestroot.h"

#include <QtTest>
#include <cstring>

class TPropertyTest : public QObject
{
    Q_OBJECT
private slots:
    void smoke();
};

void TPropertyTest::smoke()
{
    TTestRoot root;
    PropDevices dev{};
    qstrncpy(dev.model, "M16", sizeof dev.model);
    dev.videos = 16;
    PropDefault def;
    TDefault::setDefaults(&def);
    TProperty p("/tmp/M16.conf", &dev, &def);
    p.save(-1);
    qDebug().noquote() << root.read("/tmp/M16.conf");
    TProperty e(QString(), &dev, &def);
    QCOMPARE(e.m_devices.videos, 16);
}

QTEST_GUILESS_MAIN(TPropertyTest)
#include "tpropertytest.moc"
