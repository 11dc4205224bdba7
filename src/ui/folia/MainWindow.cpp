#include "MainWindow.h"

#include "FindBar.h"
#include "FoliaDialogs.h"
#include "MarksPanel.h"
#include "PageViewArea.h"
#include "PageViewWidget.h"
#include "common/MenuBarKey.h"
#include "common/QtPrompts.h"
#include "shell/AppState.h"
#include "shell/CommandDispatcher.h"
#include "shell/CommandIds.h"
#include "shell/FindSession.h"
#include "shell/MainWindowGeometry.h"
#include "shell/MenuModel.h"
#include "shell/PageInteraction.h"
#include "shell/StartUp.h"
#include "text/MenuMnemonics.h"
#include "text/TextSet.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QThread>
#include <QVBoxLayout>

namespace folia {
namespace {

constexpr int kFirstBusyFrame = 801;
constexpr int kLastBusyFrame = 812;
constexpr int kMarksListWidth = 560;

QIcon swatchIcon(int colourRef) {
    QPixmap swatch(16, 16);
    swatch.fill(QColor(colourRef & 0xFF, (colourRef >> 8) & 0xFF, (colourRef >> 16) & 0xFF));
    return QIcon(swatch);
}

QIcon menuImage(int number) {
    return QIcon(QStringLiteral(":/menu/%1.png").arg(number));
}

} // namespace

MainWindow::MainWindow(AppState& state, Prompts* prompts)
    : m_state(state), m_qtPrompts(prompts ? nullptr : std::make_unique<QtPrompts>(this)),
      m_prompts(prompts ? prompts : m_qtPrompts.get()) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowIcon(QIcon(QStringLiteral(":/icon200.png")));

    m_interaction = std::make_unique<PageInteraction>(m_state, *this, *m_prompts);
    m_commands = std::make_unique<CommandDispatcher>(m_state, *this, *m_prompts, *m_interaction);
    m_dialogs = std::make_unique<FoliaDialogs>(m_state, *this, *m_prompts, this);
    m_commands->setDialogs(m_dialogs.get());

    auto* client = new QWidget(this);
    client->resize(window::kClientSize);
    m_client = new PageViewArea(*m_interaction, client);
    m_pageView = &m_client->pageView();
    connectFindBar(client);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_client, 1);
    column->addWidget(m_findBar);
    setCentralWidget(client);
    m_marksPanel = new MarksPanel(
        m_state.texts, [this](const ListedMark& mark) { m_interaction->showMark(mark); },
        [this](const ListedMark& mark) { removeListedMark(mark); }, this);
    m_marksPanel->setMinimumWidth(kMarksListWidth); // what the window grows by
    addDockWidget(Qt::RightDockWidgetArea, m_marksPanel);
    m_marksPanel->hide();

    m_busyTimer.setInterval(100);
    connect(&m_busyTimer, &QTimer::timeout, this, &MainWindow::showNextBusyFrame);
    buildMenu();
    setCaption(QString());
    addMenuBarKey(*this);
    resize(fullSize());
}

QSize MainWindow::fullSize() const {
    return window::kClientSize + QSize(0, menuBar()->sizeHint().height());
}

void MainWindow::placeOnScreen(QMargins frame) {
    const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    setGeometry(window::clientOnScreen(fullSize(), on->availableGeometry(), frame, bar));
}

