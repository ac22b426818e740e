#ifndef DISPLAYUNIT_H
#define DISPLAYUNIT_H

#include <QObject>
#include <QString>
#include <QStringList>

// The unit the weights are shown in. Records hold kilograms; the controller
// publishes raw × conFactor, and the views divide by it again before they
// write thresholds, tare or recorded values.
class DisplayUnit : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString unit READ unit WRITE setUnit RESET resetUnit NOTIFY unitChanged)
    Q_PROPERTY(double conFactor READ conFactor NOTIFY unitChanged)
    Q_PROPERTY(int unitIndex READ unitIndex NOTIFY unitChanged)
    Q_PROPERTY(QStringList units READ units CONSTANT)

public:
    static constexpr double PoundsPerKilogram = 2.20462262185;

    explicit DisplayUnit(QObject *parent = nullptr);

    // "KG" → 1, "LB" → 2.20462262185; anything else counts as kilograms.
    static double factorOf(const QString &unit);
    // The unit shown for the project page's stored unit: "LB" when "LB" is
    // stored, the default "KG" for anything else, nothing stored included.
    static QString shownUnit(const QString &stored);

    QString unit() const { return m_unit; }
    // Takes the project page's stored unit through shownUnit().
    void setUnit(const QString &unit);
    void resetUnit() { setUnit(QStringLiteral("KG")); }

    double conFactor() const { return factorOf(m_unit); }
    int unitIndex() const { return units().indexOf(m_unit); }
    static QStringList units() { return {QStringLiteral("KG"), QStringLiteral("LB")}; }

signals:
    void unitChanged();

private:
    QString m_unit = QStringLiteral("KG");
};

#endif
