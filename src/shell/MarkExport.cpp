#include "MarkExport.h"

#include "AppState.h"
#include "MarkFiles.h"
#include "common/AtomicFile.h"
#include "common/ProgramFolder.h"
#include "prompts/Prompts.h"
#include "prompts/WriteFailureReport.h"
#include "text/TextSet.h"

#include <QFileInfo>

namespace folia {
namespace {

// In the order the dialog offers them; MarkFileType counts the same way.
std::vector<FileType> fileTypes(const TextSet& t) {
    return {{t.markdownFiles, QStringLiteral("md")},
            {t.csvFiles, QStringLiteral("csv")},
            {t.jsonFiles, QStringLiteral("json")}};
}

MarkFileType typeOf(const ChosenFile& chosen) {
    const QString extension = QFileInfo(chosen.path).suffix().toLower();
    if (extension == QLatin1String("md") || extension == QLatin1String("markdown"))
        return MarkFileType::Markdown;
    if (extension == QLatin1String("csv")) return MarkFileType::Csv;
    if (extension == QLatin1String("json")) return MarkFileType::Json;
    return static_cast<MarkFileType>(std::clamp(chosen.type, 0, 2));
}

QByteArray fileOf(MarkFileType type, const AppState& state) {
    const std::vector<ListedMark> marks = listMarks(state.document);
    switch (type) {
    case MarkFileType::Csv:
        return marksAsCsv(marks);
    case MarkFileType::Json:
        return marksAsJson(marks, state.document.pageCount);
    case MarkFileType::Markdown:
        break;
    }
    return marksAsMarkdown(marks, state.texts);
}

} // namespace

void MarkExport::run() {
    if (!m_state.documentPresent || m_state.dialogBusy) return;
    const TextSet& t = m_state.texts;
    TypedSaveRequest request{{}, fileTypes(t), programFolder(), QStringLiteral("marks")};
    if (!m_lastPath.isEmpty()) {
        request.initialFolder = QFileInfo(m_lastPath).path();
        request.initialName = QFileInfo(m_lastPath).fileName();
    }
    m_state.dialogBusy = true;
    const std::optional<ChosenFile> chosen = m_prompts.saveFileOfType(request);
    m_state.dialogBusy = false;
    if (!chosen || chosen->path.trimmed().isEmpty()) return;
    m_lastPath = chosen->path;
    const WriteResult written = writeFileAtomically(chosen->path, fileOf(typeOf(*chosen), m_state));
    if (reportWriteFailure(m_prompts, t, chosen->path, written))
        m_prompts.tell(t.marksExported + chosen->path, t.programmerTitle);
}

} // namespace folia
