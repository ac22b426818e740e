#include "app/terminationsignals.h"

#include <QtTest>

#include <csignal>

// Real signals raised in this process arrive as a Qt signal through the event
// loop, none is lost, and the handlers the process had come back afterwards.
class TestTerminationSignals : public QObject
{
    Q_OBJECT

    static void (*handler(int signalNumber))(int)
    {
        struct sigaction action = {};
        sigaction(signalNumber, nullptr, &action);
        return action.sa_handler;
    }

private slots:
    void signalsArriveInOrderThroughTheEventLoop()
    {
        TerminationSignals handlers;
        QVERIFY(handlers.install());
        TerminationSignals second;
        QVERIFY(!second.install()); // one object holds the handlers
        QSignalSpy spy(&handlers, &TerminationSignals::terminationRequested);
        for (int signalNumber : {SIGTERM, SIGINT, SIGTERM})
            QCOMPARE(raise(signalNumber), 0);
        QCOMPARE(spy.count(), 0); // nothing from inside the handler
        QTRY_COMPARE(spy.count(), 3);
        QCOMPARE(QList<QVariantList>(spy), (QList<QVariantList>{{int(SIGTERM)}, {int(SIGINT)}, {int(SIGTERM)}}));
    }

    void previousHandlersComeBack()
    {
        std::signal(SIGTERM, SIG_IGN);
        std::signal(SIGINT, SIG_IGN);
        {
            TerminationSignals handlers;
            QVERIFY(handlers.install());
            QVERIFY(handler(SIGTERM) != SIG_IGN && handler(SIGINT) != SIG_IGN);
        }
        QVERIFY(handler(SIGTERM) == SIG_IGN && handler(SIGINT) == SIG_IGN);
        std::signal(SIGTERM, SIG_DFL);
        std::signal(SIGINT, SIG_DFL);
    }

    void receiverMayDeleteTheObject()
    {
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
        QVERIFY(handler(SIGTERM) == SIG_DFL);
    }
};

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
