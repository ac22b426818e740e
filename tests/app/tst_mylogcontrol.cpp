#include "app/mylogcontrol.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

class TestMyLogControl : public QObject
{
    Q_OBJECT

private slots:
    void lineFormat_data();
    void lineFormat();
    void unopenableFileKeepsDefaultHandler();
    void writesWholeLinesFromManyThreads();
};

void TestMyLogControl::lineFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QString time = QStringLiteral("2024-05-06 07:08:09:010 Mon");
    QTest::newRow("program message without context")
        << int(QtDebugMsg) << QByteArray() << 0 << QByteArray() << QStringLiteral("hello")
        << QStringLiteral("Debug    | %1 | :0,  | hello\n").arg(time);
    QTest::newRow("context")
        << int(QtWarningMsg) << QByteArray("a.cpp") << 12 << QByteArray("void f()")
        << QStringLiteral("w") << QStringLiteral("Warning  | %1 | a.cpp:12, void f() | w\n").arg(time);
    QTest::newRow("multi-line text is written as it is")
        << int(QtCriticalMsg) << QByteArray() << 0 << QByteArray() << QStringLiteral("one\ntwo")
        << QStringLiteral("Critical | %1 | :0,  | one\ntwo\n").arg(time);
    QTest::newRow("fatal") << int(QtFatalMsg) << QByteArray() << 0 << QByteArray() << QStringLiteral("x")
                           << QStringLiteral("Fatal    | %1 | :0,  | x\n").arg(time);
    QTest::newRow("info") << int(QtInfoMsg) << QByteArray() << 0 << QByteArray() << QStringLiteral("x")
                          << QStringLiteral("Info     | %1 | :0,  | x\n").arg(time);
}

void TestMyLogControl::lineFormat()
{
    QFETCH(int, type);
    QFETCH(QByteArray, file);
    QFETCH(int, line);
    QFETCH(QByteArray, function);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    const QMessageLogContext context(file.isEmpty() ? nullptr : file.constData(), line,
                                     function.isEmpty() ? nullptr : function.constData(), nullptr);
    const QString formatted = mylogcontrol::formatLine(QtMsgType(type), context, text,
                                                       QStringLiteral("2024-05-06 07:08:09:010 Mon"));
    QCOMPARE(formatted, expected);
    QCOMPARE(formatted.indexOf(QLatin1Char('|')), 9);
}

void TestMyLogControl::unopenableFileKeepsDefaultHandler()
{
    // A plain file where the log folder should be: the folder cannot be
    // made, so neither can the log file (root ignores permission bits).
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile blocker(dir.filePath(QStringLiteral("log")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    mylogcontrol::setBaseDirectory(dir.path());
    QVERIFY(!mylogcontrol::logSysInit());
    QVERIFY(mylogcontrol::logFilePath().isEmpty());

    const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(previous);
    QVERIFY(previous != &mylogcontrol::messageHandler);
}

void TestMyLogControl::writesWholeLinesFromManyThreads()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    mylogcontrol::setBaseDirectory(dir.path());
    QVERIFY(mylogcontrol::logSysInit());

    const QString path = mylogcontrol::logFilePath();
    QVERIFY(QRegularExpression(QStringLiteral("/log/\\d{4}-\\d\\d-\\d\\d \\d\\d_\\d\\d_\\d\\d_log\\.txt$"))
                .match(path)
                .hasMatch());

    const int threads = 4;
    const int linesPerThread = 500;
    QList<QThread *> writers;
    for (int t = 0; t < threads; ++t) {
        writers << QThread::create([t] {
            for (int i = 0; i < linesPerThread; ++i)
                qDebug().noquote() << QStringLiteral("writer %1 line %2 %3").arg(t).arg(i).arg(QString(40, QLatin1Char('x')));
        });
        writers.last()->start();
    }
    for (QThread *writer : writers) {
        QVERIFY(writer->wait(30000));
        delete writer;
    }
    qInstallMessageHandler(nullptr);

    QFile log(path);
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QRegularExpression whole(QStringLiteral(
        "^Debug    \\| \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d:\\d{3} \\S+ \\| .*:\\d+, .* \\| writer \\d line \\d+ x{40}$"));
    int writerLines = 0;
    for (const QString &line : lines) {
        if (!line.contains(QStringLiteral("writer ")))
            continue;
        ++writerLines;
        QVERIFY2(whole.match(line).hasMatch(), qPrintable(line));
    }
    QCOMPARE(writerLines, threads * linesPerThread);
}

QTEST_GUILESS_MAIN(TestMyLogControl)
#include "tst_mylogcontrol.moc"
