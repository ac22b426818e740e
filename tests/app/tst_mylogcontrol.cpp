#include "app/mylogcontrol.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

class TestMyLogControl : public QObject
{
    Q_OBJECT

private slots:
    void lineFormat_data()
    {
        QTest::addColumn<int>("type"); QTest::addColumn<QByteArray>("file"); QTest::addColumn<QString>("expected");
        QTest::newRow("no context") << int(QtDebugMsg) << QByteArray() << "Debug    | T | :0,  | one\ntwo\n";
        QTest::newRow("context") << int(QtWarningMsg) << QByteArray("a.cpp") << "Warning  | T | a.cpp:12, f() | one\ntwo\n";
    }
    void lineFormat()
    {
        QFETCH(int, type); QFETCH(QByteArray, file); QFETCH(QString, expected);
        const QMessageLogContext context(file.isEmpty() ? nullptr : file.constData(), file.isEmpty() ? 0 : 12,
                                         file.isEmpty() ? nullptr : "f()", nullptr);
        QCOMPARE(mylogcontrol::formatLine(QtMsgType(type), context, "one\ntwo", "T"), expected);
    }

    void writesWholeLinesFromManyThreads()
    {
        QTemporaryDir dir;
        mylogcontrol::setBaseDirectory(dir.path());
        QVERIFY(mylogcontrol::logSysInit());
        QVERIFY(QRegularExpression("/log/\\d{4}-\\d\\d-\\d\\d \\d\\d_\\d\\d_\\d\\d_log\\.txt$")
                    .match(mylogcontrol::logFilePath()).hasMatch());
        std::vector<std::unique_ptr<QThread>> writers;
        for (int t = 0; t < 4; ++t) {
            writers.emplace_back(QThread::create([t] {
                for (int i = 0; i < 500; ++i)
                    qDebug().noquote() << QStringLiteral("writer %1 line %2 %3").arg(t).arg(i).arg(QString(40, 'x'));
            }));
            writers.back()->start();
        }
        for (auto &writer : writers)
            QVERIFY(writer->wait(30000));
        qInstallMessageHandler(nullptr);
        QFile log(mylogcontrol::logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(log.readAll()).split('\n').filter("writer ");
        QCOMPARE(lines.size(), 4 * 500);
        const QRegularExpression whole("^Debug    \\| \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d:\\d{3} \\S+ \\| "
                                       ".*:\\d+, .* \\| writer \\d line \\d+ x{40}$");
        for (const QString &line : lines)
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestMyLogControl)
#include "tst_mylogcontrol.moc"
