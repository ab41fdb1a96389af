// The e-mail page in the setup frame: the switch that enables the rest,
// Default, the fields typed on the keyboards (the port within 1..65535,
// texts cut at a whole character), the interval, the requests and the keys.
#include "netpagetestenv.h"
#include "tsetupemail.h"

#include <cstring>

using namespace nettest;
using namespace SetupAct;
using E = TSetupEmail;

namespace {

void stored(PropNetemail* m, int on)
{
    std::memset(m, 0, sizeof *m);
    m->on = uint8_t(on);
    m->authOn = 1;
    qstrcpy(m->to, "ops@example.org");
    qstrcpy(m->from, "dvr@example.org");
    qstrcpy(m->server, "smtp.example.org");
    qstrcpy(m->id, "dvr");
    qstrcpy(m->pw, "secret");
    m->port = 587;
    m->dur = 2;
    m->evt[1][3] = 1;
    m->evt[6][0] = 1;
}

QString enabledRows(TSetupPage* page)
{
    QString out;
    for (int r = E::R_ON; r <= E::R_DEFAULT; ++r)
        out += page->control(r)->isEnabled() ? '+' : '-';
    return out;
}

QString recordText(const PropNetemail& m)
{
    return QStringList{QString::number(m.on), m.to, m.from, m.server, QString::number(m.port),
                       QString::number(m.authOn), QString::number(m.sslOn), m.id, m.pw, QString::number(m.dur)}
        .join('|');
}

} // namespace

class TSetupEmailTest : public QObject
{
    Q_OBJECT
private slots:
    // "E-mail On" enables every other control of the form; Apply and
    // Default stay; switching it changes no value.
    void enableRule_data()
    {
        QTest::addColumn<int>("on");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("off, switched on") << 0 << "+-----------++" << "++++++++++++++";
        QTest::newRow("on, switched off") << 1 << "++++++++++++++" << "+-----------++";
    }
    void enableRule()
    {
        QFETCH(int, on);
        NetFrame n;
        stored(n.edit<PropNetemail>(IDX_PROP_NETEMAIL), on);
        QVERIFY(n.show());
        TSetupPage* page = n.open(Btn_Network_Email);
        QVERIFY(page->isVisible());
        QTEST(enabledRows(page).left(15), "before");
        QCOMPARE(editText(page, E::R_PORT), QString("587"));
        QCOMPARE(editText(page, E::R_TO), QString("ops@example.org"));
        QCOMPARE(static_cast<TEdit*>(page->control(E::R_PW))->echoMode(), QLineEdit::Password);
        QCOMPARE(static_cast<TCombo*>(page->control(E::R_DUR))->currentIndex(), 2);
        if (on)
            n.f.w->grab().save(vkeytest::grabPath("setup-email.png"));
        PropNetemail want = *n.edit<PropNetemail>(IDX_PROP_NETEMAIL);
        QTest::mouseClick(page->control(E::R_ON), Qt::LeftButton);
        want.on = on ? 0 : 1;
        QTEST(enabledRows(page).left(15), "after");
        QCOMPARE(recordText(*n.edit<PropNetemail>(IDX_PROP_NETEMAIL)), recordText(want));
        QCOMPARE(std::memcmp(n.edit<PropNetemail>(IDX_PROP_NETEMAIL)->evt, want.evt, sizeof want.evt), 0);
    }

    // Default: port 25, every text empty, every switch off, the first
    // interval and no event flag.
    void defaults()
    {
        NetFrame n;
        stored(n.edit<PropNetemail>(IDX_PROP_NETEMAIL), 1);
        QVERIFY(n.show());
        TSetupPage* page = n.open(Btn_Network_Email);
        QTest::mouseClick(page->control(E::R_DEFAULT), Qt::LeftButton);
        const PropNetemail* m = n.edit<PropNetemail>(IDX_PROP_NETEMAIL);
        QCOMPARE(recordText(*m), QString("0||||25|0|0|||0"));
        PropNetemail none = {};
        QCOMPARE(std::memcmp(m->evt, none.evt, sizeof none.evt), 0);
        QCOMPARE(editText(page, E::R_PORT), QString("25"));
        QCOMPARE(enabledRows(page), QString("+-----------++"));
        QCOMPARE(static_cast<TCombo*>(page->control(E::R_DUR))->currentIndex(), 0);
    }

