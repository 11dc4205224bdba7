#include "folia/FoliaApp.h"
#include "text/TextSet.h"

int main(int argc, char** argv) {
    return folia::runFolia(argc, argv, folia::spanishTexts());
}
