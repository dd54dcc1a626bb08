#pragma once

#include <QByteArrayView>
#include <QVarLengthArray>

#include <optional>

// The grammar of one line of doit.log, on its bytes: every field but a file
// name is plain ASCII, so only the names need the code page.
namespace kettwerk::runlog {

inline constexpr QByteArrayView kHeaderWord = "KETTWERK-LAUF ";
inline constexpr QByteArrayView kFormat = "1";
inline constexpr qsizetype kIdLength = 5;

// The shell's echo may leave blanks before the line end.
inline QByteArrayView withoutTrailingBlanks(QByteArrayView line)
{
    while (!line.isEmpty() && (line.back() == ' ' || line.back() == '\t'))
        line.chop(1);
    return line;
}

// The fields of `line` apart by single blanks, at most `most`: the last one
// takes the rest, blanks and all. Two blanks in a row make an empty field.
inline QVarLengthArray<QByteArrayView, 6> fieldsOf(QByteArrayView line, qsizetype most)
{
    QVarLengthArray<QByteArrayView, 6> fields;
    while (fields.size() + 1 < most) {
        const qsizetype blank = line.indexOf(' ');
        if (blank < 0)
            break;
        fields.append(line.first(blank));
        line = line.sliced(blank + 1);
    }
    fields.append(line);
    return fields;
}

// Plain decimal digits; more than twelve are no number of this log.
inline std::optional<qsizetype> numberOf(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > 12)
        return std::nullopt;
    qsizetype number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

inline bool isBatchId(QByteArrayView id)
{
    if (id.size() != kIdLength)
        return false;
    for (const char c : id) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

struct Marker
{
    bool start = false;
    QByteArrayView number; // empty for E
    QByteArrayView id;
};

// "S <number> <id>" or "E <id>", blanks after it cut off; the number is only
// checked for its form by the caller.
inline std::optional<Marker> markerOf(QByteArrayView line)
{
    const auto fields = fieldsOf(withoutTrailingBlanks(line), 4);
    const bool start = fields.size() == 3 && fields[0] == "S";
    const bool end = fields.size() == 2 && fields[0] == "E";
    if (!(start || end) || !isBatchId(fields.back()))
        return std::nullopt;
    return Marker{start, start ? fields[1] : QByteArrayView(), fields.back()};
}

} // namespace kettwerk::runlog
