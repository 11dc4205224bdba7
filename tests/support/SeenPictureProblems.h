#pragma once

#include "output/PictureLoader.h"

#include <QStringList>

namespace folia::test {

// The picture problems a loader told, one line each: "missing <name>" or "unreadable <name>".
struct SeenPictureProblems {
    QStringList lines;
    PictureProblems recorder() {
        return [this](const PictureProblem& problem) {
            lines.append(
                (problem.kind == PictureProblem::Kind::Missing ? "missing " : "unreadable ") +
                problem.shownName);
        };
    }
};

} // namespace folia::test
