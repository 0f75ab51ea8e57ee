#include "ReportTemplate.h"

#include "DateTimeText.h"
#include "RtfReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>

namespace ReportTemplate {

namespace {

// Which detail element each report placeholder shows; the price comes last.
struct DetailWord
{
    const char* word;
    int element;
};

constexpr DetailWord kReportWords[] = {
    {"vCustomerv", 0}, {"vNamev", 0},    {"vAddressv", 1}, {"vCountryv", 2},  {"vCityv", 3},
    {"vStatev", 8},    {"vZipv", 4},     {"vPhonev", 5},   {"vFAXv", 6},      {"vEmailv", 7},
    {"vProductv", 9},  {"vQuantityv", 10}, {"vDatev", 11}, {"vMethodv", 12},
};

// The format of the word's first character: a word whose letters differ in
// format gives its value the look it starts with.
QTextCharFormat formatOfFirstCharacter(const QTextCursor& found)
{
    QTextCursor first(found.document());
    first.setPosition(found.selectionStart() + 1);
    return first.charFormat();
}

void replaceAll(QTextDocument* document, const Placeholder& placeholder)
{
    QTextCursor found =
        document->find(placeholder.word, 0, QTextDocument::FindCaseSensitively);
    while (!found.isNull()) {
        found.insertText(placeholder.value, formatOfFirstCharacter(found));
        // Searching on after the value: a value that holds its own word
        // stays as typed.
        found = document->find(placeholder.word, found, QTextDocument::FindCaseSensitively);
    }
}

QString missingMessage(const QFileInfo& file)
{
    return QStringLiteral("The template \"%1\" is missing from the folder \"%2\". "
                          "Put the template back there and try again.")
        .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()));
}

QString unreadableMessage(const QFileInfo& file, const QString& reason)
{
    return QStringLiteral("The template \"%1\" could not be read (%2).\n\n%3")
        .arg(file.fileName(), reason, QDir::toNativeSeparators(file.absoluteFilePath()));
}

} // namespace

QString reportFile(const QString& programFolder)
{
    return programFolder + QStringLiteral("/Other/Report Generator.rtf");
}

QString noteFile(const QString& programFolder)
{
    return programFolder + QStringLiteral("/Other/Quick Note Pad.rtf");
}

Placeholders reportValues(const CustomerList::DetailPanel& details, const QString& currency)
{
    Placeholders placeholders;
    placeholders.reserve(std::size(kReportWords) + 1);
    for (const DetailWord& detail : kReportWords)
        placeholders.append({QString::fromLatin1(detail.word), details[detail.element]});
    placeholders.append({QStringLiteral("vPricev"),
                         currency + QLatin1Char(' ') + details[CustomerList::ItemPrice]});
    return placeholders;
}

Placeholders noteValues(const QDate& today, const QTime& now, const QString& notes)
{
    return {{QStringLiteral("vDatev"), shortDateText(today)},
            {QStringLiteral("vTimev"), longTimeText(now)},
            {QStringLiteral("vNotesv"), notes}};
}

Result load(const QString& path, QTextDocument* document)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Result::failure(missingMessage(info));
    if (!info.isFile())
        return Result::failure(unreadableMessage(info, QStringLiteral("it is not a file")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(unreadableMessage(info, file.errorString()));
    const QByteArray rtf = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Result::failure(unreadableMessage(info, file.errorString()));
    RtfReader::read(rtf, document);
    return Result::success();
}

void fill(QTextDocument* document, const Placeholders& placeholders)
{
    // Switching undo off and on again also empties the undo stack.
    const bool undoable = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    for (const Placeholder& placeholder : placeholders)
        replaceAll(document, placeholder);
    document->setUndoRedoEnabled(undoable);
}

} // namespace ReportTemplate
