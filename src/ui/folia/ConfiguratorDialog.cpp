#include "ConfiguratorDialog.h"

#include "common/Cp1252.h"
#include "shell/AppState.h"
#include "shell/ConfiguratorExit.h"
#include "text/TextSet.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace folia {
namespace {

constexpr int kTextBoxWidth = 270;
constexpr int kTextBoxHeight = 40;
constexpr int kCaseIndent = 24;

QLabel* heading(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QFrame* line(QFrame::Shape shape) {
    auto* frame = new QFrame;
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

// A titled group of options or check boxes.
struct OptionGroup {
    QGroupBox* box;
    QBoxLayout* layout;
};

OptionGroup optionGroup(const QString& title, QBoxLayout::Direction direction) {
    auto* box = new QGroupBox(title);
    box->setFlat(true);
    return {box, new QBoxLayout(direction, box)};
}

QRadioButton* option(QBoxLayout* layout, QButtonGroup* exclusive, const QString& text,
                     bool checked) {
    auto* button = new QRadioButton(text);
    button->setChecked(checked);
    exclusive->addButton(button);
    layout->addWidget(button);
    return button;
}

QCheckBox* tickBox(const QString& text, int32_t value) {
    auto* box = new QCheckBox(text);
    box->setChecked(value == 1);
    return box;
}

// Checking the button, by a click, the keyboard or an accessibility client, stores its
// code in `value`, then runs `then`.
void storeWhenChecked(QAbstractButton* button, int32_t& value, int32_t code,
                      const std::function<void()>& then = {}) {
    QObject::connect(button, &QAbstractButton::toggled, button, [&value, code, then](bool on) {
        if (!on) return;
        value = code;
        if (then) then();
    });
}

// The box's state, however it changes, is stored in `value` (1 or 0), then `then` runs.
void storeState(QCheckBox* box, int32_t& value, const std::function<void()>& then = {}) {
    QObject::connect(box, &QAbstractButton::toggled, box, [&value, then](bool checked) {
        value = checked ? 1 : 0;
        if (then) then();
    });
}

// "Left", "Center" and "Right" store 131, 133 and 132.
QGroupBox* alignmentGroup(const TextSet& t, const QString& title, int32_t& alignment,
                          QObject* owner) {
    const OptionGroup group = optionGroup(title + t.labelColon, QBoxLayout::LeftToRight);
    auto* exclusive = new QButtonGroup(owner);
    const std::pair<const QString&, AlignmentCode> choices[] = {
        {t.left, AlignLeft}, {t.center, AlignCentre}, {t.right, AlignRight}};
    for (const auto& [text, code] : choices)
        storeWhenChecked(option(group.layout, exclusive, text, alignment == code), alignment, code);
    return group.box;
}

// A caption above its control, which it names for screen readers.
QWidget* captioned(const QString& caption, QWidget* control) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins({});
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    layout->addWidget(label);
    layout->addWidget(control, 0, Qt::AlignLeft);
    return box;
}

// A list of the sizes "09" to "12" showing the stored one.
QComboBox* sizeList(int16_t size) {
    auto* list = new QComboBox;
    list->addItems(fontSizeEntries());
    list->setCurrentIndex(fontSizeEntry(size));
    return list;
}

// A block of the dialog under its bold heading.
QVBoxLayout* block(QWidget*& widget, const QString& title) {
    widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    layout->addWidget(heading(title));
    return layout;
}

void enable(const QList<QWidget*>& widgets, bool enabled) {
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

} // namespace

ConfiguratorDialog::ConfiguratorDialog(AppState& state, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_state(state), m_prompts(prompts) {
    const TextSet& t = state.texts;
    setWindowTitle(t.configurator);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 10));

    auto* grid = new QGridLayout(this);
    grid->addWidget(topLeft(), 0, 0);
    grid->addWidget(line(QFrame::VLine), 0, 1);
    grid->addWidget(topRight(), 0, 2);
    grid->addWidget(line(QFrame::HLine), 1, 0, 1, 3);
    grid->addWidget(footerBlock(state.settings.footer1,
                                {t.footer1Frame1 + t.footer1Frame2, t.wantFooter1a + t.wantFooter1b,
                                 t.footer1Position, t.fontSizeFooter1a + t.fontSizeFooter1b,
                                 t.footer1Stylea + t.footer1Styleb, t.textFooter1},
                                m_footer1),
                    2, 0);
    grid->addWidget(line(QFrame::VLine), 2, 1);
    grid->addWidget(footerBlock(state.settings.footer2,
                                {t.footer2Frame1 + t.footer2Frame2, t.wantFooter2a + t.wantFooter2b,
                                 t.footer2Position, t.fontSizeFooter2a + t.fontSizeFooter2b,
                                 t.footer2Stylea + t.footer2Styleb, t.textFooter2},
                                m_footer2),
                    2, 2);
    grid->addWidget(line(QFrame::HLine), 3, 0, 1, 3);
    grid->addWidget(pageNumberLeft(), 4, 0);
    grid->addWidget(pageNumberRight(), 4, 2);

    auto* exitButton = new QPushButton(t.exit);
    exitButton->setAutoDefault(false);
    connect(exitButton, &QPushButton::clicked, this, &ConfiguratorDialog::exitClicked);
    grid->addWidget(exitButton, 5, 2, Qt::AlignRight);
    updateEnabling();
}

QWidget* ConfiguratorDialog::topLeft() {
    const TextSet& t = m_state.texts;
    const OptionGroup group =
        optionGroup(t.chooseFormat1 + t.chooseFormat2, QBoxLayout::LeftToRight);
    auto* exclusive = new QButtonGroup(this);
    int32_t& format = m_state.settings.imageFormat;
    const std::pair<const char*, ImageFormatCode> formats[] = {{".png", FormatPng},
                                                               {".jpg", FormatJpg},
                                                               {".tif", FormatTif},
                                                               {".bmp", FormatBmp},
                                                               {".gif", FormatGif}};
    for (const auto& [text, code] : formats)
        storeWhenChecked(option(group.layout, exclusive, QLatin1String(text), format == code),
                         format, code);
    return group.box;
}

QWidget* ConfiguratorDialog::topRight() {
    const TextSet& t = m_state.texts;
    const OptionGroup group =
        optionGroup(t.controlPropertiesa + t.controlPropertiesb, QBoxLayout::TopToBottom);
    auto* exclusive = new QButtonGroup(this);
    int32_t& shape = m_state.settings.tickShape;
    storeWhenChecked(
        option(group.layout, exclusive, t.roundedShapesa + t.roundedShapesb, shape == 1), shape, 1);
    storeWhenChecked(option(group.layout, exclusive, t.squareShapesa + t.squareShapesb, shape != 1),
                     shape, 0);
    return group.box;
}

QWidget* ConfiguratorDialog::footerBlock(FooterSettings& footer, const FooterCaptions& captions,
                                         FooterControls& controls) {
    const TextSet& t = m_state.texts;
    QWidget* widget = nullptr;
    QVBoxLayout* layout = block(widget, captions.heading);
    controls.wanted = tickBox(captions.wanted, footer.enabled);
    storeState(controls.wanted, footer.enabled, [this] { updateEnabling(); });
    layout->addWidget(controls.wanted);

    QGroupBox* position = alignmentGroup(t, captions.position, footer.alignment, this);
    layout->addWidget(position);

    controls.size = sizeList(footer.fontSize);
    QWidget* sizeBox = captioned(captions.size, controls.size);
    layout->addWidget(sizeBox);

    const OptionGroup style = optionGroup(captions.style, QBoxLayout::LeftToRight);
    const std::pair<const QString&, int32_t&> styles[] = {
        {t.bold, footer.bold}, {t.italic, footer.italic}, {t.underline, footer.underlined}};
    for (const auto& [text, flag] : styles) {
        QCheckBox* box = tickBox(text, flag);
        storeState(box, flag);
        style.layout->addWidget(box);
    }
    layout->addWidget(style.box);

    controls.text = new QPlainTextEdit(fromCp1252(footer.text));
    controls.text->setLineWrapMode(QPlainTextEdit::NoWrap);
    controls.text->setFixedSize(kTextBoxWidth, kTextBoxHeight);
    controls.text->setTabChangesFocus(true);
    QWidget* textBox = captioned(captions.text, controls.text);
    layout->addWidget(textBox);
    layout->addStretch();

    controls.dependents = {position, sizeBox, style.box, textBox};
    return widget;
}

QWidget* ConfiguratorDialog::pageNumberLeft() {
    const TextSet& t = m_state.texts;
    PageNumberSettings& number = m_state.settings.pageNumber;
    QWidget* widget = nullptr;
    QVBoxLayout* layout = block(widget, t.pageNumberFrame1 + t.pageNumberFrame2);
    QCheckBox* wanted = tickBox(t.wantPageNumbera + t.wantPageNumberb, number.enabled);
    storeState(wanted, number.enabled, [this] { updateEnabling(); });
    layout->addWidget(wanted);

    QGroupBox* position = alignmentGroup(t, t.pageNumberPosition, number.alignment, this);
    layout->addWidget(position);

    m_pageNumberSize = sizeList(number.fontSize);
    QWidget* sizeBox = captioned(t.pageNumberFontSizea + t.pageNumberFontSizeb, m_pageNumberSize);
    layout->addWidget(sizeBox);
    layout->addStretch();
    m_pageNumberDependents << position << sizeBox;
    return widget;
}

QWidget* ConfiguratorDialog::pageNumberRight() {
    const TextSet& t = m_state.texts;
    PageNumberSettings& number = m_state.settings.pageNumber;
    QWidget* widget = nullptr;
    QVBoxLayout* layout = block(widget, t.pageNumberProperties);
    QCheckBox* pageWord = tickBox(t.includesPageWorda + t.includesPageWordb, number.withPageWord);
    storeState(pageWord, number.withPageWord);
    layout->addWidget(pageWord);

    const OptionGroup system = optionGroup(t.writtenIna + t.writtenInb, QBoxLayout::TopToBottom);
    auto* systems = new QButtonGroup(this);
    const auto refresh = [this] { updateEnabling(); };
    storeWhenChecked(option(system.layout, systems, t.arabicNumbers + t.arabicExample,
                            number.numeralSystem == 1),
                     number.numeralSystem, 1, refresh);
    storeWhenChecked(
        option(system.layout, systems, t.romanNumerals + t.romanExample, number.numeralSystem == 2),
        number.numeralSystem, 2, refresh);

    auto* cases = new QButtonGroup(this);
    auto* indented = new QVBoxLayout;
    indented->setContentsMargins(kCaseIndent, 0, 0, 0);
    system.layout->addLayout(indented);
    for (const auto& [text, code] : {std::pair{t.upperCase, 1}, std::pair{t.lowerCase, 2}}) {
        QRadioButton* button = option(indented, cases, text, number.romanCase == code);
        storeWhenChecked(button, number.romanCase, code);
        m_romanCase << button;
    }
    layout->addWidget(system.box);
    layout->addStretch();
    m_pageNumberDependents << pageWord << system.box;
    return widget;
}

void ConfiguratorDialog::updateEnabling() {
    const ConfiguratorEnabling enabling = configuratorEnabling(m_state.settings);
    enable(m_footer1.dependents, enabling.footer1);
    enable(m_footer2.dependents, enabling.footer2);
    enable(m_pageNumberDependents, enabling.pageNumber);
    enable(m_romanCase, enabling.romanCase);
}

void ConfiguratorDialog::exitClicked() {
    ConfiguratorEntries entries;
    entries.footer1Text = m_footer1.text->toPlainText();
    entries.footer2Text = m_footer2.text->toPlainText();
    entries.footer1SizeEntry = m_footer1.size->currentIndex();
    entries.footer2SizeEntry = m_footer2.size->currentIndex();
    entries.pageNumberSizeEntry = m_pageNumberSize->currentIndex();
    if (exitConfigurator(m_state, m_prompts, entries)) accept();
}

} // namespace folia
