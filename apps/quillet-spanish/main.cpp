#include "quillet/QuilletApp.h"
#include "text/TextSet.h"

int main(int argc, char** argv) {
    return folia::runQuillet(argc, argv, folia::spanishTexts());
}
