#include "FindReplaceDialog.h"

#include "editor/FindReplace.h"
#include "text/TextSet.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace folia {
namespace {

QString withoutColon(QString label) {
    if (label.endsWith(u':')) label.chop(1);
    return label;
}

} // namespace

FindReplaceDialog::FindReplaceDialog(QWidget* owner, FindReplace& logic, const TextSet& texts)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_logic(logic),
      m_texts(texts) {
    setModal(false);
    m_find = new QLineEdit;
    m_replace = new QLineEdit;
    for (QLineEdit* edit : {m_find, m_replace}) {
        edit->setMaxLength(int(FindReplace::kTextCapacity));
        edit->setMinimumWidth(220);
    }
    m_find->setAccessibleName(withoutColon(texts.findWhat));
    m_replace->setAccessibleName(withoutColon(texts.replaceWith));
    auto* findLabel = new QLabel(texts.findWhat);
    findLabel->setBuddy(m_find);
    m_replaceLabel = new QLabel(texts.replaceWith);
    m_replaceLabel->setBuddy(m_replace);

    m_wholeWord = new QCheckBox(texts.wholeWord);
    m_matchCase = new QCheckBox(texts.matchCase);
    m_up = new QRadioButton(texts.up);
    m_down = new QRadioButton(texts.down);
    auto* direction = new QGroupBox(texts.direction);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    m_findNext = new QPushButton(texts.findNext);
    m_replaceOne = new QPushButton(texts.replace);
    m_replaceAll = new QPushButton(texts.replaceAll);
    auto* cancel = new QPushButton(texts.cancel);
    m_findNext->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_find, 0, 1);
    fields->addWidget(m_replaceLabel, 1, 0);
    fields->addWidget(m_replace, 1, 1);
    auto* options = new QHBoxLayout;
    auto* checks = new QVBoxLayout;
    checks->addWidget(m_wholeWord);
    checks->addWidget(m_matchCase);
    checks->addStretch();
    options->addLayout(checks);
    options->addWidget(direction);
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch();
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_findNext, m_replaceOne, m_replaceAll, cancel})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttons);

    connect(m_findNext, &QPushButton::clicked, this, [this] { request(FindRequest::FindNext); });
    connect(m_replaceOne, &QPushButton::clicked, this, [this] { request(FindRequest::Replace); });
    connect(m_replaceAll, &QPushButton::clicked, this,
            [this] { request(FindRequest::ReplaceAll); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Cancel, Escape and the close button all end here. The texts stay for the next
    // opening; the options change only with a request.
    connect(this, &QDialog::finished, this, &FindReplaceDialog::keepTexts);
    connect(m_find, &QLineEdit::textChanged, this, &FindReplaceDialog::updateButtons);
}

void FindReplaceDialog::present(bool replaceMode) {
    m_replaceMode = replaceMode;
    setWindowTitle(replaceMode ? m_texts.replace : m_texts.find);
    m_find->setText(m_logic.findText);
    m_replace->setText(m_logic.replaceText);
    m_wholeWord->setChecked(m_logic.options.wholeWord);
    m_matchCase->setChecked(m_logic.options.matchCase);
    (m_logic.options.down ? m_down : m_up)->setChecked(true);
    m_replaceLabel->setVisible(replaceMode);
    m_replace->setVisible(replaceMode);
    m_replaceOne->setVisible(replaceMode);
    m_replaceAll->setVisible(replaceMode);
    updateButtons();
    adjustSize();
    show();
    raise();
    activateWindow();
    m_find->setFocus();
    m_find->selectAll();
}

void FindReplaceDialog::request(FindRequest kind) {
    keepTexts();
    m_logic.options = {.down = m_down->isChecked(),
                       .matchCase = m_matchCase->isChecked(),
                       .wholeWord = m_wholeWord->isChecked()};
    m_logic.handle(kind);
}

void FindReplaceDialog::keepTexts() {
    m_logic.findText = m_find->text();
    if (m_replaceMode) m_logic.replaceText = m_replace->text();
}

void FindReplaceDialog::updateButtons() {
    const bool any = !m_find->text().isEmpty();
    for (QPushButton* button : {m_findNext, m_replaceOne, m_replaceAll})
        button->setEnabled(any);
}

} // namespace folia
