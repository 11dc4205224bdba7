#include "desktop/CommandLine.h"
#include "quillet/QuilletApp.h"
#include "text/TextSet.h"

int main(int argc, char** argv) {
    // The build's names come from its target's definitions.
    const folia::ProgramCommand build{
        {folia::DesktopProgram::Kind::Editor, FOLIA_APP_ID, FOLIA_PROGRAM_NAME, FOLIA_ICON},
        FOLIA_COMMAND,
        FOLIA_VERSION};
    return folia::runProgram(argc, argv, build, folia::englishTexts(), folia::runQuillet);
}
