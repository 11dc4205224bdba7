#pragma once

#include "output/OutputPorts.h"

class QWidget;

namespace folia {

struct TextSet;

// The dialogs of "Save Image", modal over the main window.
class SaveImageDialogs : public OutputDialogs {
public:
    SaveImageDialogs(const TextSet& texts, QWidget* window) : m_texts(texts), m_window(window) {}

    void choosePages(PageChoiceForm& form) override;
    void configurePrinting(PrintConfigurationForm& form) override;

private:
    const TextSet& m_texts;
    QWidget* m_window;
};

} // namespace folia
