#include "project/myjson.h"

#include "project/pagesource.h"
#include "project/projectdocument.h"
#include "project/projectfile.h"
#include "project/projectrecords.h"

#include <QDateTime>
#include <QDebug>

MyJson::MyJson(QObject *parent)
    : QObject(parent)
{
}

void MyJson::setPages(PageSource *pages)
{
    m_pages = pages;
}

MyJson::ReadOutcome MyJson::readProjectFile(const QString &path)
{
    clearParts();

    ReadOutcome outcome;
    QByteArray text;
    ProjectDocument::Parsed parsed;
    if (ProjectFile::readAll(path, &text))
        parsed = ProjectDocument::parse(text);
    else
        parsed.problem = QStringLiteral("the file cannot be read");

    if (parsed.damaged()) {
        outcome.damaged = true;
        outcome.keptAs = ProjectFile::keepAside(path, QDateTime::currentDateTime());
        qDebug() << "project file" << path << "is damaged (" << parsed.problem << "), kept as"
                 << outcome.keptAs;
    }
    for (const QString &member : qAsConst(parsed.ignored))
        qWarning().noquote() << "project file" << path << "- read as empty:" << member;
    m_document = parsed.document;

    // The recording settings and table options start from this project's own,
    // so nothing saved while another project was open ends up in this file.
    m_setting = m_document.value(ProjectDocument::kSetting).toObject();
    m_tableSet = m_document.value(ProjectDocument::kTableSet).toObject();

    if (m_pages)
        ProjectRecords::load(m_document, *m_pages);
    return outcome;
}

bool MyJson::writeProjectFile(const QString &path)
{
    if (m_pages)
        m_document.insert(ProjectDocument::kParent, ProjectRecords::weightingControlParent(*m_pages));
    m_document.insert(ProjectDocument::kTableParts, m_tableParts);
    m_document.insert(ProjectDocument::kPlanParts, m_planParts);
    m_document.insert(ProjectDocument::kLinePlotParts, m_linePlotParts);
    m_document.insert(ProjectDocument::kSetting, m_setting);
    m_document.insert(ProjectDocument::kTableSet, m_tableSet);
    return ProjectFile::writeSafely(path, ProjectDocument::toText(m_document));
}

bool MyJson::createProjectFile(const QString &path, quint8 cellCount, const QString &cellType,
                               double minErr, double maxErr, double minWarn, double maxWarn)
{
    return ProjectFile::writeSafely(
        path, ProjectDocument::toText(
                  ProjectDocument::created(cellCount, cellType, minErr, maxErr, minWarn, maxWarn)));
}

QJsonObject MyJson::document() const
{
    return m_document;
}
