#include "ExportPagesDialog.h"

#include "output/PageChoiceForm.h"
#include "text/TextSet.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace folia {
namespace {

QLineEdit* digitsBox(const QString& accessibleName, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}")), box));
    box->setAccessibleName(accessibleName);
    box->setMaximumWidth(60);
    return box;
}

} // namespace

ExportPagesDialog::ExportPagesDialog(PageChoiceForm& form, const TextSet& texts, QWidget* parent)
    : QDialog(parent), m_form(form), m_choices(new QButtonGroup(this)) {
    setWindowTitle(texts.exportPages);
    QFont font(QStringLiteral("MS Sans Serif"), 10);
    font.setBold(true);
    setFont(font);

    auto* single = new QRadioButton(form.singlePageText(), this);
    auto* range = new QRadioButton(texts.rangeOfPages, this);
    auto* all = new QRadioButton(texts.allPages, this);
    m_choices->addButton(single, ChoiceCurrentPage);
    m_choices->addButton(range, ChoiceRange);
    m_choices->addButton(all, ChoiceAll);
    m_from = digitsBox(texts.rangeFromName, this);
    m_to = digitsBox(texts.rangeToName, this);
    m_folder = new QLineEdit(this);
    auto* folderLabel = new QLabel(texts.enterFolderName, this);
    folderLabel->setBuddy(m_folder);
    m_folder->setAccessibleName(texts.enterFolderName);
    auto* save = new QPushButton(texts.saveButton, this);
    auto* print = new QPushButton(texts.print, this);
    auto* exit = new QPushButton(texts.exit, this);
    save->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(texts.howManyPagesa + texts.howManyPagesb, this), 0, 0, 1, 4);
    layout->addWidget(single, 1, 0, 1, 4);
    layout->addWidget(range, 2, 0, 1, 4);
    layout->addWidget(m_from, 3, 0);
    layout->addWidget(new QLabel(texts.rangeTo, this), 3, 1);
    layout->addWidget(m_to, 3, 2);
    layout->addWidget(all, 4, 0, 1, 4);
    layout->addWidget(folderLabel, 5, 0, 1, 4);
    layout->addWidget(m_folder, 6, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(print);
    buttons->addWidget(exit);
    layout->addLayout(buttons, 7, 0, 1, 4);

    if (QAbstractButton* chosen = m_choices->button(form.choice())) chosen->setChecked(true);
    choose(form.choice());
    // The choice follows the button however it is checked: a click, the keyboard or an
    // accessibility client.
    connect(m_choices, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) choose(id);
    });
    connect(save, &QPushButton::clicked, this, [this] {
        if (m_form.save(m_folder->text(), m_from->text(), m_to->text())) accept();
    });
    connect(print, &QPushButton::clicked, this, [this] {
        if (m_form.print(m_from->text(), m_to->text())) accept();
    });
    connect(exit, &QPushButton::clicked, this, &ExportPagesDialog::reject);
}

void ExportPagesDialog::reject() {
    m_form.cancel();
    QDialog::reject();
}

void ExportPagesDialog::choose(int choice) {
    m_form.choose(choice);
    m_from->setEnabled(m_form.rangeBoxesEnabled());
    m_to->setEnabled(m_form.rangeBoxesEnabled());
}

} // namespace folia
