#include "MenuMnemonics.h"

#include <QHash>

namespace folia {
namespace {

// The Alt key of every menu text of both programs in both languages, unique within
// each menu and within each menu bar.
const QHash<QString, QChar>& mnemonics() {
    static const QHash<QString, QChar> letters{
        // Menu bars
        {"Files", u'F'},
        {"Edit", u'E'},
        {"Personalize", u'P'},
        {"Underlines", u'U'},
        {"Colors", u'C'},
        {"Alignment", u'A'},
        {"Read", u'R'},
        {"Archivos", u'A'},
        {"Editar", u'E'},
        {"Personalizar", u'P'},
        {"Subrayados", u'S'},
        {"Colores", u'C'},
        {"Alineamiento", u'n'},
        {"Leer", u'L'},
        // Files
        {"New", u'N'},
        {"Save Image", u'S'},
        {"Export as PDF…", u'P'},
        {"Author", u'A'},
        {"Exit", u'x'},
        {"Read plain text", u'R'},
        {"Write plain text with format", u'W'},
        {"Write plain text without format", u'o'},
        {"Nuevo", u'N'},
        {"Grabar Imagen", u'G'},
        {"Exportar como PDF…", u'P'},
        {"Autor", u'A'},
        {"Salir", u'S'},
        {"Leer texto plano", u'L'},
        {"Grabar texto plano con formato", u'G'},
        {"Grabar texto plano sin formato", u'i'},
        {"Export marks…", u'E'},
        {"Exportar marcas…", u'E'},
        // Edit
        {"Update", u'p'},
        {"Undo", u'U'},
        {"Redo", u'R'},
        {"Go to", u'G'},
        {"Find", u'F'},
        {"Replace", u'R'},
        {"Actualizar", u'A'},
        {"Deshacer", u'D'},
        {"Rehacer", u'R'},
        {"Ir a", u'I'},
        {"Buscar", u'B'},
        {"Reemplazar", u'R'},
        // Personalize
        {"Set up", u'S'},
        {"Configurador", u'C'},
        // Underlines
        {"Control to choose underline (switch)", u'C'},
        {"Underline Full Horizontal Line", u'F'},
        {"Underline Vertical Line", u'V'},
        {"Underline Piece Horizontal Line", u'H'},
        {"Underline Piece 2 Colors", u'2'},
        {"Underline link to page", u'L'},
        {"Underline Piece Bold", u'B'},
        {"Underline link Definition", u'D'},
        {"Remove marks", u'R'},
        {"Control para elegir subrayado", u'C'},
        {"Subrayar Línea completa Horizontal", u'L'},
        {"Subrayar Línea Vertical", u'V'},
        {"Subrayar Trozo Línea Horizontal", u'H'},
        {"Subrayar Trozo 2 Colores", u'2'},
        {"Subrayar enlace a página", u'E'},
        {"Subrayar Trozo Negrita", u'N'},
        {"Subrayar enlace Definicion", u'D'},
        {"Quitar marcas", u'Q'},
        // Colors
        {"Favorite colors", u'F'},
        {"Horizontal underline color", u'H'},
        {"Vertical underline color", u'V'},
        {"Color background text underlined 2 colors", u'B'},
        {"Font color underlined text 2 colors", u'n'},
        {"Color link to another page", u'L'},
        {"Color Selector", u'S'},
        {"Text Color Selector", u'T'},
        {"Colores Favoritos", u'F'},
        {"Color Subrayado Horizontal", u'H'},
        {"Color Subrayado Vertical", u'V'},
        {"Color fondo texto subrayado 2 colores", u'n'},
        {"Color fuente texto subrayado 2 colores", u'u'},
        {"Color enlaces a otra página", u'E'},
        {"Color selector", u'S'},
        {"Color texto selector", u'T'},
        // Alignment and Read
        {"Left", u'L'},
        {"Center", u'C'},
        {"Right", u'R'},
        {"Izquierda", u'I'},
        {"Centro", u'C'},
        {"Derecha", u'D'},
        {"Guide Reader", u'G'},
        {"Lector Guia", u'L'},
        {"Marks list", u'M'},
        {"Lista de marcas", u'M'},
    };
    return letters;
}

// Where the letter stands: at the start of a word if it begins one, else wherever it
// first occurs.
qsizetype letterPosition(const QString& text, QChar letter) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if ((i == 0 || text[i - 1] == ' ') && text[i].toLower() == letter.toLower()) return i;
    return text.indexOf(letter, 0, Qt::CaseInsensitive);
}

} // namespace

QString menuLabel(const QString& text) {
    QString label = text;
    label.replace('&', QStringLiteral("&&"));
    const auto found = mnemonics().constFind(text);
    if (found == mnemonics().constEnd()) return label;
    const qsizetype at = letterPosition(label, *found);
    if (at >= 0) label.insert(at, '&');
    return label;
}

} // namespace folia
