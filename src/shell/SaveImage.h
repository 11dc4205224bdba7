#pragma once

namespace folia {

struct AppState;
class MainView;
class Prompts;
class OutputDialogs;
class PrintService;

// "Save Image": the page choice, then the chosen pages exported as image files into a
// folder beside the program, or printed on the default printer. Each page is drawn for
// output (no frame) on a page of its own; the shown page is drawn for the screen again
// afterwards.
void saveImage(AppState& state, MainView& view, Prompts& prompts, OutputDialogs& dialogs,
               PrintService& printer);

void exportChosenPages(AppState& state, MainView& view, Prompts& prompts);
void printChosenPages(AppState& state, MainView& view, Prompts& prompts, OutputDialogs& dialogs,
                      PrintService& printer);

} // namespace folia
