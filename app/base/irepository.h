#pragma once

#include <QString>
#include <QVariant>

namespace Utils {

// A flat key → value store. Writes report whether the store accepted them.
class IRepository {
public:
    virtual ~IRepository() = default;
    virtual QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const = 0;
    virtual bool setValue(const QString& key, const QVariant& value) = 0;
    virtual bool remove(const QString& key) = 0;
    virtual bool sync() = 0;
};

}  // namespace Utils
