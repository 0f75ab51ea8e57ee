// tallyvane-jet-reader: reads a Jet (.mdb) or ACE (.accdb) file with
// mdbtools and writes what it holds as frames on standard output. It runs
// as a child of the program because a damaged file can make the library
// read out of bounds: then only this process dies.
//
//   tallyvane-jet-reader tables FILE          every user table with its rows and columns
//   tallyvane-jet-reader rows FILE TABLE [N]  the table's columns, then its first N rows (all)

#include "JetFrames.h"

// glib first: mdbtools.h would include it inside its extern "C".
#include <glib.h>
#include <mdbtools.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
using Values = std::vector<const std::string*>;

void putLength(std::string& out, std::uint32_t length)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(char((length >> shift) & 0xff));
}

void writeFrame(JetFrames::Kind kind, const Values& values)
{
    std::string payload;
    for (const std::string* value : values) {
        putLength(payload, value ? std::uint32_t(value->size()) : JetFrames::NullText);
        if (value)
            payload += *value;
    }
    std::string frame(1, char(kind));
    putLength(frame, std::uint32_t(payload.size()));
    frame += payload;
    std::fwrite(frame.data(), 1, frame.size(), stdout);
}

void writeTexts(JetFrames::Kind kind, const Texts& texts)
{
    Values values;
    for (const std::string& text : texts)
        values.push_back(&text);
    writeFrame(kind, values);
}

int fail(const std::string& why)
{
    writeTexts(JetFrames::Failure, {why});
    std::fflush(stdout);
    return 1;
}

// A damaged file may send the library round a loop or after endless
// memory: the limits end it in time.
void limitResources()
{
    const rlimit cpu{60, 60};
    setrlimit(RLIMIT_CPU, &cpu);
    // AddressSanitizer reserves terabytes of address space for its shadow:
    // the memory limit would end it before it starts.
#ifndef __SANITIZE_ADDRESS__
    const rlimit memory{rlim_t(2) << 30, rlim_t(2) << 30};
    setrlimit(RLIMIT_AS, &memory);
#endif
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
}

const char* typeWord(int type)
{
    switch (type) {
    case MDB_TEXT: return "text";
    case MDB_MEMO: return "memo";
    case MDB_DATETIME: return "date";
    case MDB_BOOL: return "bool";
    case MDB_BYTE: case MDB_INT: case MDB_LONGINT: case MDB_FLOAT: case MDB_DOUBLE:
    case MDB_MONEY: case MDB_NUMERIC: return "number";
    case MDB_REPID: return "id";
    default: return "binary";
    }
}

bool isReadable(int type)
{
    return std::strcmp(typeWord(type), "binary") != 0;
}

// Days from 1970-01-01 to a civil date (proleptic Gregorian), and back.
void civilFromDays(long long days, long long* year, unsigned* month, unsigned* day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = unsigned(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shifted = (5 * dayOfYear + 2) / 153;
    *day = dayOfYear - (153 * shifted + 2) / 5 + 1;
    *month = shifted < 10 ? shifted + 3 : shifted - 9;
    *year = (long long)yearOfEra + era * 400 + (*month <= 2 ? 1 : 0);
}

// A Jet date is days since 1899-12-30; before it, the whole days count
// back while the fraction still counts the time of day forward. The
// library's own text form fails outside 1900-9999, so the value is read
// from the row and written here as yyyy-mm-ddThh:mm:ss.
std::string jetDateText(double value)
{
    const double whole = value < 0 ? std::ceil(value) : std::floor(value);
    long long seconds = std::llround(std::fabs(value - whole) * 86400.0);
    long long days = (long long)whole - 25569; // 1899-12-30 to 1970-01-01
    if (seconds >= 86400) {
        seconds -= 86400;
        days += 1;
    }
    long long year = 0;
    unsigned month = 0, day = 0;
    civilFromDays(days, &year, &month, &day);
    char text[96];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02uT%02lld:%02lld:%02lld", year, month, day, seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    return text;
}

bool readDate(MdbHandle* mdb, const MdbColumn* col, std::string* text)
{
    if (col->cur_value_len != 8 || col->cur_value_start < 0 || col->cur_value_start + 8 > int(sizeof mdb->pg_buf))
        return false;
    unsigned char bytes[8];
    std::memcpy(bytes, mdb->pg_buf + col->cur_value_start, 8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = bits << 8 | bytes[i];
    double value = 0;
    std::memcpy(&value, &bits, 8);
    if (!std::isfinite(value) || std::fabs(value) > 3.0e6)
        return false;
    *text = jetDateText(value);
    return true;
}

MdbColumn* column(MdbTableDef* table, unsigned int index)
{
    return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, index));
}