void MainWindow::showOnScreen() {
    // The window manager's frame is known only once the window is up; until then a title
    // bar of the style's height stands in for it.
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    placeOnScreen(QMargins(0, titleBar, 0, 0));
    show();
    QTimer::singleShot(0, this, [this] {
        const QRect framed = frameGeometry();
        const QRect client = geometry();
        const QMargins frame(client.left() - framed.left(), client.top() - framed.top(),
                             framed.right() - client.right(), framed.bottom() - client.bottom());
        // A window cut to the screen takes all the room the real frame leaves.
        if (size() != fullSize() || !screen()->availableGeometry().contains(framed))
            placeOnScreen(frame);
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::initialise() {
    initialiseMainWindow(m_state, m_interaction->mode(), *this, *m_prompts);
}

QAction* MainWindow::action(int commandId) const {
    const auto found = m_actions.find(commandId);
    return found == m_actions.end() ? nullptr : found->second;
}

void MainWindow::setCaption(const QString& caption) {
    setWindowTitle(caption);
    // The title bar shows the program's name while the caption is empty; so does the
    // screen reader.
    setAccessibleName(caption.isEmpty() ? m_state.texts.programName : caption);
}

void MainWindow::showMenuStates(const MenuStates& states) {
    for (const auto& [id, wanted] : states) {
        QAction* a = action(id);
        if (!a) continue;
        if (a->isEnabled() != wanted.enabled) a->setEnabled(wanted.enabled);
        if (wanted.checkable) {
            a->setCheckable(true);
            if (a->isChecked() != wanted.checked) a->setChecked(wanted.checked);
        }
        // The swatch's colour is kept with its action, to be painted again only when it changes.
        if (wanted.swatch >= 0 && a->data() != QVariant(wanted.swatch)) {
            a->setIcon(swatchIcon(wanted.swatch));
            a->setData(wanted.swatch);
        }
    }
}

void MainWindow::buildMenu() {
    for (const MenuPopup& popup : foliaMenuBar(m_state.texts, m_state.settings)) {
        QMenu* menu = menuBar()->addMenu(menuLabel(popup.title));
        for (const MenuEntry& entry : popup.entries) {
            if (entry.isSeparator()) {
                menu->addSeparator();
                continue;
            }
            QAction* a = menu->addAction(menuLabel(entry.text));
            a->setShortcuts(entry.shortcuts);
            const int id = entry.commandId;
            if (entry.imageNumber) a->setIcon(menuImage(entry.imageNumber));
            if (entry.swatchColour >= 0) {
                a->setIcon(swatchIcon(entry.swatchColour));
                a->setData(entry.swatchColour);
            }
            a->setIconVisibleInMenu(true);
            connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
            m_actions[id] = a;
        }
    }
}

void MainWindow::runCommand(int commandId) {
    if (commandId == command::Find) {
        toggleFindBar();
        return;
    }
    // A checkable item flips itself when triggered; the command decides its real state,
    // which the menu states that follow every command set again.
    m_commands->dispatch(commandId);
    followDocument();
    if (m_commands->finished()) {
        m_finished = true;
        close();
        // Exit may come from inside a nested loop (a message box of the start-up): every
        // loop ends then, not only the innermost one.
        if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
    }
}

void MainWindow::removeListedMark(const ListedMark& mark) {
    m_commands->removeListedMark(mark);
    followDocument();
}

void MainWindow::followDocument() {
    // A change may have changed the text: the hits follow, the view stays.
    if (m_findBar->isVisible()) {
        m_find->refresh();
        showFindResult();
    }
    // Whatever was changed, undone or brought in is listed at once.
    if (!m_marksPanel->isHidden()) m_marksPanel->refresh(m_state.document);
}

// The find bar stands below the page view, never over it; its hits are lit over the page.
void MainWindow::connectFindBar(QWidget* client) {
    m_find = std::make_unique<FindSession>(m_state, *m_interaction, *this);
    m_interaction->overlays().add(*m_find);
    m_findBar = new FindBar(m_state.texts, client);
    connect(m_findBar, &FindBar::queryChanged, this, &MainWindow::searchAsTyped);
    connect(m_findBar, &FindBar::nextAsked, this, [this] {
        m_find->next();
        showFindResult();
    });
    connect(m_findBar, &FindBar::previousAsked, this, [this] {
        m_find->previous();
        showFindResult();
    });
    connect(m_findBar, &FindBar::closeAsked, this, &MainWindow::toggleFindBar);
}

void MainWindow::toggleFindBar() {
    if (!m_findBar->isVisible()) {
        m_findBar->open();
        searchAsTyped();
        return;
    }
    m_findBar->hide();
    m_find->close();
    focusPage();
}

void MainWindow::searchAsTyped() {
    m_find->search(m_findBar->query(), m_findBar->matchCase());
    showFindResult();
}

void MainWindow::showFindResult() {
    m_findBar->showCounter(m_find->counter(), m_find->nothingFound());
    m_findBar->describeCurrentHit(m_find->currentHitDescription());
}

void MainWindow::showView(const QImage& view) {
    m_client->showView(view);
}

void MainWindow::showOverlays() {
    m_client->showOverlays();
}

void MainWindow::startBusyAnimation() {
    if (m_busyPicture) return;
    // The picture takes the focus while it turns; the control that had it gets it back.
    m_focusBeforeBusy = focusWidget();
    m_busyFrame = kFirstBusyFrame;
    m_busyPicture = new QLabel(centralWidget());
    m_busyPicture->setAccessibleName(m_state.texts.busyName);
    m_busyPicture->setStyleSheet(QStringLiteral("background: white"));
    m_busyPicture->setFocusPolicy(Qt::StrongFocus);
    showNextBusyFrame();
    m_busyPicture->move(window::busyPicturePlace(m_client->size(), m_busyPicture->size()));
    m_busyPicture->show();
    m_busyTimer.start();
}

void MainWindow::showNextBusyFrame() {
    if (!m_busyPicture) return;
    m_busyPicture->setPixmap(QPixmap(QStringLiteral(":/busy/%1.png").arg(m_busyFrame)));
    m_busyPicture->adjustSize();
    m_busyPicture->setFocus();
    m_busyFrame = m_busyFrame >= kLastBusyFrame ? kFirstBusyFrame : m_busyFrame + 1;
}

void MainWindow::stopBusyAnimation() {
    m_busyTimer.stop();
    delete m_busyPicture;
    m_busyPicture = nullptr;
    if (m_focusBeforeBusy)
        m_focusBeforeBusy->setFocus(Qt::OtherFocusReason);
    else
        focusPage();
    if (m_closeWhenIdle) QTimer::singleShot(0, this, &QWidget::close);
}

// The page keeps its size: the window grows by the list's width, and gives it back. Where
// the screen has no room, the list takes its width from the page's side.
void MainWindow::showMarksList(bool shown) {
    if (shown == !m_marksPanel->isHidden()) return;
    const int growth =
        kMarksListWidth + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    if (!shown) {
        m_marksPanel->hide();
        layout()->activate(); // the smallest size without the list, before shrinking to it
        resize(width() - growth, height());
        focusPage();
        return;
    }
    resize(width() + growth, height());
    // The grown window moves left as far as it must to stay on its screen.
    const QRect room =
        (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const int overflow = frameGeometry().right() - room.right();
    if (overflow > 0) move(std::max(room.left(), x() - overflow), y());
    m_marksPanel->show();
    m_marksPanel->refresh(m_state.document);
    m_marksPanel->setFocus();
}

void MainWindow::focusPage() {
    m_pageView->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // While the document is being written or read, closing waits for the end of that work
    // rather than running Exit in the middle of it.
    if (m_busyPicture) {
        m_closeWhenIdle = true;
        event->ignore();
        return;
    }
    // The window has no close box, but the window manager or the session can still close
    // it: the Exit sequence runs then too, so nothing is lost.
    // An Exit the user refused (the document could not be written and they chose to stay)
    // refuses the close too, keeping the document in memory.
    if (!m_finished) {
        m_commands->dispatch(command::Exit);
        if (!m_commands->finished()) {
            event->ignore();
            return;
        }
        m_finished = true;
    }
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (!isActiveWindow()) {
            m_focusBeforeDeactivation = QApplication::focusWidget();
        } else if (m_focusBeforeDeactivation) {
            m_focusBeforeDeactivation->setFocus();
            m_focusBeforeDeactivation = nullptr;
        }
    }
    QMainWindow::changeEvent(event);
}

} // namespace folia
