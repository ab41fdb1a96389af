// Every setup page as the operator sees and drives it: in each row of
// selector buttons (the frame's tabs and items, the pages' camera, tab and
// user rows) the chosen button wears the lit look and the others the plain
// one; every button of a page's focus table is pressed by Return and by
// Enter alike; the holiday page's list buttons show their caption alone.
#include "setuptestenv.h"
#include "tsetupholiday.h"
#include "tsetupuser.h"

#include <QAbstractButton>
#include <QMap>

using namespace setuptest;
using namespace SetupAct;

namespace {

// The face of a button left of its text: the icon's first columns.
QVector<QRgb> face(QWidget* b)
{
    const QImage img = b->grab().toImage();
    QVector<QRgb> out;
    for (int x = 0; x < 3 && x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            out << img.pixel(x, y);
    return out;
}

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

// Each row of selector buttons under the frame (same parent and top, shown,
// chosen 1 or not chosen 2) as "where: chosen" lines, where a row whose
// looks do not follow the states is named.
QStringList wrongLooks(QWidget* top)
{
    QMap<QString, QList<TButton*>> rows;
    for (TButton* b : top->findChildren<TButton*>()) {
        if (b->isVisible() && b->isEnabled() && (b->state() == 1 || b->state() == 2) && !b->isCheckable())
            rows[QString::asprintf("%p:%d", static_cast<void*>(b->parentWidget()), b->y())] << b;
    }
    QStringList wrong;
    for (const QList<TButton*>& row : rows) {
        QList<QVector<QRgb>> lit, plain;
        for (TButton* b : row)
            (b->state() == 1 ? lit : plain) << face(b);
        if (lit.isEmpty() || plain.isEmpty())
            continue;
        bool ok = !lit.contains(plain.first());
        for (const QVector<QRgb>& p : plain)
            ok = ok && p == plain.first();
        for (const QVector<QRgb>& l : lit)
            ok = ok && l == lit.first();
        if (!ok)
            wrong << QString("%1 buttons at y %2 of %3").arg(row.size()).arg(row.first()->y()).arg(
                         row.first()->parentWidget()->metaObject()->className());
    }
    return wrong;
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
        for (const auto& p : allPages()) {
            if (!open(f, p.first, p.second))
                continue;
            f.w->button(p.second)->setFocus();
            QCoreApplication::processEvents();
            const QStringList wrong = wrongLooks(f.w);
            QVERIFY2(wrong.isEmpty(), qPrintable(QString("page %1: %2").arg(p.second).arg(wrong.join(", "))));
            ++pages;
        }
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
        f.w->button(Btn_System_User)->setFocus();
        const QVector<QRgb> litBefore = face(admin), plainBefore = face(two);
        QVERIFY(litBefore != plainBefore);
        QTest::mouseClick(two, Qt::LeftButton);
        f.w->button(Btn_System_User)->setFocus();
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
