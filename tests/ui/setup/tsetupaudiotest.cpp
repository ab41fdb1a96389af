// The audio page: the inputs with their swap and the output driven through
// the frame with their previews, the input count the page trusts.
#include "setuptestenv.h"
#include "tcombo.h"
#include "tsetupaudio.h"

#include <cstring>

using namespace setuptest;
using namespace SetupAct;

namespace {

using Ins = QVector<int>;

PropAudio* audio(Frame& f, int live = 0)
{
    return static_cast<PropAudio*>(f.fx.cfg->getsection(IDX_PROP_AUDIO, live));
}

void setAudios(Frame& f, int n)
{
    for (int live : {0, 1})
        static_cast<PropDevices*>(f.fx.cfg->getsection(IDX_PROP_DEVICES, live))->audios = n;
}

TSetupAudio* page(Frame& f)
{
    return static_cast<TSetupAudio*>(f.w->page(Btn_Device_Audio));
}

bool open(Frame& f)
{
    if (!f.show(Btn_Device))
        return false;
    QTest::mouseClick(f.w->button(Btn_Device_Audio), Qt::LeftButton);
    return page(f)->isVisible();
}

} // namespace

class TSetupAudioTest : public QObject
{
    Q_OBJECT
private slots:
    // Through the page: the stored inputs shown (-1 as the input's own
    // channel), a choice written with the other combo following, the live
    // copy untouched, nothing sent for an input.
    void inputs_data()
    {
        QTest::addColumn<Ins>("stored");
        QTest::addColumn<Ins>("shown");
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("index");
        QTest::addColumn<Ins>("after");
        QTest::newRow("1 and 2 swap") << Ins{0, 1, 2, 3} << Ins{0, 1, 2, 3} << 0 << 1 << Ins{1, 0, 2, 3};
        QTest::newRow("Off beside another Off") << Ins{16, 1, 2, 3} << Ins{16, 1, 2, 3} << 1 << 16
                                                << Ins{16, 16, 2, 3};
        QTest::newRow("stored -1 and 99") << Ins{-1, 99, 2, 3} << Ins{0, 1, 2, 3} << 2 << 1 << Ins{-1, 2, 1, 3};
        QTest::newRow("stored -1 gives its own channel") << Ins{0, -1, 2, 3} << Ins{0, 1, 2, 3} << 1 << 0
                                                         << Ins{1, 0, 2, 3};
    }
    void inputs()
    {
        QFETCH(Ins, stored);
        QFETCH(int, input);
        QFETCH(int, index);
        Frame f;
        setAudios(f, 4);
        for (int i = 0; i < 4; ++i)
            audio(f)->in[i] = stored[i];
        const PropAudio live = *audio(f, 1);
        QVERIFY(open(f));
        Ins shown;
        for (int i = 0; i < 4; ++i)
            shown << page(f)->inputCombo(i)->currentIndex();
        QTEST(shown, "shown");
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        page(f)->inputCombo(input)->setCurrentIndex(index);
        QTEST(Ins(audio(f)->in, audio(f)->in + 4), "after");
        for (int i = 0; i < 4; ++i) {
            if (audio(f)->in[i] >= 0 && audio(f)->in[i] <= 16)
                QCOMPARE(page(f)->inputCombo(i)->currentIndex(), audio(f)->in[i]);
        }
        QCOMPARE(requests(req), QStringList{});
        QVERIFY(std::memcmp(audio(f, 1), &live, sizeof live) == 0);
    }

