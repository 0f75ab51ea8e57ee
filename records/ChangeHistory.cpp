#include "ChangeHistory.h"

#include <array>

namespace {

constexpr std::array<const char*, 6> kNames = {"add", "edit", "delete", "import", "restore", "bring back"};

} // namespace

QString changeKindName(ChangeKind kind)
{
    return QString::fromLatin1(kNames[std::size_t(kind)]);
}

std::optional<ChangeKind> changeKindNamed(const QString& name)
{
    for (std::size_t kind = 0; kind < kNames.size(); ++kind)
        if (name == QLatin1String(kNames[kind]))
            return ChangeKind(kind);
    return std::nullopt;
}
