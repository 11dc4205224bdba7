#pragma once

#include "output/PictureLoader.h"

namespace folia {

class Prompts;

// Pictures that cannot be loaded told to the user, each in a message box of its own.
PictureProblems tellPictureProblems(Prompts& prompts);

} // namespace folia
