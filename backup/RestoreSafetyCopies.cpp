#include "RestoreSafetyCopies.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace {

const QString kInfix = QStringLiteral(".before-restore-");
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd-HHmmss");

} // namespace

RestoreSafetyCopies::RestoreSafetyCopies(const QString& liveFile) : m_liveFile(liveFile) {}

QString RestoreSafetyCopies::newName(const QDateTime& now) const
{
    const QString first = m_liveFile + kInfix + now.toString(kTimeFormat);
    QString name = first;
    for (int count = 2; QFileInfo(name).exists() || QFileInfo(name).isSymLink(); ++count)
        name = first + QStringLiteral("-%1").arg(count);
    return name;
}

void RestoreSafetyCopies::prune(const QStringList& spared) const
{
    QStringList copies = oldestFirst();
    copies.erase(copies.end() - std::min<qsizetype>(kKept, copies.size()), copies.end());
    for (const QString& copy : std::as_const(copies)) {
        const bool isSpared = std::any_of(spared.begin(), spared.end(), [&](const QString& name) {
            return QFileInfo(name).canonicalFilePath() == QFileInfo(copy).canonicalFilePath();
        });
        if (!isSpared)
            QFile::remove(copy);
    }
}

// Ordered by the time in the name and then by the count after it, as the
// names alone would put "-10" before "-2".
QStringList RestoreSafetyCopies::oldestFirst() const
{
    const QFileInfo live(m_liveFile);
    const QRegularExpression ours(QStringLiteral("^%1(\\d{4}-\\d\\d-\\d\\d-\\d{6})(?:-(\\d{1,4}))?$")
                                      .arg(QRegularExpression::escape(live.fileName() + kInfix)));
    QList<std::pair<std::pair<QString, int>, QString>> found;
    const QFileInfoList files = live.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : files) {
        const QRegularExpressionMatch match = ours.match(file.fileName());
        if (match.hasMatch())
            found.append({{match.captured(1), match.captured(2).toInt()}, file.absoluteFilePath()});
    }
    std::sort(found.begin(), found.end());
    QStringList names;
    for (const auto& copy : std::as_const(found))
        names << copy.second;
    return names;
}
