#include "WriteFailureReport.h"

#include "Prompts.h"
#include "text/TextSet.h"
#include "text/WriteFailureText.h"

namespace folia {

bool reportWriteFailure(Prompts& prompts, const TextSet& texts, const QString& path,
                        const WriteResult& result) {
    if (result.ok()) return true;
    prompts.tell(writeFailureMessage(texts, path, result), texts.programmerTitle,
                 MessageIcon::Warning);
    return false;
}

bool confirmExitWithoutSaving(Prompts& prompts, const TextSet& texts, const QString& path,
                              const WriteResult& result) {
    const MessageRequest question{
        writeFailureMessage(texts, path, result) + QStringLiteral("\r\n\r\n") + texts.exitAnyway,
        texts.programmerTitle, MessageButtons::YesNo, MessageIcon::Warning};
    return prompts.message(question) == MessageAnswer::Yes;
}

} // namespace folia
