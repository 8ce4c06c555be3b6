#include "autoresize/property_bag.h"

#include <algorithm>

namespace quillmere {

QVariant PropertyBag::ReadProperty(QStringView key, const QVariant& defaultValue) const {
    const auto entry = Find(key);
    return entry == entries_.end() ? defaultValue : entry->second;
}

void PropertyBag::WriteProperty(const QString& key, const QVariant& value) {
    const auto entry = Find(key);
    if (entry == entries_.end()) {
        entries_.emplace_back(key, value);
    } else {
        entries_[static_cast<std::size_t>(entry - entries_.begin())].second = value;
    }
}

void PropertyBag::WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue) {
    if (value == defaultValue) {
        const auto entry = Find(key);
        if (entry != entries_.end()) {
            entries_.erase(entry);
        }
        return;
    }
    WriteProperty(key, value);
}

QStringList PropertyBag::Keys() const {
    QStringList keys;
    keys.reserve(static_cast<qsizetype>(entries_.size()));
    for (const auto& entry : entries_) {
        keys.append(entry.first);
    }
    return keys;
}

std::vector<PropertyBag::Entry>::const_iterator PropertyBag::Find(QStringView key) const {
    return std::find_if(entries_.begin(), entries_.end(),
                        [key](const Entry& entry) { return key.compare(entry.first, Qt::CaseInsensitive) == 0; });
}

}  // namespace quillmere
