// PropertyBag: the keyed store in which a window keeps the properties of a
// component placed on it.
//
// Keys are matched without regard to case, so "HMin" finds an entry stored
// as "hmin". A read names the value to use when the key is missing; a write
// may name a default, and a value equal to it is not kept (an entry already
// kept under that key is dropped), so the store holds only what differs from
// the defaults. Entries keep the order in which they were first written.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>
#include <vector>

namespace quillmere {

class PropertyBag {
public:
    // The stored value, or defaultValue when the key is missing.
    [[nodiscard]] QVariant ReadProperty(QStringView key, const QVariant& defaultValue = {}) const;

    // Stores value under key whatever it is.
    void WriteProperty(const QString& key, const QVariant& value);
    // Stores value under key unless it equals defaultValue.
    void WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue);

    // The keys as they were first written, in that order.
    [[nodiscard]] QStringList Keys() const;

private:
    using Entry = std::pair<QString, QVariant>;
    [[nodiscard]] std::vector<Entry>::const_iterator Find(QStringView key) const;

    std::vector<Entry> entries_;
};

}  // namespace quillmere
