#include "app/languageflag.h"
#include "ui/plan/planpicture.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

// A plan's picture: which stored sources it shows, the missing-file notice,
// and the zoom, reset and cell-size rules.
class TestPlanPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void storedSource_data();
    void storedSource();
    void zoomAndSizes_data();
    void zoomAndSizes();

private:
    QTemporaryDir m_dir;
    QString m_existing;
};

void TestPlanPicture::initTestCase()
{
    m_existing = m_dir.filePath(QStringLiteral("site.png"));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    QVERIFY(image.save(m_existing));
}

void TestPlanPicture::cleanup()
{
    LanguageFlag::setChinese(true);
}

void TestPlanPicture::storedSource_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("logged");

    const QString gone = QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("gone.png"))).toString();
    QTest::newRow("default resource") << "pic/backpicture.png" << true << true << "";
    QTest::newRow("unknown resource") << "qrc:/pic/none.png" << false << false
                                      << "Plan background picture not found:qrc:/pic/none.png";
    QTest::newRow("chosen file") << QUrl::fromLocalFile(m_existing).toString() << true << true << "";
    QTest::newRow("file gone, English") << gone << false << false << "Plan background picture not found:" + gone;
    QTest::newRow("file gone, Chinese") << gone << true << false << "布局图背景图片不存在:" + gone;
    QTest::newRow("cleared") << "" << true << false << "";
}

void TestPlanPicture::storedSource()
{
    QFETCH(QString, stored);
    QFETCH(bool, chinese);
    QFETCH(bool, shown);
    QFETCH(QString, logged);
    LanguageFlag::setChinese(chinese);
    PlanPicture picture;
    QSignalSpy log(&picture, &PlanPicture::qmlLogShowSignal);
    picture.apply(stored, false, 40, 80, -10, 20, 1.5);
    QCOMPARE(picture.shownSource(), shown ? stored : QString());
    QCOMPARE(picture.missing(), !logged.isEmpty());
    // The stored source is kept for the next save.
    QCOMPARE(picture.source(), stored);
    QCOMPARE(picture.scale(), 1.5);
    // Told once, after the workspace is built.
    QVERIFY(log.isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(log.count(), logged.isEmpty() ? 0 : 1);
    if (!logged.isEmpty())
        QCOMPARE(log.at(0), (QVariantList{QStringLiteral("ERR"), logged}));
    // Choosing a picture brings the figures back.
    picture.setSource(QUrl::fromLocalFile(m_existing).toString());
    QVERIFY(!picture.missing());
    QCOMPARE(picture.shownSource(), QUrl::fromLocalFile(m_existing).toString());
}

void TestPlanPicture::zoomAndSizes_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<double>("value");
    QTest::addColumn<QVector<double>>("expected"); // x, y, scale, cellWidth, cellHeight

    QTest::newRow("one notch up") << "wheel" << 120.0 << QVector<double>{5, 6, 0.6 / 0.9, 100, 50};
    QTest::newRow("two notches down") << "wheel" << -240.0 << QVector<double>{5, 6, 0.6 * 0.81, 100, 50};
    QTest::newRow("reset") << "reset" << 0.0 << QVector<double>{0, 0, 1, 100, 50};
    QTest::newRow("cell-size slider") << "cells" << 152.0 << QVector<double>{5, 6, 0.6, 152, 76};
    QTest::newRow("drag") << "move" << 10.0 << QVector<double>{15, 16, 0.6, 100, 50};
    QTest::newRow("stored zeros keep the defaults") << "stored" << 0.0 << QVector<double>{0, 0, 0.6, 100, 50};
}

void TestPlanPicture::zoomAndSizes()
{
    QFETCH(QString, action);
    QFETCH(double, value);
    QFETCH(QVector<double>, expected);
    PlanPicture picture;
    picture.setX(5);
    picture.setY(6);
    if (action == "wheel")
        picture.zoomByWheel(value);
    else if (action == "reset")
        picture.reset();
    else if (action == "cells")
        picture.setCellSize(value);
    else if (action == "move")
        picture.moveBy(value, value);
    else
        picture.apply(PlanPicture::DefaultSource, true, 0, 0, 0, 0, 0);
    QCOMPARE(picture.x(), expected.at(0));
    QCOMPARE(picture.y(), expected.at(1));
    QCOMPARE(picture.scale(), expected.at(2));
    QCOMPARE(picture.cellWidth(), expected.at(3));
    QCOMPARE(picture.cellHeight(), expected.at(4));
}

QTEST_GUILESS_MAIN(TestPlanPicture)
#include "tst_planpicture.moc"
