#ifndef MYJSON_H
#define MYJSON_H

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

class PageSource;

// The project file. It holds the document last read from or written to the
// file, and the display parts, recording settings and table options the
// interface saves until the next write puts them into the document. Reading
// fills the page tables with the project's cells and groups; writing describes
// every record they hold. The interface's get and read operations answer from
// the document, its save operations fill the pending lists.
class MyJson : public QObject
{
    Q_OBJECT

public:
    struct ReadOutcome
    {
        // The file existed but could not be read or was not a project
        // document; the project opened empty.
        bool damaged = false;
        // Where the damaged file is kept; empty when it could not be kept aside.
        QString keptAs;
    };

    explicit MyJson(QObject *parent = nullptr);

    // The pages read into and written from (not owned); may be null.
    void setPages(PageSource *pages);

    // Opens a project file. A damaged file is kept aside unchanged before the
    // project opens empty, so the next save cannot overwrite it unseen.
    ReadOutcome readProjectFile(const QString &path);
    // Saves the project; a failed save leaves the previous file intact.
    bool writeProjectFile(const QString &path);
    // Writes the file of a new project; the document and pending state stay.
    bool createProjectFile(const QString &path, quint8 cellCount, const QString &cellType,
                           double minErr, double maxErr, double minWarn, double maxWarn);

    QJsonObject document() const;

    Q_INVOKABLE void readTableParts();
    Q_INVOKABLE void readPlanParts();
    Q_INVOKABLE void readLinePlotParts();

    Q_INVOKABLE void clearParts();

    Q_INVOKABLE void saveTableParts(double index, QString name);
    Q_INVOKABLE void savePlanParts(double index, QString name);
    Q_INVOKABLE void saveLinePlotParts(double index, QString name);

    Q_INVOKABLE void saveTablePartCell(double Partindex, double posIndex, QString pageId,
                                       QString cellIndex, double typeFlag);
    Q_INVOKABLE void savePlanPartCell(double Partindex, QString pageId, QString cellIndex, int x,
                                      int y, int z);
    Q_INVOKABLE void saveLinePlotPartCell(double Partindex, QString pageId, QString cellIndex);

    Q_INVOKABLE void saveBarChartPartSet(double Partindex, double allTotalData, double cellMaxData,
                                         bool gt1_checked, bool mmb1_checked, bool oua1_checked,
                                         bool wm1_checked, bool checkBox_axisAdap_checked,
                                         int horizontalSlider_value);
    Q_INVOKABLE void savePlanPartSet(double Partindex, QString planPic, bool narrow,
                                     double cellHeight, double celllWidth, double x, double y,
                                     double scale);
    Q_INVOKABLE void saveLinePlotPartYHigh(double Partindex, double yHigh, double yHigl,
                                           QString time, int Line_width);

    Q_INVOKABLE void saveSetParts(bool saveStartBool, double saveTimeIndex, bool mediaOpen);
    Q_INVOKABLE void saveSetParts2(QString log);
    Q_INVOKABLE void saveTableSetParts(int rect3, int rect4, int rect7, int rect8, int rect10,
                                       int rect5, int rect6);

    Q_INVOKABLE double getTablePartNum(double Partindex);
    Q_INVOKABLE QString getTablePartCellPageId(double Partindex, double posIndex);
    Q_INVOKABLE QString getTablePartCellIndex(double Partindex, double posIndex);
    Q_INVOKABLE double getTablePartCellTypeFlag(double Partindex, double posIndex);
    Q_INVOKABLE double getPlanPartNum(double Partindex);
    Q_INVOKABLE QString getPlanPartCellPageId(double Partindex, double posIndex);
    Q_INVOKABLE QString getPlanPartCellIndex(double Partindex, double posIndex);
    Q_INVOKABLE int getPlanPartCellX(double Partindex, double posIndex);
    Q_INVOKABLE int getPlanPartCellY(double Partindex, double posIndex);
    Q_INVOKABLE int getPlanPartCellZ(double Partindex, double posIndex);
    Q_INVOKABLE double getLinePlotPartNum(double Partindex);
    Q_INVOKABLE QString getLinePlotPartCellPageId(double Partindex, double posIndex);
    Q_INVOKABLE QString getLinePlotPartCellIndex(double Partindex, double posIndex);

    Q_INVOKABLE void getBarChartPartSet(double Partindex);
    Q_INVOKABLE void getPlanPartSet(double Partindex);
    Q_INVOKABLE double getLinePlotPartYHigh(double Partindex);
    Q_INVOKABLE void getSetPart();
    // The members the document's "Setting" holds: getSetPart() reports a
    // missing member as false or 0, which a new project must not take for a
    // stored choice.
    Q_INVOKABLE QStringList setPartKeys() const;
    Q_INVOKABLE void getTableSetPart();

    Q_INVOKABLE void removeTablePart(double Partindex);

signals:
    void upLoadTablePartSignal(double index, QString name);
    void upLoadPlanPartSignal(double index, QString name);
    void upLoadLinePlotPartSignal(double index, QString name);
    void upLoadBarChartPartSetSignal(double Partindex, double allTotalData, double cellMaxData,
                                     bool gt1_checked, bool mmb1_checked, bool oua1_checked,
                                     bool wm1_checked, bool checkBox_axisAdap_checked,
                                     int horizontalSlider_value);
    void upLoadPlanPartSetSignal(double Partindex, QString planPic, bool narrow, double cellHeight,
                                 double celllWidth, double x, double y, double scale);
    void UpLoadLpPlotSetSignal(double Partindex, double yHigh, double yHigl, QString time,
                               int Line_width);
    void upLoadSetPartSetSignal(bool saveStartBool, double saveTimeIndex, bool mediaOpen);
    void upLoadSetPart2SetSignal(QString log);
    void upLoadTableSetPartSetSignal(int rect3, int rect4, int rect7, int rect8, int rect10,
                                     int rect5, int rect6);

private:
    QJsonArray documentList(const QString &key) const;
    void announceParts(const QString &key, void (MyJson::*signal)(double, QString));

    PageSource *m_pages = nullptr;
    QJsonObject m_document;
    QJsonArray m_tableParts;
    QJsonArray m_planParts;
    QJsonArray m_linePlotParts;
    QJsonObject m_setting;
    QJsonObject m_tableSet;
};

#endif
