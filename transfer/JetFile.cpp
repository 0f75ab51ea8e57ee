#include "JetFile.h"

#include "DateTimeText.h"
#include "JetFrames.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

// A Jet file cannot grow past 2 GB (ACE: the same); a larger one is not one.
constexpr qint64 MaxFileSize = qint64(2) << 30;
// Everything the reader may send for one table, for the same reason.
constexpr qint64 MaxOutput = qint64(3) << 30;

QString readerPath()
{
    const QString folder = QCoreApplication::applicationDirPath();
    // Beside the program, in the build tree's bin/ (for the tests), or
    // where the package installs it.
    for (const QString& candidate : {folder + QStringLiteral("/tallyvane-jet-reader"),
                                     folder + QStringLiteral("/../bin/tallyvane-jet-reader"),
                                     folder + QStringLiteral("/../libexec/tallyvane/tallyvane-jet-reader")}) {
        if (QFileInfo(candidate).isExecutable())
            return QDir::cleanPath(candidate);
    }
    return QString();
}

QString cannotRead(const QString& path, const QString& why)
{
    return QStringLiteral("The file %1 could not be read: %2 Nothing has been imported.")
        .arg(QDir::toNativeSeparators(path), why);
}

Result checkFile(const QString& path, QFileInfo* info)
{
    *info = QFileInfo(path);
    if (!info->exists())
        return Result::failure(cannotRead(path, QStringLiteral("it does not exist.")));
    if (info->isDir())
        return Result::failure(cannotRead(path, QStringLiteral("it is a folder.")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(cannotRead(path, QStringLiteral("you have no permission to read it.")));
    if (info->size() > MaxFileSize)
        return Result::failure(cannotRead(path, QStringLiteral("it is larger than any Jet database can be.")));
    return Result::success();
}

quint32 littleEndian(const char* bytes)
{
    const auto* b = reinterpret_cast<const uchar*>(bytes);
    return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}

// The texts of one frame's payload; nothing when it is malformed.
std::optional<QStringList> texts(const QByteArray& payload)
{
    QStringList list;
    qsizetype at = 0;
    while (at < payload.size()) {
        if (payload.size() - at < 4)
            return std::nullopt;
        const quint32 length = littleEndian(payload.constData() + at);
        at += 4;
        if (length == JetFrames::NullText) {
            list << QString();
            continue;
        }
        if (length > quint32(payload.size() - at))
            return std::nullopt;
        list << QString::fromUtf8(payload.constData() + at, qsizetype(length));
        at += length;
    }
    return list;
}

// Called with each frame; a failure, or `stop` set, ends the reading.
using FrameVisitor = std::function<Result(char kind, const QStringList& texts, bool* stop)>;

// Runs the reader over `path` and hands each frame on.
Result runReader(const QString& path, const QStringList& arguments, int silenceLimitMs, const FrameVisitor& frame)
{
    const QString reader = readerPath();
    if (reader.isEmpty())
        return Result::failure(cannotRead(path, QStringLiteral("the Jet reader of this program is missing.")));
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(reader, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted())
        return Result::failure(cannotRead(path, QStringLiteral("the Jet reader did not start.")));
    auto giveUp = [&](const QString& why) {
        process.kill();
        process.waitForFinished();
        return Result::failure(cannotRead(path, why));
    };
    QByteArray pending;
    qint64 received = 0;
    bool ended = false;
    QElapsedTimer silence;
    silence.start();
    while (!ended) {
        const bool running = process.state() != QProcess::NotRunning;
        if (running && process.bytesAvailable() == 0 && !process.waitForReadyRead(100)) {
            if (process.state() != QProcess::NotRunning && silence.hasExpired(silenceLimitMs))
                return giveUp(QStringLiteral("reading it stopped answering."));
            if (process.state() != QProcess::NotRunning)
                continue;
        }
        const QByteArray chunk = process.readAll();
        if (!chunk.isEmpty())
            silence.restart();
        received += chunk.size();
        if (received > MaxOutput)
            return giveUp(QStringLiteral("it holds more than a Jet database can."));
        pending += chunk;
        qsizetype at = 0;
        while (!ended && pending.size() - at >= qsizetype(JetFrames::HeaderSize)) {
            const quint32 length = littleEndian(pending.constData() + at + 1);
            if (length > JetFrames::MaxFrame)
                return giveUp(QStringLiteral("it seems to be damaged."));
            if (pending.size() - at < qsizetype(JetFrames::HeaderSize + length))
                break;
            const char kind = pending.at(at);
            const std::optional<QStringList> list =
                texts(pending.mid(at + JetFrames::HeaderSize, qsizetype(length)));
            at += JetFrames::HeaderSize + length;
            if (!list)
                return giveUp(QStringLiteral("it seems to be damaged."));
            if (kind == JetFrames::Failure)
                return giveUp(list->value(0));
            if (kind == JetFrames::End) {
                ended = true;
                break;
            }
            bool stop = false;
            const Result handled = frame(kind, *list, &stop);
            if (!handled.ok() || stop) {
                process.kill();
                process.waitForFinished();
                return handled;
            }
        }
        pending.remove(0, at);
        if (!ended && process.state() == QProcess::NotRunning && process.bytesAvailable() == 0)
            return Result::failure(cannotRead(path, QStringLiteral("it seems to be damaged.")));
    }
    process.waitForFinished();
    return Result::success();
}

QString withoutTrailingZeros(QString number)
{
    if (!number.contains(QLatin1Char('.')))
        return number;
    while (number.endsWith(QLatin1Char('0')))
        number.chop(1);
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    return number;
}

} // namespace

JetFile::JetFile(const QString& path) : m_path(path) {}

bool JetFile::looksLikeJet(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(32);
    return head.size() == 32 && (head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB");
}

QString JetFile::shownText(const QString& type, const QString& raw)
{
    if (raw.isEmpty())
        return raw;
    if (type == QLatin1String("number"))
        return withoutTrailingZeros(raw);
    if (type == QLatin1String("bool"))
        return raw == QLatin1String("0") ? QStringLiteral("No") : QStringLiteral("Yes");
    if (type == QLatin1String("date")) {
        const QDateTime moment = QDateTime::fromString(raw, Qt::ISODate);
        if (!moment.isValid())
            return raw;
        return moment.time() == QTime(0, 0) ? shortDateText(moment.date()) : dateTimeText(moment);
    }
    return raw;
}

Result JetFile::tables(QList<Table>* tables) const
{
    tables->clear();
    QFileInfo info;
    const Result checked = checkFile(m_path, &info);
    if (!checked.ok())
        return checked;
    QList<Table> found;
    const Result run = runReader(m_path, {QStringLiteral("tables"), m_path}, m_silenceLimitMs,
                                      [&](char kind, const QStringList& list, bool*) {
        if (kind != JetFrames::Table || list.size() < 2)
            return Result::failure(cannotRead(m_path, QStringLiteral("it seems to be damaged.")));
        found.append({list.at(0), list.at(1).toLongLong(), list.mid(2)});
        return Result::success();
    });
    if (run.ok())
        *tables = found;
    return run;
}

Result JetFile::read(const QString& table, qint64 limit, const Progress& progress, Rows* rows) const
{
    *rows = Rows();
    // tables() checks the file; what it was then tells whether it changed.
    const QFileInfo file(m_path);
    const std::pair before{file.size(), file.lastModified()};
    QList<Table> listed;
    Result result = tables(&listed);
    const auto entry = std::find_if(listed.begin(), listed.end(), [&](const Table& t) { return t.name == table; });
    if (result.ok() && entry == listed.end())
        result = Result::failure(cannotRead(m_path, QStringLiteral("it has no table %1.").arg(table)));
    if (!result.ok())
        return result;
    const qint64 total = limit < 0 ? entry->rows : std::min(limit, entry->rows);
    QStringList types;
    Rows found;
    result = runReader(m_path, {QStringLiteral("rows"), m_path, table, QString::number(limit)}, m_silenceLimitMs,
                            [&](char kind, const QStringList& list, bool* stop) {
        if (kind == JetFrames::Columns) {
            for (qsizetype i = 0; i + 1 < list.size(); i += 2) {
                found.columns << list.at(i);
                types << list.at(i + 1);
            }
            return Result::success();
        }
        if (kind != JetFrames::Row || list.size() != types.size())
            return Result::failure(cannotRead(m_path, QStringLiteral("it seems to be damaged.")));
        QStringList values;
        for (qsizetype i = 0; i < list.size(); ++i)
            values << shownText(types.at(i), list.at(i));
        found.rows.append(values);
        if (progress && !progress(found.rows.size(), std::max(total, qint64(found.rows.size())))) {
            *stop = true;
            return Result::failure(QStringLiteral("The import was cancelled: nothing has been imported."));
        }
        return Result::success();
    });
    if (!result.ok())
        return result;
    const QFileInfo after(m_path);
    if (std::pair{after.size(), after.lastModified()} != before)
        return Result::failure(cannotRead(
            m_path, QStringLiteral("it changed while it was read. Close the program that uses it and try again.")));
    *rows = found;
    return Result::success();
}
