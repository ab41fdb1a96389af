// The OSD page: formats, language, transparency with its preview, the OSD
// switch, the information bar mode and the disk display, driven through the
// setup frame by keys and mouse, read back from the edit copy.
#include "setuptestenv.h"
#include "tcombo.h"
#include "tsetuposd.h"
#include "tslider.h"

#include <QAbstractItemView>
#include <cstring>

using namespace setuptest;
using namespace SetupAct;

namespace {

template <class T> T* edit(Frame& f, int idx)
{
    return static_cast<T*>(f.fx.cfg->getsection(idx, 0));
}

TSetupOsd* osdOf(Frame& f)
{
    return static_cast<TSetupOsd*>(f.w->page(Btn_Display_Osd));
}

TCombo* combo(Frame& f, int row)
{
    return static_cast<TCombo*>(osdOf(f)->control(row));
}

void press(Frame& f, const QString& keys)
{
    for (const QChar c : keys)
        f.key(c == 'U'   ? int(Qt::Key_Up)
              : c == 'D' ? int(Qt::Key_Down)
              : c == 'L' ? int(Qt::Key_Left)
              : c == 'R' ? int(Qt::Key_Right)
              : c == '>' ? int(KEY_JOG_RIGHT)
              : c == 'E' ? int(Qt::Key_Enter)
                         : int(Qt::Key_Escape));
}

// The row of the page that has the focus, -1 for none.
int focusRow(TSetupPage* p)
{
    for (int r = 0; p->control(r); ++r)
        if (p->control(r)->hasFocus())
            return r;
    return -1;
}

} // namespace

