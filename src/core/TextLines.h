#pragma once

#include <QByteArrayView>
#include <QList>

// A text cut into lines. CR LF, LF and a lone CR (old Mac tools, mangled transfers) each end a
// line; a write that keeps a line keeps its bytes and its own line end.
namespace TextLines {

struct Line {
    qsizetype start;
    qsizetype length; // without the line end
    qsizetype end;    // past the line end

    bool ended() const { return end > start + length; }
};

inline QList<Line> split(QByteArrayView text, qsizetype from = 0)
{
    QList<Line> lines;
    qsizetype at = from;
    while (at < text.size()) {
        qsizetype stop = at;
        while (stop < text.size() && text[stop] != '\n' && text[stop] != '\r')
            ++stop;
        qsizetype next = stop;
        if (next < text.size())
            next += text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n' ? 2 : 1;
        lines.append({at, stop - at, next});
        at = next;
    }
    return lines;
}

// The line end a new line gets: the one the text's first line ends with, the fallback for a text
// without one.
inline QByteArrayView endOfLine(QByteArrayView text, QByteArrayView fallback)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') return "\n";
        if (text[i] == '\r') return i + 1 < text.size() && text[i + 1] == '\n' ? "\r\n" : "\r";
    }
    return fallback;
}

} // namespace TextLines
