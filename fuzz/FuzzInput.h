#pragma once

#include "TextEncoding.h"
#include "TextLines.h"

#include <QFile>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace Fuzz {

// A broken invariant ends the run like a crash, so libFuzzer keeps the input that broke it.
[[noreturn]] inline void broken(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, what);
    std::abort();
}
#define FUZZ_CHECK(condition) ((condition) ? void() : Fuzz::broken(#condition, __FILE__, __LINE__))

// The fuzzer's bytes as the arguments of a call: each name or value a length byte and that many
// bytes of UTF-8, what is left the file's text.
struct Input {
    QByteArrayView rest;
    uchar byte()
    {
        const uchar b = rest.isEmpty() ? 0 : uchar(rest.front());
        rest = rest.sliced(rest.isEmpty() ? 0 : 1);
        return b;
    }
    QString text()
    {
        const QByteArrayView t = rest.first(std::min<qsizetype>(byte(), rest.size()));
        rest = rest.sliced(t.size());
        return QString::fromUtf8(t);
    }
};

inline QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void put(const QString& path, QByteArrayView bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(bytes.data(), bytes.size()) == bytes.size());
}

// How many lines of before a change took away and how many it put in their place, once the lines
// both texts begin and end with are set aside. Lines are compared as text with their line ends,
// so a file turned from Windows-1252 into UTF-8 whole still keeps its lines.
inline std::pair<qsizetype, qsizetype> changedLines(const QByteArray& before,
                                                    const QByteArray& after)
{
    const auto lines = [](const QByteArray& text) {
        QStringList out;
        const auto encoding = TextEncoding::detect(text);
        // A byte-order mark belongs to no line.
        for (const auto& line : TextLines::split(text, text.startsWith("\xEF\xBB\xBF") ? 3 : 0))
            out << TextEncoding::decode(text.sliced(line.start, line.end - line.start), encoding);
        return out;
    };
    const QStringList a = lines(before), b = lines(after);
    qsizetype head = 0, tail = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    return {a.size() - head - tail, b.size() - head - tail};
}

} // namespace Fuzz
