#include "CsvReading.h"

#include <csv.h>

#include <array>

namespace {

// What libcsv's callbacks fill while one physical line is parsed.
// A record starts on the first line fed while none is open; it stays open
// over lines whose line break lies inside quotes.
struct Collector
{
    SourceRow fields;
    qint64 recordLine = 1;
    bool open = false;
    bool endedThisLine = false;
    bool stopped = false;
    const CsvReading::RecordVisitor* visit = nullptr;
};

void onField(void* data, size_t length, void* context)
{
    auto* collector = static_cast<Collector*>(context);
    collector->fields.append(QByteArrayView(static_cast<const char*>(data), qsizetype(length)));
}

void onRecordEnd(int, void* context)
{
    auto* collector = static_cast<Collector*>(context);
    if (!collector->stopped && !collector->fields.isEmpty())
        collector->stopped = !(*collector->visit)(collector->fields, collector->recordLine);
    collector->fields.clear();
    collector->endedThisLine = true;
}

bool isBlank(const char* line, size_t length)
{
    return length == 0 || line[0] == '\n' || (line[0] == '\r' && (length == 1 || line[1] == '\n'));
}

// Spaces belong to the value: nothing is trimmed.
int noSpace(unsigned char)
{
    return 0;
}

Result malformedAt(qint64 line)
{
    return Result::failure(QStringLiteral("Line %1 of the file is not valid CSV: a quoted value is not closed "
                                          "or holds a stray quote. Nothing has been imported.")
                               .arg(line));
}

} // namespace

char CsvReading::detectSeparator(const QByteArray& utf8)
{
    constexpr std::array<char, 3> candidates{',', ';', '\t'};
    std::array<int, 3> counts{};
    bool quoted = false;
    int lines = 0;
    for (const char c : utf8) {
        if (c == '"')
            quoted = !quoted;
        else if (c == '\n' && !quoted && ++lines == 20)
            break;
        for (std::size_t i = 0; i < candidates.size(); ++i)
            counts[i] += !quoted && c == candidates[i];
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < candidates.size(); ++i)
        if (counts[i] > counts[best])
            best = i;
    return counts[best] > 0 ? candidates[best] : ',';
}

Result CsvReading::read(const QByteArray& utf8, char separator, const RecordVisitor& visit)
{
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0)
        return Result::failure(QStringLiteral("The CSV reader could not start: out of memory."));
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    csv_set_space_func(&parser, noSpace);
    Collector collector;
    collector.visit = &visit;

    Result result = Result::success();
    qsizetype start = 0;
    // Fed a physical line at a time, so every record knows its first line.
    for (qint64 line = 1; start < utf8.size() && !collector.stopped; ++line) {
        qsizetype end = utf8.indexOf('\n', start);
        end = end < 0 ? utf8.size() : end + 1;
        const char* text = utf8.constData() + start;
        const size_t length = size_t(end - start);
        if (!collector.open)
            collector.recordLine = line;
        collector.endedThisLine = false;
        if (csv_parse(&parser, text, length, onField, onRecordEnd, &collector) != length) {
            result = malformedAt(collector.recordLine);
            break;
        }
        collector.open = !collector.endedThisLine && !isBlank(text, length);
        start = end;
    }
    if (result.ok() && !collector.stopped && csv_fini(&parser, onField, onRecordEnd, &collector) != 0)
        result = malformedAt(collector.recordLine);
    csv_free(&parser);
    return result;
}
