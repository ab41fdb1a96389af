// The program's application object: work asked for between handlers runs
// once no event handler is under way on the GUI thread, never inside the
// handler that asked for it nor inside one that another lets run.
#include "tapplication.h"
#include "tapptestmain.h"

#include <QPointer>
#include <QStringList>

namespace {

enum Where {
    Outside,      // from the test itself, outside any handler
    InHandler,    // from a handler
    InLetThrough, // from an event a handler lets run
    InWork,       // from an event that work run between handlers lets run
    ContextGone   // from a handler, its context deleted before it returns
};

// Runs f as an event handler and returns once it (and what waits for it)
// has run.
void asHandler(const std::function<void()>& f)
{
    bool ran = false;
    QMetaObject::invokeMethod(qApp, [&] {
        f();
        ran = true;
    }, Qt::QueuedConnection);
    QVERIFY(QTest::qWaitFor([&] { return ran; }, 5000));
    QCoreApplication::processEvents();
}

// Lets run an event that calls f.
void letThrough(const std::function<void()>& f)
{
    QMetaObject::invokeMethod(qApp, f, Qt::QueuedConnection);
    QCoreApplication::processEvents();
}

} // namespace

class TApplicationTest : public QObject
{
    Q_OBJECT
private slots:
    void betweenHandlers_data()
    {
        QTest::addColumn<int>("where");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("outside any handler: at once") << int(Outside) << QStringList{"asked", "work", "back"};
        QTest::newRow("in a handler: once it returned") << int(InHandler) << QStringList{"asked", "back", "work"};
        QTest::newRow("let through: once the outer handler returned")
            << int(InLetThrough) << QStringList{"asked", "back", "outer back", "work"};
        QTest::newRow("asked by work in what it lets run: after that work")
            << int(InWork) << QStringList{"first", "asked", "back", "first back", "work"};
        QTest::newRow("context gone: dropped") << int(ContextGone) << QStringList{"asked", "back"};
    }
    void betweenHandlers()
    {
        QFETCH(int, where);
        QStringList order;
        QObject* context = new QObject;
        const auto ask = [&] {
            order << "asked";
            TApplication::betweenHandlers(context, [&] {
                order << "work";
                QCOMPARE(TApplication::handlers(), 1); // a handler of its own
            });
            order << "back";
        };
        switch (where) {
        case Outside: ask(); break;
        case InHandler: asHandler(ask); break;
        case InLetThrough:
            asHandler([&] {
                letThrough(ask);
                order << "outer back";
            });
            break;
        case InWork:
            asHandler([&] {
                TApplication::betweenHandlers(context, [&] {
                    order << "first";
                    letThrough(ask);
                    order << "first back";
                });
            });
            break;
        case ContextGone:
            asHandler([&] {
                ask();
                delete context;
                context = nullptr;
            });
            break;
        }
        delete context;
        QTEST(order, "order");
        QCOMPARE(TApplication::handlers(), 0);
    }
};

DVR_APP_TEST_MAIN(TApplicationTest)
#include "tapplicationtest.moc"
