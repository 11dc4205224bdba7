#include "PictureProblemReport.h"

#include "prompts/Prompts.h"

namespace folia {
namespace {

// The same words in both languages.
const QString kTitle = QStringLiteral("Programador");

QString messageOf(const PictureProblem& problem) {
    if (problem.kind == PictureProblem::Kind::Missing)
        return QStringLiteral("[GraphicLoadImageFileToBitmap] called on <") + problem.shownName +
               QStringLiteral("> Missing file");
    return QStringLiteral(
               "[GraphicLoadImageFileToBitmap] [GdipLoadImagefromFile] read error on <") +
           problem.shownName + QStringLiteral(">");
}

} // namespace

PictureProblems tellPictureProblems(Prompts& prompts) {
    return [&prompts](const PictureProblem& problem) { prompts.tell(messageOf(problem), kTitle); };
}

} // namespace folia
