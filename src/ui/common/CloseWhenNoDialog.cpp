#include "CloseWhenNoDialog.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace folia {
namespace {

// Time for the closed dialog's command to go on before the next look.
constexpr int kRetryMilliseconds = 50;

} // namespace

void closeWhenNoDialog(QWidget& window) {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) {
        window.close();
        return;
    }
    dialog->close();
    QPointer<QWidget> target(&window);
    QTimer::singleShot(kRetryMilliseconds, &window, [target] {
        if (target) closeWhenNoDialog(*target);
    });
}

} // namespace folia
