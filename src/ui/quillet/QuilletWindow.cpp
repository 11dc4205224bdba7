#include "QuilletWindow.h"

#include "FindReplaceDialog.h"
#include "QuilletTextBox.h"
#include "common/MenuBarKey.h"
#include "editor/EditorCommandIds.h"
#include "text/MenuMnemonics.h"
#include "text/TextSet.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

namespace folia {
namespace {

constexpr int kWindowWidth = 788, kWindowHeight = 930;
constexpr int kStatusPartWidth = 180;

} // namespace

QuilletWindow::QuilletWindow(const TextSet& texts, Prompts* prompts)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_texts(texts), m_qtPrompts(this), m_prompts(prompts ? *prompts : m_qtPrompts),
      m_box(new QuilletTextBox), m_linesPart(new QLabel(QStringLiteral("StatusBar1"))),
      m_pagesPart(new QLabel), m_commands(*this, m_prompts, texts),
      m_findReplace(*this, m_prompts, texts) {
    setWindowTitle(texts.editorTitle);
    if (QFile::exists(QStringLiteral(":/quillet/icon200.png")))
        setWindowIcon(QIcon(QStringLiteral(":/quillet/icon200.png")));
    setFixedSize(kWindowWidth, kWindowHeight);
    move(70, 58);

    auto* client = new QWidget;
    m_box->setParent(client);
    m_box->setGeometry(5, 5, 778, 875);
    m_box->setObjectName(QStringLiteral("textBox"));
    m_box->setAccessibleName(texts.editorTitle);
    m_box->setText(kRuler);
    // The margins beside the 93 columns belong to the page, not to the window.
    QPalette palette = m_box->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    m_box->setPalette(palette);
    m_box->setAutoFillBackground(true);
    setCentralWidget(client);

    for (QLabel* part : {m_linesPart, m_pagesPart}) {
        part->setFont(editorFont(true));
        part->setFixedWidth(kStatusPartWidth);
        part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(part);
    }
    // No accessible names of their own: a screen reader then says the counts they show.
    statusBar()->setSizeGripEnabled(false);
    buildMenu();
    addMenuBarKey(*this);

    showCounts(texts.zeroLines, texts.zeroPages);
    m_countTimer.setInterval(1000);
    connect(&m_countTimer, &QTimer::timeout, this, &QuilletWindow::refreshCounts);
    m_countTimer.start();
    m_box->setFocus();
}

void QuilletWindow::buildMenu() {
    const auto add = [this](QMenu* menu, const QString& text, int id, QKeySequence key = {}) {
        QAction* action = menu->addAction(menuLabel(text));
        action->setShortcut(key);
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
    };
    QMenu* files = menuBar()->addMenu(menuLabel(m_texts.files));
    add(files, m_texts.newItem, editorCommand::New);
    files->addSeparator();
    add(files, m_texts.readPlainText, editorCommand::ReadPlainText, Qt::CTRL | Qt::Key_O);
    files->addSeparator();
    add(files, m_texts.writeWithFormat, editorCommand::WriteWithFormat, Qt::CTRL | Qt::Key_S);
    files->addSeparator();
    add(files, m_texts.writeWithoutFormat, editorCommand::WriteWithoutFormat);
    files->addSeparator();
    add(files, m_texts.author, editorCommand::Author);
    files->addSeparator();
    add(files, m_texts.exit, editorCommand::Exit, Qt::CTRL | Qt::Key_Q);
    QMenu* edit = menuBar()->addMenu(menuLabel(m_texts.edit));
    add(edit, m_texts.find, editorCommand::Find, Qt::CTRL | Qt::Key_F);
    edit->addSeparator();
    add(edit, m_texts.replace, editorCommand::Replace, Qt::CTRL | Qt::Key_H);
}

void QuilletWindow::runCommand(int commandId) {
    switch (commandId) {
    case editorCommand::Exit:
        close();
        break;
    case editorCommand::Find:
        openFindDialog(false);
        break;
    case editorCommand::Replace:
        openFindDialog(true);
        break;
    default:
        m_commands.run(commandId);
        break;
    }
}

void QuilletWindow::openFindDialog(bool replaceMode) {
    if (!m_findDialog) m_findDialog = new FindReplaceDialog(this, m_findReplace, m_texts);
    if (m_findDialog->isVisible() && m_findDialog->replaceMode() == replaceMode) {
        m_findDialog->raise();
        m_findDialog->activateWindow();
        return;
    }
    m_findDialog->present(replaceMode);
}

QString QuilletWindow::text() const {
    return m_box->text();
}

void QuilletWindow::setText(const QString& text) {
    // One edit step, so that Undo brings back what New, a load or Replace All changed.
    m_box->setText(text);
}

std::pair<qsizetype, qsizetype> QuilletWindow::selection() const {
    return m_box->selection();
}

void QuilletWindow::select(qsizetype start, qsizetype end) {
    m_box->select(start, end);
}

void QuilletWindow::focusText() {
    // The box becomes the window's focus; an open find box stays active, so that Enter
    // there goes on finding rather than typing into the text.
    m_box->setFocus(Qt::OtherFocusReason);
}

void QuilletWindow::forEachDisplayLine(const DisplayLineVisit& visit) const {
    m_box->rows().forEachRow(visit);
}

qsizetype QuilletWindow::displayLineCount() const {
    return m_box->rows().rowCount();
}

void QuilletWindow::showCounts(const QString& lines, const QString& pages) {
    m_linesPart->setText(lines);
    m_pagesPart->setText(pages);
}

void QuilletWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (!isActiveWindow()) {
            m_rememberedFocus = focusWidget();
        } else if (m_rememberedFocus) {
            m_rememberedFocus->setFocus(Qt::ActiveWindowFocusReason);
            m_rememberedFocus = nullptr;
        }
    }
    QMainWindow::changeEvent(event);
}

} // namespace folia