class TSetupOsdTest : public QObject
{
    Q_OBJECT
private slots:
    // List position <-> (on, auto), both ways; out of range is "Auto hide".
    void infobarMapping_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("on");
        QTest::addColumn<int>("autoHide");
        QTest::addColumn<int>("back");
        QTest::newRow("Auto hide") << 0 << 0 << 1 << 0;
        QTest::newRow("Show always") << 1 << 1 << 0 << 1;
        QTest::newRow("Hide always") << 2 << 0 << 0 << 2;
        QTest::newRow("3: as Auto hide") << 3 << 0 << 1 << 0;
        QTest::newRow("-1: as Auto hide") << -1 << 0 << 1 << 0;
    }
    void infobarMapping()
    {
        QFETCH(int, position);
        int on = -7, autoHide = -7;
        TSetupOsd::infobarFields(position, &on, &autoHide);
        QTEST(on, "on");
        QTEST(autoHide, "autoHide");
        QTEST(TSetupOsd::infobarPosition(on, autoHide), "back");
    }

    // Stored (on, auto) shown as the list position; both set counts as auto.
    void infobarShown_data()
    {
        QTest::addColumn<int>("on");
        QTest::addColumn<int>("autoHide");
        QTest::addColumn<int>("position");
        QTest::newRow("auto") << 0 << 1 << 0;
        QTest::newRow("on and auto") << 1 << 1 << 0;
        QTest::newRow("on") << 1 << 0 << 1;
        QTest::newRow("neither") << 0 << 0 << 2;
    }
    void infobarShown()
    {
        Frame f;
        QFETCH(int, on);
        QFETCH(int, autoHide);
        edit<PropInfobar>(f, IDX_PROP_INFOBAR)->on = on;
        edit<PropInfobar>(f, IDX_PROP_INFOBAR)->auto_ = autoHide;
        QVERIFY(f.show());
        QTEST(combo(f, TSetupOsd::R_INFOBAR)->currentIndex(), "position");
    }

    // The stored transparency, clamped to the slider's 3..7; a move writes
    // it and previews it at once with the value alone.
    void alpha_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("1") << 1 << 3;
        QTest::newRow("5") << 5 << 5;
        QTest::newRow("9") << 9 << 7;
    }
    void alpha()
    {
        QFETCH(int, stored);
        Frame f;
        edit<PropOsd>(f, IDX_PROP_OSD)->alpha = stored;
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QVERIFY(f.show());
        auto* s = static_cast<TSlider*>(osdOf(f)->control(TSetupOsd::R_ALPHA));
        QTEST(s->value(), "shown");
        // Showing wrote nothing and previewed nothing.
        QCOMPARE(edit<PropOsd>(f, IDX_PROP_OSD)->alpha, stored);
        QCOMPARE(requests(req), QStringList{});
        s->setFocus();
        press(f, "E");
        f.key(s->value() == 7 ? Qt::Key_Left : Qt::Key_Right);
        const int moved = s->value();
        QVERIFY(moved != 0);
        QCOMPARE(edit<PropOsd>(f, IDX_PROP_OSD)->alpha, moved);
        QCOMPARE(requests(req), QStringList{QString("38,%1,0").arg(moved)});
    }

    // The stored language name selects its entry; an unknown one shows the
    // fourth; a choice stores the name whole, or cut at a whole character.
    void language_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("shown"); // -1: the stored name's own entry
        QTest::newRow("known") << QByteArray() << -1;
        QTest::newRow("unknown") << QByteArray("Klingon") << int(TSetupOsd::FALLBACK_LANGUAGE);
        QTest::newRow("empty") << QByteArray("") << int(TSetupOsd::FALLBACK_LANGUAGE);
    }
    void language()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, shown);
        Frame f;
        auto* osd = edit<PropOsd>(f, IDX_PROP_OSD);
        const QStringList langs = g_str->languageList();
        QVERIFY(langs.size() > 4);
        if (shown < 0) {
            qstrncpy(osd->lang, langs.at(2).toUtf8().constData(), sizeof osd->lang);
            shown = 2;
        } else {
            std::memset(osd->lang, 0, sizeof osd->lang);
            std::memcpy(osd->lang, stored.constData(), size_t(stored.size()));
        }
        const QByteArray before(osd->lang, sizeof osd->lang);
        QVERIFY(f.show());
        QCOMPARE(combo(f, TSetupOsd::R_LANG)->currentIndex(), shown);
        QCOMPARE(QByteArray(osd->lang, sizeof osd->lang), before);
        combo(f, TSetupOsd::R_LANG)->setCurrentIndex(1);
        QCOMPARE(QString::fromUtf8(osd->lang), langs.at(1));
    }
    void languageCut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("stored");
        const QString hangul = QString::fromUtf8("\xed\x95\x9c"); // 3 bytes
        QTest::newRow("31 bytes whole") << QString(31, 'a') << QByteArray(31, 'a');
        QTest::newRow("32 bytes: cut") << QString(32, 'a') << QByteArray(31, 'a');
        // 30 + 3 bytes: the character that would be split goes.
        QTest::newRow("split character dropped") << QString(30, 'a') + hangul << QByteArray(30, 'a');
        QTest::newRow("10 characters of 3 bytes") << QString(10, hangul.at(0)) << QString(10, hangul.at(0)).toUtf8();
    }
    void languageCut()
    {
        QFETCH(QString, name);
        Frame f;
        QVERIFY(f.show());
        TCombo* c = combo(f, TSetupOsd::R_LANG);
        c->addItem(name);
        c->setCurrentIndex(c->count() - 1);
        const char* lang = edit<PropOsd>(f, IDX_PROP_OSD)->lang;
        QTEST(QByteArray(lang, int(qstrnlen(lang, 32))), "stored");
        QCOMPARE(lang[31], '\0');
    }

    // Each list and the switch write their field of the edit copy; the
    // live copy stays; nothing is previewed but the transparency.
    void fields_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::newRow("date MM/DD") << int(TSetupOsd::R_DATE) << 1 << "date" << 1;
        QTest::newRow("time 12 HR") << int(TSetupOsd::R_TIME) << 1 << "time" << 1;
        QTest::newRow("Hide always: on 0") << int(TSetupOsd::R_INFOBAR) << 2 << "on" << 0;
        QTest::newRow("Hide always: auto 0") << int(TSetupOsd::R_INFOBAR) << 2 << "auto" << 0;
        QTest::newRow("Show always: on 1") << int(TSetupOsd::R_INFOBAR) << 1 << "on" << 1;
        QTest::newRow("oldest date") << int(TSetupOsd::R_HDD) << 1 << "hdddisp" << 1;
    }
    void fields()
    {
        QFETCH(int, row);
        QFETCH(int, index);
        QFETCH(QString, field);
        Frame f;
        edit<PropInfobar>(f, IDX_PROP_INFOBAR)->on = 1;
        edit<PropInfobar>(f, IDX_PROP_INFOBAR)->auto_ = 1;
        QVERIFY(f.show());
        const PropOsd liveOsd = *static_cast<PropOsd*>(f.fx.cfg->getsection(IDX_PROP_OSD, 1));
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        combo(f, row)->setCurrentIndex(index);
        const QHash<QString, int> got{{"date", edit<PropDtform>(f, IDX_PROP_DTFORM)->date},
                                      {"time", edit<PropDtform>(f, IDX_PROP_DTFORM)->time},
                                      {"on", edit<PropInfobar>(f, IDX_PROP_INFOBAR)->on},
                                      {"auto", edit<PropInfobar>(f, IDX_PROP_INFOBAR)->auto_},
                                      {"hdddisp", edit<PropOsd>(f, IDX_PROP_OSD)->hdddisp}};
        QTEST(got.value(field, -1), "value");
        QCOMPARE(requests(req), QStringList{});
        QVERIFY(std::memcmp(f.fx.cfg->getsection(IDX_PROP_OSD, 1), &liveOsd, sizeof liveOsd) == 0);
    }

    // The OSD switch by a click; Default resets the three sections only and
    // re-previews the default transparency; Apply sends 4; Menu hides.
    void buttons_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("want");
        QTest::newRow("Default") << int(TSetupOsd::R_DEFAULT) << QStringList{"38,7,0"};
        QTest::newRow("Apply") << int(TSetupOsd::R_APPLY) << QStringList{"4,0,0"};
        QTest::newRow("Menu") << int(TSetupOsd::R_MENU) << QStringList{};
        QTest::newRow("OSD switch") << int(TSetupOsd::R_OSD) << QStringList{};
    }
    void buttons()
    {
        QFETCH(int, row);
        Frame f;
        edit<PropOsd>(f, IDX_PROP_OSD)->alpha = 4;
        edit<PropOsd>(f, IDX_PROP_OSD)->osdOn = 1;
        edit<PropDtform>(f, IDX_PROP_DTFORM)->date = 2;
        edit<PropInfobar>(f, IDX_PROP_INFOBAR)->on = 0;
        edit<PropColor>(f, IDX_PROP_COLOR)->data[0].bri = 9;
        QVERIFY(f.show());
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(static_cast<QPushButton*>(osdOf(f)->control(row)), Qt::LeftButton);
        QTEST(requests(req), "want");
        const bool isDefault = row == TSetupOsd::R_DEFAULT;
        QCOMPARE(edit<PropOsd>(f, IDX_PROP_OSD)->alpha, isDefault ? 7 : 4);
        QCOMPARE(edit<PropDtform>(f, IDX_PROP_DTFORM)->date, isDefault ? 0 : 2);
        QCOMPARE(edit<PropInfobar>(f, IDX_PROP_INFOBAR)->on, isDefault ? 1 : 0);
        QCOMPARE(edit<PropOsd>(f, IDX_PROP_OSD)->osdOn, row == TSetupOsd::R_OSD ? 0 : 1);
        QCOMPARE(int(edit<PropColor>(f, IDX_PROP_COLOR)->data[0].bri), 9);
        QCOMPARE(osdOf(f)->isVisible(), row != TSetupOsd::R_MENU);
        if (isDefault)
            QCOMPARE(static_cast<TSlider*>(osdOf(f)->control(TSetupOsd::R_ALPHA))->value(), 7);
    }

    // The focus walk of the page by arrows and the jog, from the Display tab.
    void focusWalk_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("row"); // the page's focused row; -1 none
        QTest::addColumn<int>("button"); // else the frame's focused button
        QTest::newRow("tab down: the OSD item") << "D" << -1 << int(Btn_Display_Osd);
        QTest::newRow("item right: date") << "DR" << int(TSetupOsd::R_DATE) << -1;
        QTest::newRow("down the page") << "DRDDD" << int(TSetupOsd::R_ALPHA) << -1;
        QTest::newRow("to the disk display") << "DRDDDDDD" << int(TSetupOsd::R_HDD) << -1;
        QTest::newRow("to Default") << "DRDDDDDDD" << int(TSetupOsd::R_DEFAULT) << -1;
        QTest::newRow("bottom row right") << "DRDDDDDDDRR" << int(TSetupOsd::R_MENU) << -1;
        QTest::newRow("Menu right: OK") << "DRDDDDDDDRRR" << -1 << int(Btn_Ok);
        QTest::newRow("Default down: Display tab") << "DRDDDDDDDD" << -1 << int(Btn_Display);
        QTest::newRow("date up: Display tab") << "DRU" << -1 << int(Btn_Display);
        QTest::newRow("date left: the item") << "DRL" << -1 << int(Btn_Display_Osd);
        QTest::newRow("jog: Record tab") << ">" << -1 << int(Btn_Record);
    }
    void focusWalk()
    {
        QFETCH(QString, keys);
        Frame f;
        QVERIFY(f.show());
        press(f, keys);
        QTEST(focusRow(osdOf(f)), "row");
        QTEST(f.focusId(), "button");
    }

    // Keys on a list: Enter opens it, Down moves, Enter takes the entry.
    void listByKeys()
    {
        Frame f;
        edit<PropInfobar>(f, IDX_PROP_INFOBAR)->on = 1;
        edit<PropInfobar>(f, IDX_PROP_INFOBAR)->auto_ = 0;
        QVERIFY(f.show());
        press(f, "DRDDDDD"); // the information bar list
        QCOMPARE(focusRow(osdOf(f)), int(TSetupOsd::R_INFOBAR));
        press(f, "E");
        QTRY_VERIFY(combo(f, TSetupOsd::R_INFOBAR)->view()->isVisible());
        press(f, "D");
        press(f, "E");
        QTRY_COMPARE(combo(f, TSetupOsd::R_INFOBAR)->currentIndex(), 2);
        QCOMPARE(edit<PropInfobar>(f, IDX_PROP_INFOBAR)->on, 0);
        QCOMPARE(edit<PropInfobar>(f, IDX_PROP_INFOBAR)->auto_, 0);
        press(f, "D");
        f.w->grab().save(vkeytest::grabPath("setup-osd.png"));
    }
};

QTEST_MAIN(TSetupOsdTest)
#include "tsetuposdtest.moc"
