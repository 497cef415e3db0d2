#include "ProjectDocument.h"

#include "MasterTypeLookup.h"
#include "ProjectFile.h"
#include "RecordCheck.h"
#include "base/Language.h"
#include "base/UserMessages.h"

#include <QDir>
#include <QFileInfo>

ProjectDocument::ProjectDocument(QObject *parent)
    : QObject(parent)
{
}

void ProjectDocument::SetModifiedFlag(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

QString ProjectDocument::GetTitle() const
{
    if (m_pathName.isEmpty())
        return LoadTranslatedString(61443);
    return QFileInfo(m_pathName).fileName();
}

void ProjectDocument::setPath(const QString &path)
{
    if (m_pathName == path)
        return;
    m_pathName = path;
    emit pathChanged(path);
}

bool ProjectDocument::OnNewDocument()
{
    emit newDocumentStarted();
    m_config.Reset();
    m_masterTypeMissing = false;
    setPath(QString());
    SetModifiedFlag(false);
    emit recordReloaded();
    return true;
}

void ProjectDocument::ApplyStoredMasterType()
{
    MasterTypeLookup &lookup = m_lookup ? *m_lookup : DefaultMasterTypeLookup();
    MasterTypeInfo info;
    if (m_config.MasterId != -1)
        info = lookup.FetchById(m_config.MasterId);
    m_config.ApplyMasterType(info);
    m_masterTypeMissing = m_config.MasterId != -1 && !info.Found;
}

void ProjectDocument::ChooseMasterType(int masterId, const MasterTypeInfo &info)
{
    m_config.Reset();
    m_config.MasterId = masterId;
    m_config.ApplyMasterType(info);
    m_config.DataSource = 0;
    m_masterTypeMissing = !info.Found;
}

bool ProjectDocument::OnOpenDocument(const QString &path)
{
    ConfigRecord loaded = m_config;
    loaded.Reset();
    const project_file::ReadResult result = project_file::ReadFile(path, loaded);

    if (result.status == project_file::ReadStatus::UnsupportedVersion) {
        m_config.Reset();
        m_config.ApplyMasterType(MasterTypeInfo());
        m_masterTypeMissing = false;
        setPath(QString());
        SetModifiedFlag(false);
        user_messages::show(LoadTranslatedString(1024));
        emit recordReloaded();
        return true;
    }
    if (result.status != project_file::ReadStatus::Ok) {
        user_messages::show(project_file::DescribeFailure(path, result), user_messages::Icon::Error);
        return false;
    }

    m_config = loaded;
    ApplyStoredMasterType();
    setPath(QFileInfo(path).absoluteFilePath());
    SetModifiedFlag(false);
    emit recordReloaded();
    if (m_masterTypeMissing)
        user_messages::show(LoadTranslatedString(5007).arg(m_config.MasterId), user_messages::Icon::Exclamation);
    return true;
}

bool ProjectDocument::OnRecoverDocument(const QString &copy, const QString &originalPath)
{
    if (!OnOpenDocument(copy) || m_pathName.isEmpty())
        return false;
    setPath(originalPath.isEmpty() ? QString() : QFileInfo(originalPath).absoluteFilePath());
    SetModifiedFlag(true);
    return true;
}

bool ProjectDocument::CommitForSaving() const
{
    if (m_commitHook && !m_commitHook(CommitPurpose::Save))
        return false;
    const QVector<record_check::Refusal> refusals = record_check::checkRecord(m_config);
    if (refusals.isEmpty())
        return true;
    user_messages::show(record_check::refusalText(refusals.first()), user_messages::Icon::Exclamation);
    return false;
}

bool ProjectDocument::OnSaveDocument(const QString &path)
{
    if (!CommitForSaving())
        return false;
    QString error;
    if (!project_file::WriteFile(path, m_config, &error)) {
        user_messages::show(LoadTranslatedString(5002).arg(QDir::toNativeSeparators(path), error),
                            user_messages::Icon::Error);
        return false;
    }
    setPath(QFileInfo(path).absoluteFilePath());
    SetModifiedFlag(false);
    return true;
}
