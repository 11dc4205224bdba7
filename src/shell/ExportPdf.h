#pragma once

#include <QString>

namespace folia {

struct AppState;
class MainView;
class Prompts;

// "Export as PDF…": a save dialog, then every page of the document into the chosen file,
// written whole or not at all, under the busy animation. A failed write is told as every
// other write is; a written file is named in one message.
void exportPdf(AppState& state, MainView& view, Prompts& prompts);

// The same into `path`, without the dialog.
void exportPdfTo(AppState& state, MainView& view, Prompts& prompts, const QString& path);

} // namespace folia
