#include "PrintConfigurationDialog.h"

#include "output/PrintConfigurationForm.h"
#include "text/TextSet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace folia {
namespace {

QFont dialogFont(const char* family, bool bold) {
    QFont font(QString::fromLatin1(family), 10);
    font.setBold(bold);
    return font;
}

QComboBox* list(const QStringList& entries, int selected, const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setFont(dialogFont("MS Sans Serif", false));
    box->addItems(entries);
    box->setCurrentIndex(selected);
    box->setAccessibleName(name);
    return box;
}

} // namespace

PrintConfigurationDialog::PrintConfigurationDialog(PrintConfigurationForm& form,
                                                   const TextSet& texts, QWidget* parent)
    : QDialog(parent), m_form(form),
      m_copies(list(form.copiesEntries(), form.selectedCopies(), texts.numberOfCopies, this)),
      m_colourMode(
          list(form.colourModeEntries(), form.selectedColourMode(), texts.colourMode, this)),
      m_quality(list(form.qualityEntries(), form.selectedQuality(), texts.printResolution, this)) {
    setWindowTitle(texts.configurePrinting);
    setFont(dialogFont("MS Sans Serif", true));

    auto* layout = new QGridLayout(this);
    const QList<std::pair<QString, QComboBox*>> columns{{texts.numberOfCopies, m_copies},
                                                        {texts.colourMode, m_colourMode},
                                                        {texts.printResolution, m_quality}};
    for (int column = 0; column < columns.size(); ++column) {
        auto* label = new QLabel(columns[column].first, this);
        label->setBuddy(columns[column].second);
        layout->addWidget(label, 0, column);
        layout->addWidget(columns[column].second, 1, column);
    }
    auto* proceed = new QPushButton(texts.continueButton, this);
    proceed->setDefault(true);
    layout->addWidget(proceed, 2, 1);
    auto* printer = new QLabel(form.printerName(), this);
    printer->setFont(dialogFont("Georgia", true));
    printer->setAlignment(Qt::AlignCenter);
    printer->setAutoFillBackground(true);
    printer->setStyleSheet(QStringLiteral("background: #c0c0c0"));
    layout->addWidget(printer, 3, 0, 1, 3);

    connect(proceed, &QPushButton::clicked, this, [this] {
        m_form.accept(m_copies->currentText(), m_colourMode->currentText(),
                      m_quality->currentText());
        accept();
    });
}

} // namespace folia
