// Every setup page as the operator sees and drives it: in each row of
// selector buttons (the frame's tabs and items, the pages' camera, tab and
// user rows) the chosen button wears the lit look and the others the plain
// one; every button of a page's focus table is pressed by Return and by
// Enter alike; the holiday page's list buttons show their caption alone;
// every control a page shows lies inside the page, on small and large units.
#include "../base/looktestenv.h"
#include "setuptestenv.h"
#include "treshooks.h"
#include "tsetupholiday.h"
#include "tsetupuser.h"

#include <QAbstractButton>

using namespace setuptest;
using namespace SetupAct;
using looktest::face;

namespace {

// The pages of every tab as (tab, page id).
QList<QPair<int, int>> allPages()
{
    QList<QPair<int, int>> out;
    for (const SetupTab& t : kSetupTabs)
        for (int id = t.first; id <= t.last; ++id)
            out << qMakePair(t.id, id);
    return out;
}

// False for a page the unit does not offer (its item button hidden).
bool open(Frame& f, int tab, int id)
{
    if (!f.w->isVisible() && !f.show(tab))
        return false;
    if (!f.w->page(id) || !f.w->page(id)->isVisible()) {
        QTest::mouseClick(f.w->button(tab), Qt::LeftButton);
        if (!f.w->button(id)->isVisible())
            return false;
        QTest::mouseClick(f.w->button(id), Qt::LeftButton);
    }
    QCoreApplication::processEvents();
    return f.w->page(id) && f.w->page(id)->isVisible();
}

// The unit's counts for the resource object, read from the edit copy's
// device record as start-up has them read: a 32-channel unit's pages are
// larger than the others'.
struct UnitSizes
{
    UnitSizes()
    {
        g_resHooks.videos = [](int live) { return int(devices(live)->videos); };
        g_resHooks.alarmouts = [](int live) { return int(devices(live)->alarmouts); };
        g_resHooks.audios = [](int live) { return int(devices(live)->audios); };
        g_resHooks.storage = [](int live) { return int(devices(live)->storage); };
    }
    ~UnitSizes() { g_resHooks = TResHooks{}; }
    static const PropDevices* devices(int live)
    {
        return static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, live ? 1 : 0));
    }
};

// The shown controls of a page (at any depth) that do not lie whole inside
// it, as "class text (x,y wxh)".
QStringList outside(QWidget* page)
{
    QStringList out;
    for (QWidget* c : page->findChildren<QWidget*>()) {
        if (c->isWindow() || !c->isVisibleTo(page))
            continue;
        const QRect r(c->mapTo(page, QPoint(0, 0)), c->size());
        if (!page->rect().contains(r)) {
            auto* b = qobject_cast<QAbstractButton*>(c);
            out << QString("%1 %2 (%3,%4 %5x%6)")
                       .arg(c->metaObject()->className(), b ? b->text() : QString())
                       .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        }
    }
    return out;
}

} // namespace

class TSetupLookTest : public QObject
{
    Q_OBJECT
private slots:
    // The chosen button of each selector row is lit, on every page, with
    // the focus away from the page's buttons (a focused button is lit too).
    void selectorLooks()
    {
        Frame f;
        int pages = 0;
        int rows = 0;
        for (const auto& p : allPages()) {
            if (!open(f, p.first, p.second))
                continue;
            f.w->button(Btn_Ok)->setFocus();
            QCoreApplication::processEvents();
            const QStringList wrong = looktest::wrongLooks(f.w);
            rows += looktest::selectorRows(f.w);
            QVERIFY2(wrong.isEmpty(), qPrintable(QString("page %1: %2").arg(p.second).arg(wrong.join(", "))));
            ++pages;
        }
        QCOMPARE(pages, allPages().size() - 1); // all but the HD spot page
        QVERIFY2(rows > pages, qPrintable(QString::number(rows))); // the frame's tabs on each and more
    }

