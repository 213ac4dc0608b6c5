#pragma once

#include <QDate>
#include <QObject>
#include <QString>

namespace Qln {

// What the views show of one driver: offered, installed or recorded.
class DriverDescription : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString category READ category CONSTANT)
    Q_PROPERTY(QString provider READ provider CONSTANT)
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(QString date READ dateText CONSTANT)
    Q_PROPERTY(int sizeValue READ sizeValue CONSTANT)
    Q_PROPERTY(QString sizeDim READ sizeDim CONSTANT)

public:
    struct Fields {
        QString name;
        QString category;
        QString provider;
        QString version;
        QDate date;
        quint64 size = 0;
    };

    explicit DriverDescription(const Fields& fields, QObject* parent = nullptr);

    const Fields& fields() const { return m_fields; }
    QString name() const { return m_fields.name; }
    QString category() const { return m_fields.category; }
    QString provider() const { return m_fields.provider; }
    QString version() const { return m_fields.version; }
    // The date in the program's short date format.
    QString dateText() const;
    int sizeValue() const;
    QString sizeDim() const;

private:
    Fields m_fields;
};

}  // namespace Qln