    // Typed: texts cut to 63 bytes at a whole character, the password
    // echoed masked, the port within 1..65535 (else "Warning" / "Out Of
    // Range" and the record keeps it), a Cancel changes nothing.
    void typed_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("record");
        const QString rec = "1|ops@example.org|dvr@example.org|smtp.example.org|%1|1|0|dvr|secret|2";
        const QString longTo = QString(62, 'a') + QString("\u00e9");
        QTest::newRow("receiver cut at a whole character")
            << int(E::R_TO) << longTo << true << ""
            << QString("1|%1|dvr@example.org|smtp.example.org|587|1|0|dvr|secret|2").arg(QString(62, 'a'));
        QTest::newRow("cancel") << int(E::R_SERVER) << "other.org" << false << "" << rec.arg(587);
        QTest::newRow("port 25") << int(E::R_PORT) << "25" << true << "" << rec.arg(25);
        QTest::newRow("port 0 refused") << int(E::R_PORT) << "0" << true << "Warning/Out Of Range" << rec.arg(587);
        QTest::newRow("port -1 refused") << int(E::R_PORT) << "-1" << true << "Warning/Out Of Range"
                                            << rec.arg(587);
    }
    void typed()
    {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        NetFrame n;
        stored(n.edit<PropNetemail>(IDX_PROP_NETEMAIL), 1);
        QVERIFY(n.show());
        TSetupPage* page = n.open(Btn_Network_Email);
        n.f.vk->setMaxLength(3); // the last field typed was shorter
        QTest::mouseClick(page->control(row), Qt::LeftButton);
        TVKeyPad* pad = row == E::R_PORT ? static_cast<TVKeyPad*>(n.pad) : static_cast<TVKeyPad*>(n.f.vk);
        QVERIFY(pad->isVisible());
        QCOMPARE(pad->text(), editText(page, row));
        if (row != E::R_PORT)
            QCOMPARE(n.f.vk->edit()->echoMode() == QLineEdit::Password, row == E::R_PW);
        pad->setText(typed);
        QTest::mouseClick(ok ? pad->okButton() : pad->cancelButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QTEST(n.message(), "message");
        const PropNetemail* m = n.edit<PropNetemail>(IDX_PROP_NETEMAIL);
        QTEST(recordText(*m), "record");
        if (row == E::R_PORT)
            QCOMPARE(editText(page, row), QString::number(m->port));
        if (row == E::R_TO)
            QCOMPARE(editText(page, row), QString(m->to));
    }

    // The interval's list position goes into the record; the test asks
    // for 66, Apply for 28; Escape cancels the setup.
    void intervalAndRequests()
    {
        NetFrame n;
        stored(n.edit<PropNetemail>(IDX_PROP_NETEMAIL), 1);
        QVERIFY(n.show());
        TSetupPage* page = n.open(Btn_Network_Email);
        static_cast<TCombo*>(page->control(E::R_DUR))->setCurrentIndex(3);
        QCOMPARE(n.edit<PropNetemail>(IDX_PROP_NETEMAIL)->dur, 3);
        n.asked.clear();
        QTest::mouseClick(page->control(E::R_TEST), Qt::LeftButton);
        QTest::mouseClick(page->control(E::R_APPLY), Qt::LeftButton);
        QCOMPARE(n.asked, (QStringList{"66,0,0", "28,0,0"}));
        n.f.key(Qt::Key_Escape);
        QVERIFY(!n.f.w->isVisible());
    }

    // Keys: from the item Right reaches the switch; Down walks the form
    // (with e-mail off, past the disabled controls to Apply); Enter on a
    // field opens its keyboard.
    void keys_data()
    {
        QTest::addColumn<int>("on");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("focus"); // a row, -1 the Network tab
        QTest::addColumn<bool>("keyboard");
        QTest::newRow("down to the receiver, enter") << 1 << "RDE" << int(E::R_TO) << true;
        QTest::newRow("down to authentication") << 1 << "RDDDDD" << int(E::R_AUTH) << false;
        QTest::newRow("off: down to apply") << 0 << "RD" << int(E::R_APPLY) << false;
        QTest::newRow("off: apply, default, down to the tab") << 0 << "RDRD" << -1 << false;
    }
    void keys()
    {
        QFETCH(int, on);
        QFETCH(QString, keys);
        QFETCH(int, focus);
        NetFrame n;
        stored(n.edit<PropNetemail>(IDX_PROP_NETEMAIL), on);
        QVERIFY(n.show());
        TSetupPage* page = n.open(Btn_Network_Email);
        n.f.w->button(Btn_Network_Email)->setFocus();
        for (const QChar c : keys)
            n.f.key(c == 'R' ? int(Qt::Key_Right) : c == 'D' ? int(Qt::Key_Down) : c == 'U' ? int(Qt::Key_Up)
                                                                                          : int(Qt::Key_Enter));
        QWidget* want = focus >= 0 ? page->control(focus) : n.f.w->button(Btn_Network);
        QTEST(n.f.vk->isVisible(), "keyboard");
        QCOMPARE(want->hasFocus(), !n.f.vk->isVisible());
        QCOMPARE(n.edit<PropNetemail>(IDX_PROP_NETEMAIL)->on, uint8_t(on));
    }
};

QTEST_MAIN(TSetupEmailTest)
#include "tsetupemailtest.moc"
