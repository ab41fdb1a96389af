// Numbers at the edges of what a field holds, taken into the unit: its own
// configuration file with every number in it set to one value, imported and
// applied by a remote OK, every setup page opened, and the device brought up
// again from what was stored, as after a restart. No arithmetic on a value
// read may overflow and no table may be read outside it (the sanitizer build
// aborts on either), and the program keeps running.
#include "tsetuprig.h"
#include "../common/dvr/tnetfixture.h"
#include "dvrnotify.h"
#include "setupaction.h"
#include "tapptestmain.h"
#include "tbutton.h"
#include "trunner.h"
#include "tsetupth.h"

#include <QRegularExpression>
#include <QSettings>
#include <QtTest>
#include <limits>

namespace SA = SetupAct;

namespace {

// The groups an import takes into the edit copy: all but the device record,
// which the file must match, and the device's capability caches.
bool imported(const QString& key)
{
    for (int idx = IDX_PROP_DEVICES + 1; idx <= IDX_PROP_TIMEZONE; ++idx) {
        if (key.startsWith(QLatin1String(TProperty::groupName(idx)) + QLatin1Char('/')))
            return true;
    }
    return false;
}

// A configuration file with every number of every imported key set to
// value: the integer keys, and each field of the lists of small numbers
// ("05 00 01 ..."). Gives the count of keys changed.
int setNumbers(const QString& path, int value)
{
    const QRegularExpression numbers(QStringLiteral("^-?\\d+( -?\\d+)*$"));
    QSettings file(path, QSettings::IniFormat);
    file.setIniCodec("UTF-8"); // as the unit writes its texts
    int changed = 0;
    for (const QString& key : file.allKeys()) {
        const QString text = file.value(key).toString();
        if (!imported(key) || !numbers.match(text).hasMatch())
            continue;
        const int fields = text.count(QLatin1Char(' ')) + 1;
        if (fields == 1)
            file.setValue(key, value);
        else
            file.setValue(key, (QString::number(value) + QLatin1Char(' ')).repeated(fields).trimmed());
        ++changed;
    }
    return changed;
}

// False for a page the unit does not offer (its item button hidden).
bool openPage(TSetupWnd* setup, int tab, int id)
{
    QTest::mouseClick(setup->button(tab), Qt::LeftButton);
    if (!setup->button(id)->isVisible())
        return false;
    QTest::mouseClick(setup->button(id), Qt::LeftButton);
    QCoreApplication::processEvents();
    return setup->page(id) && setup->page(id)->isVisible();
}

} // namespace

class TMainSetupValuesTest : public QObject
{
    Q_OBJECT
private slots:
    void edgeValues_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("lowest") << std::numeric_limits<int>::min();
        QTest::newRow("highest") << std::numeric_limits<int>::max();
        QTest::newRow("minus one") << -1;
    }
    void edgeValues()
    {
        QFETCH(int, value);
        TSetupRig rig("16", true);
        QVERIFY(rig.up());
        // A unit that has run before: the logged-in user, presets and
        // search options stored too.
        rig.store(IDX_PROP_USER, *rig.live<PropUser>(IDX_PROP_USER));
        rig.store(IDX_PROP_PRESET, *rig.live<PropPreset>(IDX_PROP_PRESET));
        rig.store(IDX_PROP_SEARCHOPT, *rig.live<PropSearchopt>(IDX_PROP_SEARCHOPT));
        const QString path = QStringLiteral("/tmp/rs.conf");
        QVERIFY(TRunner::copyFile(rig.fx.cfg->tmpPath(), path));
        // The numbers of every section but the device record: the motion
        // and privacy masks alone are more than a thousand.
        const int keys = setNumbers(rig.fx.root.file(path), value);
        QVERIFY2(keys > 1000, qPrintable(QString::number(keys)));

        QSignalSpy ran(rig.w->setupTh(), &QThread::finished);
        sendPacket(DNPC_RS_APP_OK, TPayload().text(path.toUtf8()).bytes);
        QVERIFY(ran.wait(8000));
        QVERIFY(TSetupRig::settled());
        // The import was taken and stored: the audio output as the file
        // gave it.
        QCOMPARE(rig.live<PropAudio>(IDX_PROP_AUDIO)->out, value);
        QCOMPARE(rig.fromFile<PropAudio>(IDX_PROP_AUDIO).out, value);

        rig.w->runMenu(QStringLiteral("Setup"), SA::Btn_Display);
        TSetupWnd* setup = rig.setup();
        QVERIFY(setup->isVisible());
        int pages = 0;
        int opened = 0;
        for (const SA::SetupTab& t : SA::kSetupTabs) {
            for (int id = t.first; id <= t.last; ++id, ++pages)
                opened += openPage(setup, t.id, id);
        }
        QCOMPARE(opened, pages - 1); // all but the HD spot page

        // The menu left; then, as at the next start, the configuration read
        // back from its file and the device brought up from it.
        QTest::mouseClick(setup->button(SA::Btn_Cancel), Qt::LeftButton);
        QVERIFY(TSetupRig::settled());
        QVERIFY(!setup->isVisible());
        rig.fx.cfg->setdevices(IDX_PROP_DEVICES, rig.live<PropDevices>(IDX_PROP_DEVICES));
        rig.w->sl_initDvr();
        QCOMPARE(rig.w->m_initDone, 1);
        // The live view's work of each second goes on.
        for (int i = 0; i < 3; ++i)
            rig.w->sl_fromDvr(SIG_IO_TIME, 0, 0);
        QVERIFY(rig.w->isVisible());
    }
};

DVR_APP_TEST_MAIN(TMainSetupValuesTest)
#include "tmain-setupvaluestest.moc"
