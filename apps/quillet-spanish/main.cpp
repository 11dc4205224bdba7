#include "quillet/QuilletApp.h"
#include "text/TextSet.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
    // The desktop matches the window to this build's menu entry by these names.
    QGuiApplication::setApplicationName(QStringLiteral(FOLIA_PROGRAM_NAME));
    QGuiApplication::setDesktopFileName(QStringLiteral(FOLIA_APP_ID));
    return folia::runQuillet(argc, argv, folia::spanishTexts());
}
