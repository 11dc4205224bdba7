#include "MarkFiles.h"

#include "common/ColourWord.h"
#include "text/TextSet.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <variant>

namespace folia {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// The fields of a mark in the order both files give them: JSON key, CSV column.
struct FieldName {
    const char* json;
    const char* csv;
};
constexpr std::array<FieldName, 11> kFields{{{"page", "page"},
                                             {"row", "row"},
                                             {"kind", "kind"},
                                             {"first", "first"},
                                             {"last", "last"},
                                             {"text", "text"},
                                             {"lastRow", "last_row"},
                                             {"background", "background"},
                                             {"foreground", "foreground"},
                                             {"target", "target"},
                                             {"definition", "definition"}}};

// A field's value: none (JSON null, an empty CSV field), a number or a text.
using Value = std::variant<std::monostate, int, QString>;

Value valueOf(const std::optional<int>& number) {
    return number ? Value(*number) : Value();
}
Value valueOf(const std::optional<QString>& text) {
    return text ? Value(*text) : Value();
}
Value colourValue(const std::optional<uint32_t>& word) {
    return word ? Value(colourOf(*word).name()) : Value(); // "#rrggbb"
}

std::array<Value, kFields.size()> valuesOf(const ListedMark& mark) {
    return {mark.page,
            mark.row,
            markKindToken(mark.kind),
            valueOf(mark.first),
            valueOf(mark.last),
            mark.text,
            valueOf(mark.lastRow),
            colourValue(mark.background),
            colourValue(mark.foreground),
            valueOf(mark.target),
            valueOf(mark.definition)};
}

QString jsonString(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            quoted += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20)
            quoted += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QString jsonValue(const Value& value) {
    if (const int* number = std::get_if<int>(&value)) return QString::number(*number);
    if (const QString* text = std::get_if<QString>(&value)) return jsonString(*text);
    return QStringLiteral("null");
}

// Quoted as RFC 4180 asks when the field holds a separator, a quote or a line end.
QString csvField(const Value& value) {
    if (const int* number = std::get_if<int>(&value)) return QString::number(*number);
    const QString* text = std::get_if<QString>(&value);
    if (!text) return {};
    const bool plain = std::none_of(text->begin(), text->end(), [](QChar c) {
        return c == u',' || c == u'"' || c == u'\r' || c == u'\n';
    });
    if (plain) return *text;
    return QLatin1Char('"') + QString(*text).replace(u'"', QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// Characters a Markdown reader would take for markup, or turn into curly quotes, stand
// for themselves.
QString markdownText(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        if (QStringLiteral("\\`*_[]<>~&|\"").contains(c)) escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

QString markdownBullet(const ListedMark& mark, const TextSet& t) {
    QString bullet = QStringLiteral("- ");
    if (mark.lastRow)
        bullet +=
            t.rowsWord + QString::number(mark.row) + t.rowsTo + QString::number(*mark.lastRow);
    else
        bullet += t.rowWord + QString::number(mark.row);
    bullet += QStringLiteral(", ") + markKindName(mark.kind, t);
    if (mark.kind == MarkKind::Alignment)
        return bullet + QStringLiteral(": ") + alignmentName(mark.text, t);
    if (mark.foreground && mark.background)
        bullet += QStringLiteral(" (") + colourOf(*mark.foreground).name() + t.colourOn +
                  colourOf(*mark.background).name() + QLatin1Char(')');
    bullet += QStringLiteral(": ") + t.openQuote + markdownText(mark.text) + t.closeQuote;
    if (mark.target) bullet += QLatin1Char(' ') + t.toPage + QString::number(*mark.target);
    if (mark.definition) bullet += QStringLiteral(" — ") + markdownText(*mark.definition);
    return bullet;
}

} // namespace

QString markKindToken(MarkKind kind) {
    static const std::array<QString, kMarkKindCount> tokens{
        QStringLiteral("underline"),   QStringLiteral("full-underline"), QStringLiteral("bracket"),
        QStringLiteral("two-colours"), QStringLiteral("bold"),           QStringLiteral("link"),
        QStringLiteral("definition"),  QStringLiteral("alignment")};
    return tokens[static_cast<size_t>(kind)];
}

QString markKindName(MarkKind kind, const TextSet& t) {
    const std::array<const QString*, kMarkKindCount> names{
        &t.markUnderline, &t.markFullUnderline, &t.markBracket,    &t.markTwoColours,
        &t.markBold,      &t.markLink,          &t.markDefinition, &t.markAlignment};
    return *names[static_cast<size_t>(kind)];
}

QString alignmentName(const QString& placement, const TextSet& t) {
    if (placement == kAlignedCentre) return t.alignedCentre;
    if (placement == kAlignedRight) return t.alignedRight;
    return t.alignedLeft;
}

QByteArray marksAsJson(const std::vector<ListedMark>& marks, int pageCount) {
    QString json = QStringLiteral("{\"format\": \"folia-marks\", \"version\": 1, \"pages\": ") +
                   QString::number(pageCount) + QStringLiteral(", \"marks\": [") + kLineEnd;
    for (size_t i = 0; i < marks.size(); ++i) {
        const auto values = valuesOf(marks[i]);
        QStringList members;
        for (size_t f = 0; f < kFields.size(); ++f)
            members << jsonString(QLatin1String(kFields[f].json)) + QStringLiteral(": ") +
                           jsonValue(values[f]);
        json += QLatin1Char('{') + members.join(QStringLiteral(", ")) + QLatin1Char('}') +
                (i + 1 < marks.size() ? QStringLiteral(",") : QString()) + kLineEnd;
    }
    return (json + QStringLiteral("]}") + kLineEnd).toUtf8();
}

QByteArray marksAsCsv(const std::vector<ListedMark>& marks) {
    QStringList header;
    for (const FieldName& field : kFields)
        header << QLatin1String(field.csv);
    QString csv = header.join(QLatin1Char(',')) + kLineEnd;
    for (const ListedMark& mark : marks) {
        QStringList fields;
        for (const Value& value : valuesOf(mark))
            fields << csvField(value);
        csv += fields.join(QLatin1Char(',')) + kLineEnd;
    }
    return csv.toUtf8();
}

QByteArray marksAsMarkdown(const std::vector<ListedMark>& marks, const TextSet& texts) {
    QString markdown = QStringLiteral("# ") + texts.marksTitle + kLineEnd;
    int page = 0;
    for (const ListedMark& mark : marks) {
        if (mark.page != page) {
            page = mark.page;
            markdown += kLineEnd + QStringLiteral("## ") + texts.pageWord + QString::number(page) +
                        kLineEnd + kLineEnd;
        }
        markdown += markdownBullet(mark, texts) + kLineEnd;
    }
    return markdown.toUtf8();
}

} // namespace folia
