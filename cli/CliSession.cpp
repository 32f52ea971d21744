#include "CliSession.h"
#include "CliDelegate.h"
#include "CommandProcessor.h"
#include "model/Design.h"
#include "shell/Paths.h"

CliSession::CliSession()
    : m_store(Paths::settingsFile()), m_session(m_store, m_general, DesignSession::Program::CommandLine)
{
}

std::unique_ptr<Design> CliSession::freshDesign()
{
    m_warnings.clear();
    return m_session.freshDesign(&m_warnings);
}

std::unique_ptr<Design> CliSession::openDesign(const QString& fileName, CliDelegate& delegate, int* exitCode)
{
    m_warnings.clear();
    DesignSession::Opened opened = m_session.openDesign(fileName, &m_warnings);
    if (!opened.design) {
        delegate.err(QStringLiteral("threadwright-cli: %1").arg(opened.error));
        *exitCode = CommandProcessor::Failed;
        return nullptr;
    }
    for (const QString& warning : opened.warnings)
        delegate.err(QStringLiteral("threadwright-cli: warning: %1").arg(warning));
    *exitCode = CommandProcessor::Success;
    return std::move(opened.design);
}

bool CliSession::save(Design& design, const QString& fileName, CliDelegate& delegate)
{
    QStringList warnings;
    const Status saved = m_session.save(design, fileName, DesignSession::ForeignSideFile::Keep, &warnings);
    if (!saved)
        delegate.err(QStringLiteral("threadwright-cli: %1").arg(saved.text([&design](const QString& text) {
            return design.stitch.translate(text);
        })));
    for (const QString& warning : warnings)
        delegate.err(QStringLiteral("threadwright-cli: warning: %1").arg(warning));
    return bool(saved);
}
