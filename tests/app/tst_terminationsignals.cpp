#include "app/terminationsignals.h"

#include <QtTest>

#include <csignal>

static void (*handler(int signalNumber))(int)
{
    struct sigaction action = {};
    sigaction(signalNumber, nullptr, &action);
    return action.sa_handler;
}

// Real signals raised in this process arrive as a Qt signal through the event loop, none is lost,
// a receiver may delete the object, and the handlers the process had come back afterwards.
class TestTerminationSignals : public QObject
{
    Q_OBJECT

private slots:
    void signalsArriveThroughTheEventLoop()
    {
        std::signal(SIGTERM, SIG_IGN);
        std::signal(SIGINT, SIG_IGN);
        {
            TerminationSignals handlers, second;
            QVERIFY(handlers.install());
            QVERIFY(!second.install()); // one object holds the handlers
            QSignalSpy spy(&handlers, &TerminationSignals::terminationRequested);
            for (int signalNumber : {SIGTERM, SIGINT, SIGTERM})
                QCOMPARE(raise(signalNumber), 0);
            QCOMPARE(spy.count(), 0); // nothing from inside the handler
            QTRY_COMPARE(spy.count(), 3);
            QCOMPARE(QList<QVariantList>(spy), (QList<QVariantList>{{int(SIGTERM)}, {int(SIGINT)}, {int(SIGTERM)}}));
        }
        QVERIFY(handler(SIGTERM) == SIG_IGN && handler(SIGINT) == SIG_IGN);

        auto *handlers = new TerminationSignals;
        QVERIFY(handlers->install());
        int calls = 0;
        connect(handlers, &TerminationSignals::terminationRequested, this, [&calls, handlers] {
            ++calls;
            delete handlers;
        });
        QSignalSpy destroyed(handlers, &QObject::destroyed);
        QCOMPARE(raise(SIGTERM), 0);
        QCOMPARE(raise(SIGTERM), 0);
        QVERIFY(destroyed.wait(5000));
        QCoreApplication::processEvents();
        QCOMPARE(calls, 1);
        QVERIFY(handler(SIGTERM) == SIG_IGN);
    }
};

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
