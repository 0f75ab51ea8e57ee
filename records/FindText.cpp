#include "FindText.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace {

using Field = CustomerRecord::Field;

constexpr std::array<Field, 12> kSearched = {Field::Name,  Field::Address, Field::Country, Field::City,
                                             Field::State, Field::Zip,     Field::Phone,   Field::FAX,
                                             Field::Email, Field::Product, Field::DatePur, Field::Payment};

// Letters whose marks do not come off by decomposition.
QString plainLetters(QChar c)
{
    switch (c.unicode()) {
    case 0x00df: return QStringLiteral("ss");
    case 0x00e6: return QStringLiteral("ae");
    case 0x0153: return QStringLiteral("oe");
    case 0x00fe: return QStringLiteral("th");
    case 0x00f8: return QStringLiteral("o");
    case 0x0142: return QStringLiteral("l");
    case 0x0111: case 0x00f0: return QStringLiteral("d");
    case 0x0127: return QStringLiteral("h");
    case 0x0131: return QStringLiteral("i");
    default: return QString(c);
    }
}

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

QString foldedForSearch(QStringView text)
{
    if (isAscii(text))
        return text.toString().toLower();
    // Decomposed first: some compatibility forms decompose to capitals.
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded += plainLetters(c);
    }
    return folded;
}

QString searchTextOf(const CustomerRecord& record)
{
    QString text;
    for (Field field : kSearched) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += foldedForSearch(record.value(field));
    }
    return text;
}

QStringList searchWords(const QString& typed)
{
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    QStringList words;
    // A lone surrogate (half a character) reads as U+FFFD, as in any text.
    const QList<uint> characters = typed.toUcs4();
    const QString whole =
        QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size());
    for (const QString& word : whole.split(spaces, Qt::SkipEmptyParts)) {
        const QString folded = foldedForSearch(word);
        if (!folded.isEmpty() && !words.contains(folded))
            words << folded;
    }
    return words;
}