    // Every control a page shows lies whole inside the page, on every page
    // of every tab, for the stand-in's small, default and largest units
    // (the camera row holds 4, 16 and 20 buttons).
    void controlsInsidePages_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::newRow("4 channels") << QByteArray("4");
        QTest::newRow("16 channels") << QByteArray("16");
        QTest::newRow("32 channels") << QByteArray("32");
    }
    void controlsInsidePages()
    {
        QFETCH(QByteArray, profile);
        UnitSizes sizes;
        Frame f(profile.constData());
        int pages = 0;
        QStringList wrong;
        for (const auto& p : allPages()) {
            if (!open(f, p.first, p.second))
                continue;
            TSetupPage* page = f.w->page(p.second);
            const QStringList out = outside(page);
            if (!out.isEmpty())
                wrong << QString("page %1 (%2x%3): %4")
                             .arg(p.second)
                             .arg(page->width())
                             .arg(page->height())
                             .arg(out.join(", "));
            if (p.second == Btn_Device_Camera)
                page->grab().save(vkeytest::grabPath("setup-camera-" + profile + ".png"));
            ++pages;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("\n")));
        QCOMPARE(pages, allPages().size() - 1); // all but the HD spot page
    }

    // Choosing another user lights that user's button and no other.
    void userButtonLit()
    {
        Frame f;
        auto* u = static_cast<PropUser*>(f.fx.cfg->getsection(IDX_PROP_USER, 0));
        qstrncpy(u->user[2].id, "night", sizeof u->user[2].id);
        QVERIFY(open(f, Btn_System, Btn_System_User));
        auto* page = static_cast<TSetupUser*>(f.w->page(Btn_System_User));
        auto* admin = static_cast<TButton*>(page->control(TSetupUser::RowUser0));
        auto* two = static_cast<TButton*>(page->control(TSetupUser::RowUser0 + 2));
        f.w->button(Btn_Ok)->setFocus();
        const QVector<QRgb> litBefore = face(admin), plainBefore = face(two);
        QVERIFY(litBefore != plainBefore);
        QTest::mouseClick(two, Qt::LeftButton);
        f.w->button(Btn_Ok)->setFocus();
        QCoreApplication::processEvents();
        QCOMPARE(face(two), litBefore);
        QCOMPARE(face(admin), plainBefore);
    }

    // Return and Enter press the same buttons of every page's focus table.
    void returnAndEnter()
    {
        Frame f;
        int pressed = 0;
        for (const auto& p : allPages()) {
            if (!open(f, p.first, p.second))
                continue;
            TSetupPage* page = f.w->page(p.second);
            const QVector<FocusLink> table = page->focusTable();
            for (const FocusLink& l : table) {
                auto* b = qobject_cast<QAbstractButton*>(l.widget);
                if (!b || !b->isVisible() || !b->isEnabled() || b->parentWidget() != page)
                    continue;
                QStringList seen;
                for (int k : {Qt::Key_Return, Qt::Key_Enter}) {
                    b->setFocus(Qt::OtherFocusReason);
                    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
                    QApplication::sendEvent(f.w, &press);
                    QCoreApplication::processEvents();
                    QCoreApplication::processEvents();
                    seen << (b->isDown() ? "down" : "up");
                    // Let go without a click: nothing the button does runs.
                    const QSignalBlocker block(b);
                    b->setDown(false);
                }
                QVERIFY2(seen == QStringList({"down", "down"}),
                         qPrintable(QString("page %1 button %2: %3")
                                        .arg(p.second)
                                        .arg(b->text().isEmpty() ? b->objectName() : b->text())
                                        .arg(seen.join(' '))));
                ++pressed;
            }
        }
        QVERIFY(pressed > allPages().size());
    }

    // "Add", "Delete" and "Delete All" show their caption and nothing else:
    // each looks exactly like a plain button with that caption.
    void holidayButtonsPlain()
    {
        Frame f;
        QVERIFY(open(f, Btn_Record, Btn_Record_Holiday));
        TSetupPage* page = f.w->page(Btn_Record_Holiday);
        const QStringList captions{"Add", "Delete", "Delete All"};
        for (int r = TSetupHoliday::R_ADD; r <= TSetupHoliday::R_DELETEALL; ++r) {
            auto* b = static_cast<TButton*>(page->control(r));
            QCOMPARE(b->text(), captions.at(r - TSetupHoliday::R_ADD));
            TButton plain(page, nullptr, b->text(), 99, QColor(255, 255, 255), -1);
            plain.setGeometry(b->geometry());
            plain.setText(b->text());
            QCOMPARE(b->grab().toImage(), plain.grab().toImage());
        }
    }
};

QTEST_MAIN(TSetupLookTest)
#include "tsetuplooktest.moc"
