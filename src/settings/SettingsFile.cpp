#include "SettingsFile.h"

#include "common/FixedText.h"
#include "common/LenientNumber.h"
#include "common/ProgramFolder.h"

namespace folia {
namespace {

constexpr qsizetype kTextCapacity = 100; // footer texts keep at most 99 characters

template <typename Footer, typename Visit>
void forEachFooterKey(const char* section, Footer& footer, Visit& visit) {
    visit(section, "Activar", footer.enabled);
    visit(section, "Alineamiento", footer.alignment);
    visit(section, "Fuente", footer.fontSize);
    visit(section, "Fuente_Estilo_Negrita", footer.bold);
    visit(section, "Fuente_Estilo_Italica", footer.italic);
    visit(section, "Fuente_Estilo_Subrayado", footer.underlined);
    visit(section, "Texto", footer.text);
}

// The 36 keys of the file with the member each one holds, in file order: the order in
// which they are read and written. Works on a const or a mutable record.
template <typename S, typename Visit> void forEachKey(S& s, Visit&& visit) {
    visit("Fichero", "Formato", s.imageFormat);
    visit("Control_Subrayado", "Forma", s.tickShape);
    forEachFooterKey("Pie_de_Pagina_1", s.footer1, visit);
    forEachFooterKey("Pie_de_Pagina_2", s.footer2, visit);
    visit("Numero_de_Pagina", "Activar", s.pageNumber.enabled);
    visit("Numero_de_Pagina", "Alineamiento", s.pageNumber.alignment);
    visit("Numero_de_Pagina", "Fuente", s.pageNumber.fontSize);
    visit("Numero_de_Pagina", "Etiqueta_Pagina", s.pageNumber.withPageWord);
    visit("Numero_de_Pagina", "Tipo_Numerico", s.pageNumber.numeralSystem);
    visit("Numero_de_Pagina", "Resalte", s.pageNumber.romanCase);
    visit("Colores", "Sub_Horizontal", s.colours.horizontal);
    visit("Colores", "Sub_Vertical", s.colours.vertical);
    visit("Colores", "Sub_Fuente", s.colours.twoColourFont);
    visit("Colores", "Sub_Fondo", s.colours.twoColourBackground);
    visit("Colores", "Sub_Enlaces", s.colours.link);
    visit("Colores", "Selector", s.colours.selector);
    visit("Colores", "Texto_Selector", s.colours.selectorText);
    visit("Posicion", "Y", s.position.offsetY);
    visit("Posicion", "Pagina", s.position.page);
    visit("Posicion", "Lector", s.position.guideRow);
    visit("Posicion", "Lector_bool", s.position.guideOn);
    visit("Imprimir", "Copias", s.print.copies);
    visit("Imprimir", "Color", s.print.colourMode);
    visit("Imprimir", "Calidad", s.print.quality);
}

QByteArray plainNumber(int32_t value) {
    return QByteArray::number(value);
}

// Numbers are written with one leading blank when not negative ("Copias= 1").
QByteArray storedNumber(int32_t value) {
    return value < 0 ? plainNumber(value) : ' ' + plainNumber(value);
}

// Reads each key into a default-built record, so the member's value is the default.
struct Reader {
    const IniFile& ini;

    void operator()(const char* section, const char* key, int32_t& value) const {
        value = lenientInt32(ini.value(section, key, plainNumber(value)));
    }
    void operator()(const char* section, const char* key, int16_t& value) const {
        value = lenientInt16(ini.value(section, key, plainNumber(value)));
    }
    void operator()(const char* section, const char* key, QByteArray& value) const {
        // Values are read without their outer blanks; so is a text that the cut leaves
        // ending in one, or it would lose it only at the next read.
        value = cutToCapacity(ini.value(section, key, value), kTextCapacity).trimmed();
    }
};

} // namespace

QString settingsPath() {
    return besideProgram(QStringLiteral("Configuracion.ini"));
}

Settings readSettings(const IniFile& ini) {
    Settings settings;
    forEachKey(settings, Reader{ini});
    return settings;
}

void writeSettings(const Settings& settings, IniFile& ini) {
    forEachKey(settings, [&ini](const char* section, const char* key, const auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QByteArray>)
            ini.setValue(section, key, cutToCapacity(value, kTextCapacity));
        else
            ini.setValue(section, key, storedNumber(value));
    });
}

Settings loadSettings(const QString& path) {
    return readSettings(IniFile::load(path));
}

WriteResult saveSettings(const Settings& settings, const QString& path) {
    IniFile ini = IniFile::load(path);
    writeSettings(settings, ini);
    return ini.save(path);
}

} // namespace folia
