#pragma once

#include "common/ColourWord.h"

#include <QByteArray>
#include <cstdint>

namespace folia {

// Export formats, as stored in the settings file (they double as option ids).
enum ImageFormatCode : int32_t {
    FormatPng = 3302,
    FormatJpg = 3303,
    FormatTif = 3304,
    FormatBmp = 3305,
    FormatGif = 3306,
};

// Alignment of page labels, as stored in the settings file.
enum AlignmentCode : int32_t {
    AlignLeft = 131,
    AlignRight = 132,
    AlignCentre = 133,
    AlignJustified = 134,
};

// Colours are 0x00BBGGRR words: red in the low byte.
using ColourRef = uint32_t;

struct FooterSettings {
    int32_t enabled = 0;            // "Activar"
    int32_t alignment = AlignRight; // "Alineamiento"
    int16_t fontSize = 10;          // "Fuente"
    int32_t bold = 0;               // "Fuente_Estilo_Negrita"
    int32_t italic = 0;             // "Fuente_Estilo_Italica"
    int32_t underlined = 0;         // "Fuente_Estilo_Subrayado"
    QByteArray text;                // "Texto", Windows-1252, at most 99 characters

    friend bool operator==(const FooterSettings&, const FooterSettings&) = default;
};

struct PageNumberSettings {
    int32_t enabled = 0;             // "Activar"
    int32_t alignment = AlignCentre; // "Alineamiento"
    int16_t fontSize = 10;           // "Fuente"
    int32_t withPageWord = 1;        // "Etiqueta_Pagina": "Page " before the number
    int32_t numeralSystem = 1;       // "Tipo_Numerico": 1 Arabic, 2 Roman
    int32_t romanCase = 1;           // "Resalte": 1 upper case, otherwise lower case

    friend bool operator==(const PageNumberSettings&, const PageNumberSettings&) = default;
};

struct ColourSettings {
    int32_t horizontal = 255;                    // "Sub_Horizontal"
    int32_t vertical = 255;                      // "Sub_Vertical"
    int32_t twoColourFont = int32_t(kWhiteWord); // "Sub_Fuente"
    int32_t twoColourBackground = 255;           // "Sub_Fondo"
    int32_t link = 255;                          // "Sub_Enlaces"
    int32_t selector = 16750899;                 // "Selector"
    int32_t selectorText = int32_t(kWhiteWord);  // "Texto_Selector"

    friend bool operator==(const ColourSettings&, const ColourSettings&) = default;
};

struct PositionSettings {
    static constexpr int32_t kGuideShown = 3; // the value of "Lector_bool" for a guide that is on

    int32_t offsetY = 0;  // "Y": vertical offset of the page view
    int32_t page = 1;     // "Pagina"
    int16_t guideRow = 0; // "Lector": row of the reading guide
    int32_t guideOn = 0;  // "Lector_bool"

    friend bool operator==(const PositionSettings&, const PositionSettings&) = default;
};

struct PrintSettings {
    int32_t copies = 1;     // "Copias"
    int32_t colourMode = 1; // "Color": 1 monochrome, 2 colour
    int32_t quality = 1;    // "Calidad": 1 draft .. 4 high

    friend bool operator==(const PrintSettings&, const PrintSettings&) = default;
};

// Every preference and the last reading position: one record for the whole program,
// kept in "Configuracion.ini" beside the program.
struct Settings {
    int32_t imageFormat = FormatBmp; // "Fichero"/"Formato"
    int32_t tickShape = 1;           // "Control_Subrayado"/"Forma": 1 rounded, 0 square
    FooterSettings footer1;
    FooterSettings footer2;
    PageNumberSettings pageNumber;
    ColourSettings colours;
    PositionSettings position;
    PrintSettings print;

    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace folia
