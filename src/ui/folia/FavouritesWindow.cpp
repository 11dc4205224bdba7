#include "FavouritesWindow.h"

#include "ImageSurface.h"
#include "shell/AppState.h"
#include "text/TextSet.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace folia {
namespace {

constexpr QSize kWindowSize{350, 357};
constexpr QRect kPaletteGeometry{8, 8, 336, 260};
constexpr QRect kStripGeometry{8, 270, 336, 50};
constexpr QRect kSaveGeometry{8, 328, 72, 24};
constexpr QRect kResetGeometry{136, 328, 72, 24};
constexpr QRect kExitGeometry{272, 328, 72, 24};

QPushButton* button(const QString& text, const QRect& geometry, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setGeometry(geometry);
    b->setFont(QFont(QStringLiteral("MS Sans Serif"), 10, QFont::Bold));
    b->setAutoDefault(false);
    return b;
}

// The middle of a swatch, where the keyboard points.
QPoint middleOf(GridPosition at) {
    const int half = FavouritePalette::kCellSize / 2;
    return {at.column * FavouritePalette::kCellSize + half,
            at.row * FavouritePalette::kCellSize + half};
}

} // namespace

FavouritesWindow::FavouritesWindow(AppState& state, Prompts& prompts, QWidget* companion)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_session(state, prompts), m_companion(companion) {
    setWindowTitle(state.texts.favouritesCaption);
    setWindowIcon(QIcon(QStringLiteral(":/icon200.png")));
    setFixedSize(kWindowSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, kWindowSize,
                                        screen->availableGeometry()));

    m_palette = new ImageSurface(this);
    m_palette->setGeometry(kPaletteGeometry);
    m_palette->setAccessibleName(state.texts.paletteName);
    m_palette->setFocusPolicy(Qt::StrongFocus);
    m_strip = new ImageSurface(this);
    m_strip->setGeometry(kStripGeometry);
    m_strip->setAccessibleName(state.texts.selectedColour);
    m_save = button(state.texts.archive, kSaveGeometry, this);
    m_reset = button(state.texts.reset, kResetGeometry, this);
    m_exit = button(state.texts.exit, kExitGeometry, this);

    m_palette->onMove = [this](QPoint at) {
        m_session.hover(at.x(), at.y());
        showSession();
    };
    m_palette->onPress = [this](Qt::MouseButton pressed, QPoint at) {
        if (pressed == Qt::LeftButton) m_session.chooseColour(at.x(), at.y());
        if (pressed == Qt::RightButton) m_session.pickColour(at.x(), at.y());
        showSession();
    };
    m_palette->onKey = [this](int key) { return keyOnPalette(key); };
    connect(m_save, &QPushButton::clicked, this, [this] {
        m_session.save();
        showSession();
    });
    connect(m_reset, &QPushButton::clicked, this, [this] {
        m_session.reset();
        showSession();
    });
    connect(m_exit, &QPushButton::clicked, this, [this] {
        if (m_session.exit()) close();
        showSession();
    });
    if (m_companion) m_companion->installEventFilter(this);
    showSession();
}

FavouritesWindow::~FavouritesWindow() {
    if (m_companion) m_companion->removeEventFilter(this);
}

QWidget* FavouritesWindow::paletteArea() const {
    return m_palette;
}

QWidget* FavouritesWindow::strip() const {
    return m_strip;
}

bool FavouritesWindow::keyOnPalette(int key) {
    GridPosition& at = m_keyboardCell;
    switch (key) {
    case Qt::Key_Left:
        at.column = std::max(0, at.column - 1);
        break;
    case Qt::Key_Right:
        at.column = std::min(FavouritePalette::kColumns - 1, at.column + 1);
        break;
    case Qt::Key_Up:
        at.row = std::max(0, at.row - 1);
        break;
    case Qt::Key_Down:
        at.row = std::min(FavouritePalette::kRows - 1, at.row + 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_session.chooseColour(middleOf(at).x(), middleOf(at).y());
        break;
    case Qt::Key_Space:
        m_session.pickColour(middleOf(at).x(), middleOf(at).y());
        break;
    default:
        return false;
    }
    m_session.hover(middleOf(at).x(), middleOf(at).y());
    showSession();
    return true;
}

void FavouritesWindow::showSession() {
    m_palette->setImage(m_session.paletteArea());
    m_strip->setImage(m_session.strip());
    m_save->setEnabled(m_session.saveEnabled());
}

void FavouritesWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

bool FavouritesWindow::eventFilter(QObject* watched, QEvent* event) {
    // The program is ending when its main window closes; a minimised one hides by itself.
    if (watched == m_companion && event->type() == QEvent::Hide && !event->spontaneous()) close();
    return QWidget::eventFilter(watched, event);
}

} // namespace folia
