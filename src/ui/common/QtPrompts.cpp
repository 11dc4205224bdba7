#include "QtPrompts.h"

#include "common/ColourWord.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace folia {
namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString nameFilter(const FileDialogRequest& request) {
    return request.filterDescription + QStringLiteral(" (") + request.filterPattern +
           QLatin1Char(')');
}

void prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    if (!request.title.isEmpty()) dialog.setWindowTitle(request.title); // else the default
    dialog.setNameFilter(nameFilter(request));
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setDirectory(request.initialFolder);
    dialog.selectFile(request.initialName);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
}

std::optional<QString> runFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

MessageAnswer QtPrompts::message(const MessageRequest& request) {
    QMessageBox box(toQtIcon(request.icon), request.title, request.text, QMessageBox::NoButton,
                    m_parent);
    box.setWindowModality(request.systemModal ? Qt::ApplicationModal : Qt::WindowModal);
    if (request.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

std::optional<QString> QtPrompts::input(const QString& prompt, const QString& title,
                                        const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok) return {};
    return text;
}

std::optional<QString> QtPrompts::openFile(const FileDialogRequest& request) {
    QFileDialog dialog(m_parent);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

std::optional<QString> QtPrompts::saveFile(const FileDialogRequest& request) {
    QFileDialog dialog(m_parent);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return runFileDialog(dialog);
}

std::optional<ChosenFile> QtPrompts::saveFileOfType(const TypedSaveRequest& request) {
    QFileDialog dialog(m_parent);
    if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);
    QStringList filters;
    for (const FileType& type : request.types)
        filters << type.description + QStringLiteral(" (*.") + type.extension + QLatin1Char(')');
    dialog.setNameFilters(filters);
    dialog.setDirectory(request.initialFolder);
    dialog.selectFile(request.initialName);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog adds the chosen type's extension before it asks about replacing a file.
    const auto followFilter = [&](const QString& filter) {
        const qsizetype type = filters.indexOf(filter);
        if (type >= 0) dialog.setDefaultSuffix(request.types[size_t(type)].extension);
    };
    if (!filters.isEmpty()) followFilter(filters.constFirst());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    const std::optional<QString> path = runFileDialog(dialog);
    if (!path) return {};
    return ChosenFile{*path,
                      int(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
}

std::optional<uint32_t> QtPrompts::pickColour(uint32_t initial) {
    // The picker belongs to the window it was asked from, which need not be the parent.
    QWidget* owner = QApplication::activeWindow() ? QApplication::activeWindow() : m_parent;
    const QColor chosen = QColorDialog::getColor(colourOf(initial), owner);
    if (!chosen.isValid()) return {};
    return colourWordOf(chosen);
}

} // namespace folia