int listTables(MdbHandle* mdb)
{
    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (!mdb_is_user_table(entry))
            continue;
        MdbTableDef* table = mdb_read_table(entry);
        if (!table)
            return fail(std::string("its table ") + entry->object_name + " cannot be read.");
        mdb_read_columns(table);
        Texts texts{entry->object_name, std::to_string(table->num_rows)};
        for (unsigned int c = 0; c < table->num_cols; ++c)
            texts.push_back(column(table, c)->name);
        writeTexts(JetFrames::Table, texts);
        mdb_free_tabledef(table);
    }
    return 0;
}

int readRows(MdbHandle* mdb, const char* name, long limit)
{
    MdbTableDef* table = mdb_read_table_by_name(mdb, const_cast<gchar*>(name), MDB_TABLE);
    if (!table)
        return fail(std::string("it has no table ") + name + ".");
    mdb_read_columns(table);
    mdb_rewind_table(table);
    const unsigned int count = table->num_cols;
    Texts header;
    // Left unfilled: only the pages a value reaches are ever touched.
    std::vector<std::unique_ptr<char[]>> buffers(count);
    std::vector<int> lengths(count, 0);
    for (unsigned int c = 0; c < count; ++c) {
        MdbColumn* col = column(table, c);
        header.push_back(col->name);
        header.push_back(typeWord(col->col_type));
        if (!isReadable(col->col_type))
            continue;
        buffers[c].reset(new char[JetFrames::MaxValue + 1]);
        mdb_bind_column(table, int(c) + 1, buffers[c].get(), &lengths[c]);
    }
    writeTexts(JetFrames::Columns, header);
    std::vector<std::string> texts(count);
    Values values(count);
    for (long row = 0; (limit < 0 || row < limit) && mdb_fetch_row(table); ++row) {
        for (unsigned int c = 0; c < count; ++c) {
            MdbColumn* col = column(table, c);
            bool present = buffers[c] && lengths[c] > 0;
            if (present && col->col_type == MDB_DATETIME)
                present = readDate(mdb, col, &texts[c]);
            else if (present)
                texts[c].assign(buffers[c].get(), std::size_t(lengths[c]));
            values[c] = present ? &texts[c] : nullptr;
        }
        writeFrame(JetFrames::Row, values);
    }
    mdb_free_tabledef(table);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    limitResources();
    const std::string command = argc > 1 ? argv[1] : "";
    if (argc < 3 || (command != "tables" && command != "rows") || (command == "rows" && argc < 4)) {
        std::fprintf(stderr, "usage: %s tables FILE | rows FILE TABLE [LIMIT]\n", argv[0]);
        return 2;
    }
    MdbHandle* mdb = mdb_open(argv[2], MDB_NOFLAGS);
    if (!mdb)
        return fail("it is not a Jet or Access database.");
    mdb_set_bind_size(mdb, JetFrames::MaxValue + 1);
    mdb_set_date_fmt(mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_shortdate_fmt(mdb, "%Y-%m-%d");
    mdb_set_boolean_fmt_numbers(mdb);
    int status = 0;
    if (!mdb_read_catalog(mdb, MDB_TABLE))
        status = fail("its list of tables cannot be read.");
    else if (command == "tables")
        status = listTables(mdb);
    else
        status = readRows(mdb, argv[3], argc > 4 ? std::atol(argv[4]) : -1);
    mdb_close(mdb);
    if (status == 0)
        writeFrame(JetFrames::End, {});
    std::fflush(stdout);
    return status;
}
