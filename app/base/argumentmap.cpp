#include "base/argumentmap.h"

namespace Qln {

ArgumentMap parseArguments(const QStringList& arguments) {
    ArgumentMap map;
    QString pending;
    for (int index = 0; index < arguments.size(); ++index) {
        QString plain = arguments.at(index);
        bool loneDash = false;
        if (plain.startsWith(QLatin1Char('/')) || plain.startsWith(QLatin1Char('-'))) {
            const int prefix = plain.startsWith(QLatin1String("--")) ? 2 : 1;
            const int equals = plain.indexOf(QLatin1Char('='), prefix);
            const QString name = plain.mid(prefix, equals < 0 ? -1 : equals - prefix);
            if (!name.isEmpty()) {
                const QString value = equals < 0 ? QString() : plain.mid(equals + 1);
                if (!pending.isEmpty()) {
                    map.insert(pending, QString());
                    pending.clear();
                }
                if (value.isEmpty()) {
                    pending = name;
                } else {
                    map.insert(name, value);
                }
                continue;
            }
            // A lone "-" or "/" counts as an empty plain element that only a pending key takes.
            plain.clear();
            loneDash = true;
        }
        if (!pending.isEmpty()) {
            map.insert(pending, plain);
            pending.clear();
        } else if (!loneDash) {
            map.insert(QString::number(index), plain);
        }
    }
    if (!pending.isEmpty()) {
        map.insert(pending, QString());
    }
    return map;
}

}  // namespace Qln
