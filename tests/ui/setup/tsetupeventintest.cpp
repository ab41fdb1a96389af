// The event-input page: clicks step a cell through the states its input
// has (with a text input, with a sensor only, without a sensor), values the
// page does not know stay, only the unit's cells are shown and changed,
// Default, Apply, and the focus table of 414 entries.
#include "setuptestenv.h"
#include "tsetupeventin.h"

#include <cstring>

using namespace setuptest;
using namespace SetupAct;
using E = TSetupEventin;

namespace {

struct EvFrame
{
    explicit EvFrame(const char* profile) : f(profile) {}
    E* open()
    {
        if (!f.show(Btn_Record))
            return nullptr;
        QTest::mouseClick(f.w->button(Btn_Record_Eventin), Qt::LeftButton);
        QCoreApplication::processEvents();
        return static_cast<E*>(f.w->page(Btn_Record_Eventin));
    }
    template <class T> T* edit(int idx) { return static_cast<T*>(f.fx.cfg->getsection(idx, 0)); }

    Frame f;
};

} // namespace

class TSetupEventinTest : public QObject
{
    Q_OBJECT
private slots:
    // Six clicks on a cell of row 2 from none: the values it takes, and
    // whether it shows checked after each.
    void cycles_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<int>("sensors"); // -1 the unit's
        QTest::addColumn<int>("txtin");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("checks");
        QTest::newRow("20 channels: text input") << QByteArray("20") << -1 << -1 << 0 << "124301" << "111101";
        QTest::newRow("20 channels: last text input") << QByteArray("20") << -1 << -1 << 4 << "124301" << "111101";
        QTest::newRow("20 channels: sensor only") << QByteArray("20") << -1 << -1 << 5 << "123012" << "111011";
        QTest::newRow("20 channels: no sensor") << QByteArray("20") << -1 << -1 << 16 << "202020" << "101010";
        QTest::newRow("8 / 4 / 2: column 1") << QByteArray("8") << 4 << 2 << 0 << "124301" << "111101";
        QTest::newRow("8 / 4 / 2: column 4") << QByteArray("8") << 4 << 2 << 3 << "123012" << "111011";
        QTest::newRow("8 / 4 / 2: column 7") << QByteArray("8") << 4 << 2 << 6 << "202020" << "101010";
    }
    void cycles()
    {
        QFETCH(QByteArray, profile);
        QFETCH(int, sensors);
        QFETCH(int, txtin);
        QFETCH(int, column);
        QFETCH(QString, values);
        QFETCH(QString, checks);
        EvFrame r(profile.constData());
        auto* dev = r.edit<PropDevices>(IDX_PROP_DEVICES);
        if (sensors >= 0) {
            dev->sensors = sensors;
            dev->txtin = txtin;
        }
        auto* ev = r.edit<PropEvent>(IDX_PROP_EVENT);
        ev->evts[2][column] = 0;
        E* p = r.open();
        QVERIFY(p);
        auto* cell = static_cast<TButton*>(p->control(E::cellRow(2, column)));
        QVERIFY(cell->isVisible() && !cell->isChecked());
        QString got, shown;
        for (int i = 0; i < values.size(); ++i) {
            QTest::mouseClick(cell, Qt::LeftButton);
            got += QString::number(ev->evts[2][column]);
            shown += cell->isChecked() ? '1' : '0';
        }
        QCOMPARE(got, values);
        QCOMPARE(shown, checks);
        QCOMPARE(r.f.fx.live<PropEvent>(IDX_PROP_EVENT)->evts[2][column], uint8_t(0));
    }

    // A stored 3 without a sensor shows checked and the next click stores
    // 0; a value the page does not know stays; cells past the unit are
    // neither shown nor changed; Default reloads the cells.
    void storedValues()
    {
        EvFrame r("8");
        auto* ev = r.edit<PropEvent>(IDX_PROP_EVENT);
        ev->evts[0][7] = 3; // 8 sensors on the 8-channel unit: take them away
        r.edit<PropDevices>(IDX_PROP_DEVICES)->sensors = 4;
        ev->evts[1][1] = 9;
        ev->evts[9][9] = 4;
        E* p = r.open();
        QVERIFY(p);
        auto* noSensor = static_cast<TButton*>(p->control(E::cellRow(0, 7)));
        QVERIFY(noSensor->isChecked());
        QTest::mouseClick(noSensor, Qt::LeftButton);
        QCOMPARE(int(ev->evts[0][7]), 0);
        QVERIFY(!noSensor->isChecked());
        auto* odd = static_cast<TButton*>(p->control(E::cellRow(1, 1)));
        const bool before = odd->isChecked();
        QTest::mouseClick(odd, Qt::LeftButton);
        QCOMPARE(int(ev->evts[1][1]), 9);
        QCOMPARE(odd->isChecked(), before);
        QVERIFY(p->control(E::cellRow(9, 9))->isHidden());
        QVERIFY(p->control(E::cellRow(0, 8))->isHidden() && p->control(E::cellRow(8, 0))->isHidden());
        p->sl_btnclicked(E::cellRow(9, 9), 0);
        QCOMPARE(int(ev->evts[9][9]), 4);
        QTest::mouseClick(p->control(E::R_DEFAULT), Qt::LeftButton);
        PropEvent defaults;
        std::memcpy(&defaults, ev, sizeof defaults);
        r.f.fx.cfg->setdefault(IDX_PROP_EVENT);
        QCOMPARE(std::memcmp(&defaults, ev, sizeof defaults), 0);
        QCOMPARE(noSensor->isChecked(), ev->evts[0][7] != 0);
        QCOMPARE(static_cast<TButton*>(p->control(E::cellRow(0, 0)))->isChecked(), ev->evts[0][0] != 0);
        QSignalSpy req(r.f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(p->control(E::R_APPLY), Qt::LeftButton);
        QCOMPARE(requests(req), QStringList{"14,0,0"});
        QVERIFY(p->control(E::R_MENU)->isHidden());
        r.f.w->grab().save(vkeytest::grabPath("setup-eventin-8.png"));
    }

    // 414 entries whatever the unit; the arrows pass over the hidden cells.
    void focusWalk_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<int>("n");
        QTest::newRow("20 channels") << QByteArray("20") << 20;
        QTest::newRow("4 channels") << QByteArray("4") << 4;
        QTest::newRow("32 channels: the 20 held") << QByteArray("32") << 20;
    }
    void focusWalk()
    {
        QFETCH(QByteArray, profile);
        QFETCH(int, n);
        EvFrame r(profile.constData());
        E* p = r.open();
        QVERIFY(p);
        QCOMPARE(p->focusTable().size(), 414);
        QWidget* item = r.f.w->button(Btn_Record_Eventin);
        item->setFocus();
        r.f.key(Qt::Key_Right);
        QVERIFY(p->control(0)->hasFocus());
        r.f.key(Qt::Key_Left);
        QVERIFY(item->hasFocus());
        r.f.key(Qt::Key_Left);
        QVERIFY(p->control(E::cellRow(0, n - 1))->hasFocus());
        r.f.key(Qt::Key_Right); // past the last input: the item
        QVERIFY(item->hasFocus());
        p->control(E::cellRow(n - 1, 0))->setFocus();
        r.f.key(Qt::Key_Down);
        QVERIFY(p->control(E::R_APPLY)->hasFocus());
        r.f.key(Qt::Key_Up);
        QVERIFY(p->control(E::cellRow(n - 1, 0))->hasFocus());
        // Enter steps the focused cell.
        const uint8_t was = r.edit<PropEvent>(IDX_PROP_EVENT)->evts[n - 1][0];
        r.f.key(Qt::Key_Enter);
        QTRY_VERIFY(r.edit<PropEvent>(IDX_PROP_EVENT)->evts[n - 1][0] != was);
        r.f.w->grab().save(vkeytest::grabPath(QString("setup-eventin-%1.png").arg(n)));
    }
};

QTEST_MAIN(TSetupEventinTest)
#include "tsetupeventintest.moc"
