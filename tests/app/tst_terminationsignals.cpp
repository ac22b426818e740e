#include "app/terminationsignals.h"

#include <QtTest>

#include <csignal>
#include <memory>

// The signal plumbing with real signals raised in this process: each arrives
// as a Qt signal through the event loop, none is lost, and the handlers the
// process had before come back when the object goes.
class TestTerminationSignals : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void signalArrivesThroughTheEventLoop_data();
    void signalArrivesThroughTheEventLoop();
    void signalsRaisedBeforeTheLoopRunsAllArrive();
    void onlyOneObjectHoldsTheHandlers();
    void previousHandlersComeBack_data();
    void previousHandlersComeBack();
    void receiverMayDeleteTheObject();
};

namespace {

void setDisposition(int signalNumber, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(signalNumber, &action, nullptr);
}

void (*currentHandler(int signalNumber))(int)
{
    struct sigaction action = {};
    sigaction(signalNumber, nullptr, &action);
    return action.sa_handler;
}

} // namespace

void TestTerminationSignals::cleanup()
{
    setDisposition(SIGTERM, SIG_DFL);
    setDisposition(SIGINT, SIG_DFL);
}

void TestTerminationSignals::signalArrivesThroughTheEventLoop_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestTerminationSignals::previousHandlersComeBack_data()
{
    signalArrivesThroughTheEventLoop_data();
}

void TestTerminationSignals::signalArrivesThroughTheEventLoop()
{
    QFETCH(int, signalNumber);
    TerminationSignals handlers;
    QVERIFY(handlers.install());
    QVERIFY(handlers.isInstalled());
    QSignalSpy spy(&handlers, &TerminationSignals::terminationRequested);

    QCOMPARE(raise(signalNumber), 0);
    // Nothing is emitted from inside the handler, only from the event loop.
    QCOMPARE(spy.count(), 0);
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), signalNumber);
}

void TestTerminationSignals::signalsRaisedBeforeTheLoopRunsAllArrive()
{
    TerminationSignals handlers;
    QVERIFY(handlers.install());
    QSignalSpy spy(&handlers, &TerminationSignals::terminationRequested);

    QCOMPARE(raise(SIGTERM), 0);
    QCOMPARE(raise(SIGINT), 0);
    QCOMPARE(raise(SIGTERM), 0);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 3, 5000);
    QCOMPARE(spy.at(0).at(0).toInt(), int(SIGTERM));
    QCOMPARE(spy.at(1).at(0).toInt(), int(SIGINT));
    QCOMPARE(spy.at(2).at(0).toInt(), int(SIGTERM));
}

void TestTerminationSignals::onlyOneObjectHoldsTheHandlers()
{
    auto first = std::make_unique<TerminationSignals>();
    QVERIFY(first->install());
    TerminationSignals second;
    QVERIFY(!second.install());
    QVERIFY(!second.isInstalled());
    QVERIFY(!first->install());

    // Once the first has gone, the second can take over and receives.
    first.reset();
    QVERIFY(second.install());
    QSignalSpy spy(&second, &TerminationSignals::terminationRequested);
    QCOMPARE(raise(SIGTERM), 0);
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.at(0).at(0).toInt(), int(SIGTERM));
}

void TestTerminationSignals::previousHandlersComeBack()
{
    QFETCH(int, signalNumber);
    setDisposition(signalNumber, SIG_IGN);
    {
        TerminationSignals handlers;
        QVERIFY(handlers.install());
        QVERIFY(currentHandler(signalNumber) != SIG_IGN);
    }
    QVERIFY(currentHandler(signalNumber) == SIG_IGN);
    // Ignored again: raising it now must leave this test process running.
    QCOMPARE(raise(signalNumber), 0);
    QCoreApplication::processEvents();
}

void TestTerminationSignals::receiverMayDeleteTheObject()
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
    QVERIFY(currentHandler(SIGTERM) == SIG_DFL);
}

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