    // The output heard follows the page: on at the show, again on every
    // output change, off when the page hides; Default previews only a
    // changed output.
    void previews_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("output changed") << "out" << QStringList{"48,1,0"};
        QTest::newRow("page left") << "hide" << QStringList{"48,0,0"};
        QTest::newRow("Default, output as the default") << "default-same" << QStringList{};
        QTest::newRow("Default, output changed") << "default-other" << QStringList{"48,1,0"};
    }
    void previews()
    {
        QFETCH(QString, action);
        Frame f;
        f.fx.cfg->setdefault(IDX_PROP_AUDIO);
        const int defaultOut = audio(f)->out;
        if (action == "default-other")
            audio(f)->out = defaultOut + 2;
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QVERIFY(open(f));
        QCOMPARE(requests(req), QStringList{"48,1,0"});
        req.clear();
        if (action == "out") {
            static_cast<TCombo*>(page(f)->control(TSetupAudio::R_OUT))->setCurrentIndex(3);
            QCOMPARE(audio(f)->out, 3);
        } else if (action == "hide") {
            QTest::mouseClick(f.w->button(Btn_Network), Qt::LeftButton);
            QVERIFY(!page(f)->isVisible());
        } else {
            QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(TSetupAudio::R_DEFAULT)), Qt::LeftButton);
            QCOMPARE(audio(f)->out, defaultOut);
            QCOMPARE(static_cast<TCombo*>(page(f)->control(TSetupAudio::R_OUT))->currentIndex(), defaultOut);
        }
        // The next page asks for its own things.
        QTEST(requests(req).filter(QRegularExpression("^48,")), "sent");
    }

    // The device record is trusted no further than the section: at most
    // 20 inputs shown, none for a negative count; Apply sends 18, Menu is
    // never shown.
    void inputCount_data()
    {
        QTest::addColumn<int>("audios");
        QTest::addColumn<int>("shown");
        QTest::newRow("4") << 4 << 4;
        QTest::newRow("16") << 16 << 16;
        QTest::newRow("40") << 40 << 20;
        QTest::newRow("-3") << -3 << 0;
    }
    void inputCount()
    {
        QFETCH(int, audios);
        Frame f;
        setAudios(f, audios);
        QVERIFY(open(f));
        int visible = 0;
        for (int i = 0; i < TSetupAudio::INPUTS; ++i)
            visible += page(f)->inputCombo(i)->isVisible() ? 1 : 0;
        QTEST(visible, "shown");
        QVERIFY(!page(f)->control(TSetupAudio::R_MENU)->isVisible());
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        // A list reporting no entry (-1) chooses nothing.
        const PropAudio before = *audio(f);
        page(f)->sl_changeIndex(TSetupAudio::R_OUT, -1);
        page(f)->sl_changeIndex(TSetupAudio::R_IN0, -1);
        QVERIFY(std::memcmp(audio(f), &before, sizeof before) == 0);
        QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(TSetupAudio::R_APPLY)), Qt::LeftButton);
        QCOMPARE(requests(req), QStringList{"18,0,0"});
        if (audios == 16)
            f.w->grab().save(vkeytest::grabPath("setup-audio.png"));
    }

    // The focus walk over two columns: hidden inputs are passed over.
    void focusWalk_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("row");
        QTest::newRow("item right: input 1") << "DR" << int(TSetupAudio::R_IN0);
        QTest::newRow("down past the hidden inputs: output") << "DRDDDD" << int(TSetupAudio::R_OUT);
        QTest::newRow("then Apply") << "DRDDDDD" << int(TSetupAudio::R_APPLY);
        QTest::newRow("Apply right: Default") << "DRDDDDDR" << int(TSetupAudio::R_DEFAULT);
        QTest::newRow("up from the output: input 4") << "DRDDDDU" << int(TSetupAudio::R_IN0 + 3);
    }
    void focusWalk()
    {
        QFETCH(QString, keys);
        Frame f;
        setAudios(f, 4);
        QVERIFY(open(f));
        f.w->button(Btn_Device)->setFocus();
        for (const QChar c : keys)
            f.key(c == 'U' ? int(Qt::Key_Up) : c == 'D' ? int(Qt::Key_Down) : c == 'L' ? int(Qt::Key_Left)
                                                                                     : int(Qt::Key_Right));
        QFETCH(int, row);
        QVERIFY(page(f)->control(row)->hasFocus());
    }
};

QTEST_MAIN(TSetupAudioTest)
#include "tsetupaudiotest.moc"
